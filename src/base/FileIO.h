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

// Reads a whole file. Fails (result 1) when it cannot be opened or read.
ResultCode readWholeFile(const std::string& path, std::vector<std::uint8_t>& out);
ResultCode readWholeFile(const std::string& path, std::string& out);

// Reads a text file whole, without the UTF-8 byte-order mark (EF BB BF) that some editors
// put at its start. Fails (result 1) as readWholeFile does.
ResultCode readTextFile(const std::string& path, std::string& out);

// Why a write failed: the system's text for the error and the file it concerned (the
// target of a symbolic link, when the path named one).
struct WriteError {
    std::string cause;  // "No space left on device", "Permission denied", ...
    std::string path;
    // "cause: path"
    std::string text() const { return cause + ": " + path; }
};

// Replaces a file in one step: the data goes to a temporary file in the same folder, is
// flushed to disk and then renamed over the target, which keeps its permissions. With
// keepTail, bytes of the old file beyond data's length are carried over, as an in-place
// write would leave them. A path that is a symbolic link (or a chain of them) is written
// through: the file it finally names is replaced in its own folder and the links stay;
// a dangling link gets its target created. A target that is not writable, a folder that
// is missing or takes no new file fails (result 1) and leaves the target untouched; so
// does any failed write. The second form says why in error.
ResultCode writeFileAtomically(const std::string& path, const void* data, std::size_t size, bool keepTail,
                               WriteError& error);
ResultCode writeFileAtomically(const std::string& path, const void* data, std::size_t size, bool keepTail = false);
inline ResultCode writeFileAtomically(const std::string& path, std::string_view text, WriteError& error) {
    return writeFileAtomically(path, text.data(), text.size(), false, error);
}
inline ResultCode writeFileAtomically(const std::string& path, std::string_view text) {
    return writeFileAtomically(path, text.data(), text.size(), false);
}

// Test seam: with a value, every later writeFileAtomically call fails as a full disk
// would once that many bytes of the temporary file are written; std::nullopt restores
// normal writing.
void setFailAfterBytesForTesting(std::optional<std::size_t> bytes);

// True when a listing of the path yields an entry: for a path ending in a separator, the
// folder holds at least one ordinary file; otherwise the path is an ordinary file.
bool fileExists(const std::string& path);

// The platform's path separator as text.
char separator();

}  // namespace FileIO
