#include "codec/RegionLayout.h"

#include "codec/AllStarCheck.h"
#include "codec/PointerForms.h"

namespace RegionLayout {

namespace {

void putPointer(std::vector<std::uint8_t>& buf, std::size_t at, std::uint16_t value) {
    buf[at] = static_cast<std::uint8_t>(value & 0xFF);
    buf[at + 1] = static_cast<std::uint8_t>((value & 0xFF00) / 256);
}

// Texts the game could not read back the way they were written: a player name byte of
// 0x80 or more ends the name and is taken as the position byte, shifting every later
// field; a 0xFF inside a team text ends it early.
bool hasUnstorableText(const clsProject& project) {
    for (int t = 0; t < clsProject::kTeams; ++t) {
        const clsTeam& team = *project.getTeamRef(t);
        for (const std::string* text : {&team.getCity(), &team.getMascot(), &team.getAbrev()})
            for (char c : *text)
                if (static_cast<std::uint8_t>(c) == 0xFF) return true;
        for (int p = 0; p < clsTeam::kRoster; ++p) {
            const clsPlayer& player = *team.getPlayerRef(p);
            for (const std::string* name : {&player.getFirst(), &player.getLast()})
                for (char c : *name)
                    if (static_cast<std::uint8_t>(c) >= 0x80) return true;
        }
    }
    return false;
}

// An all-star pair must name a team of the league and a player of its roster.
bool allStarsValid(const clsProject& project) { return AllStarCheck::findProblems(project).empty(); }

}  // namespace

bool leagueStorable(const clsProject& project) { return !hasUnstorableText(project) && allStarsValid(project); }

std::vector<std::string> tableEntries(const clsProject& project, Names which) {
    std::vector<std::string> out;
    for (int t = 0; t < clsProject::kTeams; ++t) {
        const clsTeam& team = *project.getTeamRef(t);
        out.push_back(which == Names::Abbreviations ? team.getAbrev()
                      : which == Names::Cities      ? team.getCity()
                                                    : team.getMascot());
    }
    switch (which) {
        case Names::Abbreviations:
            for (const char* label : {"1WC", "1EC", "2WC", "2EC", "WCF", "ECF", "NBAF"}) out.emplace_back(label);
            break;
        case Names::Cities:
            out.emplace_back("WEST");
            out.emplace_back("EAST");
            break;
        case Names::Mascots:
            // Both all-star teams share one mascot text (pointers 27 and 28).
            out.emplace_back("ALL-STARS");
            break;
    }
    return out;
}

NameTable layoutNames(const clsProject& project, Names which, std::int64_t textOffset, ConsoleKind kind) {
    int pointerBytes = which == Names::Abbreviations ? kAbrevPointers
                       : which == Names::Cities      ? kCityPointers
                                                     : kMascotPointers;
    int textBytes = which == Names::Abbreviations ? kAbrevText : which == Names::Cities ? kCityText : kMascotText;
    NameTable table;
    table.pointers.assign(static_cast<std::size_t>(pointerBytes), 0);
    table.text.assign(static_cast<std::size_t>(textBytes), 0);

    std::vector<std::string> entries = tableEntries(project, which);
    std::size_t off = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::uint16_t ptr = RomPointer::textPointer(textOffset + static_cast<std::int64_t>(off), kind);
        putPointer(table.pointers, 2 * i, ptr);
        if (which == Names::Mascots && i == entries.size() - 1) putPointer(table.pointers, 2 * (i + 1), ptr);
        for (char c : entries[i]) {
            if (off < table.text.size()) table.text[off] = static_cast<std::uint8_t>(c);
            ++off;
        }
        if (off < table.text.size()) table.text[off] = 0xFF;
        ++off;
    }
    table.used = static_cast<int>(off);
    if (off > table.text.size()) table.result = kFull;
    return table;
}

PlayerBlocks layoutPlayers(const clsProject& project, std::int64_t o1, std::int64_t o2, ConsoleKind kind) {
    PlayerBlocks out;
    out.teamPointers.assign(kTeamPointers, 0);
    out.main.assign(kPlayerArea, 0);
    if (kind == Console::Snes) out.overflow.assign(kOverflowArea, 0);
    const bool snes = kind == Console::Snes;

    // Once a failure is known nothing more is stored, but the counting goes on.
    auto fail = [&](ResultCode r) {
        if (out.result == Result::Ok) out.result = r;
    };
    auto storeMain = [&](std::int64_t at, const std::uint8_t* bytes, std::size_t n) {
        if (out.result != Result::Ok) return;
        for (std::size_t k = 0; k < n; ++k) out.main[static_cast<std::size_t>(at) + k] = bytes[k];
    };
    auto storePointer = [&](std::int64_t at, std::uint16_t ptr) {
        std::uint8_t b[2] = {static_cast<std::uint8_t>(ptr & 0xFF), static_cast<std::uint8_t>((ptr & 0xFF00) / 256)};
        storeMain(at, b, 2);
    };

    std::int64_t c = 0;  // start of the next team block in the main area
    std::int64_t b = 0;  // main-area offset at which the overflow began
    std::int64_t mainEnd = 0;
    std::int64_t overflowEnd = 0;
    for (int t = 0; t < clsProject::kTeams; ++t) {
        putPointer(out.teamPointers, static_cast<std::size_t>(2 * t), RomPointer::blockPointer(o1 + c, kind));
        std::int64_t s = c;
        std::int64_t d = c + 24;
        const clsTeam& team = *project.getTeamRef(t);
        for (int p = 0; p < clsTeam::kRoster; ++p) {
            const clsPlayer& player = *team.getPlayerRef(p);
            std::vector<std::uint8_t> rec;
            if (!player.getDataArray(rec)) {
                fail(Result::Failed);
                rec.assign(player.getFullname().size() + 7, 0);  // its length, for the counting
            }
            std::int64_t len = static_cast<std::int64_t>(rec.size());
            if (d + len - 1 <= kPlayerArea - 1) {
                std::uint16_t ptr = RomPointer::blockPointer(o1 + d, kind);
                storePointer(s, ptr);
                s += 2;
                out.dataPointers[static_cast<std::size_t>(t)][static_cast<std::size_t>(p)] = ptr;
                storeMain(d, rec.data(), rec.size());
                d += len;
                b = d;
                mainEnd = std::max(mainEnd, d);
            } else if (!snes) {
                fail(kFull);
                d += len;
                mainEnd = std::max(mainEnd, d);
            } else {
                // The next team's block would have to start beyond the main area, and the
                // last team's pointers must still lie inside it.
                if (t < clsProject::kTeams - 1 || s + 1 > kPlayerArea - 1) fail(Result::Failed);
                mainEnd = std::max(mainEnd, s + 2);
                std::uint16_t ptr = RomPointer::blockPointer(o2 + d - b, kind);
                storePointer(s, ptr);
                s += 2;
                out.dataPointers[static_cast<std::size_t>(t)][static_cast<std::size_t>(p)] = ptr;
                std::int64_t at = d - b;
                if (at + len - 1 > kOverflowArea - 1) fail(kFull);
                if (out.result == Result::Ok)
                    for (std::size_t k = 0; k < rec.size(); ++k)
                        out.overflow[static_cast<std::size_t>(at) + k] = rec[k];
                d += len;
                overflowEnd = std::max(overflowEnd, at + len);
            }
        }
        c = d;
    }
    out.mainUsed = static_cast<int>(mainEnd);
    out.overflowUsed = static_cast<int>(overflowEnd);
    return out;
}

}  // namespace RegionLayout
