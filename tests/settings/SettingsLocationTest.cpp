// Where tamsel.ini lives: beside the program while that works, else in the user's
// configuration folder, so that an installed editor asks about a default file only once.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "base/FileIO.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"

namespace {

#ifndef _WIN32

namespace fs = std::filesystem;

bool takesFiles(const std::string& folder) {
    const bool made = std::ofstream(folder + "/probe").good();
    std::error_code ignored;
    fs::remove(folder + "/probe", ignored);
    return made;
}

// Makes creating a file in the folder really fail, or undoes that. Taking the write bits away is enough
// for an ordinary user; root ignores them (and the tests run as root in CI), so the folder is then also
// made immutable, which binds root as well.
bool makeReadOnly(const std::string& folder, bool on) {
    if (!on) std::system(("chattr -i '" + folder + "' 2>/dev/null").c_str());
    ::chmod(folder.c_str(), on ? 0555 : 0755);
    if (on && takesFiles(folder)) std::system(("chattr +i '" + folder + "' 2>/dev/null").c_str());
    return takesFiles(folder) != on;
}

TEST(SettingsLocation, BesideTheProgramWhileItsFolderTakesFilesOrHoldsTheFileElseInTheConfigurationFolder) {
    const std::string base = std::string(TAMSEL_TEST_TMP) + "/settings-location";
    const std::string writable = base + "/portable", roIni = base + "/ro-ini", ro = base + "/ro",
                      config = base + "/config", bundle = base + "/Tamsel.app/Contents/MacOS";
    const auto release = [&] {
        for (const std::string& d : {roIni, ro}) makeReadOnly(d, false);
    };
    release();  // an earlier run killed half way may have left them read-only
    testsupport::freshDir("settings-location");
    for (const std::string& d : {writable, roIni, ro, config, bundle}) fs::create_directories(d);
    testsupport::writeText(roIni + "/tamsel.ini", "");
    if (!makeReadOnly(roIni, true) || !makeReadOnly(ro, true)) {
        release();
        GTEST_SKIP() << "no way to make a folder refuse new files here";
    }
    const std::string inConfig = config + "/tamsel/tamsel.ini";
    // name, the program's folder, the configuration folder, where tamsel.ini is
    const std::tuple<const char*, std::string, std::string, std::string> rows[] = {
        {"writable program folder", writable, config, writable + "/tamsel.ini"},
        {"read-only program folder holding tamsel.ini", roIni, config, roIni + "/tamsel.ini"},
        {"read-only program folder without it", ro, config, inConfig},
        {"program folder in /proc, where nobody creates a file", "/proc/self", config, inConfig},
        {"missing program folder", base + "/none", config, inConfig},
        {"inside a macOS application bundle, writable", bundle, config, inConfig},
        {"no configuration folder known", ro, "", ro + "/tamsel.ini"},
    };
    for (const auto& [name, programFolder, configFolder, expected] : rows)
        EXPECT_EQ(Settings::settingsPath(programFolder, configFolder), expected) << name;
    // The backups follow tamsel.ini, into the user's data folder.
    EXPECT_EQ(Settings::backupFolder(roIni, config, "/data"), roIni + "/backups");
    EXPECT_EQ(Settings::backupFolder(ro, config, "/data"), "/data/tamsel/backups");
    release();
    // A file in the configuration folder does not draw a portable copy away from its own folder.
    testsupport::writeText(inConfig, "");
    EXPECT_EQ(Settings::settingsPath(writable, config), writable + "/tamsel.ini");
    EXPECT_TRUE(fs::is_empty(writable));  // the probe file is gone again
}

// XDG_CONFIG_HOME and XDG_DATA_HOME, set alike, else folders in HOME.
TEST(SettingsLocation, TheConfigurationAndDataFoldersComeFromTheXdgVariablesElseHome) {
    const auto set = [](const char* name, const char* value) { value ? ::setenv(name, value, 1) : ::unsetenv(name); };
    const char* names[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "HOME"};
    std::vector<std::optional<std::string>> kept;
    for (const char* name : names) kept.push_back(std::getenv(name) ? std::optional(std::getenv(name)) : std::nullopt);
    const std::tuple<const char*, const char*, std::string, std::string> rows[] = {
        // the XDG variables, HOME (nullptr: unset), the configuration folder, the data folder
        {"/data/conf", "/home/u", "/data/conf", "/data/conf"},
        {"", "/home/u", "/home/u/.config", "/home/u/.local/share"},
        {nullptr, "/home/u", "/home/u/.config", "/home/u/.local/share"},
        {"conf", "/home/u", "/home/u/.config", "/home/u/.local/share"},  // relative, which the XDG rules ignore
        {nullptr, nullptr, "", ""},
    };
    for (const auto& [xdg, home, config, data] : rows) {
        SCOPED_TRACE(std::string(xdg ? xdg : "unset") + ", " + (home ? home : "unset"));
        set(names[0], xdg), set(names[1], xdg), set(names[2], home);
        EXPECT_EQ(Settings::userConfigFolder(), config);
        EXPECT_EQ(Settings::userDataFolder(), data);
    }
    for (std::size_t k = 0; k < 3; ++k) set(names[k], kept[k] ? kept[k]->c_str() : nullptr);
}

#else
// A portable copy keeps tamsel.ini in its own folder whatever letters that folder's name holds; otherwise
// the file lives in the roaming application data, %APPDATA%\tamsel.
TEST(SettingsLocation, OnWindowsBesideAPortableCopyElseInTheRoamingApplicationData) {
    const std::string base = testsupport::freshDir("settings-windows");
    const std::string portable = base + "/Programme \xC3\x89t\xC3\xA9", none = base + "/none";
    ASSERT_EQ(FileIO::makeFolders(portable), Result::Ok);
    const std::wstring oldAppData = _wgetenv(L"APPDATA") != nullptr ? _wgetenv(L"APPDATA") : L"";
    // name, APPDATA ("" unsets it), the program's folder, where tamsel.ini is
    const std::tuple<const char*, std::wstring, std::string, std::string> rows[] = {
        {"portable folder with accented letters", L"C:\\Users\\u\\AppData\\Roaming", portable,
         portable + "\\tamsel.ini"},
        {"program folder taking no files", L"C:\\Users\\u\\AppData\\Roaming", none,
         "C:\\Users\\u\\AppData\\Roaming\\tamsel\\tamsel.ini"},
        {"user name beyond the system's code page", L"C:\\Users\\\u30D0\\AppData\\Roaming", none,
         "C:\\Users\\\xE3\x83\x90\\AppData\\Roaming\\tamsel\\tamsel.ini"},
        {"APPDATA relative", L"Roaming", none, none + "\\tamsel.ini"},
        {"APPDATA unset", L"", none, none + "\\tamsel.ini"},
    };
    for (const auto& [name, appData, programFolder, expected] : rows) {
        _wputenv((L"APPDATA=" + appData).c_str());
        EXPECT_EQ(Settings::settingsPath(programFolder, Settings::userConfigFolder()), expected) << name;
    }
    _wputenv((L"APPDATA=" + oldAppData).c_str());
}
#endif

}  // namespace
