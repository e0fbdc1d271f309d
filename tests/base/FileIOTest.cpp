// Reading whole files (every byte of a file many read chunks long, nothing from what is not an
// ordinary file), writing through symbolic links and over hard links, the cause a failed write
// gives, what a write leaves in the folder, and text files read without the byte-order mark
// some editors put in front.
#include <gtest/gtest.h>

#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>

#include "base/FileIO.h"
#include "base/PathText.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// Every name below dir, with "/" between folders, with "dir" or the bytes of an ordinary file; listed through
// the wide functions, which reach paths of any length.
void listInto(const std::string& dir, const std::string& prefix, std::map<std::string, std::string>& names) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(PathText::win32Path(dir + "/*")->c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = PathText::fromWide(found.cFileName);
        if (name == "." || name == "..") continue;
        std::string& bytes = names[prefix + name];
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            bytes = "dir";
            listInto(dir + "/" + name, prefix + name + "/", names);
        } else {
            FileIO::readWholeFile(dir + "/" + name, bytes);
        }
    } while (::FindNextFileW(search, &found) != 0);
    ::FindClose(search);
}

std::map<std::string, std::string> listing(const std::string& dir) {
    std::map<std::string, std::string> names;
    listInto(dir, "", names);
    return names;
}
#else
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
#endif

