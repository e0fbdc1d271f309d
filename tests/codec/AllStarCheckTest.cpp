// All-star slots that name no player: roster bytes of an image decode to any pair, the reader accepts them, the
// listing names each such slot, and the save refuses them with the image untouched. Whatever the reader accepts,
// a save either succeeds, and a second save gives the same image again, or writes nothing.
#include <gtest/gtest.h>

#include "codec/AllStarCheck.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "demo/DemoRom.h"
#include "support/ReferenceImages.h"

namespace {

using AllStarCheck::Conference;
using AllStarCheck::Problem;
const auto W = Conference::West, E = Conference::East;

// The roster bytes of one slot as the image holds them (doubled indexes, team byte first; west pairs at +0,
// east pairs at +24).
struct Patch {
    Conference conference;
    int slot;
    std::uint8_t teamByte, playerByte;
};

std::vector<std::string> texts(const clsProject& pr) {
    std::vector<std::string> out;
    for (const Problem& p : AllStarCheck::findProblems(pr)) out.push_back(AllStarCheck::describe(p));
    return out;
}

TEST(AllStarCheck, EveryImageTheReaderAcceptsSavesTwiceAlikeOrIsLeftUntouched) {
    struct Row {
        std::string name;
        std::vector<Patch> patches;
        std::vector<std::string> problems;
    };  // problems empty: the save goes through
    const Row rows[] = {
        {"team 26 player 11, the last of both", {{W, 11, 52, 22}, {E, 11, 52, 22}}, {}},
        {"team 27", {{W, 3, 54, 4}}, {"west all-star 3 names team 27"}},
        {"team 128 and player 128 from bytes of 255", {{E, 6, 255, 255}}, {"east all-star 6 names team 128"}},
        {"player 12 from a roster byte of 25", {{E, 0, 8, 25}}, {"east all-star 0 names player 12 of team 4"}},
        {"both conferences, listed west first",
         {{E, 0, 8, 25}, {W, 3, 184, 6}, {W, 9, 2, 24}},
         {"west all-star 3 names team 92", "west all-star 9 names player 12 of team 1",
          "east all-star 0 names player 12 of team 4"}},
    };
    std::vector<std::tuple<std::string, ConsoleKind, RomImage>> images = {
        {"demo NES", Console::Nes, DemoRom::makeNes()}, {"demo SNES", Console::Snes, DemoRom::makeSnes()}};
    for (int k = 0; k < 2 && testsupport::haveFixtures(); ++k)
        images.emplace_back(testsupport::kReferences[k].folder, testsupport::kReferences[k].kind,
                            testsupport::kReferences[k].image());
    for (const auto& [image, kind, bytes] : images)
        for (const Row& row : rows) {
            SCOPED_TRACE(image + ", " + row.name);
            const OffsetSet o = testsupport::defaultOffsets(kind);
            RomImage rom = bytes;
            for (const Patch& p : row.patches) {
                const std::size_t at = static_cast<std::size_t>(o[OffsetSet::allStarRosterTable] +
                                                                (p.conference == E ? 24 : 0) + 2 * p.slot);
                rom[at] = p.teamByte;
                rom[at + 1] = p.playerByte;
            }
            const RomImage patched = rom;
            clsProject pr;
            ASSERT_EQ(loadProjectFromRom(pr, rom, o, kind), Result::Ok);
            EXPECT_EQ(texts(pr), row.problems);
            const ResultCode first = saveProjectToRom(pr, rom, o, kind);
            if (!row.problems.empty()) {
                EXPECT_EQ(first, Result::Failed);
                EXPECT_TRUE(rom == patched) << "the refused save changed the image";
                continue;
            }
            ASSERT_EQ(first, Result::Ok);
            const RomImage once = rom;
            ASSERT_EQ(saveProjectToRom(pr, rom, o, kind), Result::Ok);
            EXPECT_TRUE(rom == once) << "the second save changed the image";
        }
}

}  // namespace
