#include "codec/RomReader.h"

#include <algorithm>

#include "codec/ImageView.h"
#include "codec/OffsetCheck.h"
#include "codec/PointerForms.h"

namespace {

constexpr ResultCode kUnreadable = Result::Failed;  // something lies outside the image
constexpr ResultCode kNoSuchEdition = 2;            // a console kind the codec has no mapping for

// A roster byte holds twice the index; odd bytes halve to the even neighbour.
std::uint8_t halveRosterByte(std::uint8_t b) {
    unsigned q = b / 2u;
    if ((b & 1u) && (q & 1u)) ++q;
    return static_cast<std::uint8_t>(q);
}

class LeagueReader {
public:
    LeagueReader(clsProject& project, const RomImage& rom, const OffsetSet& o, ConsoleKind kind)
        : project_(project), img_(rom), o_(o), kind_(kind) {}

    ResultCode readTeam(int t) {
        clsTeam& team = *project_.getTeamRef(t);
        std::uint16_t tp = 0;
        if (!img_.word(std::int64_t{o_[OffsetSet::teamPtrTable]} + 2 * t, tp)) return kUnreadable;
        for (int p = 0; p < clsTeam::kRoster; ++p)
            if (!readPlayer(team, t, p, tp)) return kUnreadable;

        std::string text;
        if (!readText(OffsetSet::cityPtrTable, t, false, text)) return kUnreadable;
        team.setCity(text);
        if (!readText(OffsetSet::mascotPtrTable, t, false, text)) return kUnreadable;
        team.setMascot(text);
        if (!readText(OffsetSet::abrevPtrTable, t, true, text)) return kUnreadable;
        team.setAbrev(text);

        std::int64_t points = o_[OffsetSet::pointsTable];
        std::uint8_t scored = 0, given = 0;
        if (!img_.byte(points + t, scored) || !img_.byte(points + 27 + t, given)) return kUnreadable;
        team.setPointsScored(scored);
        team.setPointsGiven(given);

        std::int64_t uniforms = o_[OffsetSet::uniformTable];
        if (kind_ == Console::Nes) {
            std::uint8_t c0 = 0, c1 = 0;
            if (!img_.byte(uniforms + t, c0) || !img_.byte(uniforms + 29 + t, c1)) return kUnreadable;
            team.setUniformColor_NES(c0, c1);
            team.uniformNES_vaild = true;
        } else if (kind_ == Console::Snes) {
            const std::uint8_t* words = img_.span(uniforms + 256 * t, 256);
            if (!words) return kUnreadable;
            for (int c = 0; c < 128; ++c) team.setUniformColor_2Bytes(c, words[2 * c], words[2 * c + 1]);
            team.uniformSNES_vaild = true;
        } else {
            return kNoSuchEdition;
        }
        return Result::Ok;
    }

    ResultCode readRostersAndSchedule() {
        const std::uint8_t* roster = img_.span(o_[OffsetSet::allStarRosterTable], 48);
        const std::uint8_t* schedule = img_.span(o_[OffsetSet::scheduleTable], clsProject::kScheduleBytes);
        if (!roster || !schedule) return kUnreadable;
        for (int i = 0; i < clsProject::kAllStars; ++i) {
            project_.setWestAllStar(i, halveRosterByte(roster[2 * i]), halveRosterByte(roster[2 * i + 1]));
            project_.setEastAllStar(i, halveRosterByte(roster[24 + 2 * i]), halveRosterByte(roster[25 + 2 * i]));
        }
        std::copy(schedule, schedule + clsProject::kScheduleBytes, project_.schedule().begin());
        return Result::Ok;
    }

private:
    bool readPlayer(clsTeam& team, int t, int p, std::uint16_t teamPtr) {
        clsPlayer& player = *team.getPlayerRef(p);
        std::uint16_t w = 0;
        if (!img_.word(RomPointer::playerListOffset(teamPtr, kind_) + 2 * p, w)) return false;
        std::int64_t record = RomPointer::playerRecordOffset(w, kind_);
        if (!img_.contains(record, 0)) return false;
        std::size_t available = static_cast<std::size_t>(img_.size() - record);
        if (player.decodeDataRecord(img_.span(record, 0), available) == 0) return false;

        std::int64_t size = static_cast<std::int64_t>(clsPlayer::ratingRecordSize(kind_));
        const std::uint8_t* rating = img_.span(o_[OffsetSet::attributeTable] + t * 12 * size + p * size, size);
        if (!rating) return false;
        player.readRatingRecord(rating, kind_);
        return true;
    }

    bool readText(int pointerTable, int t, bool abbreviation, std::string& out) const {
        std::uint16_t w = 0;
        if (!img_.word(std::int64_t{o_[pointerTable]} + 2 * t, w)) return false;
        std::int64_t at =
            abbreviation ? RomPointer::abrevTextOffset(w, kind_) : RomPointer::cityMascotTextOffset(w, kind_);
        return img_.text(at, out);
    }

    clsProject& project_;
    ImageView img_;
    const OffsetSet& o_;
    ConsoleKind kind_;
};

}  // namespace

ResultCode loadProjectFromRom(clsProject& project, const RomImage& rom, const OffsetSet& offsets, ConsoleKind kind) {
    // A set that places a region outside the image, or two regions on the same bytes, is
    // not this image's: nothing is decoded. Other kinds keep their own failure below.
    if ((kind == Console::Nes || kind == Console::Snes) &&
        !OffsetCheck::check(offsets, kind, static_cast<std::int64_t>(rom.size())).ok())
        return kUnreadable;
    LeagueReader reader(project, rom, offsets, kind);
    for (int t = 0; t < clsProject::kTeams; ++t) {
        ResultCode r = reader.readTeam(t);
        if (r != Result::Ok) return r;
    }
    return reader.readRostersAndSchedule();
}
