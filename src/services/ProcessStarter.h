#pragma once

// Starting other programs: a browser that goes on by itself, or a short run whose output the
// program reads (a version banner).

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tintora {

class IProcessStarter {
public:
    virtual ~IProcessStarter() = default;
    // Starts the program detached from this one; false when it could not be started.
    virtual bool StartDetached(const std::string& program,
                               const std::vector<std::string>& args) = 0;
    // Runs the program to its end and returns what it wrote to standard output; nothing when it
    // could not be started or did not end within the time limit (it is then killed).
    virtual std::optional<std::string> RunForOutput(const std::string& program,
                                                    const std::vector<std::string>& args,
                                                    std::chrono::milliseconds limit) = 0;
};

} // namespace tintora
