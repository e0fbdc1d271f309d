#include "demo/DemoRom.h"

#include <array>
#include <cstring>

#include "base/FileIO.h"
#include "base/OffsetSet.h"
#include "base/PathText.h"
#include "codec/RomWriter.h"
#include "graphics/FigureLayout.h"
#include "model/Rating.h"
#include "model/clsProject.h"

namespace DemoRom {

namespace {

// A small fixed pseudo-random sequence, the same on every platform.
class Sequence {
public:
    explicit Sequence(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    // An integer in [lo, hi].
    int in(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<std::uint32_t>(hi - lo + 1)); }

private:
    std::uint32_t state_;
};

// The invented league: places, creatures and names made up for the demo.
constexpr std::array<const char*, 27> kCities = {
    "ALDERON",  "BRAMWICK", "CINDRA",   "DUSKMOOR", "EMBERLY",  "FENHOLT", "GALEPORT", "HEXLEY",  "IRONMERE",
    "JUNCTA",   "KESTRA",   "LUMENA",   "MARROW",   "NEWHALT",  "ORVALE",  "PELLOWAY", "QUARRO",  "RIVENBY",
    "SALTHOLM", "TAMBRY",   "UMBERTON", "VESPERA",  "WILDMERE", "XANTHE",  "YARLOW",   "ZEPHYRA", "AMBRIS"};
constexpr std::array<const char*, 27> kMascots = {"KITES", "NEWTS",  "QUILLS", "MOTHS", "GEARS",  "FERNS", "SLATES",
                                                  "COGS",  "WRENS",  "HARES",  "YETIS", "ORBS",   "DUNES", "FLINTS",
                                                  "GUSTS", "MINKS",  "PIKES",  "LARKS", "PLUMS",  "ROOKS", "MULES",
                                                  "TOADS", "EMBERS", "VOLES",  "GNATS", "OTTERS", "ANVILS"};
constexpr std::array<const char*, 40> kFirstNames = {
    "AREN",  "BODE",  "CALE",  "DARO", "EMRY", "FENN", "GARO", "HALE", "IVO",   "JORI",
    "KAEL",  "LIOR",  "MAREK", "NILO", "ORIN", "PELL", "QUIN", "RASK", "SOREN", "TAVO",
    "ULRIC", "VANCE", "WYLE",  "XAN",  "YORI", "ZEB",  "ALDO", "BRAM", "CORIN", "DESH",
    "ELLIS", "FARO",  "GIDE",  "HOLT", "ISAK", "JEM",  "KORB", "LUND", "MILO",  "NESS"};
constexpr std::array<const char*, 16> kLastStems = {"BRAN", "COL", "DAR", "FEN", "GAL", "HAR", "KEL", "LOR",
                                                    "MAR",  "NOR", "PEL", "RAD", "SAL", "TOR", "VAL", "WEN"};
constexpr std::array<const char*, 14> kLastEnds = {"BY",  "DEN",  "FORD", "GAN", "KIN", "LEY",  "MON",
                                                   "NER", "RICK", "SON",  "TON", "VIK", "WELL", "ZER"};

// Positions of the twelve roster slots: guards, forwards, centers.
constexpr std::array<std::uint8_t, 12> kSlotPositions = {0, 1, 0, 1, 2, 3, 2, 3, 4, 4, 2, 0};

// NES colour indexes the teams wear: reds, blues, greens, yellows, purples, greys.
constexpr std::array<std::uint8_t, 14> kNesColors = {0x16, 0x06, 0x12, 0x02, 0x1A, 0x09, 0x28,
                                                     0x27, 0x14, 0x04, 0x2C, 0x00, 0x30, 0x0F};

struct Rgb5 {
    int r, g, b;
};

int word(Rgb5 c) { return (c.r & 31) | (c.g & 31) << 5 | (c.b & 31) << 10; }

Rgb5 shade(Rgb5 c, int num, int den) { return {c.r * num / den, c.g * num / den, c.b * num / den}; }

Rgb5 lighten(Rgb5 c) { return {(c.r + 31) / 2, (c.g + 31) / 2, (c.b + 31) / 2}; }

// SNES team colours: a primary and a secondary, 5 bits a channel.
Rgb5 teamColor(int t, int which) {
    static constexpr std::array<Rgb5, 12> hues = {{{26, 4, 4},
                                                   {4, 8, 24},
                                                   {4, 20, 8},
                                                   {28, 24, 4},
                                                   {16, 4, 22},
                                                   {28, 14, 2},
                                                   {4, 22, 24},
                                                   {12, 12, 12},
                                                   {22, 2, 12},
                                                   {10, 16, 4},
                                                   {2, 4, 12},
                                                   {30, 30, 30}}};
    return hues[static_cast<std::size_t>((t * 5 + which * 7 + which) % 12)];
}

// The preview figure, 16 x 48 pixels, as the palette entries of the SNES edition:
// 1 outline, 2 skin, 3 skin shade, 4 hair, 5 jersey, 6 jersey trim, 7 number, 8 shorts,
// 9 shorts trim, 10 socks, 11 shoes, 12 soles, 13 eyes, 14 mouth, 15 jersey highlight.
constexpr std::array<const char*, 48> kFigure = {
    "................", "......oooo......", ".....ohhhho.....", "....ohhhhhho....", "....ohssssho....",
    "....osesseso....", "....osssssso....", "....ossmmsso....", ".....oSSSSo.....", "......oSSo......",
    "....oojjjjoo....", "..oojJJJJJJjoo..", ".ossjJJJJJJjsso.", ".osSjJnnnnJjSso.", ".osSoJnJJnJoSso.",
    ".osSoJnnnnJoSso.", ".osSoJnJJnJoSso.", ".osSoJnnnnJoSso.", ".osSoJJJJJJoSso.", ".osSoJfJJfJoSso.",
    ".osSoJJJJJJoSso.", ".osSoJJJJJJoSso.", ".ossojjjjjjosso.", ".ossoPPPPPPosso.", "..oooPPPPPPooo..",
    "...oPPPPPPPPo...", "...oPPPPPPPPo...", "...opPPPPPPpo...", "...oPPPooPPPo...", "...oppPo.oPppo..",
    "....osSo..osSo..", "....osSo..osSo..", "....osSo..osSo..", "....osSo..osSo..", "....osSo..osSo..",
    "....osSo..osSo..", "....osSo..osSo..", "....owwo..owwo..", "....owwo..owwo..", "....owwo..owwo..",
    "....owwo..owwo..", "....owwo..owwo..", "...okkko.okkko..", "..okkkko.okkkko.", "..okKKKo.oKKKko.",
    "..oKKKKo.oKKKKo.", "................", "................"};

int snesValue(char c) {
    switch (c) {
        case 'o':
            return 1;
        case 's':
            return 2;
        case 'S':
            return 3;
        case 'h':
            return 4;
        case 'J':
            return 5;
        case 'j':
            return 6;
        case 'n':
            return 7;
        case 'P':
            return 8;
        case 'p':
            return 9;
        case 'w':
            return 10;
        case 'k':
            return 11;
        case 'K':
            return 12;
        case 'e':
            return 13;
        case 'm':
            return 14;
        case 'f':
            return 15;
        default:
            return 0;
    }
}

// The NES figure has four colours: background, black, skin and the team colour.
int nesValue(char c) {
    switch (snesValue(c)) {
        case 0:
            return 0;
        case 2:
        case 3:
            return 2;
        case 5:
        case 6:
        case 8:
        case 9:
        case 10:
        case 15:
            return 3;
        default:
            return 1;
    }
}

// The figure's tiles where the preview reads them, each cut from its place in kFigure.
// NES tiles hold bit 0 of a row's pixels at the left; SNES tiles bit 7.
void placeFigure(RomImage& rom, ConsoleKind kind) {
    const int tileBytes = FigureLayout::tileBytes(kind);
    for (const FigureLayout::TileRun& run : FigureLayout::runs(kind)) {
        for (int t = 0; t < run.count; ++t) {
            const std::size_t base = static_cast<std::size_t>(run.offset + tileBytes * t);
            const FigureLayout::Corner& c = run.corners[static_cast<std::size_t>(t)];
            for (int r = 0; r < FigureLayout::kTileSide; ++r) {
                std::uint8_t planes[4] = {};
                for (int x = 0; x < FigureLayout::kTileSide; ++x) {
                    const char pixel = kFigure[static_cast<std::size_t>(c.y + r)][c.x + x];
                    const int v = kind == Console::Nes ? nesValue(pixel) : snesValue(pixel);
                    const int bit = kind == Console::Nes ? x : 7 - x;
                    for (int k = 0; k < 4; ++k)
                        planes[k] = static_cast<std::uint8_t>(planes[k] | ((v >> k) & 1) << bit);
                }
                const std::size_t row = static_cast<std::size_t>(r);
                if (kind == Console::Nes) {
                    rom[base + row] = planes[0];
                    rom[base + 8 + row] = planes[1];
                } else {
                    rom[base + 2 * row] = planes[0];
                    rom[base + 2 * row + 1] = planes[1];
                    rom[base + 16 + 2 * row] = planes[2];
                    rom[base + 17 + 2 * row] = planes[3];
                }
            }
        }
    }
}

// Eight 16-colour palettes a team: four skin tones, home (primary jersey) and away
// (light jersey with primary trim).
void setSnesPalettes(clsTeam& team, int t) {
    static constexpr std::array<Rgb5, 4> skins = {{{30, 24, 18}, {26, 18, 12}, {20, 13, 8}, {14, 9, 5}}};
    static constexpr std::array<Rgb5, 4> hair = {{{20, 14, 4}, {8, 5, 2}, {3, 2, 1}, {2, 2, 2}}};
    Rgb5 primary = teamColor(t, 0), secondary = teamColor(t, 1);
    for (int p = 0; p < 8; ++p) {
        bool away = p >= 4;
        Rgb5 skin = skins[static_cast<std::size_t>(p & 3)];
        Rgb5 jersey = away ? Rgb5{29, 29, 29} : primary;
        Rgb5 trim = away ? primary : secondary;
        const std::array<int, 16> entries = {
            0,                        // transparent
            word({2, 2, 3}),          // outline
            word(skin),               // skin
            word(shade(skin, 3, 4)),  // skin shade
            word(hair[static_cast<std::size_t>(p & 3)]),
            word(jersey),
            word(trim),
            word(away ? primary : lighten(secondary)),  // number
            word(jersey),                               // shorts
            word(trim),                                 // shorts trim
            word({30, 30, 30}),                         // socks
            word({4, 4, 6}),                            // shoes
            word({26, 26, 26}),                         // soles
            word({3, 3, 8}),                            // eyes
            word({20, 8, 8}),                           // mouth
            word(lighten(jersey)),                      // highlight
        };
        for (int k = 0; k < 16; ++k) team.setUniformColor_1Word(16 * p + k, entries[static_cast<std::size_t>(k)]);
    }
}

void makePlayer(clsPlayer& pl, Sequence& seq, int slot, std::uint8_t jersey) {
    pl.setFirst(kFirstNames[static_cast<std::size_t>(seq.in(0, static_cast<int>(kFirstNames.size()) - 1))]);
    std::string last = kLastStems[static_cast<std::size_t>(seq.in(0, static_cast<int>(kLastStems.size()) - 1))];
    last += kLastEnds[static_cast<std::size_t>(seq.in(0, static_cast<int>(kLastEnds.size()) - 1))];
    pl.setLast(last);
    std::uint8_t pos = kSlotPositions[static_cast<std::size_t>(slot)];
    pl.setPosition(pos);
    pl.setJersey(jersey);
    // Height in inches by position: guards 5'9"-6'5", forwards 6'5"-6'10", centers 6'10"-7'4".
    int height = pos < 2 ? seq.in(69, 77) : pos < 4 ? seq.in(77, 82) : seq.in(82, 88);
    pl.setFeet(static_cast<std::uint8_t>(height / 12));
    pl.setInch(static_cast<std::uint8_t>(height % 12));
    int weight = pos < 2 ? seq.in(40, 52) : pos < 4 ? seq.in(50, 64) : seq.in(60, 75);  // quarters of a pound figure
    pl.setWeight(static_cast<std::int16_t>(4 * weight));
    pl.setFGpercent(static_cast<std::int16_t>(4 * (pos < 2 ? seq.in(10, 12) : seq.in(11, 14))));
    pl.setFTpercent(static_cast<std::int16_t>(4 * (pos < 4 ? seq.in(17, 23) : seq.in(14, 19))));
    pl.set3PTpercent(static_cast<std::int16_t>(4 * (pos < 2 ? seq.in(8, 11) : pos < 4 ? seq.in(5, 9) : seq.in(0, 5))));
    // Ratings over the game's ranges; guards quick, centers strong at the rim.
    pl.setRunSpeed(static_cast<std::uint8_t>(pos < 2 ? seq.in(14, 31) : pos < 4 ? seq.in(6, 24) : seq.in(0, 15)));
    const Rating& jump = kRatings[Rating::Jumping];
    pl.setJump(static_cast<std::uint8_t>(seq.in(jump.rawMin, jump.rawMax)));
    pl.setSteal(static_cast<std::uint8_t>(pos < 2 ? seq.in(80, 200) : seq.in(0, 140)));
    int face = seq.in(0, 15);
    int block = pos < 2 ? seq.in(0, 5) : pos < 4 ? seq.in(3, 9) : seq.in(7, 12);
    pl.setBlock(static_cast<std::uint8_t>(face << 4 | block));
    int race = seq.in(0, 1) << 7;
    int range = pos < 2 ? seq.in(6, 10) : pos < 4 ? seq.in(3, 8) : seq.in(0, 4);
    pl.setShotRange(static_cast<std::uint8_t>(race | range));
    pl.setStamina(static_cast<std::uint8_t>(seq.in(40, 99)));
    pl.setUnknownByte(0);
}

clsProject makeLeague() {
    clsProject project;
    Sequence seq(0x7A35E1u);
    for (int t = 0; t < clsProject::kTeams; ++t) {
        clsTeam& team = *project.getTeamRef(t);
        team.setCity(kCities[static_cast<std::size_t>(t)]);
        team.setMascot(kMascots[static_cast<std::size_t>(t)]);
        team.setAbrev(std::string(kCities[static_cast<std::size_t>(t)], 3));
        team.setPointsScored(static_cast<std::uint8_t>(seq.in(96, 118)));
        team.setPointsGiven(static_cast<std::uint8_t>(seq.in(96, 118)));
        std::uint8_t c0 = kNesColors[static_cast<std::size_t>(t % 14)];
        std::uint8_t c1 = kNesColors[static_cast<std::size_t>((t * 3 + 5) % 14)];
        if (c1 == c0) c1 = 0x30;
        team.setUniformColor_NES(c0, c1);
        setSnesPalettes(team, t);
        // Twelve different jersey numbers.
        std::array<bool, 100> taken{};
        for (int p = 0; p < clsTeam::kRoster; ++p) {
            int jersey = seq.in(0, 99);
            while (taken[static_cast<std::size_t>(jersey)]) jersey = (jersey + 7) % 100;
            taken[static_cast<std::size_t>(jersey)] = true;
            makePlayer(*team.getPlayerRef(p), seq, p, static_cast<std::uint8_t>(jersey));
        }
    }
    // 41 rounds in which every team plays once at home: 82 games a team.
    int game = 0;
    for (int round = 0; round < 41; ++round) {
        int gap = 1 + round % 26;
        for (int i = 0; i < clsProject::kTeams; ++i) {
            int home = (i + 7 * round) % 27;
            project.setMatchupBytes(game++, static_cast<std::uint8_t>(home),
                                    static_cast<std::uint8_t>((home + gap) % 27));
        }
    }
    // All-stars: the best-rated player of teams 0..11 (west) and 14..25 (east), by the sum
    // of the display scales of every rating but stamina.
    auto best = [&](int t) {
        int bestSlot = 0;
        int bestScore = -1;
        for (int p = 0; p < clsTeam::kRoster; ++p) {
            const clsPlayer& pl = *project.getTeamRef(t)->getPlayerRef(p);
            int score = 0;
            for (int r = Rating::RunSpeed; r < Rating::Stamina; ++r)
                score += kRatings[static_cast<std::size_t>(r)].value(pl);
            if (score > bestScore) {
                bestScore = score;
                bestSlot = p;
            }
        }
        return static_cast<std::uint8_t>(bestSlot);
    };
    for (int i = 0; i < clsProject::kAllStars; ++i) {
        project.setWestAllStar(i, static_cast<std::uint8_t>(i), best(i));
        project.setEastAllStar(i, static_cast<std::uint8_t>(14 + i), best(14 + i));
    }
    return project;
}

void setSnesHeader(RomImage& rom) {
    const char title[] = "SUPER NBA BASKETBALL ";  // 21 bytes of title field
    std::memcpy(rom.data() + 0x7FC0, title, 21);
    rom[0x7FD5] = 0x20;  // LoROM
    rom[0x7FD6] = 0x00;  // ROM only
    rom[0x7FD7] = 0x0A;  // 1 MiB
    rom[0x7FD9] = 0x01;  // region
    // Checksum and its complement, counted with the placeholder pair FFFF/0000.
    rom[0x7FDC] = 0xFF;
    rom[0x7FDD] = 0xFF;
    rom[0x7FDE] = 0x00;
    rom[0x7FDF] = 0x00;
    unsigned sum = 0;
    for (std::uint8_t b : rom) sum += b;
    sum &= 0xFFFF;
    unsigned complement = sum ^ 0xFFFF;
    rom[0x7FDC] = static_cast<std::uint8_t>(complement & 0xFF);
    rom[0x7FDD] = static_cast<std::uint8_t>(complement >> 8);
    rom[0x7FDE] = static_cast<std::uint8_t>(sum & 0xFF);
    rom[0x7FDF] = static_cast<std::uint8_t>(sum >> 8);
}

}  // namespace

RomImage makeNes() {
    RomImage rom(0x10 + 0x60000, 0);
    const std::uint8_t header[16] = {'N', 'E', 'S', 0x1A, 0x10, 0x10, 0x40, 0x00};  // 256 KiB PRG, 128 KiB CHR
    std::memcpy(rom.data(), header, sizeof header);
    clsProject league = makeLeague();
    if (saveProjectToRom(league, rom, OffsetSet::nesDefaults(), Console::Nes) != Result::Ok) return {};
    placeFigure(rom, Console::Nes);
    return rom;
}

RomImage makeSnes() {
    RomImage rom(0x100000, 0);
    clsProject league = makeLeague();
    if (saveProjectToRom(league, rom, OffsetSet::snesDefaults(), Console::Snes) != Result::Ok) return {};
    placeFigure(rom, Console::Snes);
    setSnesHeader(rom);
    return rom;
}

ResultCode writeDemoRoms(const std::string& dir) {
    if (FileIO::makeFolders(dir) != Result::Ok) return Result::Failed;
    RomImage nes = makeNes(), snes = makeSnes();
    if (nes.empty() || snes.empty()) return Result::Failed;
    if (FileIO::writeFileAtomically(PathText::join(dir, "demo.nes"), nes.data(), nes.size()) != Result::Ok)
        return Result::Failed;
    if (FileIO::writeFileAtomically(PathText::join(dir, "demo.smc"), snes.data(), snes.size()) != Result::Ok)
        return Result::Failed;
    return Result::Ok;
}

}  // namespace DemoRom
