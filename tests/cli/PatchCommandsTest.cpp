// tamsel-cli make-patch and apply-patch: a patch spelled out here byte by byte, as any other tool writes
// the format, applies to another file; the patches the tool makes turn the image into the modified one,
// in place or into another file; each message and exit path once, writing nothing on failure. (Every
// record and action kind and every refusal is the patch tests' work.)
#include <gtest/gtest.h>

#include "base/FileIO.h"
#include "cli/CliRun.h"

namespace {

TEST(PatchCommands, MessagesExitCodesAndFiles) {
    const std::string dir = clitest::folder("cli-patch");
    testsupport::writeText(dir + "/source.bin", "ABCDEFGHIJKLMNOP");
    // IPS: bytes "abc" at 2, then a run of four '*' at 8.
    testsupport::writeBytes(
        dir + "/hand.ips",
        testsupport::hexBytes("50 41 54 43 48  00 00 02 00 03 61 62 63  00 00 08 00 00 00 04 2A  45 4F 46"));
    testsupport::writeText(dir + "/ips.bin", "ABabcFGH****MNOP");
    testsupport::writeText(dir + "/notes.txt", "PATC is no patch\r\n");
    testsupport::writeText(dir + "/target.bin", "ABabcFGH****MNOPQ");
    testsupport::writeText(dir + "/nes.bin", "NES\x1A............");
    testsupport::writeBytes(dir + "/edition.ips", testsupport::hexBytes("50 41 54 43 48  00 00 00 00 01 58  45 4F 46"));
    // Sparse files just over the limits: refused by their size before they are read.
    testsupport::writeText(dir + "/huge.bin", "");
    std::filesystem::resize_file(dir + "/huge.bin", (64u << 20) + 1);
    testsupport::writeText(dir + "/big.bin", "");
    std::filesystem::resize_file(dir + "/big.bin", (16u << 20) + 1);
    const std::string applied = "Patch applied!\n", exported = "Patch exported!\n";
    clitest::runRows(
        {
            {"apply-patch {rom} {dir}/hand.ips -o {dir}/o.bin", 0, applied, "", "{dir}/o.bin={dir}/ips.bin"},
            {"apply-patch {rom} {dir}/notes.txt -o {dir}/o.bin", 1, "", "This file is not an IPS or BPS patch!\n"},
            {"apply-patch {rom} {dir}/none.ips", 1, "",
             "Error loading file! (No such file or directory: {dir}/none.ips)\n"},
            {"apply-patch {dir}/none.bin {dir}/hand.ips -o {dir}/o.bin", 1, "",
             "Error loading file! (No such file or directory: {dir}/none.bin)\n"},
            {"apply-patch {dir}/huge.bin {dir}/hand.ips -o {dir}/o.bin", 1, "",
             "Images over 64 MiB cannot be patched!\n"},
            // An IPS patch has no checksum: what it does to an image it was not made for is said after the fact.
            {"apply-patch {dir}/nes.bin {dir}/edition.ips -o {dir}/o.bin", 0, applied,
             "The patch changes the image's edition!\n", "{dir}/o.bin"},
            {"apply-patch {rom} {dir}/hand.ips -o {dir}/no/o.bin", 1, "",
             "Error writing to disk! (No such file or directory: {dir}/no/o.bin)\n"},
            // Each patch made is applied by the row after it.
            {"make-patch {rom} {dir}/target.bin {dir}/made.IpS", 0, exported, "", "{dir}/made.IpS"},
            {"apply-patch {rom} {dir}/made.IpS", 0, applied, "The patch writes past the end of the image!\n", "",
             "{dir}/target.bin"},
            {"make-patch {rom} {dir}/target.bin {dir}/made.BPS", 0, exported, "", "{dir}/made.BPS"},
            {"apply-patch {rom} {dir}/made.BPS -o {dir}/o.bin", 0, applied, "", "{dir}/o.bin={dir}/target.bin"},
            {"make-patch {rom} {dir}/none.bin {dir}/o.bps", 1, "",
             "Error loading file! (No such file or directory: {dir}/none.bin)\n"},
            {"make-patch {rom} {dir}/big.bin {dir}/o.ips", 1, "", "Images over 16 MiB cannot be IPS-patched!\n"},
            {"make-patch {rom} {dir}/target.bin {dir}/no/o.bps", 1, "",
             "Error writing file! (No such file or directory: {dir}/no/o.bps)\n"},
            // Usage errors: nothing is read.
            {"make-patch {dir}/none.bin {dir}/none.bin {dir}/o.bin", 2, "",
             "tamsel-cli make-patch: OUT must end in .ips or .bps\n"},
            {"apply-patch {rom} {dir}/hand.ips -o", 2, "", "tamsel-cli apply-patch: -o needs a file name\n"},
        },
        dir, dir + "/source.bin");
}

// Another program writes the image while the patch is applied, just before the patched image would replace it:
// the patched image is not written, and the other program's bytes stay.
std::string g_image;
TEST(PatchCommands, AnImageChangedWhileItIsPatchedIsNotWrittenOver) {
    const std::string dir = clitest::folder("cli-patch-changed");
    g_image = dir + "/game.nes";
    testsupport::writeText(g_image, "ABCDEFGHIJKLMNOP");
    testsupport::writeBytes(dir + "/hand.ips", testsupport::hexBytes("50 41 54 43 48  00 00 02 00 01 61  45 4F 46"));
    FileIO::setBeforeReplaceForTesting([] { testsupport::writeText(g_image, "another program"); });
    const clitest::CliResult r = clitest::run("apply-patch {rom} {dir}/hand.ips", dir);
    FileIO::setBeforeReplaceForTesting(nullptr);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "The file was changed by another program! (" + g_image + ")\n");
    EXPECT_EQ(testsupport::readText(g_image), "another program");
    EXPECT_EQ(clitest::run("apply-patch {rom} {dir}/hand.ips", dir).status, 0);  // once read again, it is
    EXPECT_EQ(testsupport::readText(g_image), "anather program");
}

}  // namespace
