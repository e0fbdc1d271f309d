// The editor's configuration folder is the desktop's: the one Qt names for generic
// configuration, so tamsel.ini sits with the other programs' settings.
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <cstdlib>
#include <optional>
#include <string>

#include "settings/Settings.h"

namespace {

TEST(UserConfigurationFolder, IsTheOneQtNamesForGenericConfiguration) {
    const char* names[] = {"XDG_CONFIG_HOME", "HOME"};
    std::optional<std::string> saved[2];
    for (int i = 0; i < 2; ++i)
        if (const char* v = std::getenv(names[i])) saved[i] = v;
    const struct {
        const char* name;
        const char* xdg;  // null: unset
    } rows[] = {{"XDG_CONFIG_HOME set", "/tmp/tamsel-xdg-config"}, {"XDG_CONFIG_HOME empty", ""}, {"XDG_CONFIG_HOME unset", nullptr}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ::setenv("HOME", "/tmp/tamsel-home", 1);
        if (row.xdg != nullptr) {
            ::setenv("XDG_CONFIG_HOME", row.xdg, 1);
        } else {
            ::unsetenv("XDG_CONFIG_HOME");
        }
        EXPECT_EQ(Settings::userConfigFolder(),
                  QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString());
    }
    for (int i = 0; i < 2; ++i) {
        if (saved[i]) {
            ::setenv(names[i], saved[i]->c_str(), 1);
        } else {
            ::unsetenv(names[i]);
        }
    }
}

}  // namespace
