// tamsel-cli make-patch and apply-patch: a patch spelled out here byte by byte, as any other tool writes
// the format, applies to another file; the patches the tool makes turn the image into the modified one,
// in place or into another file; each message and exit path once, writing nothing on failure. (Every
// record and action kind and every refusal is the patch tests' work; the tool prints the patch module's
// sentence for each.)
#include <gtest/gtest.h>

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
    const std::string applied = "Patch applied!\n", exported = "Patch exported!\n";
    clitest::runRows(
        {
            {{"apply-patch", "{rom}", "{dir}/hand.ips", "-o", "{dir}/o.bin"},
             0,
             applied,
             "",
             {{"{dir}/o.bin", "{dir}/ips.bin"}}},
            {{"apply-patch", "{rom}", "{dir}/notes.txt", "-o", "{dir}/o.bin"},
             1,
             "",
             "This file is not an IPS or BPS patch!\n",
             {},
             {"{dir}/o.bin"}},
            {{"apply-patch", "{rom}", "{dir}/none.ips"}, 1, "", "Error loading file! ({dir}/none.ips)\n"},
            {{"apply-patch", "{dir}/none.bin", "{dir}/hand.ips", "-o", "{dir}/o.bin"},
             1,
             "",
             "Error loading file! ({dir}/none.bin)\n",
             {},
             {"{dir}/o.bin"}},
            {{"apply-patch", "{rom}", "{dir}/hand.ips", "-o", "{dir}/no/o.bin"},
             1,
             "",
             "Error writing to disk! (No such file or directory: {dir}/no/o.bin)\n"},
            // Each patch made is applied by the row after it.
            {{"make-patch", "{rom}", "{dir}/target.bin", "{dir}/made.IpS"}, 0, exported, ""},
            {{"apply-patch", "{rom}", "{dir}/made.IpS"}, 0, applied, "", {}, {}, "{dir}/target.bin"},
            {{"make-patch", "{rom}", "{dir}/target.bin", "{dir}/made.BPS"}, 0, exported, ""},
            {{"apply-patch", "{rom}", "{dir}/made.BPS", "-o", "{dir}/o.bin"},
             0,
             applied,
             "",
             {{"{dir}/o.bin", "{dir}/target.bin"}}},
            {{"make-patch", "{rom}", "{dir}/none.bin", "{dir}/o.bps"},
             1,
             "",
             "Error loading file! ({dir}/none.bin)\n",
             {},
             {"{dir}/o.bps"}},
            {{"make-patch", "{rom}", "{dir}/target.bin", "{dir}/no/o.bps"},
             1,
             "",
             "Error writing file! (No such file or directory: {dir}/no/o.bps)\n"},
            // Usage errors: nothing is read.
            {{"make-patch", "{dir}/none.bin", "{dir}/none.bin", "{dir}/o.bin"},
             2,
             "",
             "tamsel-cli make-patch: OUT must end in .ips or .bps\n",
             {},
             {"{dir}/o.bin"}},
            {{"apply-patch", "{rom}", "{dir}/hand.ips", "-o"}, 2, "", "tamsel-cli apply-patch: -o needs a file name\n"},
        },
        dir, dir + "/source.bin");
}

}  // namespace
