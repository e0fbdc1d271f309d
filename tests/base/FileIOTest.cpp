// Reading whole files (every byte of a file many read chunks long, nothing from what is not an
// ordinary file), writing through symbolic links and over hard links, the cause a failed write
// gives, what a write leaves in the folder, and text files read without the byte-order mark
// some editors put in front.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
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

// Each row prepares the folder of game.nes, writes "NEW" over it and compares the folder with what must follow;
// "{kept}" stands for the copy a failed write keeps. Hard links stay linked, so every name sees the new bytes.
TEST(FileIO, ReplacesOrWritesInPlaceLeavingNothingOfItsOwn) {
    const std::string longName = std::string(250, 'n') + ".nes";
    const auto daysOld = [](const std::string& file, int hours) {
        testsupport::writeText(file, "LEFT");
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(hours));
    };
    struct Row {
        const char* name;
        std::function<void(const std::string& dir)> prepare;
        std::map<std::string, std::string> after;
        std::string cause = "";
        std::string target = "game.nes";
        std::optional<std::size_t> failAfter = std::nullopt;
    };
    const Row rows[] = {
        {"hard link",
         [](const std::string& d) { fs::create_hard_link(d + "/game.nes", d + "/other.nes"); },
         {{"game.nes", "NEW"}, {"other.nes", "NEW"}}},
        {"hard link, disk full in the copy in place",
         [](const std::string& d) { fs::create_hard_link(d + "/game.nes", d + "/other.nes"); },
         {{"game.nes", "NED"}, {"other.nes", "NED"}, {"{kept}", "NEW"}},
         "No space left on device",
         "game.nes",
         2},
        {"a name of 254 bytes", [](const std::string&) {}, {{"game.nes", "OLD"}, {longName, "NEW"}}, "", longName},
        {"leftovers of killed writes older than a day",
         [&](const std::string& d) {
             daysOld(d + "/.tamsel-abcd0123.tmp", 25);
             daysOld(d + "/.tamsel-abcd0124.tmp", 23);
             daysOld(d + "/.tamsel-abcd012.tmp", 25);
             daysOld(d + "/.tamsel-abcd0125.tmpx", 25);
         },
         {{"game.nes", "NEW"},
          {".tamsel-abcd0124.tmp", "LEFT"},
          {".tamsel-abcd012.tmp", "LEFT"},
          {".tamsel-abcd0125.tmpx", "LEFT"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string dir = testsupport::freshDir("fileio-replace");
        testsupport::writeText(dir + "/game.nes", "OLD");
        row.prepare(dir);
        FileIO::setFailAfterBytesForTesting(row.failAfter);
        FileIO::WriteError why;
        EXPECT_EQ(FileIO::writeFileAtomically(dir + "/" + row.target, "NEW", why),
                  row.cause.empty() ? Result::Ok : Result::Failed);
        FileIO::setFailAfterBytesForTesting(std::nullopt);
        EXPECT_EQ(why.cause, row.cause);
        std::map<std::string, std::string> after = row.after;
        if (after.erase("{kept}")) after[fs::path(why.kept).filename().string()] = "NEW";
        EXPECT_EQ(listing(dir), after);
        EXPECT_EQ(fs::hard_link_count(dir + "/game.nes"), row.after.count("other.nes") ? 2u : 1u);
    }
}

#ifndef _WIN32
// A new file gets 0666 less the umask; a replaced one keeps its mode (RomFileTest).
TEST(FileIO, NewFilesFollowTheUmask) {
    const std::string file = testsupport::freshDir("fileio-umask") + "/new.tpl";
    const mode_t before = ::umask(027);
    EXPECT_EQ(FileIO::writeFileAtomically(file, "NEW"), Result::Ok);
    ::umask(before);
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}
#endif

TEST(FileIO, TextFilesReadWithoutAByteOrderMark) {
    const std::string mark = "\xEF\xBB\xBF";
    const std::pair<std::string, std::string> rows[] = {// the file, the text read
                                                        {mark + "first=AB", "first=AB"},
                                                        {mark, ""},
                                                        {"\xEF\xBB!", "\xEF\xBB!"},
                                                        {"x" + mark, "x" + mark},
                                                        {mark + mark, mark}};
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
