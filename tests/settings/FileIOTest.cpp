#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/FileIO.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Makes the writes of writeFileAtomically fail after n bytes while it lives.
struct FailWritesAfter {
    explicit FailWritesAfter(std::size_t n) { FileIO::setFailAfterBytesForTesting(n); }
    ~FailWritesAfter() { FileIO::setFailAfterBytesForTesting(std::nullopt); }
};

std::vector<std::string> namesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

unsigned modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

std::string pattern(std::size_t n, char base) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(base + static_cast<char>(i % 23));
    return s;
}

TEST(FileIOWrite, ReplacesTheFileAndCarriesTheTailOnRequest) {
    const struct {
        const char* name;
        std::optional<std::string> old;
        std::string data;
        bool keepTail;
        std::string expected;
    } rows[] = {
        {"new file", std::nullopt, "abc", false, "abc"},
        {"new file, keep tail", std::nullopt, "abc", true, "abc"},
        {"shorter data", "0123456789", "abc", false, "abc"},
        {"shorter data, keep tail", "0123456789", "abc", true, "abc3456789"},
        {"longer data, keep tail", "01", "abcdef", true, "abcdef"},
        {"same length", "0123", "abcd", true, "abcd"},
        {"empty data, keep tail", "0123", "", true, "0123"},
        {"empty data", "0123", "", false, ""},
        {"binary bytes", std::string("\0\xFF\r\n", 4), std::string("\x80\0", 2), true, std::string("\x80\0\r\n", 4)},
    };
    for (const auto& r : rows) {
        std::string dir = testsupport::freshDir("fileio-write");
        std::string path = dir + "/target.bin";
        if (r.old) testsupport::writeText(path, *r.old);
        ASSERT_EQ(FileIO::writeFileAtomically(path, r.data.data(), r.data.size(), r.keepTail), Result::Ok) << r.name;
        EXPECT_EQ(testsupport::readText(path), r.expected) << r.name;
        EXPECT_EQ(namesIn(dir), std::vector<std::string>{"target.bin"}) << r.name << ": no temporary file left";
    }
}

TEST(FileIOWrite, KeepsTheModeOfTheFileItReplaces) {
    for (unsigned mode : {0600u, 0640u, 0644u, 0664u, 0755u, 0200u}) {
        std::string path = testsupport::freshDir("fileio-mode") + "/target.bin";
        testsupport::writeText(path, "old");
        ::chmod(path.c_str(), mode);
        ASSERT_EQ(FileIO::writeFileAtomically(path, "new"), Result::Ok) << std::oct << mode;
        EXPECT_EQ(modeOf(path), mode) << std::oct << mode;
        ::chmod(path.c_str(), 0644);
        EXPECT_EQ(testsupport::readText(path), "new");
    }
    // a new file gets the usual mode
    std::string fresh = testsupport::freshDir("fileio-mode-new") + "/new.bin";
    ASSERT_EQ(FileIO::writeFileAtomically(fresh, "x"), Result::Ok);
    EXPECT_EQ(modeOf(fresh), 0644u);
}

TEST(FileIOWrite, RefusesTargetsItMayNotReplace) {
    std::string dir = testsupport::freshDir("fileio-refuse");
    const struct {
        const char* name;
        std::string path;
        bool makeFile;
        unsigned mode;
    } rows[] = {
        {"no write bits", dir + "/r444.bin", true, 0444},
        {"owner read only", dir + "/r400.bin", true, 0400},
        {"no bits at all", dir + "/r000.bin", true, 0000},
        {"a folder", dir + "/sub", false, 0},
        {"folder missing", dir + "/missing/x.bin", false, 0},
        {"empty path", "", false, 0},
    };
    fs::create_directories(dir + "/sub");
    for (const auto& r : rows) {
        if (!r.makeFile) continue;
        testsupport::writeText(r.path, "original");
        ::chmod(r.path.c_str(), r.mode);
    }
    for (const auto& r : rows) {
        for (bool keepTail : {false, true})
            EXPECT_EQ(FileIO::writeFileAtomically(r.path, "replacement", 11, keepTail), Result::Failed) << r.name;
    }
    for (const auto& r : rows) {
        if (!r.makeFile) continue;
        EXPECT_EQ(modeOf(r.path), r.mode) << r.name;
        ::chmod(r.path.c_str(), 0644);
        EXPECT_EQ(testsupport::readText(r.path), "original") << r.name;
    }
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"r000.bin", "r400.bin", "r444.bin", "sub"}));
}

