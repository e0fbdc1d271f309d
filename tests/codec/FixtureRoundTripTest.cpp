// The reference images and the demo images (which tamsel-cli demo writes to disk): the decoded league equals the
// reference decoding value by value, and encoding it again, twice, gives the image back byte for byte.
#include <gtest/gtest.h>

#include <cctype>

#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "demo/DemoRom.h"
#include "model/Rating.h"
#include "support/ReferenceImages.h"

namespace {

// The strings, numbers and truth values of a JSON text in order, keys left out.
std::vector<std::string> jsonValues(const std::string& json) {
    std::vector<std::string> out;
    for (std::size_t i = 0, end; i < json.size(); i = end) {
        const bool quoted = json[i] == '"';
        const bool bare = std::isalnum(static_cast<unsigned char>(json[i])) || json[i] == '-';
        end = quoted ? json.find('"', i + 1) + 1 : bare ? json.find_first_of(",]} \r\n\t", i) : i + 1;
        if (quoted || bare) out.push_back(json.substr(i + quoted, end - i - 2 * quoted));
        if (quoted && json[json.find_first_not_of(" \r\n\t", end)] == ':') out.pop_back();
    }
    return out;
}

// The same values from a decoded league, in the reference decoding's order.
std::vector<std::string> leagueValues(const clsProject& pr, bool nes) {
    std::vector<std::string> v = {nes ? "nes" : "snes"};
    auto add = [&](std::initializer_list<int> xs) {
        for (int x : xs) v.push_back(std::to_string(x));
    };
    for (int t = 0; t < 27; ++t) {
        const clsTeam& tm = *pr.getTeamRef(t);
        v.insert(v.end(), {tm.getCity(), tm.getMascot(), tm.getAbrev()});
        add({tm.getPointsScored(), tm.getPointsGiven()});
        for (int k = 0; k < (nes ? 2 : 256); ++k) add({nes ? tm.getUniformColor_NES_single(k) : tm.getUniformData(k)});
        v.push_back((nes ? tm.uniformNES_vaild : tm.uniformSNES_vaild) ? "true" : "false");
        for (int p = 0; p < 12; ++p) {
            const clsPlayer& pl = *tm.getPlayerRef(p);
            v.insert(v.end(), {pl.getFirst(), pl.getLast(), pl.getFullname()});
            add({pl.getJersey(), pl.getFeet(), pl.getInch(), pl.getWeight(), pl.getPosition(), pl.getFGpercent(),
                 pl.getFTpercent(), pl.get3PTpercent(), pl.getRunSpeed(), pl.getJump(), pl.getSteal(),
                 pl.getBlockByte(), pl.getShotRangeByte(), pl.getStamina()});
            for (const Rating& rating : kRatings) add({rating.value(pl)});
            if (!nes) add({pl.getUnknownByte()});
        }
    }
    for (std::uint8_t b : pr.schedule()) add({b});
    for (int g = 0; g < 1107; ++g) v.push_back(pr.getMatchupStr(g));
    for (int i = 0; i < 24; ++i) {
        const clsProject::Pair pair = i < 12 ? pr.getWestAllStar(i) : pr.getEastAllStar(i - 12);
        add({pair[0], pair[1]});
    }
    return v;
}

TEST(FixtureRoundTrip, DecodesAsTheReferenceDecodingAndEncodesBackTwice) {
    std::vector<testsupport::Reference> images = {{"demo NES", Console::Nes}, {"demo SNES", Console::Snes}};
    if (testsupport::haveFixtures())
        images.insert(images.end(), std::begin(testsupport::kReferences), std::end(testsupport::kReferences));
    for (const testsupport::Reference& image : images) {
        SCOPED_TRACE(image.folder);
        const bool demo = image.folder.starts_with("demo");
        const RomImage original = !demo                        ? image.image()
                                  : image.kind == Console::Nes ? DemoRom::makeNes()
                                                               : DemoRom::makeSnes();
        const OffsetSet o = testsupport::defaultOffsets(image.kind);
        clsProject pr;
        ASSERT_EQ(loadProjectFromRom(pr, original, o, image.kind), Result::Ok);
        if (!demo) {
            const auto want = jsonValues(testsupport::readText(image.path("expected/decoded.json")));
            const auto got = leagueValues(pr, image.kind == Console::Nes);
            ASSERT_EQ(got.size(), want.size());
            for (std::size_t k = 0; k < want.size(); ++k)
                ASSERT_EQ(got[k], want[k]) << "value " << k << ", after " << want[k - (k > 0)];
        }
        RomImage rom = original;
        for (int pass = 0; pass < 2; ++pass) {  // a second save without edits changes nothing either
            ASSERT_EQ(saveProjectToRom(pr, rom, o, image.kind), Result::Ok);
            EXPECT_TRUE(rom == original) << "first difference at 0x" << std::hex
                                         << (std::mismatch(rom.begin(), rom.end(), original.begin()).first -
                                             rom.begin());
        }
    }
}

}  // namespace
