#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "settings/FileIO.h"
#include "settings/Settings.h"
#include "settings/SettingsTestSupport.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using settingstest::defaultSettingsText;
using settingstest::RecordingPrompt;

namespace {

const char* kFolder = "C:\\Games\\NBA";

std::vector<std::string> defaultLines() {
    std::vector<std::string> lines;
    std::string text = defaultSettingsText(kFolder);
    std::size_t start = 0;
    for (std::size_t p; (p = text.find("\r\n", start)) != std::string::npos; start = p + 2)
        lines.push_back(text.substr(start, p - start));
    return lines;
}

std::string join(const std::vector<std::string>& lines, const std::string& eol) {
    std::string s;
    for (const auto& l : lines) s += l + eol;
    return s;
}

SettingsData defaults(const std::string& folder) {
    SettingsData d;
    Settings::applyDefaultSettings(d, folder);
    return d;
}

// Some values that are not the defaults, to see that a failed read replaces them.
SettingsData oddSettings() {
    SettingsData d;
    d.lastFolder = "/somewhere/else";
    for (int i = 0; i < OffsetSet::Count; ++i) {
        d.nesOffsets[i] = 1000 + i;
        d.snesOffsets[i] = -2000 - i;
    }
    return d;
}

std::string garbage(std::size_t size, unsigned seed) {
    std::mt19937 rng(seed);
    std::string s(size, '\0');
    for (char& c : s) c = static_cast<char>(rng() & 0xFF);
    return s;
}

TEST(SettingsFile, DefaultOffsetsMatchTheGame) {
    const std::int32_t nes[] = {32785, 32891, -1,    40601, 39806, 39864, 40123, 40181,
                                58432, 58261, 62783, 59950, 121868, 32843, 52785, 43624};
    const std::int32_t snes[] = {267146, 267308, 294096, 275043, 274224, 274282, 274541, 274599,
                                 23392,  23221,  277311, 288999, 319488, 267204, 18725,  263792};
    SettingsData d = defaults("/prog");
    EXPECT_EQ(d.lastFolder, "/prog");
    for (int i = 0; i < OffsetSet::Count; ++i) {
        EXPECT_EQ(d.nesOffsets[i], nes[i]) << "NES entry " << i;
        EXPECT_EQ(d.snesOffsets[i], snes[i]) << "SNES entry " << i;
    }
}

TEST(SettingsFile, FormatWritesOneLinePerValueWithTheSignPosition) {
    EXPECT_EQ(Settings::format(defaults(kFolder)), defaultSettingsText(kFolder));

    struct Row {
        int entry;
        std::int32_t value;
        const char* line;
    };
    const Row rows[] = {
        {0, 0, " 0"},
        {1, -1, "-1"},
        {2, 7, " 7"},
        {3, -40601, "-40601"},
        {4, std::numeric_limits<std::int32_t>::max(), " 2147483647"},
        {5, std::numeric_limits<std::int32_t>::min(), "-2147483648"},
    };
    for (const auto& r : rows) {
        SettingsData d = defaults(kFolder);
        d.nesOffsets[r.entry] = r.value;
        d.snesOffsets[r.entry] = r.value;
        std::vector<std::string> expected = defaultLines();
        expected[1 + r.entry] = r.line;
        expected[17 + r.entry] = r.line;
        EXPECT_EQ(Settings::format(d), join(expected, "\r\n")) << r.value;
    }
}

TEST(SettingsFile, ParseReadsEachNumberLine) {
    struct Row {
        const char* line;
        std::int32_t value;
    };
    const Row rows[] = {
        {" 32785", 32785},      {"32785", 32785},        {"&H8011", 32785},    {"&h8011", 32785},
        {"  32785  ", 32785},   {"\t32785\t", 32785},    {"32785 ; comment", 32785},
        {"-1", -1},             {" -1", -1},             {"", 0},              {"abc", 0},
        {"12.5", 12},           {"13.5", 14},            {"-2.5", -2},         {"2147483647", 2147483647},
        {"2147483647.4", 2147483647}, {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"&H7FFFFFFF", 2147483647},
    };
    for (const auto& r : rows) {
        // first NES line and last SNES line (the file's last line)
        std::vector<std::string> lines = defaultLines();
        lines[1] = r.line;
        lines[32] = r.line;
        SettingsData d;
        ASSERT_EQ(Settings::parse(join(lines, "\r\n"), d), Result::Ok) << '"' << r.line << '"';
        SettingsData expected = defaults(kFolder);
        expected.nesOffsets[0] = r.value;
        expected.snesOffsets[15] = r.value;
        EXPECT_EQ(d, expected) << '"' << r.line << '"';
    }
}

TEST(SettingsFile, ParseKeepsTheFolderLineAsItStands) {
    const char* folders[] = {"", "  C:\\My Games  ", "/home/user/roms", "12345", "&H10", "\t-1"};
    for (const char* folder : folders) {
        std::vector<std::string> lines = defaultLines();
        lines[0] = folder;
        SettingsData d;
        ASSERT_EQ(Settings::parse(join(lines, "\r\n"), d), Result::Ok) << folder;
        EXPECT_EQ(d, defaults(folder));
        // and writing it again gives the same text
        EXPECT_EQ(Settings::format(d), join(lines, "\r\n"));
    }
}

TEST(SettingsFile, ParseAcceptsOtherLineEndsAndIgnoresLinesAfterThe33rd) {
    std::vector<std::string> lines = defaultLines();
    std::string crlf = join(lines, "\r\n");
    std::string withExtra = join(lines, "\r\n") + "99999999999999999\r\nnonsense\r\n";
    std::string mixed;
    for (std::size_t i = 0; i < lines.size(); ++i) mixed += lines[i] + (i % 3 == 0 ? "\n" : i % 3 == 1 ? "\r" : "\r\n");
    const struct {
        const char* name;
        std::string text;
    } rows[] = {
        {"CR LF", crlf},
        {"LF only", join(lines, "\n")},
        {"CR only", join(lines, "\r")},
        {"mixed", mixed},
        {"no end after the last line", crlf.substr(0, crlf.size() - 2)},
        {"lines after the 33rd", withExtra},
    };
    for (const auto& r : rows) {
        SettingsData d;
        ASSERT_EQ(Settings::parse(r.text, d), Result::Ok) << r.name;
        EXPECT_EQ(d, defaults(kFolder)) << r.name;
    }
}

TEST(SettingsFile, ParseFailsOnShortFilesOutOfRangeNumbersAndBinaryData) {
    std::vector<std::string> lines = defaultLines();
    auto withLine = [&](int index, const std::string& text) {
        std::vector<std::string> l = lines;
        l[static_cast<std::size_t>(index)] = text;
        return join(l, "\r\n");
    };
    std::vector<std::string> first32(lines.begin(), lines.begin() + 32);
    std::string withNul = join(lines, "\r\n");
    withNul[40] = '\0';
    std::string garbageWithManyLines;
    for (int i = 0; i < 40; ++i) garbageWithManyLines += garbage(50, static_cast<unsigned>(i)) + "\n";
    const struct {
        const char* name;
        std::string text;
    } rows[] = {
        {"empty", ""},
        {"folder line only", std::string(kFolder) + "\r\n"},
        {"32 lines", join(first32, "\r\n")},
        {"above 32 bits", withLine(3, "2147483648")},
        {"far above 32 bits", withLine(30, "99999999999999999999999999")},
        {"below 32 bits", withLine(20, "-2147483649")},
        {"rounds above 32 bits", withLine(1, "2147483647.5")},
        {"hex above 31 bits", withLine(16, "&H80000000")},
        {"NUL inside", withNul},
        {"binary garbage", garbage(4096, 7)},
        {"binary garbage with 40 line ends", garbageWithManyLines},
    };
    for (const auto& r : rows) {
        SettingsData d = oddSettings();
        EXPECT_EQ(Settings::parse(r.text, d), Result::Failed) << r.name;
        EXPECT_EQ(d, oddSettings()) << r.name << ": a failed parse changes nothing";
    }
}

TEST(SettingsFile, FormatThenParseGivesTheSameSettings) {
    SettingsData a = oddSettings();
    SettingsData b = defaults("/x y/z");
    b.nesOffsets[7] = std::numeric_limits<std::int32_t>::min();
    b.snesOffsets[9] = std::numeric_limits<std::int32_t>::max();
    for (const SettingsData& d : {a, b, defaults("")}) {
        SettingsData back;
        ASSERT_EQ(Settings::parse(Settings::format(d), back), Result::Ok);
        EXPECT_EQ(back, d);
    }
}

// ---- loading with the default dialogue -------------------------------------------------

struct BrokenFile {
    const char* name;
    std::function<void(const std::string& path)> make;
    bool pathTakesAFile;  // false when Yes cannot write the defaults there
};

std::vector<BrokenFile> brokenFiles() {
    auto text = [](std::string t) { return [t](const std::string& p) { testsupport::writeText(p, t); }; };
    std::vector<std::string> lines = defaultLines();
    std::vector<std::string> first32(lines.begin(), lines.begin() + 32);
    std::vector<std::string> big = lines;
    big[5] = " 4294967296";
    return {
        {"missing", [](const std::string&) {}, true},
        {"empty", text(""), true},
        {"folder line only", text("/roms\r\n"), true},
        {"32 lines", text(join(first32, "\r\n")), true},
        {"number beyond 32 bits", text(join(big, "\r\n")), true},
        {"binary garbage", text(garbage(8192, 11)), true},
        {"a folder in its place", [](const std::string& p) { fs::create_directories(p); }, false},
    };
}

TEST(SettingsLoad, ABrokenFileAsksOnceAndContinuesWithTheDefaults) {
    for (bool yes : {true, false}) {
        for (const auto& row : brokenFiles()) {
            SCOPED_TRACE(std::string(row.name) + (yes ? ", answer Yes" : ", answer No"));
            std::string dir = testsupport::freshDir("settings-load-broken");
            std::string path = dir + "/tamsel.ini";
            row.make(path);
            bool existed = fs::exists(path);
            std::string before = existed && fs::is_regular_file(path) ? testsupport::readText(path) : "";

            RecordingPrompt prompt(yes);
            SettingsData d = oddSettings();
            Settings::loadSettings(path, "/prog dir", d, prompt);

            EXPECT_EQ(prompt.questions, 1);
            EXPECT_EQ(d, defaults("/prog dir"));
            if (yes && row.pathTakesAFile) {
                EXPECT_EQ(prompt.saveFailures, 0);
                EXPECT_EQ(testsupport::readText(path), defaultSettingsText("/prog dir"));
            } else if (yes) {
                EXPECT_EQ(prompt.saveFailures, 1);
            } else {
                EXPECT_EQ(prompt.saveFailures, 0);
                EXPECT_EQ(fs::exists(path), existed) << "No writes nothing";
                if (existed && fs::is_regular_file(path)) {
                    EXPECT_EQ(testsupport::readText(path), before);
                }
            }
            // nothing but the settings file (or the folder in its place) is left in the folder
            int entries = 0;
            for (const auto& e : fs::directory_iterator(dir)) entries += e.path().filename() == "tamsel.ini" ? 1 : 100;
            EXPECT_LE(entries, 1);
        }
    }
}

TEST(SettingsLoad, AReadableFileIsTakenWithoutAQuestion) {
    std::vector<std::string> lines = defaultLines();
    std::vector<std::string> hex = lines;
    hex[1] = "&H8011";
    hex[13] = "&H1DC0C";
    std::vector<std::string> trailing = lines;
    for (std::size_t i = 1; i < trailing.size(); ++i) trailing[i] += "   ";
    const struct {
        const char* name;
        std::string text;
    } rows[] = {
        {"as written", join(lines, "\r\n")},
        {"LF only", join(lines, "\n")},
        {"trailing blanks", join(trailing, "\r\n")},
        {"hexadecimal offsets", join(hex, "\r\n")},
        {"without blanks before the numbers", [&] {
             std::vector<std::string> l = lines;
             for (auto& s : l)
                 if (!s.empty() && s[0] == ' ') s.erase(0, 1);
             return join(l, "\r\n");
         }()},
    };
    for (const auto& r : rows) {
        std::string path = testsupport::freshDir("settings-load-good") + "/tamsel.ini";
        testsupport::writeText(path, r.text);
        RecordingPrompt prompt(true);
        SettingsData d;
        Settings::loadSettings(path, "/prog", d, prompt);
        EXPECT_EQ(prompt.questions, 0) << r.name;
        EXPECT_EQ(d, defaults(kFolder)) << r.name;
        EXPECT_EQ(testsupport::readText(path), r.text) << r.name << ": loading never writes";
    }
}

TEST(SettingsSave, FailureIsReportedOnceAndLeavesTheTargetAlone) {
    std::string dir = testsupport::freshDir("settings-save-fail");
    std::string readOnly = dir + "/readonly.ini";
    testsupport::writeText(readOnly, "keep me");
    ::chmod(readOnly.c_str(), 0444);
    fs::create_directories(dir + "/folder.ini");
    const struct {
        const char* name;
        std::string path;
    } rows[] = {
        {"path is a folder", dir + "/folder.ini"},
        {"folder missing", dir + "/missing/tamsel.ini"},
        {"read-only file", readOnly},
        {"empty path", ""},
    };
    for (const auto& r : rows) {
        RecordingPrompt prompt(true);
        SettingsData d = oddSettings();
        EXPECT_EQ(Settings::saveSettings(r.path, d, prompt), Result::Failed) << r.name;
        EXPECT_EQ(prompt.saveFailures, 1) << r.name;
        EXPECT_EQ(prompt.questions, 0) << r.name;
        EXPECT_EQ(d, oddSettings()) << r.name;
    }
    EXPECT_EQ(testsupport::readText(readOnly), "keep me");
    EXPECT_FALSE(fs::exists(dir + "/missing"));
    EXPECT_TRUE(fs::is_directory(dir + "/folder.ini"));
}

TEST(SettingsSave, SaveThenLoadKeepsEveryValueAndTheMessagesReadAsTheUserSeesThem) {
    EXPECT_STREQ(Settings::kLoadQuestion, "Error loading tamsel.ini! Create a default tamsel.ini file?");
    EXPECT_STREQ(Settings::kSaveFailed, "Unable to save tamsel.ini.");
    EXPECT_STREQ(Settings::kFileName, "tamsel.ini");

    std::string path = testsupport::freshDir("settings-save-reload") + "/tamsel.ini";
    RecordingPrompt prompt(false);
    for (const SettingsData& d : {defaults("/roms/nes"), oddSettings()}) {
        ASSERT_EQ(Settings::saveSettings(path, d, prompt), Result::Ok);
        SettingsData back = oddSettings();
        back.lastFolder = "changed";
        Settings::loadSettings(path, "/prog", back, prompt);
        EXPECT_EQ(back, d);
    }
    // NES entry 2 (no overflow area) comes back as -1 and stands in the file as "-1".
    ASSERT_EQ(Settings::saveSettings(path, defaults("/roms"), prompt), Result::Ok);
    SettingsData back;
    Settings::loadSettings(path, "/prog", back, prompt);
    EXPECT_EQ(back.nesOffsets[OffsetSet::playerOverflowArea], -1);
    EXPECT_NE(testsupport::readText(path).find("\r\n 32891\r\n-1\r\n 40601\r\n"), std::string::npos);
    EXPECT_EQ(prompt.questions, 0);
    EXPECT_EQ(prompt.saveFailures, 0);
}

TEST(SettingsFolder, CheckedFolderKeepsOnlyAFolderThatHoldsAFile) {
    std::string base = testsupport::freshDir("settings-folder");
    fs::create_directories(base + "/withfile");
    testsupport::writeText(base + "/withfile/game.nes", "NES");
    fs::create_directories(base + "/empty");
    fs::create_directories(base + "/onlysub/inner");
    testsupport::writeText(base + "/onlysub/inner/x.smc", "x");
    testsupport::writeText(base + "/plainfile", "x");
    const struct {
        std::string lastFolder;
        bool kept;
    } rows[] = {
        {base + "/withfile", true},
        {base + "/empty", false},
        {base + "/onlysub", false},
        {base + "/missing", false},
        {base + "/plainfile", false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(Settings::checkedFolder(r.lastFolder, "/prog"), r.kept ? r.lastFolder : "/prog") << r.lastFolder;
}

}  // namespace
