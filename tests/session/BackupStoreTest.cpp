// The backup store: which backups a run of keeps leaves, in which order, and whose they are.
#include <gtest/gtest.h>

#include <filesystem>

#include "session/BackupStore.h"
#include "support/TestSupport.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> names(const std::vector<BackupStore::Backup>& backups) {
    std::vector<std::string> found;
    for (const BackupStore::Backup& b : backups) found.push_back(std::filesystem::path(b.path).filename().string());
    return found;
}

// Each row keeps one-byte files {byte} at 2024-03-05 14:07:SECOND, in turn, as backups of game.nes.
TEST(BackupStore, KeepsTheNewestTwentyDistinctOnesNewestFirst) {
    struct Row {
        const char* name;
        std::vector<std::pair<int, std::uint8_t>> keeps;  // second, byte
        std::vector<std::string> listed;                  // newest first
    };
    std::vector<std::pair<int, std::uint8_t>> many;
    std::vector<std::string> newest20;
    for (int i = 0; i < 22; ++i) many.push_back({i, static_cast<std::uint8_t>(i)});
    for (int i = 21; i >= 2; --i)
        newest20.push_back("20240305-1407" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".nes");
    const Row rows[] = {
        {"one", {{9, 1}}, {"20240305-140709.nes"}},
        {"three in one second",
         {{9, 1}, {9, 2}, {9, 3}},
         {"20240305-140709-3.nes", "20240305-140709-2.nes", "20240305-140709.nes"}},
        {"the newest again", {{9, 1}, {10, 1}}, {"20240305-140709.nes"}},
        {"an older one again",
         {{9, 1}, {10, 2}, {11, 1}},
         {"20240305-140711.nes", "20240305-140710.nes", "20240305-140709.nes"}},
        {"the clock set back", {{10, 1}, {9, 2}}, {"20240305-140710-2.nes", "20240305-140710.nes"}},
        {"twenty-two", many, newest20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string dir = testsupport::freshDir("backup-store");
        const BackupStore store(dir + "/backups");
        for (const auto& [second, byte] : row.keeps) {
            FileIO::FileError why;
            ASSERT_EQ(store.keep(dir + "/game.nes", Bytes{byte}, {2024, 3, 5, 14, 7, second}, why), Result::Ok);
        }
        const std::vector<BackupStore::Backup> listed = store.list(dir + "/game.nes");
        EXPECT_EQ(names(listed), row.listed);
        EXPECT_TRUE(testsupport::readBytes(listed.front().path) == Bytes{row.keeps.back().second});
    }
}

// Two files of one name in different folders each have their own backups; another path to the same file
// finds that file's.
TEST(BackupStore, EachFileHasItsOwnBackups) {
    const std::string dir = testsupport::freshDir("backup-store-files");
    std::filesystem::create_directories(dir + "/a");
    std::filesystem::create_directories(dir + "/b");
    for (const char* f : {"/a/game.nes", "/b/game.nes"})
        testsupport::writeBytes(dir + f, Bytes{static_cast<std::uint8_t>(f[1] == 'a' ? 'A' : 'B')});
    const BackupStore store(dir + "/backups");
    FileIO::FileError why;
    ASSERT_EQ(store.keepFile(dir + "/a/game.nes", {2024, 3, 5, 14, 7, 9}, why), Result::Ok);
    ASSERT_EQ(store.keepFile(dir + "/b/game.nes", {2024, 3, 5, 14, 7, 9}, why), Result::Ok);
    ASSERT_EQ(store.keepFile(dir + "/b/missing.nes", {2024, 3, 5, 14, 7, 9}, why), Result::Ok);  // nothing to keep
    const auto a = store.list(dir + "/b/../a/game.nes"), b = store.list(dir + "/b/game.nes");
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_TRUE(testsupport::readBytes(a[0].path) == Bytes{'A'});
    EXPECT_TRUE(testsupport::readBytes(b[0].path) == Bytes{'B'});
    EXPECT_TRUE(store.list(dir + "/b/missing.nes").empty());
}

}  // namespace
