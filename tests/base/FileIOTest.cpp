// Reading whole files (every byte of a file many read chunks long, nothing from what is not an
// ordinary file), writing through symbolic links, the cause a failed write gives, and text
// files read without the byte-order mark some editors put in front.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "base/FileIO.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Each row builds its folder, writes "NEW" to its target there and
// looks at the result: the cause of a failure, which file holds the new bytes, which links stay.
TEST(FileIO, WritesThroughSymbolicLinksToTheirTargetOrSaysWhyNot) {
    const std::string old = "OLD BYTES";
    struct Row {
        const char* name;
        std::function<void(const std::string& dir)> build;
        std::string cause;          // "" for a write that succeeds
        std::string failedPath;     // the file named in the cause, within {dir}
        std::string written;        // the file that holds "NEW" afterwards, within {dir}; "" for none: every file stays
        std::vector<std::string> links;  // names that are still symbolic links afterwards
        bool creates;                    // whether the write makes a file that was not there
        std::string target = "game.nes";  // the name written, within {dir}
    };
    auto file = [&](const std::string& p) { testsupport::writeText(p, old); };
    auto link = [](const std::string& to, const std::string& at) { fs::create_symlink(to, at); };
    const Row rows[] = {
        {"plain file", [&](const std::string& d) { file(d + "/game.nes"); }, "", "", "game.nes", {}, false},
        {"link to a file beside it",
         [&](const std::string& d) {
             file(d + "/real.nes");
             link("real.nes", d + "/game.nes");
         },
         "", "", "real.nes", {"game.nes"}, false},
        {"absolute link into another folder",
         [&](const std::string& d) {
             fs::create_directory(d + "/roms");
             file(d + "/roms/real.nes");
             link(d + "/roms/real.nes", d + "/game.nes");
         },
         "", "", "roms/real.nes", {"game.nes"}, false},
        {"relative link counted from the link's folder",
         [&](const std::string& d) {
             fs::create_directory(d + "/roms");
             fs::create_directory(d + "/links");
             file(d + "/roms/real.nes");
             link("../roms/real.nes", d + "/links/game.nes");
             link("links/game.nes", d + "/game.nes");
         },
         "", "", "roms/real.nes", {"game.nes", "links/game.nes"}, false},
        {"chain of two links",
         [&](const std::string& d) {
             file(d + "/real.nes");
             link("middle.nes", d + "/game.nes");
             link("real.nes", d + "/middle.nes");
         },
         "", "", "real.nes", {"game.nes", "middle.nes"}, false},
        {"dangling link", [&](const std::string& d) { link("made.nes", d + "/game.nes"); }, "", "", "made.nes", {"game.nes"}, true},
        {"dangling link into a missing folder", [&](const std::string& d) { link("nowhere/made.nes", d + "/game.nes"); },
         "No such file or directory", "nowhere/made.nes", "", {"game.nes"}, false},
        {"links in a loop",
         [&](const std::string& d) {
             link("other.nes", d + "/game.nes");
             link("game.nes", d + "/other.nes");
         },
         "Too many levels of symbolic links", "game.nes", "", {"game.nes", "other.nes"}, false},
        {"missing folder", [&](const std::string&) {}, "No such file or directory", "none/game.nes", "", {}, false, "none/game.nes"},
        {"a folder under the name", [&](const std::string& d) { fs::create_directory(d + "/game.nes"); }, "Is a directory", "game.nes", "",
         {}, false},
        {"link to a folder",
         [&](const std::string& d) {
             fs::create_directory(d + "/real");
             link("real", d + "/game.nes");
         },
         "Is a directory", "real", "", {"game.nes"}, false},
    };
    auto entries = [](const std::string& dir) {  // every name below dir, temporary files included
        return static_cast<std::size_t>(std::distance(fs::recursive_directory_iterator(dir), fs::recursive_directory_iterator()));
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string dir = testsupport::freshDir("fileio-links");
        row.build(dir);
        std::vector<std::pair<fs::path, std::string>> before;  // every ordinary file and its bytes
        for (const auto& e : fs::recursive_directory_iterator(dir))
            if (!e.is_symlink() && e.is_regular_file()) before.emplace_back(e.path(), testsupport::readText(e.path().string()));
        const std::size_t namesBefore = entries(dir);
        const std::string path = dir + "/" + row.target;
        FileIO::WriteError why;
        EXPECT_EQ(FileIO::writeFileAtomically(path, "NEW", why), row.cause.empty() ? Result::Ok : Result::Failed);
        EXPECT_EQ(why.cause, row.cause);
        EXPECT_EQ(why.path, row.cause.empty() ? "" : dir + "/" + row.failedPath);
        for (const std::string& name : row.links) EXPECT_TRUE(fs::is_symlink(dir + "/" + name)) << name;
        for (const auto& [file, bytes] : before)
            if (file != fs::path(dir + "/" + row.written)) {
                EXPECT_EQ(testsupport::readText(file.string()), bytes) << file;
            }
        if (!row.written.empty()) { EXPECT_EQ(testsupport::readText(dir + "/" + row.written), "NEW"); }
        EXPECT_EQ(entries(dir), namesBefore + row.creates) << "a temporary file or a stray one is left";
    }
}

