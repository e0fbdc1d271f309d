#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <optional>

#include "settings/Settings.h"
#include "support/CountingPrompt.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using testsupport::freshDir;
using testsupport::readText;
using Prompt = testsupport::CountingPrompt;

// The lines of the settings file with the default offsets, spelled out as the program writes them.
static std::vector<std::string> defaultLines(const std::string& folder) {
    return {folder,    " 32785",  " 32891",  "-1",      " 40601",  " 39806",  " 39864",  " 40123", " 40181",
            " 58432",  " 58261",  " 62783",  " 59950",  " 121868", " 32843",  " 52785",  " 43624", " 267146",
            " 267308", " 294096", " 275043", " 274224", " 274282", " 274541", " 274599", " 23392", " 23221",
            " 277311", " 288999", " 319488", " 267204", " 18725",  " 263792"};
}

static std::string join(const std::vector<std::string>& lines, const char* eol = "\r\n") {
    std::string text;
    for (const auto& line : lines) text += line + eol;
    return text;
}

static void PrintTo(const SettingsData& d, std::ostream* os) { *os << '"' << Settings::format(d) << '"'; }

static SettingsData defaults(const std::string& folder) {
    SettingsData d;
    Settings::applyDefaultSettings(d, folder);
    return d;
}

// An offset line holds one 32-bit whole number (how one is read is TextNumber::strictWhole's test) and is
// written back in decimal with a blank or a minus sign before it; any other line refuses the whole file,
// naming the line, and changes nothing. The line stands as NES entry 0 (line 2) and SNES entry 15 (the last).
TEST(SettingsFile, OffsetLinesHoldOneWhole32BitNumberAndAreWrittenWithTheirSignPosition) {
    const std::tuple<const char*, std::optional<std::int32_t>, std::string> rows[] = {
        // the line, the value read (none: the file is refused), the line written
        {"&H8011", 32785, " 32785"},
        {" -1 ", -1, "-1"},
        {"0", 0, " 0"},
        {"2147483647", std::numeric_limits<std::int32_t>::max(), " 2147483647"},
        {"-2147483648", std::numeric_limits<std::int32_t>::min(), "-2147483648"},
        {"2147483648", std::nullopt, ""},
        {"-2147483649", std::nullopt, ""},
    };
    const auto fileWith = [](const std::string& line) {
        std::vector<std::string> lines = defaultLines("C:\\My Games");
        lines[1] = lines[32] = line;
        return join(lines);
    };
    for (const auto& [line, value, written] : rows) {
        SCOPED_TRACE(line);
        SettingsData read = defaults("/before");
        LineReport report;
        ASSERT_EQ(Settings::parse(fileWith(line), read, report), value ? Result::Ok : Result::Failed);
        if (!value) {
            EXPECT_EQ(read, defaults("/before"));
            EXPECT_EQ(report.text(),
                      "line 2: '" + std::string(line) + "' is not a whole number from -2147483648 to 2147483647");
            continue;
        }
        SettingsData expected = defaults("C:\\My Games");
        expected.nesOffsets[0] = expected.snesOffsets[15] = *value;
        EXPECT_EQ(read, expected);
        EXPECT_EQ(Settings::format(read), fileWith(written));
    }
}

TEST(SettingsLoad, AFileThatDoesNotReadAsksOnceAndGoesOnWithTheDefaultsWrittenOnlyOnYes) {
    const std::vector<std::string> lines = defaultLines("/roms");
    std::vector<std::string> withNul = lines;
    withNul[0] = std::string("/ro\0ms", 6);
    const std::string crlf = join(lines);
    const std::tuple<const char*, std::optional<std::string>, bool> rows[] = {
        // the file (none: no file), whether it reads
        {"CR LF", crlf, true},
        {"LF only", join(lines, "\n"), true},
        {"CR only", join(lines, "\r"), true},
        {"last line without its end", crlf.substr(0, crlf.size() - 2), true},
        {"lines after the 33rd", crlf + "99999999999\r\nx\r\n", true},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + crlf, true},
        {"missing", std::nullopt, false},
        {"32 lines", join(std::vector<std::string>(lines.begin(), lines.end() - 1)), false},
        {"a NUL byte", join(withNul), false},
    };
    for (const bool yes : {true, false}) {
        for (const auto& [name, text, reads] : rows) {
            SCOPED_TRACE(std::string(name) + (yes ? ", Yes" : ", No"));
            const std::string path = freshDir("settings-load") + "/tamsel.ini";
            if (text) testsupport::writeText(path, *text);
            Prompt prompt(yes);
            SettingsData d = defaults("/before");
            d.nesOffsets[3] = 7;
            Settings::loadSettings(path, "/prog", d, prompt);
            EXPECT_EQ(prompt.questions, reads ? 0 : 1);
            EXPECT_EQ(d, defaults(reads ? "/roms" : "/prog"));
            const std::optional<std::string> now = fs::exists(path) ? std::optional(readText(path)) : std::nullopt;
            EXPECT_EQ(now, reads || !yes ? text : join(defaultLines("/prog")));
        }
    }
}

// A failed write is reported once; the folders leading to a new file are made.
TEST(SettingsSave, AFailedWriteIsReportedOnceTheFoldersToANewFileAreMade) {
    const std::string dir = freshDir("settings-save");
    testsupport::writeText(dir + "/file", "keep me");
    const std::tuple<std::string, bool> rows[] = {
        {dir + "/file/tamsel/tamsel.ini", false},  // a folder to be made below a file
        {dir + "/config/tamsel/tamsel.ini", true},
    };
    for (const auto& [path, saves] : rows) {
        SCOPED_TRACE(path);
        Prompt prompt(true);
        EXPECT_EQ(Settings::saveSettings(path, defaults("/x"), prompt), saves ? Result::Ok : Result::Failed);
        EXPECT_EQ(prompt.saveFailures, saves ? 0 : 1);
    }
    EXPECT_EQ(readText(dir + "/file"), "keep me");
    EXPECT_EQ(readText(dir + "/config/tamsel/tamsel.ini"), join(defaultLines("/x")));
}

TEST(SettingsFolder, TheLastFolderCountsOnlyWhileItHoldsAFile) {
    const std::string base = freshDir("settings-folder");
    for (const char* folder : {"/full", "/empty", "/sub/inner"}) fs::create_directories(base + folder);
    for (const char* file : {"/full/game.nes", "/sub/inner/x.smc", "/file"}) testsupport::writeText(base + file, "x");
    const std::tuple<const char*, bool> rows[] = {
        {"/full", true}, {"/empty", false}, {"/sub", false}, {"/missing", false}, {"/file", false}};
    for (const auto& [folder, kept] : rows)
        EXPECT_EQ(Settings::checkedFolder(base + folder, "/prog"), kept ? base + folder : "/prog") << folder;
}
