// All-star slots that name no player: roster bytes of an image decode to any pair, the reader accepts them,
// the listing names each such slot, and the save refuses them with the image untouched. Whatever the reader
// accepts, a save either succeeds, and a second save gives the same image again, or writes nothing.
#include <gtest/gtest.h>

#include "codec/AllStarCheck.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "demo/DemoRom.h"
#include "support/TestSupport.h"

namespace AllStarCheck {
// Failures name the slot as the listing does.
void PrintTo(const Problem& p, std::ostream* os) { *os << describe(p); }
}  // namespace AllStarCheck

namespace {

using AllStarCheck::Conference;
using AllStarCheck::Fault;
using AllStarCheck::Problem;

// The roster bytes of one slot as the image holds them (doubled indexes), and the pair they read as.
struct Patch {
    Conference conference;
    int slot;
    std::uint8_t teamByte, playerByte;
    clsProject::Pair read;
};

struct Image {
    std::string name;
    ConsoleKind kind;
    RomImage bytes;
};

std::vector<Image> images() {
    std::vector<Image> out = {{"demo NES", Console::Nes, DemoRom::makeNes()}, {"demo SNES", Console::Snes, DemoRom::makeSnes()}};
    if (testsupport::haveFixtures()) {
        out.push_back({"nes-1", Console::Nes, testsupport::readBytes(testsupport::fixture("nes-1/game.nes"))});
        out.push_back({"snes-1", Console::Snes, testsupport::readBytes(testsupport::fixture("snes-1/game.smc"))});
    }
    return out;
}

OffsetSet offsetsOf(ConsoleKind kind) { return kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults(); }

// Writes the patches into the roster table: west pairs at +0, east pairs at +24, team byte first.
void patchRoster(RomImage& rom, ConsoleKind kind, const std::vector<Patch>& patches) {
    const std::size_t table = static_cast<std::size_t>(offsetsOf(kind)[OffsetSet::allStarRosterTable]);
    for (const Patch& p : patches) {
        const std::size_t at = table + (p.conference == Conference::East ? 24u : 0u) + 2u * static_cast<std::size_t>(p.slot);
        rom[at] = p.teamByte;
        rom[at + 1] = p.playerByte;
    }
}

std::vector<std::string> texts(const clsProject& pr) {
    std::vector<std::string> out;
    for (const Problem& p : AllStarCheck::findProblems(pr)) out.push_back(AllStarCheck::describe(p));
    return out;
}

struct DamageRow {
    std::string name;
    std::vector<Patch> patches;
    std::vector<std::string> problems;  // empty: the save goes through
};

TEST(AllStarCheck, EveryImageTheReaderAcceptsSavesTwiceAlikeOrIsLeftUntouched) {
    const auto W = Conference::West, E = Conference::East;
    const DamageRow rows[] = {
        {"unpatched", {}, {}},
        {"team 26 player 11, the last of both", {{W, 11, 52, 22, {26, 11}}, {E, 11, 52, 22, {26, 11}}}, {}},
        {"team 27", {{W, 3, 54, 4, {27, 2}}}, {"west all-star 3 names team 27"}},
        {"team 92 from a roster byte of 184", {{W, 3, 184, 6, {92, 3}}}, {"west all-star 3 names team 92"}},
        {"team 128 and player 128 from bytes of 255", {{E, 6, 255, 255, {128, 128}}}, {"east all-star 6 names team 128"}},
        {"player 12 from a roster byte of 25", {{E, 0, 8, 25, {4, 12}}}, {"east all-star 0 names player 12 of team 4"}},
        {"player 128 of team 26", {{E, 11, 52, 255, {26, 128}}}, {"east all-star 11 names player 128 of team 26"}},
        {"both conferences, listed west first",
         {{E, 0, 8, 25, {4, 12}}, {W, 3, 184, 6, {92, 3}}, {W, 9, 2, 24, {1, 12}}},
         {"west all-star 3 names team 92", "west all-star 9 names player 12 of team 1", "east all-star 0 names player 12 of team 4"}},
    };
    for (const Image& image : images())
        for (const DamageRow& row : rows) {
            SCOPED_TRACE(image.name + ", " + row.name);
            RomImage rom = image.bytes;
            patchRoster(rom, image.kind, row.patches);
            const RomImage patched = rom;
            const OffsetSet o = offsetsOf(image.kind);
            clsProject pr;
            ASSERT_EQ(loadProjectFromRom(pr, rom, o, image.kind), Result::Ok);
            for (const Patch& p : row.patches)
                EXPECT_EQ(p.conference == W ? pr.getWestAllStar(p.slot) : pr.getEastAllStar(p.slot), p.read) << "slot " << p.slot;
            EXPECT_EQ(texts(pr), row.problems);

            const ResultCode first = saveProjectToRom(pr, rom, o, image.kind);
            if (!row.problems.empty()) {
                EXPECT_EQ(first, Result::Failed);
                EXPECT_TRUE(rom == patched) << "the refused save changed the image";
                continue;
            }
            ASSERT_EQ(first, Result::Ok);
            const RomImage once = rom;
            ASSERT_EQ(saveProjectToRom(pr, rom, o, image.kind), Result::Ok);
            EXPECT_TRUE(rom == once) << "the second save changed the image";
        }
}

// Pairs set in the league (a project file holds any byte): one typed entry a slot, with its text.
TEST(AllStarCheck, ListsEachSlotNamingNoPlayer) {
    struct Row {
        std::string name;
        Conference conference;
        int slot;
        clsProject::Pair pair;
        std::vector<Problem> problems;
        std::vector<std::string> texts;
    };
    const auto W = Conference::West, E = Conference::East;
    const Row rows[] = {
        {"team 0 player 0", W, 0, {0, 0}, {}, {}},
        {"team 26 player 11", E, 11, {26, 11}, {}, {}},
        {"team 27", W, 5, {27, 0}, {{W, 5, Fault::NoSuchTeam, 27, 0}}, {"west all-star 5 names team 27"}},
        {"team 255 player 255", E, 1, {255, 255}, {{E, 1, Fault::NoSuchTeam, 255, 255}}, {"east all-star 1 names team 255"}},
        {"player 12", E, 0, {4, 12}, {{E, 0, Fault::NoSuchPlayer, 4, 12}}, {"east all-star 0 names player 12 of team 4"}},
        {"player 255", W, 7, {0, 255}, {{W, 7, Fault::NoSuchPlayer, 0, 255}}, {"west all-star 7 names player 255 of team 0"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clsProject pr;
        if (row.conference == W)
            pr.setWestAllStar(row.slot, row.pair[0], row.pair[1]);
        else
            pr.setEastAllStar(row.slot, row.pair[0], row.pair[1]);
        EXPECT_EQ(AllStarCheck::findProblems(pr), row.problems);
        EXPECT_EQ(texts(pr), row.texts);
    }
}

}  // namespace
