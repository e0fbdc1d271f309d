#include "model/LeagueDiff.h"

#include <cstdio>

namespace LeagueDiff {

namespace {

using Kind = Difference::Kind;

std::string hex(std::int64_t v, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%0*llX", digits, static_cast<unsigned long long>(v));
    return buf;
}

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

void compareTeam(Collector& c, int t, const clsTeam& a, const clsTeam& b) {
    c.text(Kind::TeamText, t, 0, "city", a.getCity(), b.getCity());
    c.text(Kind::TeamText, t, 0, "mascot", a.getMascot(), b.getMascot());
    c.text(Kind::TeamText, t, 0, "abrev", a.getAbrev(), b.getAbrev());
    c.number(Kind::TeamNumber, t, 0, 0, "ps", a.getPointsScored(), b.getPointsScored());
    c.number(Kind::TeamNumber, t, 0, 0, "pg", a.getPointsGiven(), b.getPointsGiven());
    c.number(Kind::TeamFlag, t, 0, 0, "unifnes", a.uniformNES_vaild, b.uniformNES_vaild);
    for (int i = 0; i < 2; ++i)
        c.number(Kind::NesUniform, t, 0, i, "uniform nes", a.getUniformColor_NES_single(i),
                 b.getUniformColor_NES_single(i));
    c.number(Kind::TeamFlag, t, 0, 0, "unifsnes", a.uniformSNES_vaild, b.uniformSNES_vaild);
    // The stored word with all its bits: bit 15 is no colour, but it is a byte of the image.
    auto word = [](const clsTeam& team, int i) {
        return team.getUniformData(2 * i) | team.getUniformData(2 * i + 1) << 8;
    };
    for (int i = 0; i < 128; ++i) c.number(Kind::SnesUniform, t, 0, i, "uniform snes", word(a, i), word(b, i));
}

void comparePlayer(Collector& c, int t, int p, const clsPlayer& a, const clsPlayer& b) {
    c.text(Kind::PlayerText, t, p, "first", a.getFirst(), b.getFirst());
    c.text(Kind::PlayerText, t, p, "last", a.getLast(), b.getLast());
    const auto n = [&](const char* field, auto get) {
        c.number(Kind::PlayerNumber, t, p, 0, field, (a.*get)(), (b.*get)());
    };
    n("jersey", &clsPlayer::getJersey);
    n("feet", &clsPlayer::getFeet);
    n("inch", &clsPlayer::getInch);
    n("weight", &clsPlayer::getWeight);
    n("pos", &clsPlayer::getPosition);
    n("fg", &clsPlayer::getFGpercent);
    n("ft", &clsPlayer::getFTpercent);
    n("threept", &clsPlayer::get3PTpercent);
    n("rspeed", &clsPlayer::getRunSpeed);
    n("jump", &clsPlayer::getJump);
    n("steal", &clsPlayer::getSteal);
    n("block", &clsPlayer::getBlockByte);
    n("shoot", &clsPlayer::getShotRangeByte);
    n("stam", &clsPlayer::getStamina);
    n("unknown", &clsPlayer::getUnknownByte);
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
            return teamAt + field + indexAt + hex(oldValue, 2) + " -> " + hex(newValue, 2);
        case Kind::SnesUniform:
            return teamAt + field + indexAt + hex(oldValue, 4) + " -> " + hex(newValue, 4);
        case Kind::PlayerText:
            return playerAt + field + ": " + quoted(oldText) + " -> " + quoted(newText);
        case Kind::PlayerNumber:
            return playerAt + field + ": " + std::to_string(oldValue) + " -> " + std::to_string(newValue);
        case Kind::Game: {
            std::string line = "game" + indexAt + quoted(oldText) + " -> " + quoted(newText);
            if (oldText == newText)
                line += " (" + hex(oldValue >> 8, 2) + " " + hex(oldValue & 0xFF, 2) + " -> " + hex(newValue >> 8, 2) +
                        " " + hex(newValue & 0xFF, 2) + ")";
            return line;
        }
        case Kind::WestAllStar:
        case Kind::EastAllStar:
            return std::string(kind == Kind::WestAllStar ? "west" : "east") + " all-star" + indexAt +
                   pairText(oldValue) + " -> " + pairText(newValue);
    }
    return {};
}

std::vector<Difference> compare(const clsProject& before, const clsProject& after) {
    Collector c;
    for (int t = 0; t < clsProject::kTeams; ++t) compareTeam(c, t, *before.getTeamRef(t), *after.getTeamRef(t));
    for (int t = 0; t < clsProject::kTeams; ++t)
        for (int p = 0; p < clsTeam::kRoster; ++p)
            comparePlayer(c, t, p, *before.getTeamRef(t)->getPlayerRef(p), *after.getTeamRef(t)->getPlayerRef(p));
    for (int g = 0; g <= clsProject::getNumberOfGames(); ++g) {
        const auto bytes = [g](const clsProject& league) {
            const auto& s = league.schedule();
            return s[static_cast<std::size_t>(2 * g)] * 256 + s[static_cast<std::size_t>(2 * g + 1)];
        };
        const std::int64_t a = bytes(before), b = bytes(after);
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
