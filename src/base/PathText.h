#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Paths as the program keeps them: UTF-8 text on every platform. On Windows the standard
// library reads a narrow string in the system's code page, which holds few of the names a
// user can give a file ("Équipe 1994.nes", "バスケ.smc"); these conversions lose nothing.
namespace PathText {

// A path for the standard library's path arithmetic, and the UTF-8 text of one.
std::filesystem::path toPath(std::string_view utf8);
std::string fromPath(const std::filesystem::path& path);

// folder, the platform's separator, then name; name alone for an empty folder.
std::string join(const std::string& folder, std::string_view name);

// The folder a file lies in, "." for a bare name.
std::string folderOf(const std::string& file);

// The last part of a path: the file's own name with its extension.
std::string nameOf(const std::string& path);

#ifdef _WIN32
// UTF-16 from UTF-8 (nothing for text that is not UTF-8), and back.
std::optional<std::wstring> toWide(std::string_view utf8);
std::string fromWide(std::wstring_view wide);

// The form of a path that the wide file functions of Windows take at any length: absolute,
// with backslashes, and from 248 characters on behind the \\?\ prefix (\\?\UNC\ for a
// network share), which lifts the old limit of 260. Nothing for text that is not UTF-8.
std::optional<std::wstring> win32Path(const std::string& utf8);
#endif

}  // namespace PathText
