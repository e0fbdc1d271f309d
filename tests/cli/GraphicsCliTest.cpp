#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "support/TestSupport.h"

#if __has_include(<QImage>)
#include <QImage>
#include <QString>
#define TAMSEL_TEST_PNG 1
#endif

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out, err;
};

CliRun cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::runCli(args, out, err);
    return {status, out.str(), err.str()};
}

struct FixtureRom {
    const char* folder;
    const char* image;
    int variants;
};

const FixtureRom kRoms[] = {
    {"nes-1", "game.nes", 4},
    {"snes-1", "game.smc", 8},
    {"snes-overflow-2", "game.smc", 8},
};

std::string expectedPpm(const FixtureRom& f, int variant) {
    return testsupport::fixture(std::string(f.folder) + "/expected/sprite_" + std::to_string(variant) + ".ppm");
}

TEST(SpriteCommand, ArgumentsOutOfRangeAreUsageErrors) {
    const std::string dir = testsupport::freshDir("cli-sprite-usage");
    const std::string nes = dir + "/game.nes";  // never read: the arguments are checked first
    const std::string smc = dir + "/game.smc";
    const struct {
        std::vector<std::string> args;
        const char* message;
    } rows[] = {
        {{"sprite", nes, "0", "4", dir + "/a.ppm"}, "VARIANT must be 0..3"},
        {{"sprite", smc, "0", "8", dir + "/a.ppm"}, "VARIANT must be 0..7"},
        {{"sprite", "--nes", smc, "0", "5", dir + "/a.ppm"}, "VARIANT must be 0..3"},
        {{"sprite", nes, "0", "-1", dir + "/a.ppm"}, ""},
        {{"sprite", nes, "0", "x", dir + "/a.ppm"}, "VARIANT"},
        {{"sprite", nes, "27", "0", dir + "/a.ppm"}, "TEAM must be 0..26"},
        {{"sprite", nes, "", "0", dir + "/a.ppm"}, "TEAM"},
        {{"sprite", nes, "0", "0", dir + "/a.bmp"}, "OUT must end in .png or .ppm"},
        {{"sprite", nes, "0", "0", dir + "/a.ppmx"}, "OUT must end"},
        {{"sprite", nes, "0", "0", dir + "/a"}, "OUT must end"},
        {{"sprite", nes, "0", "0"}, "usage: tamsel-cli sprite ROM TEAM VARIANT OUT"},
    };
    for (const auto& row : rows) {
        const CliRun r = cli(row.args);
        EXPECT_EQ(r.status, cli::kExitUsage) << r.err;
        EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
    }
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST(SpriteCommand, PpmEqualsTheReferencePictureInEveryVariant) {
    REQUIRE_FIXTURES();
    const std::string dir = testsupport::freshDir("cli-sprite-ppm");
    for (const FixtureRom& f : kRoms) {
        const std::string rom = testsupport::fixture(std::string(f.folder) + "/" + f.image);
        for (int v = 0; v < f.variants; ++v) {
            const std::string out = dir + "/" + f.folder + "_" + std::to_string(v) + ".ppm";
            const CliRun r = cli({"sprite", rom, "0", std::to_string(v), out});
            ASSERT_EQ(r.status, cli::kExitOk) << f.folder << " variant " << v << ": " << r.err;
            EXPECT_EQ(testsupport::readBytes(out), testsupport::readBytes(expectedPpm(f, v)))
                << f.folder << " variant " << v;
        }
    }
}

#ifdef TAMSEL_TEST_PNG
TEST(SpriteCommand, PngHoldsTheSamePixelsAsTheReferencePicture) {
    REQUIRE_FIXTURES();
    const std::string dir = testsupport::freshDir("cli-sprite-png");
    for (const FixtureRom& f : kRoms) {
        const std::string rom = testsupport::fixture(std::string(f.folder) + "/" + f.image);
        const int v = f.variants - 1;
        const std::string out = dir + "/" + f.folder + ".PNG";  // the extension in any case
        const CliRun r = cli({"sprite", rom, "0", std::to_string(v), out});
        ASSERT_EQ(r.status, cli::kExitOk) << r.err;
        QImage png;
        ASSERT_TRUE(png.load(QString::fromStdString(out), "PNG")) << out;
        ASSERT_EQ(png.width(), 32);
        ASSERT_EQ(png.height(), 96);
        const auto ppm = testsupport::readBytes(expectedPpm(f, v));
        const std::size_t header = 13;  // "P6\n32 96\n255\n"
        ASSERT_EQ(ppm.size(), header + 32 * 96 * 3);
        int wrong = 0;
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 32; ++x) {
                const std::size_t at = header + 3 * static_cast<std::size_t>(y * 32 + x);
                const QRgb p = png.pixel(x, y);
                if (qRed(p) != ppm[at] || qGreen(p) != ppm[at + 1] || qBlue(p) != ppm[at + 2]) ++wrong;
            }
        EXPECT_EQ(wrong, 0) << f.folder;
    }
}
#endif

TEST(SpriteCommand, ImageEndingInsideTheTileDataFailsWithoutWriting) {
    REQUIRE_FIXTURES();
    const std::string dir = testsupport::freshDir("cli-sprite-cut");
    const struct {
        const char* folder;
        const char* image;
        std::size_t keep;  // bytes kept: the league tables, part of the figure's tiles
    } rows[] = {
        {"nes-1", "game.nes", 0x40710 + 100},
        {"snes-1", "game.smc", 0x88380 + 40},
    };
    for (const auto& row : rows) {
        auto bytes = testsupport::readBytes(testsupport::fixture(std::string(row.folder) + "/" + row.image));
        bytes.resize(row.keep);
        const std::string rom = dir + "/" + row.folder + "-" + row.image;
        testsupport::writeBytes(rom, bytes);
        const std::string out = dir + "/" + row.folder + ".ppm";
        const CliRun r = cli({"sprite", rom, "0", "1", out});
        EXPECT_EQ(r.status, cli::kExitFailure) << row.folder;
        EXPECT_NE(r.err.find("Error reading data!"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("tile data"), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(out)) << row.folder;
    }
}

}  // namespace
