// tamsel-cli make-patch and apply-patch: patches between the reference images and their edited
// images give the edited image byte for byte; patches spelled out here byte by byte, as any other
// tool writes these formats, apply; refused patches and usage errors write nothing.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>

#include "cli/CliRun.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using clitest::run;

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

void putCrc(Bytes& out, const Bytes& data) {
    const auto crc = static_cast<std::uint32_t>(crc32(0L, data.data(), static_cast<uInt>(data.size())));
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
}

// A BPS patch from its body, with the checksums of source, target and the patch before them.
Bytes bps(const std::string& bodyHex, const Bytes& source, const Bytes& target) {
    Bytes p = testsupport::hexBytes(bodyHex);
    putCrc(p, source);
    putCrc(p, target);
    putCrc(p, p);
    return p;
}

void writable(const std::string& path) { fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write); }

TEST(PatchCommands, PatchesBetweenTheReferenceImagesGiveTheEditedImages) {
    REQUIRE_FIXTURES();
    const std::string dir = testsupport::freshDir("cli-patch-fixtures");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    for (const std::string folder : {"nes-1", "snes-1", "snes-overflow-2"}) {
        const std::string ext = folder == "nes-1" ? ".nes" : ".smc";
        const std::string game = testsupport::fixture(folder + "/game" + ext);
        const Bytes original = testsupport::readBytes(game);
        const Bytes edited = testsupport::readBytes(testsupport::fixture(folder + "/expected/edited" + ext));
        for (const std::string patchName : {"league.ips", "league.BPS"}) {
            SCOPED_TRACE(folder + " " + patchName);
            const std::string patchPath = dir + "/" + patchName, rom = dir + "/game" + ext, out = dir + "/out" + ext;
            const clitest::CliResult made = run({"make-patch", game, testsupport::fixture(folder + "/expected/edited" + ext), patchPath}, dir);
            EXPECT_EQ(made.status, 0);
            EXPECT_EQ(made.out, "Patch exported!\n");
            EXPECT_EQ(made.err, "");
            fs::copy_file(game, rom, fs::copy_options::overwrite_existing);
            writable(rom);
            fs::remove(out);
            const clitest::CliResult copy = run({"apply-patch", rom, patchPath, "-o", out}, dir);
            EXPECT_EQ(copy.status, 0);
            EXPECT_EQ(copy.out, "Patch applied!\n");
            EXPECT_TRUE(testsupport::readBytes(out) == edited);
            EXPECT_TRUE(testsupport::readBytes(rom) == original);
            const clitest::CliResult inPlace = run({"apply-patch", rom, patchPath}, dir);
            EXPECT_EQ(inPlace.status, 0);
            EXPECT_EQ(inPlace.out, "Patch applied!\n");
            EXPECT_TRUE(testsupport::readBytes(rom) == edited);
        }
    }
}

struct Row {
    std::string name;
    std::vector<std::string> args;
    int status;
    std::string said;  // all of standard output on success, all of standard error otherwise
    std::string rom;   // what {dir}/rom.bin holds afterwards
    bool made;         // whether {dir}/o.bin exists afterwards
    std::string out = "";  // what it then holds
};

