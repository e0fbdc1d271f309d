// tamsel-cli make-patch and apply-patch: patches spelled out here byte by byte, as any other tool
// writes these formats, apply in place or to another file; the patches the tool makes turn the image
// into the modified one; each refusal and usage error writes nothing. (Every record and action kind
// and every refusal is the patch tests' work, as are the reference images' patches.)
#include <gtest/gtest.h>
#include <zlib.h>

#include "cli/CliRun.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A BPS patch from its body, with the checksums of source, target and the patch before them.
Bytes bps(const std::string& bodyHex, const std::string& source, const std::string& target) {
    Bytes p = testsupport::hexBytes(bodyHex);
    const auto putCrc = [&p](const std::string& data) {
        const auto crc = static_cast<std::uint32_t>(crc32(0L, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
        for (int i = 0; i < 4; ++i) p.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
    };
    putCrc(source);
    putCrc(target);
    putCrc(std::string(p.begin(), p.end()));
    return p;
}

TEST(PatchCommands, MessagesExitCodesAndFiles) {
    const std::string dir = clitest::folder("cli-patch");
    testsupport::writeText(dir + "/source.bin", "ABCDEFGHIJKLMNOP");
    // IPS: bytes "abc" at 2, then a run of four '*' at 8.
    testsupport::writeBytes(dir + "/hand.ips", testsupport::hexBytes("50 41 54 43 48  00 00 02 00 03 61 62 63  00 00 08 00 00 00 04 2A  45 4F 46"));
    testsupport::writeText(dir + "/ips.bin", "ABabcFGH****MNOP");
    // BPS, sizes 16 and 16, no metadata: SourceRead 4, TargetRead "xyz", SourceCopy 4 from +8, TargetCopy 5 from the
    // start of the target (its own output).
    const std::string bpsBody = "42 50 53 31 90 90 80  8C  89 78 79 7A  8E 90  93 80";
    Bytes hand = bps(bpsBody, "ABCDEFGHIJKLMNOP", "ABCDxyzIJKLABCDx");
    testsupport::writeBytes(dir + "/hand.bps", hand);
    testsupport::writeText(dir + "/bps.bin", "ABCDxyzIJKLABCDx");
    testsupport::writeBytes(dir + "/other.bps", bps(bpsBody, "abcdefghijklmnop", "abcdxyzijklabcdx"));
    hand[9] ^= 0x01;  // "xyz" becomes "yyz"
    testsupport::writeBytes(dir + "/flipped.bps", hand);
    testsupport::writeText(dir + "/notes.txt", "PATC is no patch\r\n");
    testsupport::writeText(dir + "/target.bin", "ABabcFGH****MNOPQ");
    const std::string applied = "Patch applied!\n", exported = "Patch exported!\n";
    clitest::runRows({
        {{"apply-patch", "{rom}", "{dir}/hand.ips", "-o", "{dir}/o.bin"}, 0, applied, "", {{"{dir}/o.bin", "{dir}/ips.bin"}}},
        {{"apply-patch", "{rom}", "{dir}/hand.bps"}, 0, applied, "", {}, {}, "{dir}/bps.bin"},
        {{"apply-patch", "{rom}", "{dir}/other.bps", "-o", "{dir}/o.bin"}, 1, "", "This patch was made for a different ROM!\n", {}, {"{dir}/o.bin"}},
        {{"apply-patch", "{rom}", "{dir}/flipped.bps"}, 1, "", "This patch is damaged!\n"},
        {{"apply-patch", "{rom}", "{dir}/notes.txt"}, 1, "", "This file is not an IPS or BPS patch!\n"},
        {{"apply-patch", "{rom}", "{dir}/none.ips"}, 1, "", "Error loading file! ({dir}/none.ips)\n"},
        {{"apply-patch", "{dir}/none.bin", "{dir}/hand.ips", "-o", "{dir}/o.bin"}, 1, "", "Error loading file! ({dir}/none.bin)\n", {}, {"{dir}/o.bin"}},
        {{"apply-patch", "{rom}", "{dir}/hand.ips", "-o", "{dir}/no/o.bin"}, 1, "", "Error writing to disk! (No such file or directory: {dir}/no/o.bin)\n"},
        // Each patch made is applied by the row after it.
        {{"make-patch", "{rom}", "{dir}/target.bin", "{dir}/made.IpS"}, 0, exported, ""},
        {{"apply-patch", "{rom}", "{dir}/made.IpS"}, 0, applied, "", {}, {}, "{dir}/target.bin"},
        {{"make-patch", "{rom}", "{dir}/target.bin", "{dir}/made.BPS"}, 0, exported, ""},
        {{"apply-patch", "{rom}", "{dir}/made.BPS", "-o", "{dir}/o.bin"}, 0, applied, "", {{"{dir}/o.bin", "{dir}/target.bin"}}},
        {{"make-patch", "{rom}", "{dir}/none.bin", "{dir}/o.bps"}, 1, "", "Error loading file! ({dir}/none.bin)\n", {}, {"{dir}/o.bps"}},
        {{"make-patch", "{rom}", "{dir}/target.bin", "{dir}/no/o.bps"}, 1, "", "Error writing file! (No such file or directory: {dir}/no/o.bps)\n"},
        // Usage errors: nothing is read.
        {{"make-patch", "{dir}/none.bin", "{dir}/none.bin", "{dir}/o.bin"}, 2, "", "tamsel-cli make-patch: OUT must end in .ips or .bps\n", {}, {"{dir}/o.bin"}},
        {{"apply-patch", "{rom}", "{dir}/hand.ips", "-o"}, 2, "", "tamsel-cli apply-patch: -o needs a file name\n"},
    }, dir, dir + "/source.bin");
}

}  // namespace
