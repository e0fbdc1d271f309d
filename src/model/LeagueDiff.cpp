#include "model/LeagueDiff.h"

#include "base/TextNumber.h"

#include <cstdio>

#include "model/PlayerField.h"

namespace LeagueDiff {

namespace {

using Kind = Difference::Kind;

std::string pairText(std::int64_t v) { return std::to_string(v >> 8) + "." + std::to_string(v & 0xFF); }

std::int64_t packed(const clsProject::Pair& p) { return p[0] * 256 + p[1]; }

// Collects the differences in order; each add* compares one field.
class Collector {
public:
    std::vector<Difference> out;

    void text(Kind kind, int team, int player, const char* field, const std::string& a, const std::string& b) {
        if (a == b) return;
        Difference d = make(kind, team, player, 0, field);
        d.oldText = a;
        d.newText = b;
        out.push_back(std::move(d));
    }

    void number(Kind kind, int team, int player, int index, const char* field, std::int64_t a, std::int64_t b) {
        if (a == b) return;
        Difference d = make(kind, team, player, index, field);
        d.oldValue = a;
        d.newValue = b;
        out.push_back(std::move(d));
    }

private:
    static Difference make(Kind kind, int team, int player, int index, const char* field) {
        Difference d;
        d.kind = kind;
        d.team = team;
        d.player = player;
        d.index = index;
        d.field = field;
        return d;
    }
};

// A team's texts and numbers under the team file's keys.
struct TeamText {
    const char* key;
    const std::string& (clsTeam::*get)() const;
    void (clsTeam::*set)(const std::string&);
};
constexpr TeamText kTeamTexts[] = {
    {"city", &clsTeam::getCity, &clsTeam::setCity},
    {"mascot", &clsTeam::getMascot, &clsTeam::setMascot},
    {"abrev", &clsTeam::getAbrev, &clsTeam::setAbrev},
};
struct TeamNumber {
    const char* key;
    std::uint8_t (clsTeam::*get)() const;
    void (clsTeam::*set)(std::uint8_t);
};
constexpr TeamNumber kTeamNumbers[] = {
    {"ps", &clsTeam::getPointsScored, &clsTeam::setPointsScored},
    {"pg", &clsTeam::getPointsGiven, &clsTeam::setPointsGiven},
};

// The stored word of an SNES uniform entry with all its bits: bit 15 is no colour, but it
// is a byte of the image.
std::int64_t snesWord(const clsTeam& team, int i) {
    return team.getUniformData(2 * i) | team.getUniformData(2 * i + 1) << 8;
}

std::int64_t gameBytes(const clsProject& league, int g) {
    const auto& s = league.schedule();
    return s[static_cast<std::size_t>(2 * g)] * 256 + s[static_cast<std::size_t>(2 * g + 1)];
}

void compareTeam(Collector& c, int t, const clsTeam& a, const clsTeam& b) {
    for (const TeamText& f : kTeamTexts) c.text(Kind::TeamText, t, 0, f.key, (a.*f.get)(), (b.*f.get)());
    for (const TeamNumber& f : kTeamNumbers) c.number(Kind::TeamNumber, t, 0, 0, f.key, (a.*f.get)(), (b.*f.get)());
    c.number(Kind::TeamFlag, t, 0, 0, "unifnes", a.uniformNES_vaild, b.uniformNES_vaild);
    for (int i = 0; i < 2; ++i)
        c.number(Kind::NesUniform, t, 0, i, "uniform nes", a.getUniformColor_NES_single(i),
                 b.getUniformColor_NES_single(i));
    c.number(Kind::TeamFlag, t, 0, 0, "unifsnes", a.uniformSNES_vaild, b.uniformSNES_vaild);
    for (int i = 0; i < 128; ++i) c.number(Kind::SnesUniform, t, 0, i, "uniform snes", snesWord(a, i), snesWord(b, i));
}

void comparePlayer(Collector& c, int t, int p, const clsPlayer& a, const clsPlayer& b) {
    c.text(Kind::PlayerText, t, p, "first", a.getFirst(), b.getFirst());
    c.text(Kind::PlayerText, t, p, "last", a.getLast(), b.getLast());
    for (const PlayerField& f : kPlayerFields) c.number(Kind::PlayerNumber, t, p, 0, f.key, f.get(a), f.get(b));
    c.number(Kind::PlayerNumber, t, p, 0, "unknown", a.getUnknownByte(), b.getUnknownByte());
}

}  // namespace

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (b < 0x20 || b > 0x7E) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", b);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string Difference::text() const {
    const std::string teamAt = "team " + std::to_string(team) + " ";
    const std::string playerAt = "player " + std::to_string(team) + "." + std::to_string(player) + " ";
    const std::string indexAt = " " + std::to_string(index) + ": ";
    switch (kind) {
        case Kind::TeamText:
            return teamAt + field + ": " + quoted(oldText) + " -> " + quoted(newText);
        case Kind::TeamNumber:
            return teamAt + field + ": " + std::to_string(oldValue) + " -> " + std::to_string(newValue);
        case Kind::TeamFlag:
            return teamAt + field + ": " + (oldValue ? "True" : "False") + " -> " + (newValue ? "True" : "False");
        case Kind::NesUniform:
            return teamAt + field + indexAt + TextNumber::hexText(oldValue, 2) + " -> " +
                   TextNumber::hexText(newValue, 2);
        case Kind::SnesUniform:
            return teamAt + field + indexAt + TextNumber::hexText(oldValue, 4) + " -> " +
                   TextNumber::hexText(newValue, 4);
        case Kind::PlayerText:
            return playerAt + field + ": " + quoted(oldText) + " -> " + quoted(newText);
        case Kind::PlayerNumber:
            return playerAt + field + ": " + std::to_string(oldValue) + " -> " + std::to_string(newValue);
        case Kind::Game: {
            std::string line = "game" + indexAt + quoted(oldText) + " -> " + quoted(newText);
            if (oldText == newText)
                line += " (" + TextNumber::hexText(oldValue >> 8, 2) + " " + TextNumber::hexText(oldValue & 0xFF, 2) +
                        " -> " + TextNumber::hexText(newValue >> 8, 2) + " " + TextNumber::hexText(newValue & 0xFF, 2) +
                        ")";
            return line;
        }
        case Kind::WestAllStar:
        case Kind::EastAllStar:
            return std::string(kind == Kind::WestAllStar ? "west" : "east") + " all-star" + indexAt +
                   pairText(oldValue) + " -> " + pairText(newValue);
    }
    return {};
}

