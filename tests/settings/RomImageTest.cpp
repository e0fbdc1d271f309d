#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/FileIO.h"
#include "settings/RomImage.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes filler(std::size_t n, std::uint8_t seed = 0x5A) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(seed + i * 7);
    return b;
}

Bytes nesImage(std::size_t n, std::uint8_t fourth = 0x1A) {
    Bytes b = filler(n);
    const std::uint8_t head[] = {0x4E, 0x45, 0x53, fourth};
    for (std::size_t i = 0; i < 4 && i < n; ++i) b[i] = head[i];
    return b;
}

// An SNES image of n bytes with text placed at offset at.
Bytes snesImage(std::size_t n, const char* title = "SUPER NBA BASKETBALL", std::size_t at = 0x7FC0) {
    Bytes b = filler(n);
    for (std::size_t i = 0; title[i] && at + i < n; ++i) b[at + i] = static_cast<std::uint8_t>(title[i]);
    return b;
}

// The same image behind a 512-byte copier header.
Bytes withCopierHeader(const Bytes& image) {
    Bytes b(512 + image.size(), 0);
    std::copy(image.begin(), image.end(), b.begin() + 512);
    return b;
}

TEST(RomConsoleCheck, NesLooksAtTheFirstThreeBytesOnly) {
    const struct {
        const char* name;
        Bytes image;
        bool nes;
    } rows[] = {
        {"NES + 0x1A", nesImage(64), true},
        {"NES + 0x00", nesImage(64, 0x00), true},
        {"NES + 0xFF", nesImage(64, 0xFF), true},
        {"exactly three bytes", Bytes{0x4E, 0x45, 0x53}, true},
        {"lower case", Bytes{'n', 'e', 's', 0x1A}, false},
        {"NEZ", Bytes{'N', 'E', 'Z', 0x1A}, false},
        {"two bytes", Bytes{0x4E, 0x45}, false},
        {"empty", Bytes{}, false},
        {"an SNES image", snesImage(0x8000), false},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(RomFile::checkConsole(r.image, Console::Nes), r.nes) << r.name;
        for (ConsoleKind other : {ConsoleKind{0}, ConsoleKind{3}, ConsoleKind{-1}})
            EXPECT_FALSE(RomFile::checkConsole(r.image, other)) << r.name << " as kind " << other;
    }
}

TEST(RomConsoleCheck, SnesComparesTheTitleAt7FC0Exactly) {
    const struct {
        const char* name;
        Bytes image;
        bool snes;
    } rows[] = {
        {"title in place", snesImage(0x10000), true},
        {"image ends right after the title", snesImage(0x7FD4), true},
        {"image one byte too short", snesImage(0x7FD3), false},
        {"lower-case title", snesImage(0x10000, "super nba basketball"), false},
        {"one letter different", snesImage(0x10000, "SUPER NBA BASKETBALI"), false},
        {"title one byte late", snesImage(0x10000, "SUPER NBA BASKETBALL", 0x7FC1), false},
        {"title one byte early", snesImage(0x10000, "SUPER NBA BASKETBALL", 0x7FBF), false},
        {"copier header before the image", withCopierHeader(snesImage(0x10000)), false},
        {"empty", Bytes{}, false},
        {"an NES image", nesImage(0x10000), false},
    };
    for (const auto& r : rows) EXPECT_EQ(RomFile::checkConsole(r.image, Console::Snes), r.snes) << r.name;
}

TEST(RomFileRead, ResultCodesAndTheImageLeftInMemory) {
    std::string dir = testsupport::freshDir("rom-read");
    fs::create_directories(dir + "/folder.smc");
    const struct {
        const char* name;
        std::optional<Bytes> file;  // nothing: no such file
        ConsoleKind kind;
        ResultCode result;
        bool imageReplaced;
    } rows[] = {
        {"NES image as NES", nesImage(0x6010), Console::Nes, 0, true},
        {"NES image with another fourth byte", nesImage(0x6010, 'X'), Console::Nes, 0, true},
        {"SNES image as SNES", snesImage(0x10000), Console::Snes, 0, true},
        {"SNES image as NES", snesImage(0x10000), Console::Nes, 2, true},
        {"NES image as SNES", nesImage(0x10000), Console::Snes, 2, true},
        {"SNES image with copier header", withCopierHeader(snesImage(0x10000)), Console::Snes, 2, true},
        {"unknown kind", snesImage(0x10000), ConsoleKind{3}, 2, true},
        {"0-byte file as NES", Bytes{}, Console::Nes, 1, true},
        {"0-byte file as SNES", Bytes{}, Console::Snes, 1, true},
        {"too short for the SNES check", snesImage(0x7FD3), Console::Snes, 1, true},
        {"tiny NES file", Bytes{0x4E, 0x45}, Console::Nes, 1, true},
        {"missing file", std::nullopt, Console::Nes, 1, false},
    };
    for (const auto& r : rows) {
        std::string path = dir + "/image.bin";
        fs::remove(path);
        if (r.file) testsupport::writeBytes(path, *r.file);
        RomImage image{1, 2, 3};
        EXPECT_EQ(RomFile::readRomFile(path, r.kind, image), r.result) << r.name;
        if (r.imageReplaced) {
            EXPECT_EQ(image, *r.file) << r.name;
        } else {
            EXPECT_EQ(image, (RomImage{1, 2, 3})) << r.name;
        }
    }
    RomImage image{1, 2, 3};
    EXPECT_EQ(RomFile::readRomFile(dir + "/folder.smc", Console::Snes, image), 1);
    EXPECT_EQ(image, (RomImage{1, 2, 3}));
}

