// tamsel-cli's backups: every command that writes over ROM keeps a backup first, or writes nothing when it
// cannot; backups lists them and restore writes one back.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRun.h"
#include "demo/DemoRom.h"

namespace {

using clitest::Row;
constexpr Platform::LocalTime kTime = {2024, 3, 5, 14, 7, 9};

// {dir}/game.nes the NES demo image; {dir}/old.nes the same with byte 0x100 changed, which {dir}/p.ips also does.
std::string backupFolder(const std::string& name) {
    const std::string dir = clitest::folder(name);
    RomImage demo = DemoRom::makeNes(), old = demo;
    old[0x100] ^= 0xFF;
    testsupport::writeBytes(dir + "/game.nes", demo);
    testsupport::writeBytes(dir + "/old.nes", old);
    testsupport::writeBytes(dir + "/p.ips", {'P', 'A', 'T', 'C', 'H', 0, 1, 0, 0, 1, old[0x100], 'E', 'O', 'F'});
    return dir;
}

// Each writer over ROM in each case, in a folder of its own: the exit status, and whether ROM is written and a
// backup of what it held is kept.
TEST(BackupCommands, WritesOverRomKeepABackupFirst) {
    struct Writer {
        const char* name;
        std::vector<std::string> args;
        const char* result;  // what ROM then holds
    };
    const Writer writers[] = {
        {"swap", {"swap", "{rom}", "3.4", "17.0"}, "{dir}/swapped.nes"},
        {"swap -o ROM", {"swap", "{rom}", "3.4", "17.0", "-o", "{dir}/./game.nes"}, "{dir}/swapped.nes"},
        {"apply-patch", {"apply-patch", "{rom}", "{dir}/p.ips"}, "{dir}/old.nes"},
        {"restore", {"restore", "{rom}", "{dir}/old.nes"}, "{dir}/old.nes"},
    };
    struct Case {
        const char* name;
        bool noBackup, folderFails;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {"a backup", false, false, 0, ""},
        {"--no-backup", true, false, 0, ""},
        {"a failing folder", false, true, 1,
         "Error writing the backup! (Cannot make the folder: {dir}{sep}backups{sep}game.nes-...)\n"
         "Nothing was written; --no-backup writes without keeping a backup.\n"},
        {"a failing folder, --no-backup", true, true, 0, ""},
    };
    for (const Writer& w : writers)
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(w.name) + ", " + c.name);
            const std::string dir = backupFolder("cli-backup-writers");
            ASSERT_EQ(clitest::run({"swap", "{rom}", "3.4", "17.0", "-o", "{dir}/swapped.nes"}, dir).status, 0);
            if (c.folderFails) testsupport::writeBytes(dir + "/backups", {});
            std::vector<std::string> args = w.args;
            if (c.noBackup) args.push_back("--no-backup");
            const clitest::CliResult r = clitest::run(args, dir);
            EXPECT_EQ(r.status, c.status);
            EXPECT_TRUE(clitest::matches(r.err, clitest::expand(c.err, dir))) << r.err;
            const RomImage now = testsupport::readBytes(dir + "/game.nes");
            EXPECT_TRUE(now ==
                        (r.status == 0 ? testsupport::readBytes(clitest::expand(w.result, dir)) : DemoRom::makeNes()));
            const auto kept = BackupStore(dir + "/backups").list(dir + "/game.nes");
            ASSERT_EQ(kept.size(), c.noBackup || c.folderFails ? 0u : 1u);
            EXPECT_TRUE(kept.empty() || testsupport::readBytes(kept[0].path) == DemoRom::makeNes());
        }
}

TEST(BackupCommands, ListAndRestore) {
    const std::string dir = backupFolder("cli-backups");
    const BackupStore store(dir + "/backups");
    FileIO::FileError why;
    ASSERT_EQ(store.keep(dir + "/game.nes", testsupport::readBytes(dir + "/old.nes"), kTime, why), Result::Ok);
    ASSERT_EQ(store.keep(dir + "/game.nes", {1, 2, 3}, kTime, why), Result::Ok);
    std::filesystem::copy_file(dir + "/game.nes", dir + "/demo.nes");
    clitest::runRows(
        {
            {{"backups", "{rom}"},
             0,
             "2024-03-05 14:07:09  {dir}{sep}backups{sep}game.nes-...{sep}20240305-140709-2.nes  3\n"
             "2024-03-05 14:07:09  {dir}{sep}backups{sep}game.nes-...{sep}20240305-140709.nes  393232\n",
             ""},
            {{"backups", "{dir}/old.nes"}, 0, "", ""},
            {{"backups"}, 2, "", "usage: tamsel-cli backups ROM\n"},
            {{"restore", "{rom}", "{dir}/old.nes", "-o", "{dir}/out.nes"},
             0,
             "Backup restored!\n",
             "",
             {{"{dir}/out.nes", "{dir}/old.nes"}}},
            {{"restore", "{rom}", "{dir}/missing.nes"},
             1,
             "",
             "Error loading file! (No such file or directory: {dir}/missing.nes)\n"},
            {{"restore", "{rom}", "{dir}/p.ips"}, 1, "", "Invalid rom! ({dir}/p.ips)\n"},
            {{"restore", "{rom}"}, 2, "", "usage: tamsel-cli restore ROM BACKUP [-o OUT]\n"},
        },
        dir, dir + "/demo.nes");
}

}  // namespace
