#pragma once

// Files the program owns, read and written whole: the settings file and the preview page.
//
// A replace writes the new bytes to a temporary file beside the old one and renames it over the
// old one, so a reader (or a crash) sees either the old or the new contents, never a part. When
// anything fails the old file stays byte for byte as it was and EFileWriteError is raised.

#include <stdexcept>
#include <string>
#include <string_view>

namespace tintora {

// A file could not be written. what() is "<file name> に書き込めません".
class EFileWriteError : public std::runtime_error {
public:
    explicit EFileWriteError(const std::string& fileName);
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};

enum class TReadStatus { rsRead, rsMissing, rsFailed };

struct TFileContents {
    TReadStatus Status = TReadStatus::rsMissing;
    std::string Bytes;
};

// The whole file. rsMissing when it or its folder does not exist; rsFailed when it exists but is
// not a regular file or cannot be read (Bytes is then empty). Opens without blocking, so a FIFO
// put in the file's place cannot hang the program.
TFileContents ReadWholeFile(const std::string& fileName);

// Replaces the file's contents with bytes, creating it when it is missing (mode 0644 less the
// umask). Refused, with EFileWriteError:
// - a folder not owned by the user or writable by another user (another user could plant a link
//   there that makes us overwrite any file we can write);
// - a file that is not a regular file, or has no write permission bit at all, even where the
//   system would allow the replace (root): the user marked it so that it stays as it is;
// - any failure of writing, syncing or renaming; the temporary file is removed then.
// A symbolic link stays and the file it names gets the new contents; permission bits (and, for
// root, the owner) are kept. Temporary files that earlier runs left behind for this file (killed
// mid-write) are removed first: only those of our own name pattern, owned by the user, regular
// files and older than the running process.
void ReplaceWholeFile(const std::string& fileName, std::string_view bytes);

} // namespace tintora
