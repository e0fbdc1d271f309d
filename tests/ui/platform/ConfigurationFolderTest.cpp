// The editor's configuration folder is the desktop's: the one Qt names for generic
// configuration, so tamsel.ini sits with the other programs' settings.
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <cstdlib>
#include <optional>
#include <string>

#include "settings/Settings.h"

namespace {

void setOrUnset(const char* name, const std::optional<std::string>& value) {
    if (value) {
        ::setenv(name, value->c_str(), 1);
    } else {
        ::unsetenv(name);
    }
}

std::optional<std::string> env(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr ? std::optional<std::string>(v) : std::nullopt;
}

TEST(UserConfigurationFolder, IsTheOneQtNamesForGenericConfiguration) {
    const std::optional<std::string> xdg = env("XDG_CONFIG_HOME"), home = env("HOME");
    const struct {
        const char* name;
        std::optional<std::string> xdg;
    } rows[] = {{"XDG_CONFIG_HOME set", "/tmp/tamsel-xdg-config"},
                {"XDG_CONFIG_HOME empty", ""},
                {"XDG_CONFIG_HOME unset", std::nullopt}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ::setenv("HOME", "/tmp/tamsel-home", 1);
        setOrUnset("XDG_CONFIG_HOME", row.xdg);
        EXPECT_EQ(Settings::userConfigFolder(),
                  QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString());
    }
    setOrUnset("XDG_CONFIG_HOME", xdg);
    setOrUnset("HOME", home);
}

}  // namespace
