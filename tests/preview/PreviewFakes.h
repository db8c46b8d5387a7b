#pragma once

// Stand-ins for the services the preview code asks of its platform.

#include "services/Clock.h"
#include "services/ProcessStarter.h"
#include "services/UserPrompts.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace tintora::test {

class TFakeClock : public IClock {
public:
    std::int64_t NowMs() const override { return now; }
    std::int64_t now = 1000;
};

class TRecordingPrompts : public IUserPrompts {
public:
    void ShowError(const std::string& message) override { errors.push_back(message); }
    void ShowMessage(const std::string& message) override { messages.push_back(message); }
    void ShowInformation(const std::string& message) override { messages.push_back(message); }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> AskText(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
    std::vector<std::string> errors;
    std::vector<std::string> messages;
};

// Answers RunForOutput from a table by program; starts nothing.
class TScriptedProcesses : public IProcessStarter {
public:
    bool StartDetached(const std::string&, const std::vector<std::string>&) override {
        return false;
    }
    std::optional<std::string> RunForOutput(const std::string& program,
                                            const std::vector<std::string>&,
                                            std::chrono::milliseconds) override {
        const auto found = outputs.find(program);
        return found == outputs.end() ? std::nullopt : found->second;
    }
    std::map<std::string, std::optional<std::string>> outputs;
};

// A fresh folder, removed with everything in it at the end.
class TTempDir {
public:
    TTempDir() {
        std::string name =
            (std::filesystem::temp_directory_path() / "tintora-test-XXXXXX").string();
        path_ = mkdtemp(name.data()) ? name : std::string();
    }
    ~TTempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes a file in the folder, executable when asked; returns its path.
    std::string Write(const std::string& name, const std::string& bytes,
                      bool executable = false) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        if (executable) {
            std::filesystem::permissions(file, std::filesystem::perms::owner_exec,
                                         std::filesystem::perm_options::add);
        }
        return file.string();
    }

private:
    std::filesystem::path path_;
};

} // namespace tintora::test
