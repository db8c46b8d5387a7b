#pragma once

// Folders the program writes its own files into, and the two parts of a file name.

#include <string>
#include <string_view>

namespace tintora {

// True when the folder exists, is owned by the user the program runs as, and no other user can
// write in it: no write bit for others, and a group write bit only for the user's private group
// (the primary group of the user's own name, without further members).
bool IsTrustedFolder(const std::string& folder);

// Creates the folder and any missing folders above it with mode 0700, as the user's own. Folders
// that exist are left as they are. True when the folder exists afterwards.
bool CreateUserFolder(const std::string& folder);

// The folder part of a file name: everything before its last "/", "/" for a file in the root and
// "." for a bare name.
std::string FolderOf(const std::string& fileName);

// The file name without its folder: everything after the last "/".
std::string_view FileNameOf(std::string_view fileName);

} // namespace tintora
