// Reading whole files (every byte of a file many read chunks long, nothing from what is not an
// ordinary file), writing through symbolic links, the cause a failed write gives, and text
// files read without the byte-order mark some editors put in front.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "base/FileIO.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Every name below dir with what it is: "link", "dir" or the bytes of an ordinary file.
std::map<std::string, std::string> listing(const std::string& dir) {
    std::map<std::string, std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        names[e.path().lexically_relative(dir).string()] = e.is_symlink() ? "link"
                                                           : e.is_directory()
                                                               ? "dir"
                                                               : testsupport::readText(e.path().string());
    return names;
}

// Each row builds its folder from words ("roms/" a folder, "a.nes" a file holding OLD, "a.nes>b.nes" a
// symbolic link, "{dir}" the folder itself), writes "NEW" to its target and looks at the result: the
// cause of a failure, which file holds the new bytes; every other name stays as it was.
TEST(FileIO, WritesThroughSymbolicLinksToTheirTargetOrSaysWhyNot) {
    struct Row {
        const char* name;
        std::string build;
        std::string cause;       // "" for a write that succeeds
        std::string failedPath;  // the file named in the cause
        std::string written;     // the file that holds "NEW" afterwards; "" for none
        std::string target = "game.nes";
    };
    const Row rows[] = {
        {"plain file", "game.nes", "", "", "game.nes"},
        {"link to a file beside it", "real.nes game.nes>real.nes", "", "", "real.nes"},
        {"absolute link into another folder", "roms/ roms/real.nes game.nes>{dir}/roms/real.nes", "", "",
         "roms/real.nes"},
        {"relative link counted from the link's folder",
         "roms/ links/ roms/real.nes links/game.nes>../roms/real.nes game.nes>links/game.nes", "", "", "roms/real.nes"},
        {"chain of two links", "real.nes game.nes>middle.nes middle.nes>real.nes", "", "", "real.nes"},
        {"dangling link", "game.nes>made.nes", "", "", "made.nes"},
        {"dangling link into a missing folder", "game.nes>nowhere/made.nes", "No such file or directory",
         "nowhere/made.nes", ""},
        {"links in a loop", "game.nes>other.nes other.nes>game.nes", "Too many levels of symbolic links", "game.nes",
         ""},
        {"missing folder", "", "No such file or directory", "none/game.nes", "", "none/game.nes"},
        {"a folder under the name", "game.nes/", "Is a directory", "game.nes", ""},
        {"link to a folder", "real/ game.nes>real", "Is a directory", "real", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string dir = testsupport::freshDir("fileio-links");
        std::istringstream words(row.build);
        for (std::string w; words >> w;) {
            const std::size_t arrow = w.find('>');
            std::string to = w.substr(arrow + 1);
            if (to.rfind("{dir}", 0) == 0) to = dir + to.substr(5);
            if (arrow != std::string::npos) {
                fs::create_symlink(to, dir + "/" + w.substr(0, arrow));
            } else if (w.back() == '/') {
                fs::create_directory(dir + "/" + w);
            } else {
                testsupport::writeText(dir + "/" + w, "OLD");
            }
        }
        std::map<std::string, std::string> expected = listing(dir);
        if (!row.written.empty()) expected[row.written] = "NEW";
        FileIO::WriteError why;
        EXPECT_EQ(FileIO::writeFileAtomically(dir + "/" + row.target, "NEW", why),
                  row.cause.empty() ? Result::Ok : Result::Failed);
        EXPECT_EQ(why.cause, row.cause);
        EXPECT_EQ(why.path, row.cause.empty() ? "" : dir + "/" + row.failedPath);
        EXPECT_EQ(listing(dir), expected) << "links stay, other files keep their bytes, no temporary file is left";
    }
}

TEST(FileIO, TextFilesReadWithoutAByteOrderMark) {
    const std::pair<std::string, std::string> rows[] = {// the file, the text read; each names its row
                                                        {"\xEF\xBB\xBF"
                                                         "first=AB\r\n",
                                                         "first=AB\r\n"},
                                                        {"first=AB\r\n", "first=AB\r\n"},
                                                        {"\xEF\xBB\xBF", ""},
                                                        {"\xEF\xBB"
                                                         "first",
                                                         "\xEF\xBB"
                                                         "first"},
                                                        {"x\xEF\xBB\xBF", "x\xEF\xBB\xBF"},
                                                        {"\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"}};
    const std::string path = testsupport::freshDir("fileio-text") + "/a.tpl";
    for (const auto& [file, text] : rows) {
        SCOPED_TRACE(::testing::PrintToString(file));
        testsupport::writeText(path, file);
        std::string read = "stale";
        ASSERT_EQ(FileIO::readTextFile(path, read), Result::Ok);
        EXPECT_EQ(read, text);
    }
    std::string read = "stale";
    EXPECT_EQ(FileIO::readTextFile(path + ".missing", read), Result::Failed);
    EXPECT_EQ(read, "stale");
}

TEST(FileIORead, AWholeFileOfAnySizeComesBackByteForByte) {
    const std::string dir = testsupport::freshDir("fileio-read");
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{16384}, std::size_t{16385}, std::size_t{0x100003}}) {
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
