#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <limits>
#include <optional>

#include "settings/Settings.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using testsupport::freshDir;
using testsupport::readText;

// Answers the question about a default file with Yes or No and counts both messages.
struct Prompt : SettingsPrompt {
    explicit Prompt(bool yes) : yes(yes) {}
    bool askCreateDefault() override {
        ++questions;
        return yes;
    }
    void reportSaveFailed() override { ++saveFailures; }
    bool yes;
    int questions = 0;
    int saveFailures = 0;
};

// The lines of the settings file with the default offsets, spelled out as the program writes them.
static std::vector<std::string> defaultLines(const std::string& folder) {
    return {folder,    " 32785",  " 32891",  "-1",      " 40601",  " 39806",  " 39864",  " 40123",  " 40181",  " 58432",  " 58261",
            " 62783",  " 59950",  " 121868", " 32843",  " 52785",  " 43624",  " 267146", " 267308", " 294096", " 275043", " 274224",
            " 274282", " 274541", " 274599", " 23392",  " 23221",  " 277311", " 288999", " 319488", " 267204", " 18725",  " 263792"};
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

// The file with the folder "C:\My Games" and the default offsets but for a line that stands as NES
// entry 0 (line 2) and as the last line (SNES entry 15).
static std::string fileWith(const std::string& line) {
    std::vector<std::string> lines = defaultLines("C:\\My Games");
    lines[1] = line;
    lines[32] = line;
    return join(lines);
}

// An offset line holds one whole number and nothing else, in decimal or "&H" hexadecimal, blanks
// around it; it is written back in decimal with a blank or a minus sign before it.
TEST(SettingsFile, OffsetLinesHoldOneWhole32BitNumberAndAreWrittenWithTheirSignPosition) {
    struct Row {
        const char* name;
        std::string line;
        std::int32_t value;
        std::string written;
    };
    const Row rows[] = {
        {"with its sign blank", " 32785", 32785, " 32785"},
        {"bare", "32785", 32785, " 32785"},
        {"hexadecimal", "&H8011", 32785, " 32785"},
        {"hexadecimal, small h, blanks after", "&h8011  ", 32785, " 32785"},
        {"tabs around", "\t32785\t", 32785, " 32785"},
        {"blanks around -1", " -1 ", -1, "-1"},
        {"plus sign", "+7", 7, " 7"},
        {"leading zeros", "007", 7, " 7"},
        {"32-bit top", "2147483647", std::numeric_limits<std::int32_t>::max(), " 2147483647"},
        {"32-bit bottom", "-2147483648", std::numeric_limits<std::int32_t>::min(), "-2147483648"},
        {"hexadecimal top", "&H7FFFFFFF", std::numeric_limits<std::int32_t>::max(), " 2147483647"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SettingsData read = defaults("/before");
        ASSERT_EQ(Settings::parse(fileWith(row.line), read), Result::Ok);
        SettingsData expected = defaults("C:\\My Games");
        expected.nesOffsets[0] = row.value;
        expected.snesOffsets[15] = row.value;
        EXPECT_EQ(read, expected);
        EXPECT_EQ(Settings::format(read), fileWith(row.written));
    }
}

// Anything else refuses the whole file, naming the line, and changes nothing.
TEST(SettingsFile, AnyOtherOffsetLineRefusesTheFile) {
    struct Row {
        const char* name;
        std::string line;
    };
    const Row rows[] = {
        {"blanks only", " \t "},
        {"a word", "abc"},
        {"number then letters", "12abc"},
        {"two numbers", "12 13"},
        {"a fraction", "1.5"},
        {"a whole fraction", "12.0"},
        {"a note after the number", "\t32785 ; note"},
        {"exponent", "1e5"},
        {"sign alone", "-"},
        {"blank after the sign", "- 5"},
        {"&H without digits", "&H"},
        {"signed hexadecimal", "-&H10"},
        {"hexadecimal then a letter", "&H8011G"},
        {"one over the top", "2147483648"},
        {"one under the bottom", "-2147483649"},
        {"2^32, 0 in 32 bits", " 4294967296"},
        {"hexadecimal over the top", "&H80000000"},
        {"30 digits", "123456789012345678901234567890"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SettingsData read = defaults("/before");
        LineReport report;
        EXPECT_EQ(Settings::parse(fileWith(row.line), read, report), Result::Failed);
        EXPECT_EQ(read, defaults("/before"));
        EXPECT_EQ(report.line, 2);
        EXPECT_EQ(report.reason, "'" + row.line + "' is not a whole number from -2147483648 to 2147483647");
    }
}

TEST(SettingsLoad, AFileThatDoesNotReadAsksOnceAndGoesOnWithTheDefaultsWrittenOnlyOnYes) {
    const std::vector<std::string> lines = defaultLines("/roms");
    std::vector<std::string> trailing = lines;
    for (std::size_t i = 1; i < trailing.size(); ++i) trailing[i] += "  \t";
    std::vector<std::string> big = lines;
    big[5] = " 4294967296";
    std::vector<std::string> blank = lines;
    blank[20] = "";
    const std::vector<std::string> first32(lines.begin(), lines.end() - 1);
    std::vector<std::string> prose;
    for (int i = 0; i < 40; ++i) prose.push_back("Line " + std::to_string(i) + " of a letter that is not a settings file.");
    prose[7] = "";
    std::string garbage(8192, '\0');  // all 256 byte values, NUL and 64 line ends among them
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = char(i * 37 + 11);
    const std::string crlf = join(lines);
    struct Row {
        const char* name;
        std::optional<std::string> text;  // none: no file
        bool reads;
    };
    const Row rows[] = {
        {"CR LF", crlf, true},
        {"LF only", join(lines, "\n"), true},
        {"CR only", join(lines, "\r"), true},
        {"trailing blanks", join(trailing), true},
        {"last line without its end", crlf.substr(0, crlf.size() - 2), true},
        {"lines after the 33rd", crlf + "99999999999\r\nx\r\n", true},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + crlf, true},
        {"missing", std::nullopt, false},
        {"empty", "", false},
        {"folder line only", "/roms\r\n", false},
        {"32 lines", join(first32), false},
        {"number beyond 32 bits", join(big), false},
        {"binary garbage", garbage, false},
        {"40 lines of prose", join(prose), false},
        {"a blank offset line", join(blank), false},
    };
    for (const bool yes : {true, false}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + (yes ? ", Yes" : ", No"));
            const std::string path = freshDir("settings-load") + "/tamsel.ini";
            if (row.text) testsupport::writeText(path, *row.text);
            Prompt prompt(yes);
            SettingsData d = defaults("/before");
            d.nesOffsets[3] = 7;
            Settings::loadSettings(path, "/prog", d, prompt);
            EXPECT_EQ(prompt.questions, row.reads ? 0 : 1);
            EXPECT_EQ(d, defaults(row.reads ? "/roms" : "/prog"));
            const std::optional<std::string> now = fs::exists(path) ? std::optional(readText(path)) : std::nullopt;
            EXPECT_EQ(now, row.reads || !yes ? row.text : join(defaultLines("/prog")));
        }
    }
}

