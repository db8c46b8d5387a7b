#include "files/UserFolder.h"

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintora {

namespace {

// With user private groups (the usual umask 002 set-up) a user's folders are group-writable, but
// the group is the user alone.
bool IsUsersPrivateGroup(gid_t gid) {
    if (gid != getegid()) {
        return false;
    }
    const passwd* user = getpwuid(geteuid());
    const group* own = getgrgid(gid);
    return user != nullptr && own != nullptr && std::strcmp(user->pw_name, own->gr_name) == 0 &&
           (own->gr_mem == nullptr || own->gr_mem[0] == nullptr);
}

} // namespace

bool IsTrustedFolder(const std::string& folder) {
    struct stat st {};
    if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid()) {
        return false;
    }
    if ((st.st_mode & S_IWOTH) != 0) {
        return false;
    }
    return (st.st_mode & S_IWGRP) == 0 || IsUsersPrivateGroup(st.st_gid);
}

bool CreateUserFolder(const std::string& folder) {
    struct stat st {};
    if (stat(folder.c_str(), &st) == 0) {
        return S_ISDIR(st.st_mode);
    }
    if (errno != ENOENT || folder.empty()) {
        return false;
    }
    const std::string parent = FolderOf(folder);
    if (parent != folder && !CreateUserFolder(parent)) {
        return false;
    }
    // Another process may have made it in between; what counts is that it is there.
    return mkdir(folder.c_str(), 0700) == 0 ||
           (errno == EEXIST && stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
}

std::string_view FileNameOf(std::string_view fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    return slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
}

std::string FolderOf(const std::string& fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    const std::size_t end = fileName.find_last_not_of('/', slash);
    return end == std::string::npos ? std::string("/") : fileName.substr(0, end + 1);
}

} // namespace tintora
