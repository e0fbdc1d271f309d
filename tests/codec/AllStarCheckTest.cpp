// All-star slots that name no player: roster bytes of an image decode to any pair, the reader accepts them, the
// listing names each such slot, and the save refuses them with the image untouched.
#include <gtest/gtest.h>

#include "codec/AllStarCheck.h"
#include "codec/RomWriter.h"
#include "demo/DemoRom.h"
#include "support/ReferenceImages.h"

namespace {

TEST(AllStarCheck, SlotsNamingNoPlayerAreListedAndTheSaveRefusesThem) {
    using Bytes = std::vector<std::array<int, 3>>;  // a roster table offset (west slot s at 2s, east at 24 + 2s),
                                                    // the team byte and the player byte there
    const std::tuple<const char*, Bytes, std::string> rows[] = {
        // name, the bytes, the slots listed
        {"a damaged image", {}, testsupport::kDamagedSlots},
        {"team 26 player 11, the last of both", {{22, 52, 22}, {46, 52, 22}}, ""},
        {"team 27", {{6, 54, 4}}, "west all-star 3 names team 27"},
        {"team 128 and player 128 from bytes of 255", {{36, 255, 255}}, "east all-star 6 names team 128"},
        {"player 12 of team 1", {{18, 2, 24}}, "west all-star 9 names player 12 of team 1"},
    };
    for (const ConsoleKind kind : {Console::Nes, Console::Snes}) {
        const RomImage demo = kind == Console::Nes ? DemoRom::makeNes() : DemoRom::makeSnes();
        const OffsetSet o = testsupport::defaultOffsets(kind);
        for (const auto& [name, bytes, problems] : rows) {
            SCOPED_TRACE(std::string(name) + (kind == Console::Nes ? " (NES)" : " (SNES)"));
            RomImage rom = bytes.empty() ? testsupport::withDamagedAllStars(demo, kind) : demo;
            const auto roster = static_cast<std::size_t>(o[OffsetSet::allStarRosterTable]);
            for (const auto& [at, team, player] : bytes) {
                rom.at(roster + static_cast<std::size_t>(at)) = static_cast<std::uint8_t>(team);
                rom.at(roster + static_cast<std::size_t>(at) + 1) = static_cast<std::uint8_t>(player);
            }
            const RomImage before = rom;
            clsProject league;
            ASSERT_EQ(loadProjectFromRom(league, rom, o, kind), Result::Ok);
            std::string texts;
            for (const AllStarCheck::Problem& p : AllStarCheck::findProblems(league))
                texts += (texts.empty() ? "" : "\n") + AllStarCheck::describe(p);
            EXPECT_EQ(texts, problems);
            EXPECT_EQ(saveProjectToRom(league, rom, o, kind), problems.empty() ? Result::Ok : Result::Failed);
            EXPECT_TRUE(problems.empty() || rom == before) << "the refused save changed the image";
        }
    }
}

}  // namespace
