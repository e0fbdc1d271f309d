#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ResultCode.h"

// Whole-file access used by every part of the program that touches the disk.
namespace FileIO {

// Why a read or a write failed: the system's text for the error and the file it concerned
// (the target of a symbolic link, when the path named one). When a write failed after the
// new bytes were complete in a temporary file that is kept, kept names that file.
struct FileError {
    std::string cause;  // "No space left on device", "Permission denied", ...
    std::string path;
    std::string kept;
    // "cause: path", then " (the new contents are in KEPT)" when a copy was kept
    std::string text() const;
};
// The name the writers use.
using WriteError = FileError;

// What a file held when it was read or written here: its size, its modification time and a
// hash of its bytes. An empty stamp (known false) stands for no file read.
struct FileStamp {
    bool known = false;
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds since the epoch
    std::uint64_t hash = 0;
    bool operator==(const FileStamp&) const = default;
};

// Reads a whole file. Fails (result 1) when it cannot be opened or read, or is not an
// ordinary file. The third form also gives the stamp of what it read, or why it failed.
ResultCode readWholeFile(const std::string& path, std::vector<std::uint8_t>& out);
ResultCode readWholeFile(const std::string& path, std::string& out);
ResultCode readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, FileStamp& stamp, FileError& error);

// Reads a text file whole, without the UTF-8 byte-order mark (EF BB BF) that some editors
// put at its start. Fails (result 1) as readWholeFile does.
ResultCode readTextFile(const std::string& path, std::string& out);

// The size of an ordinary file, without reading it; nothing when there is no such file.
std::optional<std::uint64_t> fileSize(const std::string& path);

// Whether the file at path is still the one the stamp was taken of: same size, same
// modification time and, read again, the same hash. A missing file is not.
bool unchangedSince(const std::string& path, const FileStamp& stamp);

// The result of a write refused because the file changed since it was read.
constexpr ResultCode kChangedOnDisk = 2;

// Replaces a file in one step: the data goes to a temporary file in the same folder (one
// without a name where the system offers it, else one of a short fixed-length name, so that
// any name the folder takes can be written), is flushed to disk and then renamed over the
// target. A replaced file keeps its permissions, and its owner where the process may set
// it; a new file gets 0666 less the umask. With keepTail, bytes of the old file beyond
// data's length are carried over, as an in-place write would leave them. A path that is a
// symbolic link (or a chain of them) is written through: the file it finally names is
// replaced in its own folder and the links stay; a dangling link gets its target created.
// A target with more than one hard link is written over in place instead, so that every
// name keeps seeing the same file (see the note in the source). Temporary files of this
// program's naming older than a day are removed from the folder first. A target that is
// not writable, a folder that is missing or takes no new file fails (result 1) and leaves
// the target untouched; so does any failed write. The second form says why in error.
// Paths are UTF-8 on every platform. On Windows the replacement is a rename with write-through
// after the data are flushed; a target that another program holds open so that it cannot be
// replaced (an emulator running the image) fails before anything is written ("Another program
// holds the file open"), as do a name Windows cannot hold and a device name such as NUL or CON.
ResultCode writeFileAtomically(const std::string& path, const void* data, std::size_t size, bool keepTail,
                               FileError& error);
ResultCode writeFileAtomically(const std::string& path, const void* data, std::size_t size, bool keepTail = false);
inline ResultCode writeFileAtomically(const std::string& path, std::string_view text, FileError& error) {
    return writeFileAtomically(path, text.data(), text.size(), false, error);
}
inline ResultCode writeFileAtomically(const std::string& path, std::string_view text) {
    return writeFileAtomically(path, text.data(), text.size(), false);
}

// As writeFileAtomically, for a file that was read before: with a known stamp, the file on
// disk is compared with it just before the replacement, and a file changed since (or gone)
// is left alone: result kChangedOnDisk, nothing written. The comparison and the
// replacement run under a lock that every writer of this program takes in that folder
// (a small lock file, removed afterwards), so two writers cannot both pass it. An empty
// stamp writes without a comparison. On success the stamp becomes that of the file written.
ResultCode writeFileIfUnchanged(const std::string& path, const void* data, std::size_t size, bool keepTail,
                                FileStamp& stamp, FileError& error);

// Test seams. With a value, every later write fails as a full disk would once that many
// bytes of the temporary file (or, for a hard-linked target, of the target) are written;
// std::nullopt restores normal writing. A hook given to setBeforeReplaceForTesting runs in
// every later write just before the comparison with the stamp, as another program could.
void setFailAfterBytesForTesting(std::optional<std::size_t> bytes);
void setBeforeReplaceForTesting(void (*hook)());

// True when a listing of the path yields an entry: for a path ending in a separator, the
// folder holds at least one ordinary file; otherwise the path is an ordinary file.
bool fileExists(const std::string& path);

// Whether a new file can be made in the folder, found out by making one and removing it
// again: permission bits do not tell (root makes files in a folder without write bits, a
// read-only file system refuses everyone, Windows has access lists).
bool folderTakesNewFiles(const std::string& folder);

// Makes the folder and every missing folder above it; Ok when the folder then exists.
ResultCode makeFolders(const std::string& folder);

// The names of the ordinary files in a folder, in no particular order; none when the folder
// cannot be listed.
std::vector<std::string> filesIn(const std::string& folder);

// Removes a file; Ok when no file is left under the name.
ResultCode removeFile(const std::string& path);

// The one name of a file however a path reaches it: absolute, without "." and "..", and for a
// file that exists with its links followed (on Windows also with its letters in the case the
// folder keeps), so that two paths to the same file give the same name.
std::string fullPath(const std::string& path);

// The platform's path separator as text.
char separator();
// Every character that ends a folder's name in a path: "/", and on Windows "\\" as well.
const char* separators();

}  // namespace FileIO