Group Difference::group() const {
    switch (kind) {
        case Kind::PlayerText:
        case Kind::PlayerNumber:
            return Group::Players;
        case Kind::Game:
            return Group::Schedule;
        case Kind::WestAllStar:
        case Kind::EastAllStar:
            return Group::AllStars;
        default:
            return Group::Teams;
    }
}

void Difference::take(clsProject& league) const {
    clsTeam* t = league.getTeamRef(team);
    clsPlayer* p = t != nullptr ? t->getPlayerRef(player) : nullptr;
    const auto byte = [](std::int64_t v) { return static_cast<std::uint8_t>(v & 0xFF); };
    // A difference names places of a league; one made up with others changes nothing.
    const Group g = group();
    if ((g == Group::Teams && t == nullptr) || (g == Group::Players && p == nullptr) ||
        (g == Group::Schedule && (index < 0 || index > clsProject::getNumberOfGames())))
        return;
    switch (kind) {
        case Kind::TeamText:
            for (const TeamText& f : kTeamTexts)
                if (field == f.key) (t->*f.set)(newText);
            return;
        case Kind::TeamNumber:
            for (const TeamNumber& f : kTeamNumbers)
                if (field == f.key) (t->*f.set)(byte(newValue));
            return;
        case Kind::TeamFlag:
            (field == "unifnes" ? t->uniformNES_vaild : t->uniformSNES_vaild) = newValue != 0;
            return;
        case Kind::NesUniform:
            t->setNesByte(index, byte(newValue));
            return;
        case Kind::SnesUniform:
            t->setSnesByte(2 * index, byte(newValue));
            t->setSnesByte(2 * index + 1, byte(newValue >> 8));
            return;
        case Kind::PlayerText:
            if (field == "first")
                p->setFirst(newText);
            else
                p->setLast(newText);
            return;
        case Kind::PlayerNumber:
            if (const PlayerField* f = PlayerField::find(field))
                f->set(*p, newValue);
            else
                p->setUnknownByte(byte(newValue));
            return;
        case Kind::Game:
            league.schedule()[static_cast<std::size_t>(2 * index)] = byte(newValue >> 8);
            league.schedule()[static_cast<std::size_t>(2 * index + 1)] = byte(newValue);
            return;
        case Kind::WestAllStar:
            league.setWestAllStar(index, byte(newValue >> 8), byte(newValue));
            return;
        case Kind::EastAllStar:
            league.setEastAllStar(index, byte(newValue >> 8), byte(newValue));
            return;
    }
}

std::string takeLabel(std::size_t count) {
    return "Take " + std::to_string(count) + (count == 1 ? " Change" : " Changes");
}

std::vector<Difference> compare(const clsProject& before, const clsProject& after) {
    Collector c;
    for (int t = 0; t < clsProject::kTeams; ++t) compareTeam(c, t, *before.getTeamRef(t), *after.getTeamRef(t));
    for (int t = 0; t < clsProject::kTeams; ++t)
        for (int p = 0; p < clsTeam::kRoster; ++p)
            comparePlayer(c, t, p, *before.getTeamRef(t)->getPlayerRef(p), *after.getTeamRef(t)->getPlayerRef(p));
    for (int g = 0; g <= clsProject::getNumberOfGames(); ++g) {
        const std::int64_t a = gameBytes(before, g), b = gameBytes(after, g);
        if (a == b) continue;
        Difference d;
        d.kind = Kind::Game;
        d.index = g;
        d.oldText = before.getMatchupStr(g);
        d.newText = after.getMatchupStr(g);
        d.oldValue = a;
        d.newValue = b;
        c.out.push_back(std::move(d));
    }
    for (int i = 0; i < clsProject::kAllStars; ++i)
        c.number(Kind::WestAllStar, 0, 0, i, "", packed(before.getWestAllStar(i)), packed(after.getWestAllStar(i)));
    for (int i = 0; i < clsProject::kAllStars; ++i)
        c.number(Kind::EastAllStar, 0, 0, i, "", packed(before.getEastAllStar(i)), packed(after.getEastAllStar(i)));
    return std::move(c.out);
}

}  // namespace LeagueDiff
