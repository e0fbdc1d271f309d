// Where tamsel.ini lives: beside the program while that works, else in the user's
// configuration folder, so that an installed editor asks about a default file only once.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "settings/Settings.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using testsupport::freshDir;

bool canCreateFileIn(const std::string& folder) {
    const std::string probe = folder + "/probe";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

// Sets or clears the immutable attribute of a folder: no entry can then be added to it or
// removed from it, by root either.
bool setImmutable(const std::string& folder, bool on) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

// A folder in which creating a file really fails. Taking the write bits away is enough for
// an ordinary user; root ignores them (and the tests run as root in CI), so when a file can
// still be created the folder is also made immutable, which binds root as well. Undone when
// the object goes, and before a new run in case an earlier run was killed half way.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string folder) : folder_(std::move(folder)) {
        ::chmod(folder_.c_str(), 0555);
        if (canCreateFileIn(folder_)) setImmutable(folder_, true);
        ok_ = !canCreateFileIn(folder_);
    }
    ~ReadOnlyFolder() { release(folder_); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool ok() const { return ok_; }
    static void release(const std::string& folder) {
        setImmutable(folder, false);
        ::chmod(folder.c_str(), 0755);
    }

private:
    std::string folder_;
    bool ok_ = false;
};

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        set(value);
    }
    ~ScopedEnv() { set(old_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void set(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name_, value->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

// The folders of one run: a writable program folder, a read-only one holding tamsel.ini
// and an empty read-only one, and a configuration folder.
struct Folders {
    std::string base, writable, readOnlyWithIni, readOnly, config;
};

Folders makeFolders(const std::string& name) {
    const std::string base = std::string(TAMSEL_TEST_TMP) + "/" + name;
    for (const char* sub : {"/ro-ini", "/ro"})
        if (fs::exists(base + sub)) ReadOnlyFolder::release(base + sub);
    Folders f{freshDir(name), "", "", "", ""};
    f.writable = f.base + "/portable";
    f.readOnlyWithIni = f.base + "/ro-ini";
    f.readOnly = f.base + "/ro";
    f.config = f.base + "/config";
    for (const std::string& d : {f.writable, f.readOnlyWithIni, f.readOnly, f.config}) fs::create_directories(d);
    testsupport::writeText(f.readOnlyWithIni + "/tamsel.ini", "");
    return f;
}

TEST(SettingsLocation, BesideTheProgramWhileItsFolderTakesFilesOrHoldsTheFileElseInTheConfigurationFolder) {
    const Folders f = makeFolders("settings-location");
    ReadOnlyFolder readOnlyWithIni(f.readOnlyWithIni), readOnly(f.readOnly);
    if (!readOnlyWithIni.ok() || !readOnly.ok()) GTEST_SKIP() << "no way to make a folder refuse new files here";
    const std::string inConfig = f.config + "/tamsel/tamsel.ini";
    struct Row {
        const char* name;
        std::string programFolder, configFolder, expected;
    } rows[] = {
        {"writable program folder", f.writable, f.config, f.writable + "/tamsel.ini"},
        {"read-only program folder holding tamsel.ini", f.readOnlyWithIni, f.config, f.readOnlyWithIni + "/tamsel.ini"},
        {"read-only program folder without it", f.readOnly, f.config, inConfig},
        // nobody, root included, creates a file in /proc
        {"program folder in /proc", "/proc/self", f.config, inConfig},
        {"missing program folder", f.base + "/none", f.config, inConfig},
        {"no configuration folder known", f.readOnly, "", f.readOnly + "/tamsel.ini"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Settings::settingsPath(row.programFolder, row.configFolder), row.expected);
    }
    // A file in the configuration folder does not draw a portable copy away from its own folder.
    testsupport::writeText(f.config + "/tamsel/tamsel.ini", "");
    EXPECT_EQ(Settings::settingsPath(f.writable, f.config), f.writable + "/tamsel.ini");
    EXPECT_TRUE(fs::is_empty(f.writable));  // the probe file is gone again
}

TEST(SettingsLocation, TheConfigurationFolderComesFromXdgConfigHomeElseHome) {
    struct Row {
        const char* name;
        std::optional<std::string> xdg, home;
        std::string expected;
    } rows[] = {
        {"XDG_CONFIG_HOME set", "/data/conf", "/home/u", "/data/conf"},
        {"XDG_CONFIG_HOME empty", "", "/home/u", "/home/u/.config"},
        {"XDG_CONFIG_HOME unset", std::nullopt, "/home/u", "/home/u/.config"},
        {"XDG_CONFIG_HOME relative, which the XDG rules tell to ignore", "conf", "/home/u", "/home/u/.config"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScopedEnv xdg("XDG_CONFIG_HOME", row.xdg), home("HOME", row.home);
        EXPECT_EQ(Settings::userConfigFolder(), row.expected);
    }
}

}  // namespace
