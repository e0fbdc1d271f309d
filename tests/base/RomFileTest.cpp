#include <gtest/gtest.h>

#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>  // chmod
#endif

#include <filesystem>
#include <optional>

#include "base/FileIO.h"
#include "base/RomImage.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// n filler bytes with text placed at an offset (as much of it as fits).
static Bytes image(std::size_t n, const std::string& text = "", std::size_t at = 0) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = std::uint8_t(0x5A + i * 7);
    for (std::size_t i = 0; i < text.size() && at + i < n; ++i) b[at + i] = std::uint8_t(text[i]);
    return b;
}

TEST(RomFile, ReadChecksTheEditionAndKeepsTheBytesReadInMemory) {
    const std::string title = "SUPER NBA BASKETBALL";
    const Bytes snes = image(0x8000, title, 0x7FC0);
    // name, the file (none: no such file), the edition asked for, the result
    const std::tuple<const char*, std::optional<Bytes>, ConsoleKind, ResultCode> rows[] = {
        {"NES and any fourth byte", image(64, "NES\xFF"), Console::Nes, 0},
        {"just NES", Bytes{'N', 'E', 'S'}, Console::Nes, 0},
        {"nES", image(64, "nES"), Console::Nes, 2},
        {"NEs", image(64, "NEs"), Console::Nes, 2},
        {"two bytes", Bytes{'N', 'E'}, Console::Nes, 1},
        {"0 bytes", Bytes{}, Console::Snes, 1},
        {"ending with the title", image(0x7FD4, title, 0x7FC0), Console::Snes, 0},
        {"one byte short of the title's end", image(0x7FD3, title, 0x7FC0), Console::Snes, 1},
        {"title a byte late", image(0x8000, title, 0x7FC1), Console::Snes, 2},
        {"SNES image as NES", snes, Console::Nes, 2},
        {"kind 3", snes, 3, 2},
        {"no file", std::nullopt, Console::Nes, 1},
    };
    const std::string path = testsupport::freshDir("rom-read") + "/game.bin";
    for (const auto& [name, file, kind, result] : rows) {
        SCOPED_TRACE(name);
        fs::remove(path);
        if (file) testsupport::writeBytes(path, *file);
        RomImage read{1, 2, 3};
        EXPECT_EQ(RomFile::readRomFile(path, kind, read), result);
        EXPECT_EQ(read, file.value_or(RomImage{1, 2, 3})) << "a file that was read stays in memory";
        EXPECT_EQ(RomFile::checkConsole(read, kind), result == 0);
    }
}

TEST(RomFile, AllSupportedTypesTakesNesFromTheLastThreeLettersInAnyCase) {
    for (const std::string name : {"GAME.Nes", "/roms/a.nEs", "NES", "romnes"})
        EXPECT_EQ(RomFile::kindFromFileName(name), Console::Nes) << name;
    for (const std::string name : {"x.smc", "x.nes.bak", "x.nes ", "es", ""})
        EXPECT_EQ(RomFile::kindFromFileName(name), Console::Snes) << name;
}

TEST(RomFile, AFileNamedOrDroppedTakesItsEditionFromItsExtensionOnly) {
    const std::pair<const char*, ConsoleKind> rows[] = {
        {"/roms/GAME.SMC", Console::Snes}, {"a.b/game.Nes", Console::Nes}, {"romnes", Console::None},
        {"x.nes.bak", Console::None},      {".smc", Console::Snes},        {"/roms.nes/game", Console::None}};
    for (const auto& [name, kind] : rows) EXPECT_EQ(RomFile::kindFromExtension(name), kind) << name;
}

TEST(RomFile, WriteReplacesTheFileInOneStepKeepingTailAndModeOrLeavesItUntouched) {
    const Bytes old = image(0x6010, "NES\x1A");
    Bytes edited = old;
    for (std::size_t i = 16; i < edited.size(); ++i) edited[i] = std::uint8_t(edited[i] ^ 0xFF);
    const Bytes shorter(edited.begin(), edited.begin() + 0x4000);
    Bytes tailKept = old;
    std::copy(shorter.begin(), shorter.end(), tailKept.begin());
    // name, the file before (none: no file) and its mode, the image written, the bytes after which the disk is
    // full, the file after, the cause of a failure ("" for a write that succeeds)
    const std::tuple<const char*, std::optional<Bytes>, unsigned, Bytes, std::optional<std::size_t>, Bytes, std::string>
        rows[] = {
            {"edited image", old, 0600, edited, std::nullopt, edited, ""},
            {"shorter image keeps the tail", old, 0644, shorter, std::nullopt, tailKept, ""},
            {"new file", std::nullopt, 0644, edited, std::nullopt, edited, ""},
            {"read-only file", old, 0444, edited, std::nullopt, old, "Permission denied"},
            {"disk full at the last byte", old, 0644, edited, 0x600F, old, "No space left on device"},
            {"disk full inside the kept tail", old, 0644, shorter, 0x5000, old, "No space left on device"},
        };
    for (const auto& [name, before, mode, written, failAfter, after, cause] : rows) {
        SCOPED_TRACE(name);
        const std::string dir = testsupport::freshDir("rom-write");
        const std::string path = dir + "/game.nes";
        if (before) testsupport::writeBytes(path, *before), ::chmod(path.c_str(), mode);
        FileIO::setFailAfterBytesForTesting(failAfter);
        FileIO::WriteError why;
        EXPECT_EQ(RomFile::writeRomFile(path, written, why), cause.empty() ? Result::Ok : Result::Failed);
        FileIO::setFailAfterBytesForTesting(std::nullopt);
        EXPECT_EQ(why.cause, cause);
        EXPECT_EQ(why.path, cause.empty() ? "" : path);
        struct stat st {};
        ::stat(path.c_str(), &st);
#ifdef _WIN32
        EXPECT_EQ(st.st_mode & 0200, mode & 0200) << "Windows keeps one bit of the mode: read-only or not";
#else
        EXPECT_EQ(st.st_mode & 07777, mode);
#endif
        EXPECT_EQ(testsupport::readBytes(path), after);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1) << "no temporary file is left";
    }
}