TEST(RomFileRead, ReferenceImagesPassTheirOwnCheckOnly) {
    REQUIRE_FIXTURES();
    const struct {
        const char* file;
        ConsoleKind kind;
    } rows[] = {{"nes-1/game.nes", Console::Nes}, {"snes-1/game.smc", Console::Snes}, {"snes-overflow-2/game.smc", Console::Snes}};
    for (const auto& r : rows) {
        RomImage image;
        EXPECT_EQ(RomFile::readRomFile(testsupport::fixture(r.file), r.kind, image), 0) << r.file;
        EXPECT_EQ(image, testsupport::readBytes(testsupport::fixture(r.file))) << r.file;
        ConsoleKind other = r.kind == Console::Nes ? Console::Snes : Console::Nes;
        EXPECT_EQ(RomFile::readRomFile(testsupport::fixture(r.file), other, image), 2) << r.file;
    }
}

TEST(RomFileKind, AllSupportedTypesChoosesByTheLastThreeLetters) {
    const struct {
        const char* name;
        ConsoleKind kind;
    } rows[] = {
        {"GAME.Nes", Console::Nes}, {"game.nes", Console::Nes},  {"GAME.NES", Console::Nes},
        {"a.nEs", Console::Nes},    {"NES", Console::Nes},       {"/roms/x.nes", Console::Nes},
        {"romnes", Console::Nes},   {"x.smc", Console::Snes},    {"x.SMC", Console::Snes},
        {"x.bin", Console::Snes},   {"x.sfc", Console::Snes},    {"x.nes.bak", Console::Snes},
        {"es", Console::Snes},      {"", Console::Snes},         {"x.nes ", Console::Snes},
    };
    for (const auto& r : rows) EXPECT_EQ(RomFile::kindFromFileName(r.name), r.kind) << '"' << r.name << '"';
}

TEST(RomFileWrite, ReadThenWriteReproducesTheFile) {
    std::string dir = testsupport::freshDir("rom-roundtrip");
    const struct {
        const char* name;
        Bytes file;
        ConsoleKind kind;
    } rows[] = {{"game.nes", nesImage(0x6010), Console::Nes}, {"game.smc", snesImage(0x20000), Console::Snes}};
    for (const auto& r : rows) {
        std::string path = dir + "/" + r.name;
        testsupport::writeBytes(path, r.file);
        ::chmod(path.c_str(), 0640);
        RomImage image;
        ASSERT_EQ(RomFile::readRomFile(path, r.kind, image), 0) << r.name;
        ASSERT_EQ(RomFile::writeRomFile(path, image), 0) << r.name;
        EXPECT_EQ(testsupport::readBytes(path), r.file) << r.name;
        struct stat st {};
        ::stat(path.c_str(), &st);
        EXPECT_EQ(st.st_mode & 07777, 0640u) << r.name;
    }
    int count = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++count;
    EXPECT_EQ(count, 2) << "no temporary files";
}

TEST(RomFileWrite, EditedImageOverALongerFileKeepsTheBytesBeyondIt) {
    std::string path = testsupport::freshDir("rom-tail") + "/game.smc";
    Bytes old = snesImage(0x10000);
    testsupport::writeBytes(path, old);
    RomImage image = snesImage(0x8000);
    image[0x100] = 0xAB;
    ASSERT_EQ(RomFile::writeRomFile(path, image), 0);
    Bytes expected = old;
    std::copy(image.begin(), image.end(), expected.begin());
    EXPECT_EQ(testsupport::readBytes(path), expected);
}

TEST(RomFileWrite, NeverLeavesAPartlyWrittenRom) {
    std::string dir = testsupport::freshDir("rom-write-fail");
    std::string path = dir + "/game.nes";
    Bytes original = nesImage(0x6010);
    RomImage edited = original;
    for (std::size_t i = 16; i < edited.size(); i += 3) edited[i] ^= 0xFF;

    // read-only file: untouched, even for root
    testsupport::writeBytes(path, original);
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(RomFile::writeRomFile(path, edited), 1);
    ::chmod(path.c_str(), 0644);
    EXPECT_EQ(testsupport::readBytes(path), original);

    // the disk fills up part-way
    for (std::size_t failAfter : {std::size_t{0}, std::size_t{16}, edited.size() / 2, edited.size() - 1}) {
        FileIO::setFailAfterBytesForTesting(failAfter);
        EXPECT_EQ(RomFile::writeRomFile(path, edited), 1) << failAfter;
        FileIO::setFailAfterBytesForTesting(std::nullopt);
        EXPECT_EQ(testsupport::readBytes(path), original) << failAfter;
        int count = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++count;
        EXPECT_EQ(count, 1) << failAfter << ": no temporary file left";
    }
    EXPECT_EQ(RomFile::writeRomFile(path, edited), 0);
    EXPECT_EQ(testsupport::readBytes(path), edited);
}

}  // namespace