TEST(FileIOWrite, AWriteThatFailsPartWayLeavesTheOriginalAndNoTemporaryFile) {
    const struct {
        const char* name;
        std::size_t oldSize;  // 0: no file yet
        std::size_t dataSize;
        bool keepTail;
        std::size_t failAfter;
    } rows[] = {
        {"before the first byte", 4096, 4096, false, 0},
        {"after one byte", 4096, 4096, false, 1},
        {"half way", 100000, 100000, true, 50000},
        {"one byte short", 4096, 4096, true, 4095},
        {"inside the carried tail", 8192, 4096, true, 6000},
        {"last byte of the tail", 8192, 4096, true, 8191},
        {"new file", 0, 5000, false, 2500},
    };
    for (const auto& r : rows) {
        std::string dir = testsupport::freshDir("fileio-partway");
        std::string path = dir + "/game.nes";
        std::string original = pattern(r.oldSize, 'A');
        if (r.oldSize) testsupport::writeText(path, original);
        std::string data = pattern(r.dataSize, 'a');
        {
            FailWritesAfter fail(r.failAfter);
            EXPECT_EQ(FileIO::writeFileAtomically(path, data.data(), data.size(), r.keepTail), Result::Failed) << r.name;
        }
        if (r.oldSize) {
            EXPECT_EQ(testsupport::readText(path), original) << r.name;
            EXPECT_EQ(namesIn(dir), std::vector<std::string>{"game.nes"}) << r.name;
        } else {
            EXPECT_TRUE(namesIn(dir).empty()) << r.name;
        }
        // with the seam lifted the same write goes through
        ASSERT_EQ(FileIO::writeFileAtomically(path, data.data(), data.size(), r.keepTail), Result::Ok) << r.name;
        std::string expected = data;
        if (r.keepTail && original.size() > data.size()) expected += original.substr(data.size());
        EXPECT_EQ(testsupport::readText(path), expected) << r.name;
    }
}

TEST(FileIOWrite, WritesThroughASymbolicLinkToTheFileItNames) {
    std::string dir = testsupport::freshDir("fileio-link");
    testsupport::writeText(dir + "/real.smc", "0123456789");
    fs::create_symlink("real.smc", dir + "/link.smc");
    ASSERT_EQ(FileIO::writeFileAtomically(dir + "/link.smc", "abc", 3, true), Result::Ok);
    EXPECT_TRUE(fs::is_symlink(dir + "/link.smc"));
    EXPECT_EQ(testsupport::readText(dir + "/real.smc"), "abc3456789");
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"link.smc", "real.smc"}));
}

TEST(FileIORead, ReadsWholeFilesAndFailsOnAnythingElse) {
    std::string dir = testsupport::freshDir("fileio-read");
    std::string bytes("\0\x01\xFF\r\n\x1A", 6);
    testsupport::writeText(dir + "/data.bin", bytes);
    testsupport::writeText(dir + "/empty.bin", "");
    fs::create_directories(dir + "/folder");
    const struct {
        std::string path;
        ResultCode result;
        std::string content;
    } rows[] = {
        {dir + "/data.bin", Result::Ok, bytes},
        {dir + "/empty.bin", Result::Ok, ""},
        {dir + "/missing.bin", Result::Failed, "untouched"},
        {dir + "/folder", Result::Failed, "untouched"},
        {"", Result::Failed, "untouched"},
    };
    for (const auto& r : rows) {
        std::string text = "untouched";
        EXPECT_EQ(FileIO::readWholeFile(r.path, text), r.result) << r.path;
        EXPECT_EQ(text, r.content) << r.path;
        std::vector<std::uint8_t> raw{9, 9};
        EXPECT_EQ(FileIO::readWholeFile(r.path, raw), r.result) << r.path;
        if (r.result == Result::Ok) {
            EXPECT_EQ(std::string(raw.begin(), raw.end()), r.content) << r.path;
        }
    }
}

TEST(FileIOExists, ListsOrdinaryFilesOnly) {
    std::string dir = testsupport::freshDir("fileio-exists");
    fs::create_directories(dir + "/full");
    testsupport::writeText(dir + "/full/a.nes", "x");
    fs::create_directories(dir + "/empty");
    fs::create_directories(dir + "/subonly/inner");
    testsupport::writeText(dir + "/file.txt", "x");
    const struct {
        std::string path;
        bool exists;
    } rows[] = {
        {dir + "/full/", true},
        {dir + "/empty/", false},
        {dir + "/subonly/", false},
        {dir + "/missing/", false},
        {dir + "/file.txt", true},
        {dir + "/full", false},
        {dir + "/missing.txt", false},
        {dir + "/file.txt/", false},
        {"", false},
    };
    for (const auto& r : rows) EXPECT_EQ(FileIO::fileExists(r.path), r.exists) << r.path;
}

}  // namespace