TEST(FileIO, TextFilesReadWithoutAByteOrderMark) {
    struct Row {
        const char* name;
        std::string file, text;
    };
    const Row rows[] = {
        {"a mark before the text", "\xEF\xBB\xBF" "first=AB\r\n", "first=AB\r\n"},
        {"no mark", "first=AB\r\n", "first=AB\r\n"},
        {"the mark alone", "\xEF\xBB\xBF", ""},
        {"two bytes of a mark", "\xEF\xBB" "first", "\xEF\xBB" "first"},
        {"a mark after the start", "x\xEF\xBB\xBF", "x\xEF\xBB\xBF"},
        {"two marks: only the first goes", "\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"},
    };
    const std::string path = testsupport::freshDir("fileio-text") + "/a.tpl";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testsupport::writeText(path, row.file);
        std::string read = "stale";
        ASSERT_EQ(FileIO::readTextFile(path, read), Result::Ok);
        EXPECT_EQ(read, row.text);
    }
    std::string read = "stale";
    EXPECT_EQ(FileIO::readTextFile(path + ".missing", read), Result::Failed);
    EXPECT_EQ(read, "stale");
}

TEST(FileIORead, AWholeFileOfAnySizeComesBackByteForByte) {
    const std::string dir = testsupport::freshDir("fileio-read");
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{16384}, std::size_t{16385}, std::size_t{0x100003}}) {
        SCOPED_TRACE(size);
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 131 + i / 251);
        testsupport::writeBytes(dir + "/f.bin", bytes);
        std::vector<std::uint8_t> read{9, 9};
        ASSERT_EQ(FileIO::readWholeFile(dir + "/f.bin", read), Result::Ok);
        EXPECT_TRUE(read == bytes);
        std::string text = "old";
        ASSERT_EQ(FileIO::readWholeFile(dir + "/f.bin", text), Result::Ok);
        EXPECT_TRUE(text == std::string(bytes.begin(), bytes.end()));
    }
}

TEST(FileIORead, FoldersFifosAndMissingFilesFailAtOnceAndLeaveTheTargetAlone) {
    const std::string dir = testsupport::freshDir("fileio-refuse");
    ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0644), 0);  // opening it for reading must not wait for a writer
    for (const std::string name : {"", "/fifo", "/missing"}) {
        SCOPED_TRACE(name);
        std::vector<std::uint8_t> read{1, 2, 3};
        EXPECT_EQ(FileIO::readWholeFile(dir + name, read), Result::Failed);
        EXPECT_EQ(read, (std::vector<std::uint8_t>{1, 2, 3}));
    }
}

}  // namespace
