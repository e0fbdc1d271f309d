// tamsel-cli sprite: a team's uniform preview figure as a picture file.
#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "base/FileIO.h"
#include "cli/CliCommand.h"
#include "graphics/Png.h"
#include "graphics/modGraphics.h"

namespace cli {
namespace {

// The editor's picture box is 34 x 98; the figure fills its top-left 32 x 96.
constexpr int kSurfaceWidth = 34;
constexpr int kSurfaceHeight = 98;
constexpr int kPictureWidth = 32;
constexpr int kPictureHeight = 96;

enum class PictureFormat { None, Png, Ppm };

PictureFormat formatOf(const std::string& path) {
    if (path.size() < 5) return PictureFormat::None;  // a name before the extension
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".png") return PictureFormat::Png;
    if (ext == ".ppm") return PictureFormat::Ppm;
    return PictureFormat::None;
}

int runSprite(const Options& opts, std::ostream& out, std::ostream& err) {
    const std::string& romPath = opts.positional[0];
    const std::string& outPath = opts.positional[3];
    const ConsoleKind kind = kindFor(opts, romPath);
    const int lastVariant = modGraphics::lastVariant(kind);
    int team = 0;
    int variant = 0;
    if (!parseIndex(opts.positional[1], 0, clsProject::kTeams - 1, team)) {
        err << "tamsel-cli sprite: TEAM must be 0..26\n";
        return kExitUsage;
    }
    if (!parseIndex(opts.positional[2], 0, lastVariant, variant)) {
        err << "tamsel-cli sprite: VARIANT must be 0.." << lastVariant << " for the "
            << (kind == Console::Nes ? "NES" : "SNES") << " edition\n";
        return kExitUsage;
    }
    const PictureFormat format = formatOf(outPath);
    if (format == PictureFormat::None) {
        err << "tamsel-cli sprite: OUT must end in .png or .ppm\n";
        return kExitUsage;
    }

    Session session;
    if (!loadRom(opts, romPath, session, err)) return kExitFailure;
    const clsTeam* record = session.league().getTeamRef(team);
    PixelImage surface(kSurfaceWidth, kSurfaceHeight);
    const int drawn = record == nullptr
                          ? modGraphics::kBadVariant
                          : modGraphics::drawPlayerSprite(surface, session.kind(), *record, variant, session.image());
    if (drawn != 0) {
        err << message(LoadOutcome::DataUnreadable)
            << withDetail(drawn == 2 ? "the image ends inside the figure's tile data" : "no such figure") << "\n";
        return kExitFailure;
    }

    std::vector<std::uint8_t> bytes;
    if (format == PictureFormat::Ppm) {
        bytes = modGraphics::toPpm(surface, kPictureWidth, kPictureHeight);
    } else if (!modGraphics::toPng(surface, kPictureWidth, kPictureHeight, bytes)) {
        err << "tamsel-cli sprite: the PNG picture could not be made\n";
        return kExitFailure;
    }
    FileIO::WriteError why;
    if (FileIO::writeFileAtomically(outPath, bytes.data(), bytes.size(), false, why) != Result::Ok) {
        err << message(SaveOutcome::WriteFailed) << withDetail(why.text()) << "\n";
        return kExitFailure;
    }
    out << "Figure of team " << team << ", variant " << variant << " written to " << outPath << "\n";
    return kExitOk;
}

}  // namespace

std::vector<Command> graphicsCommands() {
    return {
        {"sprite", "ROM TEAM VARIANT OUT",
         "draw team TEAM's uniform preview figure (32 x 96) in VARIANT (NES 0..3, SNES 0..7) to OUT (.png or .ppm)", 4,
         runSprite},
    };
}

}  // namespace cli