TEST(SettingsSave, AFailedWriteIsReportedOnceAndLeavesTheTargetAsItWas) {
    EXPECT_STREQ(Settings::kSaveFailed, "Unable to save tamsel.ini.");
    const std::string dir = freshDir("settings-save");
    testsupport::writeText(dir + "/readonly.ini", "keep me");
    ::chmod((dir + "/readonly.ini").c_str(), 0444);
    fs::create_directories(dir + "/folder.ini");
    const std::pair<const char*, std::string> rows[] = {
        {"a read-only file", dir + "/readonly.ini"},
        {"a folder under the name", dir + "/folder.ini"},
        {"a folder to be made below a file", dir + "/readonly.ini/tamsel/tamsel.ini"},
    };
    for (const auto& [name, path] : rows) {
        SCOPED_TRACE(name);
        Prompt prompt(true);
        EXPECT_EQ(Settings::saveSettings(path, defaults("/x"), prompt), Result::Failed);
        EXPECT_EQ(prompt.saveFailures, 1);
    }
    EXPECT_EQ(readText(dir + "/readonly.ini"), "keep me");
    EXPECT_TRUE(fs::is_directory(dir + "/folder.ini"));
}

TEST(SettingsSave, TheFoldersLeadingToTheFileAreMadeWhenMissing) {
    const std::string path = freshDir("settings-save-folder") + "/config/tamsel/tamsel.ini";
    Prompt prompt(true);
    EXPECT_EQ(Settings::saveSettings(path, defaults("/x"), prompt), Result::Ok);
    EXPECT_EQ(prompt.saveFailures, 0);
    EXPECT_EQ(readText(path), join(defaultLines("/x")));
}

TEST(SettingsFolder, TheLastFolderCountsOnlyWhileItHoldsAFile) {
    const std::string base = freshDir("settings-folder");
    for (const char* folder : {"/full", "/empty", "/sub/inner"}) fs::create_directories(base + folder);
    for (const char* file : {"/full/game.nes", "/sub/inner/x.smc", "/file"}) testsupport::writeText(base + file, "x");
    struct Row {
        const char* name;
        const char* folder;
        bool kept;
    };
    const Row rows[] = {{"a folder holding a file", "/full", true},
                        {"an empty folder", "/empty", false},
                        {"files only in a folder below", "/sub", false},
                        {"a missing folder", "/missing", false},
                        {"a file", "/file", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Settings::checkedFolder(base + row.folder, "/prog"), row.kept ? base + row.folder : "/prog");
    }
}
