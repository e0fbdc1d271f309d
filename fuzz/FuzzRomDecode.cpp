// Decodes the league from a fixture image with a few bytes patched, offset-set entries
// shifted a little and, now and then, the image cut short. A decode must stay inside the
// image; a league it gives must save either completely or not at all, a second save must
// write the same image, and where the offsets allow it the saved image reads back as the
// same league.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "LeagueCompare.h"
#include "RomRegions.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "demo/DemoRom.h"

namespace {

// One edition's image, cut after the last region its default offsets place (plus room
// for shifted regions), so that a run copies a fraction of the cartridge.
struct Base {
    ConsoleKind kind;
    OffsetSet offsets;
    RomImage image;
};

Base compactBase(ConsoleKind kind, const RomImage& full) {
    Base b{kind, kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults(), {}};
    std::int64_t end = 0;
    for (const RomRegions::Region& r : RomRegions::written(kind)) end = std::max(end, b.offsets[r.entry] + r.size);
    end = std::min<std::int64_t>(end + 0x100, static_cast<std::int64_t>(full.size()));
    b.image.assign(full.begin(), full.begin() + end);
    return b;
}

// The reference fixtures beside the checkout; the demo images when they are missing.
std::vector<Base>& bases() {
    static std::vector<Base> all = [] {
        std::vector<Base> out;
        const std::pair<const char*, ConsoleKind> fixtures[] = {{"/nes-1/game.nes", Console::Nes},
                                                                {"/snes-1/game.smc", Console::Snes},
                                                                {"/snes-overflow-2/game.smc", Console::Snes}};
        for (const auto& [file, kind] : fixtures) {
            RomImage image;
            if (RomFile::readRomFile(std::string(TAMSEL_FIXTURES_DIR) + file, kind, image) == Result::Ok)
                out.push_back(compactBase(kind, image));
        }
        if (out.empty()) {
            out.push_back(compactBase(Console::Nes, DemoRom::makeNes()));
            out.push_back(compactBase(Console::Snes, DemoRom::makeSnes()));
        }
        return out;
    }();
    return all;
}

// Patches a base image for one run and puts the old bytes back afterwards, also when a
// check fails half-way.
class Patches {
public:
    explicit Patches(RomImage& image) : image_(image) {}
    ~Patches() {
        for (auto it = old_.rbegin(); it != old_.rend(); ++it) image_[it->first] = it->second;
    }
    void set(std::int64_t at, std::uint8_t value) {
        if (at < 0 || at >= static_cast<std::int64_t>(image_.size())) return;
        const auto i = static_cast<std::size_t>(at);
        old_.emplace_back(i, image_[i]);
        image_[i] = value;
    }

private:
    RomImage& image_;
    std::vector<std::pair<std::size_t, std::uint8_t>> old_;
};

// Copies into a buffer kept between runs: a fresh image-sized allocation each run would
// cost more than the decoding.
RomImage& copyInto(RomImage& buffer, const RomImage& from) {
    buffer.assign(from.begin(), from.end());
    return buffer;
}

void checkSave(const clsProject& decoded, const RomImage& image, const OffsetSet& offsets, ConsoleKind kind) {
    using FuzzCheck::require;
    static RomImage savedBuffer, againBuffer;
    clsProject league = decoded;
    RomImage& saved = copyInto(savedBuffer, image);
    if (saveProjectToRom(league, saved, offsets, kind) != Result::Ok) {
        require(saved == image, "a refused save changed the image");
        return;
    }
    RomImage& again = copyInto(againBuffer, saved);
    require(saveProjectToRom(league, again, offsets, kind) == Result::Ok, "a second save without edits failed");
    require(again == saved, "a second save without edits wrote other bytes");

    if (!RomRegions::layoutRoundTrips(offsets, kind)) return;
    clsProject reread;
    require(loadProjectFromRom(reread, saved, offsets, kind) == Result::Ok, "the saved image does not decode");
    const std::string diff = LeagueCompare::firstDifference(decoded, reread, kind);
    require(diff.empty(), "the saved image decodes to another league: " + diff);
}

}  // namespace

int FuzzRomDecode(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    Base& base = bases()[static_cast<std::size_t>(in.byte()) % bases().size()];
    const std::uint8_t mode = in.byte();
    // Mostly the image's own edition; now and then the other one or none.
    const ConsoleKind other = base.kind == Console::Nes ? Console::Snes : Console::Nes;
    const ConsoleKind kinds[] = {base.kind, base.kind, base.kind, base.kind, base.kind, other, Console::None, 3};
    const ConsoleKind kind = (mode & 0x80) ? kinds[mode & 7] : base.kind;
    const std::vector<RomRegions::Region> regions = RomRegions::written(base.kind);

    // Shifts: an entry and a signed step, in bytes or (bit 6 of the mode) in 256-byte steps.
    OffsetSet offsets = base.offsets;
    for (int n = in.byte() % 4; n > 0; --n) {
        const int entry = in.byte() % OffsetSet::Count;
        const auto step = static_cast<std::int8_t>(in.byte());
        offsets[entry] += (mode & 0x40) ? step * 256 : step;
    }

    // Patches: a byte somewhere in (or just after) one of the regions.
    Patches patches(base.image);
    for (int n = in.byte() % 16; n > 0; --n) {
        const RomRegions::Region& r = regions[static_cast<std::size_t>(in.byte()) % regions.size()];
        const std::int64_t at = base.offsets[r.entry] + in.below(static_cast<int>(r.size) + 16);
        patches.set(at, in.byte());
    }

    // Bit 5 of the mode cuts the image inside a region.
    static RomImage cut;
    const RomImage* image = &base.image;
    if (mode & 0x20) {
        const RomRegions::Region& r = regions[static_cast<std::size_t>(in.byte()) % regions.size()];
        const std::int64_t end = std::clamp<std::int64_t>(base.offsets[r.entry] + in.below(static_cast<int>(r.size)), 0,
                                                          static_cast<std::int64_t>(base.image.size()));
        cut.assign(base.image.begin(), base.image.begin() + end);
        image = &cut;
    }

    clsProject decoded;
    if (loadProjectFromRom(decoded, *image, offsets, kind) != Result::Ok) return 0;
    checkSave(decoded, *image, offsets, kind);
    return 0;
}