// Each row builds its folder from words: "roms/" a folder, "a.nes" a file holding OLD, "a.nes@25" one holding
// LEFT last written 25 hours ago, "a.nes>b.nes" a symbolic link ("{dir}" the folder itself), "a.nes=b.nes" a hard
// link. It writes "NEW" to its target, the disk filling up after failAfter bytes, and compares the folder with the
// one before but for the words of `after` ("a.nes=TEXT": the file holds TEXT; "a.nes=": it is gone; "{kept}": the
// copy a failed write keeps). A failure's cause names failedPath.
TEST(FileIO, WritesThroughLinksReplacesOrWritesInPlaceLeavingNothingOfItsOwnOrSaysWhyNot) {
    const std::string longName = std::string(250, 'n') + ".nes";
    struct Row {
        const char* name;
        std::string build, after;
        std::string cause = "";  // "" for a write that succeeds
        std::string failedPath = "";
        std::string target = "game.nes";
        std::optional<std::size_t> failAfter = std::nullopt;
    };
    const Row rows[] = {
        {"plain file", "game.nes", "game.nes=NEW"},
#ifndef _WIN32  // symbolic links need a privilege on Windows
        {"link to a file beside it", "real.nes game.nes>real.nes", "real.nes=NEW"},
        {"absolute link into another folder", "roms/ roms/real.nes game.nes>{dir}/roms/real.nes", "roms/real.nes=NEW"},
        {"relative link counted from the link's folder",
         "roms/ links/ roms/real.nes links/game.nes>../roms/real.nes game.nes>links/game.nes", "roms/real.nes=NEW"},
        {"chain of two links", "real.nes game.nes>middle.nes middle.nes>real.nes", "real.nes=NEW"},
        {"dangling link", "game.nes>made.nes", "made.nes=NEW"},
        {"dangling link into a missing folder", "game.nes>nowhere/made.nes", "", "No such file or directory",
         "nowhere/made.nes"},
        {"links in a loop", "game.nes>other.nes other.nes>game.nes", "", "Too many levels of symbolic links",
         "game.nes"},
#endif
        {"missing folder", "", "", "No such file or directory", "none/game.nes", "none/game.nes"},
        {"a folder under the name", "game.nes/", "", "Is a directory", "game.nes"},
#ifndef _WIN32
        {"link to a folder", "real/ game.nes>real", "", "Is a directory", "real"},
#endif
        {"hard link", "game.nes other.nes=game.nes", "game.nes=NEW other.nes=NEW"},
        {"hard link, disk full in the copy in place", "game.nes other.nes=game.nes",
         "game.nes=NED other.nes=NED {kept}=NEW", "No space left on device", "game.nes", "game.nes", 2},
        {"a name of 254 bytes", "game.nes", longName + "=NEW", "", "", longName},
        {"leftovers of killed writes older than a day",
         "game.nes .tamsel-abcd0123.tmp@25 .tamsel-abcd0124.tmp@23 .tamsel-abcd012.tmp@25 .tamsel-abcd0125.tmpx@25",
         "game.nes=NEW .tamsel-abcd0123.tmp="},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string dir = testsupport::freshDir("fileio-write");
        std::istringstream words(row.build);
        for (std::string w; words >> w;) {
            const std::size_t mark = w.find_first_of(">=@");
            const std::string name = dir + "/" + w.substr(0, mark);
            std::string to = mark == std::string::npos ? "" : w.substr(mark + 1);
            if (to.rfind("{dir}", 0) == 0) to = dir + to.substr(5);
            if (mark == std::string::npos) {
                w.back() == '/' ? (void)fs::create_directory(name) : testsupport::writeText(name, "OLD");
            } else if (w[mark] == '>') {
                fs::create_symlink(to, name);
            } else if (w[mark] == '=') {
                fs::create_hard_link(dir + "/" + to, name);
            } else {
                testsupport::writeText(name, "LEFT");
                fs::last_write_time(name, fs::file_time_type::clock::now() - std::chrono::hours(std::stoi(to)));
            }
        }
        std::map<std::string, std::string> expected = listing(dir);
        FileIO::setFailAfterBytesForTesting(row.failAfter);
        FileIO::WriteError why;
        EXPECT_EQ(FileIO::writeFileAtomically(dir + "/" + row.target, "NEW", why),
                  row.cause.empty() ? Result::Ok : Result::Failed);
        FileIO::setFailAfterBytesForTesting(std::nullopt);
        EXPECT_EQ(why.cause, row.cause);
        EXPECT_EQ(why.path, row.cause.empty() ? "" : dir + "/" + row.failedPath);
        std::istringstream changes(row.after);
        for (std::string w; changes >> w;) {
            const std::string name = w.substr(0, w.find('=')), text = w.substr(w.find('=') + 1);
            if (text.empty())
                expected.erase(name);
            else
                expected[name == "{kept}" ? fs::path(why.kept).filename().string() : name] = text;
        }
        EXPECT_EQ(listing(dir), expected);
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

// Another program that changes one byte and keeps the size and the time is still seen, wherever
// the byte lies; a write that keeps the old file's tail has the stamp a read of the result gives.
TEST(FileIOStamp, OneByteChangedAnywhereIsSeenAndAWriteStampsAsAReadWould) {
    const std::string path = testsupport::freshDir("fileio-stamp") + "/f.bin";
    std::vector<std::uint8_t> bytes(70);  // two blocks of 32 and six bytes after them
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    const struct {
        const char* where;
        std::size_t at;
    } changes[] = {{"first byte", 0}, {"second word", 8}, {"fourth word", 31}, {"second block", 40}, {"tail", 69}};
    for (const auto& change : changes) {
        SCOPED_TRACE(change.where);
        testsupport::writeBytes(path, bytes);
        std::vector<std::uint8_t> read;
        FileIO::FileStamp stamp;
        FileIO::FileError error;
        ASSERT_EQ(FileIO::readWholeFile(path, read, stamp, error), Result::Ok);
        const auto time = fs::last_write_time(path);
        std::vector<std::uint8_t> theirs = bytes;
        theirs[change.at] ^= 0x40;
        testsupport::writeBytes(path, theirs);
        fs::last_write_time(path, time);
        EXPECT_FALSE(FileIO::unchangedSince(path, stamp));
    }
    testsupport::writeBytes(path, bytes);
    std::vector<std::uint8_t> read;
    FileIO::FileStamp stamp;
    FileIO::FileError error;
    ASSERT_EQ(FileIO::readWholeFile(path, read, stamp, error), Result::Ok);
    const std::vector<std::uint8_t> head(37, 0xA5);
    ASSERT_EQ(FileIO::writeFileIfUnchanged(path, head.data(), head.size(), true, stamp, error), Result::Ok);
    FileIO::FileStamp again;
    ASSERT_EQ(FileIO::readWholeFile(path, read, again, error), Result::Ok);
    EXPECT_EQ(stamp, again);
}

TEST(FileIORead, FoldersFifosAndMissingFilesFailAtOnceAndLeaveTheTargetAlone) {
    const std::string dir = testsupport::freshDir("fileio-refuse");
#ifdef _WIN32
    const std::string device = "/NUL";  // a device Windows finds in every folder
#else
    const std::string device = "/fifo";
    ASSERT_EQ(::mkfifo((dir + device).c_str(), 0644), 0);  // opening it for reading must not wait for a writer
#endif
    for (const std::string& name : {std::string(), device, std::string("/missing")}) {
        SCOPED_TRACE(name);
        std::vector<std::uint8_t> read{1, 2, 3};
        EXPECT_EQ(FileIO::readWholeFile(dir + name, read), Result::Failed);
        EXPECT_EQ(read, (std::vector<std::uint8_t>{1, 2, 3}));
    }
}

#ifdef _WIN32
// Each row writes "NEW" to its target in a folder holding game.nes ("OLD"), while a prepared handle is
// open, and compares the folder afterwards, every file read back by its name.
TEST(FileIOWindows, NamesOfAnyLengthAndAlphabetAndFilesHeldOrMarkedReadOnly) {
    const std::string deep = std::string(100, 'd') + "/" + std::string(100, 'e') + "/" + std::string(100, 'f');
    struct Row {
        const char* name;
        std::string target;
        std::string cause;                                                     // "" for a write that succeeds
        DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;  // of a handle held on game.nes
        DWORD attributes = FILE_ATTRIBUTE_NORMAL;                              // given to game.nes
    };
    const Row rows[] = {
        {"accented letters", "\xC3\x89quipe 1994.nes", ""},
        {"Japanese letters", "\xE3\x83\x90\xE3\x82\xB9\xE3\x82\xB1.smc", ""},
        {"a path of 320 characters", deep + "/game.nes", ""},
        {"held open by a program that shares nothing", "game.nes", "Another program holds the file open", 0},
        {"held open by a program that lets others read and write, not replace", "game.nes",
         "Another program holds the file open", FILE_SHARE_READ | FILE_SHARE_WRITE},
        {"read-only", "game.nes", "Permission denied", FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
         FILE_ATTRIBUTE_READONLY},
        {"the null device", "NUL", "A name Windows keeps for a device"},
        {"the console, with an extension", "con.nes", "A name Windows keeps for a device"},
        {"a character Windows keeps for patterns", "a?.nes", "Invalid file name"},
        {"a colon, which would name a stream inside a file", "game.nes:x", "Invalid file name"},
        {"a trailing dot Windows would drop", "game.nes.", "Invalid file name"},
        {"missing folder", "none/game.nes", "No such file or directory"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string dir = testsupport::freshDir("fileio-windows");
        const std::string game = dir + "/game.nes";
        if (row.target.starts_with(std::string(100, 'd')))
            FileIO::makeFolders(PathText::folderOf(dir + "/" + row.target));
        testsupport::writeText(game, "OLD");
        ::SetFileAttributesW(PathText::toWide(game)->c_str(), row.attributes);
        std::map<std::string, std::string> expected = listing(dir);
        if (row.cause.empty()) expected[row.target] = "NEW";
        const HANDLE held = ::CreateFileW(PathText::toWide(game)->c_str(), GENERIC_READ, row.share, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        FileIO::WriteError why;
        const ResultCode written = FileIO::writeFileAtomically(dir + "/" + row.target, "NEW", why);
        ::CloseHandle(held);
        EXPECT_EQ(written, row.cause.empty() ? Result::Ok : Result::Failed);
        EXPECT_EQ(why.cause, row.cause);
        EXPECT_EQ(listing(dir), expected) << "nothing else written, no temporary file left";
        ::SetFileAttributesW(PathText::toWide(game)->c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

#endif

}  // namespace
