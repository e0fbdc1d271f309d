#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/FileIO.h"
#include "cli/CliCommand.h"
#include "session/modGlobals.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"

// Runs tamsel-cli in process and checks what a run says and leaves behind. In command lines, texts
// and file names "{dir}" stands for the test's folder, "{rom}" for {dir}/game.nes, "{fx}" for
// the folder of the NES reference image and "{sep}" for the separator the tool puts between a
// folder and a name it adds ("\\" on Windows).
namespace clitest {

struct CliResult {
    int status;
    std::string out, err;
};

inline std::string expand(std::string text, const std::string& dir) {
    const std::pair<std::string, std::string> names[] = {{"{rom}", dir + "/game.nes"},
                                                         {"{dir}", dir},
                                                         {"{fx}", testsupport::fixture("nes-1")},
                                                         {"{sep}", std::string(1, FileIO::separator())}};
    for (const auto& [key, value] : names)
        for (std::size_t at; (at = text.find(key)) != std::string::npos;) text.replace(at, key.size(), value);
    return text;
}

// The words of a command line as a shell splits it: at blanks, a word in single quotes taken whole ('' is an
// empty word).
inline std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    for (std::size_t at = 0; (at = line.find_first_not_of(' ', at)) != std::string::npos;) {
        const bool quoted = line[at] == '\'';
        const std::size_t end = std::min(line.find(quoted ? '\'' : ' ', at + quoted), line.size());
        out.push_back(line.substr(at + quoted, end - at - quoted));
        at = end + quoted;
    }
    return out;
}

// "--settings {dir}/tamsel.ini" follows the command name, so that no user's settings file is read; {dir}
// stands for the folder of a copy of the program that keeps tamsel.ini beside it, so backups go to {dir}/backups.
inline CliResult run(const std::string& line, const std::string& dir) {
    modGlobals::setProgramFolder(dir);
    std::vector<std::string> args = words(expand(line, dir));
    if (!args.empty() && args[0][0] != '-') args.insert(args.begin() + 1, {"--settings", dir + "/tamsel.ini"});
    std::ostringstream out, err;
    const int status = cli::runCli(args, out, err);
    return {status, out.str(), err.str()};
}

// A fresh folder holding a tamsel.ini with the default offsets.
inline std::string folder(const std::string& name) {
    const std::string dir = testsupport::freshDir(name);
    EXPECT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    return dir;
}

// Whether the text is the pattern, in which "..." stands for any text.
inline bool matches(const std::string& text, const std::string& pattern) {
    const std::size_t gap = pattern.find("...");
    if (gap == std::string::npos) return text == pattern;
    if (text.compare(0, gap, pattern, 0, gap) != 0) return false;
    for (std::size_t at = gap, from = gap + 3;;) {  // each part found after the one before; the last ends the text
        const std::size_t next = pattern.find("...", from);
        const std::string part = pattern.substr(from, next == std::string::npos ? std::string::npos : next - from);
        if (next == std::string::npos)
            return text.size() >= at + part.size() && text.compare(text.size() - part.size(), part.size(), part) == 0;
        if ((at = text.find(part, at)) == std::string::npos) return false;
        at += part.size();
        from = next + 3;
    }
}

// Every file below the folder, by its name within it ("made/demo.nes"), with its size and time; the backups a
// write over ROM keeps are the backup tests' work.
inline std::map<std::string, std::string> listing(const std::string& dir) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (const std::string name = e.path().lexically_relative(dir).generic_string();
            e.is_regular_file() && !name.starts_with("backups/"))
            files[name] =
                std::to_string(e.file_size()) + " " + std::to_string(e.last_write_time().time_since_epoch().count());
    return files;
}

// One run of the tool, named by its command line: the exit status; what standard output and standard
// error say (patterns as above, "" for nothing); the files the run writes, blank-separated, each as
// FILE=EQUALS with the file it then equals or as FILE alone; the file {rom} then equals ("": the image it
// held before). No other file of the folder is written, made or removed.
struct Row {
    std::string line;
    int status;
    std::string out, err;
    std::string written = "";
    std::string image = "";
};

// Runs each row with {rom} a fresh writable copy of the file `original`.
inline void runRows(const std::vector<Row>& rows, const std::string& dir, const std::string& original) {
    namespace fs = std::filesystem;
    for (const Row& row : rows) {
        SCOPED_TRACE("tamsel-cli " + row.line);
        // Removed first: the C++ library of MinGW takes any two files for the same one and refuses to overwrite.
        fs::remove(dir + "/game.nes");
        fs::copy_file(original, dir + "/game.nes");
        fs::permissions(dir + "/game.nes", fs::perms::owner_read | fs::perms::owner_write);
        std::vector<std::pair<std::string, std::string>> written;
        for (const std::string& w : words(expand(row.written, dir))) {
            const std::size_t eq = w.find('=');
            written.emplace_back(w.substr(0, eq), eq == std::string::npos ? "" : w.substr(eq + 1));
            fs::remove(written.back().first);
        }
        std::map<std::string, std::string> others = listing(dir);
        const CliResult r = run(row.line, dir);
        EXPECT_EQ(r.status, row.status);
        EXPECT_TRUE(matches(r.out, expand(row.out, dir))) << r.out;
        EXPECT_TRUE(matches(r.err, expand(row.err, dir))) << r.err;
        std::map<std::string, std::string> now = listing(dir);
        for (const auto& [file, equals] : written) {
            ASSERT_TRUE(now.erase(fs::path(file).lexically_relative(dir).generic_string()))
                << file << " is not written";
            EXPECT_TRUE(equals.empty() || testsupport::readBytes(file) == testsupport::readBytes(equals)) << file;
        }
        EXPECT_TRUE(testsupport::readBytes(dir + "/game.nes") ==
                    testsupport::readBytes(row.image.empty() ? original : expand(row.image, dir)));
        others.erase("game.nes");
        now.erase("game.nes");
        EXPECT_EQ(now, others) << "files written, made or removed besides the row's";
    }
}

}  // namespace clitest
