#include "base/PathText.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#endif

namespace PathText {

std::filesystem::path toPath(std::string_view utf8) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
#else
    return std::filesystem::path(std::string(utf8));
#endif
}

std::string fromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.string();
#endif
}

std::string join(const std::string& folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    return fromPath(toPath(folder) / toPath(name));
}

std::string folderOf(const std::string& file) {
    const std::string folder = fromPath(toPath(file).parent_path());
    return folder.empty() ? std::string(".") : folder;
}

std::string nameOf(const std::string& path) { return fromPath(toPath(path).filename()); }

#ifdef _WIN32

std::optional<std::wstring> toWide(std::string_view utf8) {
    if (utf8.empty()) return std::wstring();
    const int size = static_cast<int>(utf8.size());
    const int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), n);
    return wide;
}

std::string fromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), n, nullptr, nullptr);
    return text;
}

std::optional<std::wstring> win32Path(const std::string& utf8) {
    std::optional<std::wstring> wide = toWide(utf8);
    if (!wide) return std::nullopt;
    for (wchar_t& c : *wide)
        if (c == L'/') c = L'\\';
    if (wide->starts_with(LR"(\\?\)") || wide->starts_with(LR"(\\.\)")) return wide;
    // CreateDirectoryW stops at 248 characters where the other functions go on to 260.
    constexpr std::size_t kShortLimit = 248;
    std::wstring full(std::max<std::size_t>(wide->size() + 1, MAX_PATH), L'\0');
    for (;;) {
        const DWORD n = ::GetFullPathNameW(wide->c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (n == 0) return wide;  // left to the function it is given to, to refuse
        if (n < full.size()) {
            full.resize(n);
            break;
        }
        full.resize(n);
    }
    if (full.size() < kShortLimit || full.starts_with(LR"(\\.\)")) return full;
    if (full.starts_with(LR"(\\)")) return LR"(\\?\UNC\)" + full.substr(2);
    return LR"(\\?\)" + full;
}

#endif

}  // namespace PathText
