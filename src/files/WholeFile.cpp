#include "files/WholeFile.h"

#include "files/UserFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tintora {

namespace {

// Taken while the program loads: a temporary file older than this was left by an earlier run.
const timespec processStart = [] {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}();

// mkostemp's pattern: the file's name behind a dot, a dot and six letters or digits.
constexpr std::string_view tempSuffix = ".XXXXXX";

std::string TempPrefix(const std::string& name) {
    return "." + name + ".";
}

bool IsTempNameOf(std::string_view entry, const std::string& prefix) {
    if (entry.size() != prefix.size() + tempSuffix.size() - 1 || !entry.starts_with(prefix)) {
        return false;
    }
    for (const char c : entry.substr(prefix.size())) {
        const bool alnum =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum) {
            return false;
        }
    }
    return true;
}

bool OlderThanProcess(const struct stat& st) {
    return st.st_mtim.tv_sec < processStart.tv_sec ||
           (st.st_mtim.tv_sec == processStart.tv_sec && st.st_mtim.tv_nsec < processStart.tv_nsec);
}

// A write of ours killed between creating its temporary file and renaming it leaves the file
// behind. A newer one may belong to another running copy that is writing right now.
void RemoveLeftoverTempFiles(const std::string& folder, const std::string& name) {
    const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) {
        return;
    }
    DIR* dir = fdopendir(dirFd);
    if (dir == nullptr) {
        close(dirFd);
        return;
    }
    const std::string prefix = TempPrefix(name);
    while (const dirent* entry = readdir(dir)) {
        struct stat st {};
        if (IsTempNameOf(entry->d_name, prefix) &&
            fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == geteuid() && OlderThanProcess(st)) {
            unlinkat(dirFd, entry->d_name, 0);
        }
    }
    closedir(dir);
}

mode_t CurrentUmask() {
    // Reading the mask from /proc leaves it alone; setting and restoring it would race with any
    // other thread that creates files.
    if (FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned int mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status) != nullptr) {
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        }
        std::fclose(status);
        if (found) {
            return static_cast<mode_t>(mask);
        }
    }
    const mode_t mask = umask(022);
    umask(mask);
    return mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The path whose file is to be replaced: a symbolic link is followed, so that the link stays and
// the file it names gets the new contents.
std::optional<std::string> ReplacementTarget(const std::string& fileName) {
    struct stat st {};
    if (lstat(fileName.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        return fileName;
    }
    char* resolved = realpath(fileName.c_str(), nullptr);
    if (resolved == nullptr) {
        return std::nullopt;
    }
    std::string target(resolved);
    std::free(resolved);
    return target;
}

bool Replace(const std::string& fileName, std::string_view bytes) {
    if (fileName.empty() || !IsTrustedFolder(FolderOf(fileName))) {
        return false;
    }
    const std::optional<std::string> target = ReplacementTarget(fileName);
    if (!target) {
        return false;
    }
    struct stat st {};
    bool exists = false;
    if (stat(target->c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode) || access(target->c_str(), W_OK) != 0 ||
            (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            return false;
        }
        exists = true;
    } else if (errno != ENOENT) {
        return false;
    }
    const mode_t mode = exists ? (st.st_mode & 07777) : (0644 & ~CurrentUmask());

    const std::string folder = FolderOf(*target);
    const std::size_t nameStart = target->rfind('/') + 1; // 0 without a "/"
    const std::string name = target->substr(nameStart);
    RemoveLeftoverTempFiles(folder, name);
    std::string tempName =
        target->substr(0, nameStart) + TempPrefix(name) + std::string(tempSuffix.substr(1));
    const int fd = mkostemp(tempName.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    if (exists && fchown(fd, st.st_uid, st.st_gid) != 0) {
        // Only root may give a file away; anyone else's new file is their own, which is right.
    }
    bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(tempName.c_str(), target->c_str()) == 0;
    if (!ok) {
        unlink(tempName.c_str());
        return false;
    }
    // The rename is done; syncing the folder only makes it survive a power cut sooner.
    const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

// Reads into bytes from its size on until the end of the file or a failure.
bool ReadToEnd(int fd, std::string& bytes) {
    for (;;) {
        const std::size_t got = bytes.size();
        // Straight into the buffer while it has room; after that the file has grown.
        bytes.resize(got < bytes.capacity() ? bytes.capacity() : got + 65536);
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        bytes.resize(got + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        if (n == 0) {
            return true;
        }
        if (n < 0 && errno != EINTR) {
            return false;
        }
    }
}

} // namespace

EFileWriteError::EFileWriteError(const std::string& fileName)
    : std::runtime_error(fileName + " に書き込めません"), fileName_(fileName) {}

TFileContents ReadWholeFile(const std::string& fileName) {
    TFileContents result;
    const int fd = open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.Status =
            errno == ENOENT || errno == ENOTDIR ? TReadStatus::rsMissing : TReadStatus::rsFailed;
        return result;
    }
    struct stat st {};
    result.Status = TReadStatus::rsFailed;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        // One allocation of the file's size (and a byte to see its end): a large file must not
        // cost twice its size.
        result.Bytes.reserve(static_cast<std::size_t>(st.st_size) + 1);
        if (ReadToEnd(fd, result.Bytes)) {
            result.Status = TReadStatus::rsRead;
        } else {
            result.Bytes.clear();
        }
    }
    close(fd);
    return result;
}

void ReplaceWholeFile(const std::string& fileName, std::string_view bytes) {
    if (!Replace(fileName, bytes)) {
        throw EFileWriteError(fileName);
    }
}

} // namespace tintora
