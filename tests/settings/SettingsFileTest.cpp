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
    bool askCreateDefault() override { return ++questions, yes; }
    void reportSaveFailed() override { ++saveFailures; }
    bool yes;
    int questions = 0, saveFailures = 0;
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

// An offset line holds one whole number and nothing else, in decimal or "&H" hexadecimal, blanks
// around it; anything else refuses the whole file, naming the line (NES entry 0 is line 2).
TEST(SettingsFile, OffsetLinesHoldOneWhole32BitNumberAndAreWrittenWithTheirSignPosition) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max(), kMin = std::numeric_limits<std::int32_t>::min();
    struct Row {
        const char* name;
        std::string line;                  // as NES entry 0 and as the file's last line (SNES entry 15)
        std::optional<std::int32_t> value;  // none: the file is refused
        const char* written = "";
    };
    const Row rows[] = {
        {"with its sign blank", " 32785", 32785, " 32785"}, {"bare", "32785", 32785, " 32785"},
        {"hexadecimal", "&H8011", 32785, " 32785"}, {"hexadecimal, small h, blanks after", "&h8011  ", 32785, " 32785"},
        {"tabs around", "\t32785\t", 32785, " 32785"}, {"blanks around -1", " -1 ", -1, "-1"}, {"plus sign", "+7", 7, " 7"},
        {"leading zeros", "007", 7, " 7"}, {"32-bit top", "2147483647", kMax, " 2147483647"},
        {"32-bit bottom", "-2147483648", kMin, "-2147483648"}, {"hexadecimal top", "&H7FFFFFFF", kMax, " 2147483647"},
        {"blank line", ""}, {"blanks only", " \t "}, {"a word", "abc"}, {"number then letters", "12abc"},
        {"two numbers", "12 13"}, {"a fraction", "1.5"}, {"a whole fraction", "12.0"}, {"a note after the number", "\t32785 ; note"},
        {"exponent", "1e5"}, {"sign alone", "-"}, {"blank after the sign", "- 5"}, {"&H without digits", "&H"},
        {"signed hexadecimal", "-&H10"}, {"hexadecimal then a letter", "&H8011G"}, {"one over the top", "2147483648"},
        {"one under the bottom", "-2147483649"}, {"over 32 bits", " 4294967296"}, {"hexadecimal over the top", "&H80000000"},
        {"30 digits", "123456789012345678901234567890"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> lines = defaultLines("C:\\My Games");
        lines[1] = lines[32] = row.line;
        SettingsData read = defaults("/before"), expected = defaults("C:\\My Games");
        LineReport report;
        EXPECT_EQ(Settings::parse(join(lines), read, report), row.value ? Result::Ok : Result::Failed);
        expected.nesOffsets[0] = expected.snesOffsets[15] = row.value.value_or(0);
        EXPECT_EQ(read, row.value ? expected : defaults("/before"));
        if (!row.value) {
            EXPECT_EQ(report.line, 2);
            EXPECT_EQ(report.reason, "'" + row.line + "' is not a whole number from -2147483648 to 2147483647");
            continue;
        }
        lines[1] = lines[32] = row.written;
        EXPECT_EQ(Settings::format(read), join(lines));
    }
}

TEST(SettingsLoad, AFileThatDoesNotReadAsksOnceAndGoesOnWithTheDefaultsWrittenOnlyOnYes) {
    const std::vector<std::string> lines = defaultLines("/roms");
    std::vector<std::string> trailing = lines, big = lines, blank = lines, first32(lines.begin(), lines.end() - 1), prose;
    for (std::size_t i = 1; i < trailing.size(); ++i) trailing[i] += "  \t";
    big[5] = " 4294967296";
    blank[20] = "";
    for (int i = 0; i < 40; ++i) prose.push_back("Line " + std::to_string(i) + " of a letter that is not a settings file.");
    prose[7] = "";
    std::string garbage(8192, '\0');  // all 256 byte values, NUL and 64 line ends among them
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = char(i * 37 + 11);
    const std::string crlf = join(lines);
    // the file (none: no file), whether it reads
    const std::tuple<const char*, std::optional<std::string>, bool> rows[] = {
        {"CR LF", crlf, true}, {"LF only", join(lines, "\n"), true}, {"CR only", join(lines, "\r"), true},
        {"trailing blanks", join(trailing), true}, {"last line without its end", crlf.substr(0, crlf.size() - 2), true},
        {"lines after the 33rd", crlf + "99999999999\r\nx\r\n", true}, {"missing", std::nullopt, false}, {"empty", "", false},
        {"folder line only", "/roms\r\n", false}, {"32 lines", join(first32), false}, {"number beyond 32 bits", join(big), false},
        {"binary garbage", garbage, false}, {"40 lines of prose", join(prose), false}, {"a blank offset line", join(blank), false},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + crlf, true}};
    for (bool yes : {true, false})
        for (const auto& [name, text, reads] : rows) {
            const std::string path = freshDir("settings-load") + "/tamsel.ini";
            if (text) testsupport::writeText(path, *text);
            Prompt prompt(yes);
            SettingsData d = defaults("/before");
            d.nesOffsets[3] = 7;
            Settings::loadSettings(path, "/prog", d, prompt);
            EXPECT_EQ(prompt.questions, reads ? 0 : 1) << name;
            EXPECT_EQ(d, defaults(reads ? "/roms" : "/prog")) << name;
            const std::optional<std::string> now = fs::exists(path) ? std::optional(readText(path)) : std::nullopt;
            EXPECT_EQ(now, reads || !yes ? text : join(defaultLines("/prog"))) << name << (yes ? ", Yes" : ", No");
        }
}

TEST(SettingsSave, AFailedWriteIsReportedOnceAndLeavesTheTargetAsItWas) {
    EXPECT_STREQ(Settings::kSaveFailed, "Unable to save tamsel.ini.");
    const std::string dir = freshDir("settings-save");
    testsupport::writeText(dir + "/readonly.ini", "keep me");
    ::chmod((dir + "/readonly.ini").c_str(), 0444);
    fs::create_directories(dir + "/folder.ini");
    // the last one's folder would have to be made below a file
    for (const std::string& path : {dir + "/readonly.ini", dir + "/folder.ini", dir + "/readonly.ini/tamsel/tamsel.ini"}) {
        Prompt prompt(true);
        EXPECT_EQ(Settings::saveSettings(path, defaults("/x"), prompt), Result::Failed) << path;
        EXPECT_EQ(prompt.saveFailures, 1) << path;
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
    fs::create_directories(base + "/full"), fs::create_directories(base + "/empty"), fs::create_directories(base + "/sub/inner");
    testsupport::writeText(base + "/full/game.nes", "NES"), testsupport::writeText(base + "/sub/inner/x.smc", "x");
    testsupport::writeText(base + "/file", "x");
    const std::pair<const char*, bool> rows[] = {{"/full", true}, {"/empty", false}, {"/sub", false}, {"/missing", false}, {"/file", false}};
    for (const auto& [folder, kept] : rows)
        EXPECT_EQ(Settings::checkedFolder(base + folder, "/prog"), kept ? base + folder : "/prog") << folder;
}
