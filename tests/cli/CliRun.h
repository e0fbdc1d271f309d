#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/FileIO.h"
#include "cli/CliCommand.h"
#include "session/modGlobals.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"

// Runs tamsel-cli in process and checks what a run says and leaves behind. In arguments, texts
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

// "--settings {dir}/tamsel.ini" follows the command name, so that no user's settings file is read; {dir}
// stands for the folder of a copy of the program that keeps tamsel.ini beside it, so backups go to {dir}/backups.
inline CliResult run(std::vector<std::string> args, const std::string& dir) {
    modGlobals::setProgramFolder(dir);
    for (std::string& a : args) a = expand(a, dir);
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
    for (std::size_t at = gap, from = gap + 3;
         ;) {  // each later part found after the one before; the last one ends the text
        const std::size_t next = pattern.find("...", from);
        const std::string part = pattern.substr(from, next == std::string::npos ? std::string::npos : next - from);
        if (next == std::string::npos)
            return text.size() >= at + part.size() && text.compare(text.size() - part.size(), part.size(), part) == 0;
        if ((at = text.find(part, at)) == std::string::npos) return false;
        at += part.size();
        from = next + 3;
    }
}

// One run of the tool, named by its command line: the exit status; what standard output and standard
// error say (patterns as above, "" for nothing); each file the run writes with the file it then equals;
// the files it must not write; the file {rom} then equals ("": the image it held before).
struct Row {
    std::vector<std::string> args;
    int status;
    std::string out, err;
    std::vector<std::pair<std::string, std::string>> written = {};
    std::vector<std::string> notWritten = {};
    std::string image = "";
};

// Runs each row with {rom} a fresh writable copy of the file `original`.
inline void runRows(const std::vector<Row>& rows, const std::string& dir, const std::string& original) {
    namespace fs = std::filesystem;
    const auto bytes = [&](const std::string& file) { return testsupport::readBytes(expand(file, dir)); };
    for (const Row& row : rows) {
        std::string commandLine = "tamsel-cli";
        for (const std::string& a : row.args) commandLine += " " + a;
        SCOPED_TRACE(commandLine);
        // Removed first: the C++ library of MinGW takes any two files for the same one and refuses to overwrite.
        fs::remove(dir + "/game.nes");
        fs::copy_file(original, dir + "/game.nes");
        fs::permissions(dir + "/game.nes", fs::perms::owner_read | fs::perms::owner_write);
        for (const auto& [file, equals] : row.written) fs::remove(expand(file, dir));
        for (const std::string& file : row.notWritten) fs::remove(expand(file, dir));
        const CliResult r = run(row.args, dir);
        EXPECT_EQ(r.status, row.status);
        EXPECT_TRUE(matches(r.out, expand(row.out, dir))) << r.out;
        EXPECT_TRUE(matches(r.err, expand(row.err, dir))) << r.err;
        for (const auto& [file, equals] : row.written) EXPECT_TRUE(bytes(file) == bytes(equals)) << file;
        for (const std::string& file : row.notWritten) EXPECT_FALSE(fs::exists(expand(file, dir))) << file;
        EXPECT_TRUE(bytes("{rom}") == testsupport::readBytes(row.image.empty() ? original : expand(row.image, dir)));
    }
}

}  // namespace clitest