TEST(PatchCommands, MessagesExitCodesAndFiles) {
    const std::string source = "ABCDEFGHIJKLMNOP";
    // IPS: bytes "abc" at 2, then a run of four '*' at 8.
    const std::string ipsBody = "50 41 54 43 48  00 00 02 00 03 61 62 63  00 00 08 00 00 00 04 2A";
    const std::string ipsResult = "ABabcFGH****MNOP";
    // BPS, sizes 16 and 16, no metadata: SourceRead 4, TargetRead "xyz", SourceCopy 4 from +8,
    // TargetCopy 5 from the start of the target (its own output).
    const std::string bpsBody = "42 50 53 31 90 90 80  8C  89 78 79 7A  8E 90  93 80";
    const std::string bpsResult = "ABCDxyzIJKLABCDx";
    const Row rows[] = {
        {"ips with a record and a run, to OUT", {"apply-patch", "{dir}/rom.bin", "{dir}/hand.ips", "-o", "{dir}/o.bin"}, 0, "Patch applied!\n", source, true, ipsResult},
        {"ips in place", {"apply-patch", "{dir}/rom.bin", "{dir}/hand.ips"}, 0, "Patch applied!\n", ipsResult, false},
        {"bps with all four actions, to OUT", {"apply-patch", "{dir}/rom.bin", "{dir}/hand.bps", "-o", "{dir}/o.bin"}, 0, "Patch applied!\n", source, true, bpsResult},
        {"bps in place", {"apply-patch", "{dir}/rom.bin", "{dir}/hand.bps"}, 0, "Patch applied!\n", bpsResult, false},
        {"bps made for another image", {"apply-patch", "{dir}/rom.bin", "{dir}/other.bps", "-o", "{dir}/o.bin"}, 1, "This patch was made for a different ROM!\n", source, false},
        {"bps made for another image, in place", {"apply-patch", "{dir}/rom.bin", "{dir}/other.bps"}, 1, "This patch was made for a different ROM!\n", source, false},
        {"bps with a byte changed", {"apply-patch", "{dir}/rom.bin", "{dir}/flipped.bps"}, 1, "This patch is damaged!\n", source, false},
        {"ips without its end", {"apply-patch", "{dir}/rom.bin", "{dir}/cut.ips", "-o", "{dir}/o.bin"}, 1, "This patch is damaged!\n", source, false},
        {"no patch at all", {"apply-patch", "{dir}/rom.bin", "{dir}/notes.txt"}, 1, "This file is not an IPS or BPS patch!\n", source, false},
        {"missing patch", {"apply-patch", "{dir}/rom.bin", "{dir}/none.ips"}, 1, "Error loading file! ({dir}/none.ips)\n", source, false},
        {"missing image", {"apply-patch", "{dir}/none.bin", "{dir}/hand.ips", "-o", "{dir}/o.bin"}, 1, "Error loading file! ({dir}/none.bin)\n", source, false},
        {"output folder missing", {"apply-patch", "{dir}/rom.bin", "{dir}/hand.ips", "-o", "{dir}/no/o.bin"}, 1,
         "Error writing to disk! (No such file or directory: {dir}/no/o.bin)\n", source, false},
        {"make-patch, IPS", {"make-patch", "{dir}/rom.bin", "{dir}/target.bin", "{dir}/o.bin.IpS"}, 0, "Patch exported!\n", source, false},
        {"make-patch, missing original", {"make-patch", "{dir}/none.bin", "{dir}/target.bin", "{dir}/o.ips"}, 1, "Error loading file! ({dir}/none.bin)\n", source, false},
        {"make-patch, missing modified", {"make-patch", "{dir}/rom.bin", "{dir}/none.bin", "{dir}/o.bps"}, 1, "Error loading file! ({dir}/none.bin)\n", source, false},
        {"make-patch, output folder missing", {"make-patch", "{dir}/rom.bin", "{dir}/target.bin", "{dir}/no/o.bps"}, 1,
         "Error writing file! (No such file or directory: {dir}/no/o.bps)\n", source, false},
        // Usage errors: nothing is read.
        {"make-patch to another kind", {"make-patch", "{dir}/rom.bin", "{dir}/target.bin", "{dir}/o.bin"}, 2,
         "tamsel-cli make-patch: OUT must end in .ips or .bps\n", source, false},
        {"make-patch to a name without extension", {"make-patch", "{dir}/none.bin", "{dir}/none.bin", "{dir}/ips"}, 2,
         "tamsel-cli make-patch: OUT must end in .ips or .bps\n", source, false},
        {"make-patch, two arguments", {"make-patch", "{dir}/rom.bin", "{dir}/o.ips"}, 2, "usage: tamsel-cli make-patch ORIGINAL MODIFIED OUT\n", source, false},
        {"apply-patch, one argument", {"apply-patch", "{dir}/rom.bin"}, 2, "usage: tamsel-cli apply-patch ROM PATCH [-o OUT]\n", source, false},
        {"apply-patch, -o without a name", {"apply-patch", "{dir}/rom.bin", "{dir}/hand.ips", "-o"}, 2, "tamsel-cli apply-patch: -o needs a file name\n", source, false},
    };
    const std::string dir = testsupport::freshDir("cli-patch");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    Bytes ips = testsupport::hexBytes(ipsBody);
    testsupport::writeBytes(dir + "/cut.ips", ips);
    for (char c : std::string("EOF")) ips.push_back(static_cast<std::uint8_t>(c));
    testsupport::writeBytes(dir + "/hand.ips", ips);
    const Bytes hand = bps(bpsBody, text(source), text(bpsResult));
    testsupport::writeBytes(dir + "/hand.bps", hand);
    Bytes flipped = hand;
    flipped[9] ^= 0x01;  // "xyz" becomes "yyz"
    testsupport::writeBytes(dir + "/flipped.bps", flipped);
    testsupport::writeBytes(dir + "/other.bps", bps(bpsBody, text("abcdefghijklmnop"), text("abcdxyzijklabcdx")));
    testsupport::writeText(dir + "/notes.txt", "PATC is no patch\r\n");
    testsupport::writeText(dir + "/target.bin", ipsResult);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testsupport::writeText(dir + "/rom.bin", source);
        fs::remove(dir + "/o.bin");
        const clitest::CliResult r = run(row.args, dir);
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(row.status == 0 ? r.out : r.err, clitest::expand(row.said, dir));
        EXPECT_EQ(row.status == 0 ? r.err : r.out, "");
        EXPECT_EQ(testsupport::readText(dir + "/rom.bin"), row.rom);
        ASSERT_EQ(fs::exists(dir + "/o.bin"), row.made);
        if (row.made) { EXPECT_EQ(testsupport::readText(dir + "/o.bin"), row.out); }
    }
    // The IPS patch that make-patch wrote turns the image into the target.
    ASSERT_EQ(run({"apply-patch", "{dir}/rom.bin", "{dir}/o.bin.IpS"}, dir).status, 0);
    EXPECT_EQ(testsupport::readText(dir + "/rom.bin"), ipsResult);
}

// IPS offsets have 24 bits: an image over 16 MiB is refused and no patch file is made.
TEST(PatchCommands, ImagesOver16MiBAreNotIpsPatched) {
    const std::string dir = testsupport::freshDir("cli-patch-large");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    Bytes image(0x1000001, 0);
    testsupport::writeBytes(dir + "/a.bin", image);
    image.back() = 1;
    testsupport::writeBytes(dir + "/b.bin", image);
    const clitest::CliResult r = run({"make-patch", "{dir}/a.bin", "{dir}/b.bin", "{dir}/big.ips"}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Images over 16 MiB cannot be IPS-patched!\n");
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fs::exists(dir + "/big.ips"));
}

}  // namespace
