// tamsel-cli's backups: every command that writes over ROM keeps a backup first, or writes nothing when it
// cannot; backups lists them and restore writes one back.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRun.h"
#include "demo/DemoRom.h"

namespace {

// {dir}/game.nes the NES demo image; {dir}/old.nes the same with byte 0x100 changed, as {dir}/p.ips changes it;
// {dir}/short.nes without its last 16 bytes.
std::string backupFolder(const std::string& name) {
    const std::string dir = clitest::folder(name);
    RomImage demo = DemoRom::makeNes(), old = demo;
    old[0x100] ^= 0xFF;
    testsupport::writeBytes(dir + "/game.nes", demo);
    testsupport::writeBytes(dir + "/old.nes", old);
    testsupport::writeBytes(dir + "/short.nes", RomImage(demo.begin(), demo.end() - 16));
    testsupport::writeBytes(dir + "/p.ips", {'P', 'A', 'T', 'C', 'H', 0, 1, 0, 0, 1, old[0x100], 'E', 'O', 'F'});
    EXPECT_EQ(clitest::run("swap {rom} 3.4 17.0 -o {dir}/swapped.nes", dir).status, 0);
    return dir;
}

// Each writer over ROM (and what ROM then holds) in each case, in a fresh folder.
TEST(BackupCommands, WritesOverRomKeepABackupFirst) {
    const std::pair<std::string, const char*> writers[] = {
        {"swap {rom} 3.4 17.0", "{dir}/swapped.nes"},
        {"swap {rom} 3.4 17.0 -o {dir}/./game.nes", "{dir}/swapped.nes"},
        {"apply-patch {rom} {dir}/p.ips", "{dir}/old.nes"},
        {"restore {rom} {dir}/short.nes", "{dir}/short.nes"},
    };
    const std::string refused =
        "Error writing the backup! (Cannot make the folder: {dir}{sep}backups{sep}game.nes-...)\n"
        "Nothing was written; --no-backup writes without keeping a backup.\n";
    for (const auto& [args, result] : writers)
        for (const auto& [noBackup, folderFails] : {std::pair{false, false}, {true, true}, {false, true}}) {
            const std::string line = args + (noBackup ? " --no-backup" : "");
            SCOPED_TRACE(line + (folderFails ? ", no folder" : ""));
            const std::string dir = backupFolder("cli-backup-writers");
            if (folderFails) testsupport::writeBytes(dir + "/backups", {});
            const clitest::CliResult r = clitest::run(line, dir);
            EXPECT_EQ(r.status, folderFails && !noBackup ? 1 : 0);
            EXPECT_TRUE(clitest::matches(r.err, r.status == 0 ? "" : clitest::expand(refused, dir))) << r.err;
            EXPECT_TRUE(testsupport::readBytes(dir + "/game.nes") ==
                        (r.status == 0 ? testsupport::readBytes(clitest::expand(result, dir)) : DemoRom::makeNes()));
            const auto kept = BackupStore(dir + "/backups").list(dir + "/game.nes");
            ASSERT_EQ(kept.size(), folderFails ? 0u : 1u);
            EXPECT_TRUE(kept.empty() || testsupport::readBytes(kept[0].path) == DemoRom::makeNes());
        }
}

TEST(BackupCommands, ListAndRestore) {
    const std::string dir = backupFolder("cli-backups");
    const BackupStore store(dir + "/backups");
    FileIO::FileError why;
    ASSERT_EQ(store.keep(dir + "/game.nes", testsupport::readBytes(dir + "/old.nes"), {2024, 3, 5, 14, 7, 9}, why), 0);
    ASSERT_EQ(store.keep(dir + "/game.nes", {1, 2, 3}, {2024, 3, 5, 14, 7, 9}, why), 0);
    std::filesystem::copy_file(dir + "/game.nes", dir + "/demo.nes");
    const std::string listed = "2024-03-05 14:07:09  {dir}{sep}backups{sep}game.nes-...{sep}20240305-140709";
    clitest::runRows(
        {
            {"backups {rom}", 0, listed + "-2.nes  3\n" + listed + ".nes  393232\n", ""},
            {"backups {dir}/old.nes", 0, "", ""},
            {"restore {rom} {dir}/old.nes -o {dir}/out.nes", 0, "Backup restored!\n", "",
             "{dir}/out.nes={dir}/old.nes"},
            {"restore {rom} {dir}/missing.nes", 1, "",
             "Error loading file! (No such file or directory: {dir}/missing.nes)\n"},
            {"restore {rom} {dir}/p.ips", 1, "", "Invalid rom! ({dir}/p.ips)\n"},
        },
        dir, dir + "/demo.nes");
}

}  // namespace
