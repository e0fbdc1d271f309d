#include "base/Platform.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "base/PathText.h"

#ifdef _WIN32
#include <windows.h>
// windows.h first: shellapi.h builds on it.
#include <shellapi.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace Platform {

namespace {

std::string currentFolder() {
    std::error_code ec;
    return PathText::fromPath(std::filesystem::current_path(ec));
}

}  // namespace

LocalTime localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
#ifdef _WIN32
    ::localtime_s(&t, &now);
#else
    ::localtime_r(&now, &t);
#endif
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

#ifdef _WIN32

std::string programFolder() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (n == 0) return currentFolder();
        if (n < name.size()) {
            name.resize(n);
            break;
        }
        name.resize(name.size() * 2);
    }
    return PathText::folderOf(PathText::fromWide(name));
}

std::string environment(const char* name) {
    const std::optional<std::wstring> wideName = PathText::toWide(name);
    const wchar_t* value = wideName ? ::_wgetenv(wideName->c_str()) : nullptr;
    return value != nullptr ? PathText::fromWide(value) : std::string();
}

std::vector<std::string> arguments(int argc, char** argv) {
    int n = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &n);
    if (wide == nullptr) return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::vector<std::string> args;
    for (int i = 1; i < n; ++i) args.push_back(PathText::fromWide(wide[i]));
    ::LocalFree(wide);
    return args;
}

void useUtf8Console() { ::SetConsoleOutputCP(CP_UTF8); }

#else

std::string programFolder() {
#ifdef __APPLE__
    std::uint32_t size = 0;
    ::_NSGetExecutablePath(nullptr, &size);
    std::string name(size, '\0');
    if (::_NSGetExecutablePath(name.data(), &size) != 0) return currentFolder();
    name.resize(name.find('\0') == std::string::npos ? name.size() : name.find('\0'));
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::canonical(name, ec);
    return ec ? currentFolder() : exe.parent_path().string();
#else
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? currentFolder() : exe.parent_path().string();
#endif
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::vector<std::string> arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void useUtf8Console() {}

#endif

}  // namespace Platform
