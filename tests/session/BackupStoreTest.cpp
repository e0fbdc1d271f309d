// The backup store: which backups a run of keeps leaves, and in which order.
#include <gtest/gtest.h>

#include <filesystem>

#include "session/BackupStore.h"
#include "support/TestSupport.h"

namespace {

// Each row keeps one-byte files {byte} at 2024-03-05 14:07:SECOND, in turn, as backups of game.nes.
TEST(BackupStore, KeepsTheNewestTwentyDistinctOnesNewestFirst) {
    std::vector<std::pair<int, std::uint8_t>> many;
    std::vector<std::string> newest20;
    for (int i = 0; i < 22; ++i) many.push_back({i, static_cast<std::uint8_t>(i)});
    for (int i = 21; i >= 2; --i) newest20.push_back("20240305-1407" + std::to_string(100 + i).substr(1) + ".nes");
    // name, the keeps (second, byte), the backups listed (newest first)
    const std::tuple<const char*, std::vector<std::pair<int, std::uint8_t>>, std::vector<std::string>> rows[] = {
        {"one second, then the clock set back",
         {{10, 1}, {10, 2}, {9, 3}},
         {"20240305-140710-3.nes", "20240305-140710-2.nes", "20240305-140710.nes"}},
        {"the newest again, an older one again",
         {{9, 1}, {10, 1}, {11, 2}, {12, 1}},
         {"20240305-140712.nes", "20240305-140711.nes", "20240305-140709.nes"}},
        {"twenty-two", many, newest20},
    };
    for (const auto& [name, keeps, expected] : rows) {
        SCOPED_TRACE(name);
        const std::string dir = testsupport::freshDir("backup-store");
        const BackupStore store(dir + "/backups");
        FileIO::FileError why;
        for (const auto& [second, byte] : keeps)
            ASSERT_EQ(store.keep(dir + "/game.nes", {byte}, {2024, 3, 5, 14, 7, second}, why), Result::Ok);
        std::vector<std::string> listed;
        for (const BackupStore::Backup& b : store.list(dir + "/game.nes"))
            listed.push_back(std::filesystem::path(b.path).filename().string());
        EXPECT_EQ(listed, expected);
    }
}

}  // namespace
