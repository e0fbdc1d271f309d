#include "LeagueCompare.h"

namespace LeagueCompare {

namespace {

// Where a field lies: team, player and index of the field, -1 where none applies.
struct At {
    int team = -1;
    int player = -1;
    std::string text(const char* name, int index) const {
        std::string s;
        if (team >= 0) s += "team " + std::to_string(team) + " ";
        if (player >= 0) s += "player " + std::to_string(player) + " ";
        s += name;
        if (index >= 0) s += " " + std::to_string(index);
        return s;
    }
};

// Collects the first difference; the text is only built for it.
class Diff {
public:
    template <typename T>
    void field(const At& at, const char* name, const T& a, const T& b, int index = -1) {
        if (!found_.empty() || a == b) return;
        found_ = at.text(name, index) + ": " + show(a) + " vs " + show(b);
    }
    const std::string& result() const { return found_; }

private:
    static std::string show(const std::string& s) { return '"' + s + '"'; }
    template <typename T>
    static std::string show(const T& v) {
        return std::to_string(v);
    }

    std::string found_;
};

void comparePlayer(Diff& d, const At& at, const clsPlayer& a, const clsPlayer& b, ConsoleKind kind) {
    d.field(at, "first", a.getFirst(), b.getFirst());
    d.field(at, "last", a.getLast(), b.getLast());
    d.field(at, "jersey", a.getJersey(), b.getJersey());
    d.field(at, "feet", a.getFeet(), b.getFeet());
    d.field(at, "inch", a.getInch(), b.getInch());
    d.field(at, "weight", a.getWeight(), b.getWeight());
    d.field(at, "position", a.getPosition(), b.getPosition());
    d.field(at, "fg", a.getFGpercent(), b.getFGpercent());
    d.field(at, "ft", a.getFTpercent(), b.getFTpercent());
    d.field(at, "3pt", a.get3PTpercent(), b.get3PTpercent());
    d.field(at, "run speed", a.getRunSpeed(), b.getRunSpeed());
    d.field(at, "jump", a.getJump(), b.getJump());
    d.field(at, "steal", a.getSteal(), b.getSteal());
    d.field(at, "block byte", a.getBlockByte(), b.getBlockByte());
    d.field(at, "shot range byte", a.getShotRangeByte(), b.getShotRangeByte());
    d.field(at, "stamina", a.getStamina(), b.getStamina());
    if (kind == Console::Snes) d.field(at, "unknown byte", a.getUnknownByte(), b.getUnknownByte());
}

void compareTeam(Diff& d, At at, const clsTeam& a, const clsTeam& b, ConsoleKind kind) {
    d.field(at, "city", a.getCity(), b.getCity());
    d.field(at, "mascot", a.getMascot(), b.getMascot());
    d.field(at, "abbreviation", a.getAbrev(), b.getAbrev());
    d.field(at, "points scored", a.getPointsScored(), b.getPointsScored());
    d.field(at, "points given", a.getPointsGiven(), b.getPointsGiven());
    if (kind == Console::Nes)
        for (int i = 0; i < 2; ++i)
            d.field(at, "NES colour", a.getUniformColor_NES_single(i), b.getUniformColor_NES_single(i), i);
    if (kind == Console::Snes)
        for (int k = 0; k < 256; ++k) d.field(at, "SNES uniform byte", a.getUniformData(k), b.getUniformData(k), k);
    for (int p = 0; p < clsTeam::kRoster; ++p) {
        at.player = p;
        comparePlayer(d, at, *a.getPlayerRef(p), *b.getPlayerRef(p), kind);
    }
}

}  // namespace

std::string firstDifference(const clsProject& a, const clsProject& b, ConsoleKind kind) {
    Diff d;
    for (int t = 0; t < clsProject::kTeams; ++t) compareTeam(d, At{t, -1}, *a.getTeamRef(t), *b.getTeamRef(t), kind);
    const At league;
    for (int i = 0; i < clsProject::kScheduleBytes; ++i)
        d.field(league, "schedule byte", a.schedule()[static_cast<std::size_t>(i)],
                b.schedule()[static_cast<std::size_t>(i)], i);
    for (int i = 0; i < clsProject::kAllStars; ++i) {
        d.field(league, "west all-star team", a.getWestAllStar(i)[0], b.getWestAllStar(i)[0], i);
        d.field(league, "west all-star player", a.getWestAllStar(i)[1], b.getWestAllStar(i)[1], i);
        d.field(league, "east all-star team", a.getEastAllStar(i)[0], b.getEastAllStar(i)[0], i);
        d.field(league, "east all-star player", a.getEastAllStar(i)[1], b.getEastAllStar(i)[1], i);
    }
    return d.result();
}

}  // namespace LeagueCompare
