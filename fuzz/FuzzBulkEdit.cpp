// The bulk edit's reader of FIELD=VALUE, +N and -N on any text, one change a line, applied to
// every player of a league with every field set: a refused change names why; read ones
// change only their own fields, every change of every player is previewed, a value not
// clamped is the one asked for, and the league still saves (every player's record builds).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "SampleLeague.h"
#include "model/BulkEdit.h"
#include "model/LeagueDiff.h"

int FuzzBulkEdit(const std::uint8_t* data, std::size_t size) {
    using FuzzCheck::require;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<BulkEdit::FieldChange> changes;
    std::vector<std::string> keys;  // the fields the changes may touch
    for (std::size_t at = 0; at <= text.size() && changes.size() < 8;) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string fault;
        const std::optional<BulkEdit::FieldChange> change = BulkEdit::parse(text.substr(at, end - at), fault);
        require(change.has_value() == fault.empty(), "a change both read and refused, or refused without a reason");
        if (change) {
            changes.push_back(*change);
            if (change->field == BulkEdit::kHeight)
                keys.insert(keys.end(), {"feet", "inch"});
            else
                keys.emplace_back(BulkEdit::key(change->field));
        }
        at = end + 1;
    }
    std::vector<Trade::Place> places;
    for (int t = 0; t < clsProject::kTeams; ++t)
        for (int s = 0; s < clsTeam::kRoster; ++s) places.push_back({t, s});
    clsProject league = sampleLeague();
    const std::vector<BulkEdit::Entry> entries = BulkEdit::applyAll(league, places, changes);
    require(entries.size() == places.size() * changes.size(), "a change of a player not previewed");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const BulkEdit::Entry& e = entries[i];
        const BulkEdit::Change& c = changes[i % changes.size()].change;
        const bool rating = e.field < PlayerField::Count && kPlayerFields[e.field].rating != Rating::Count;
        if (!rating && !e.clamped && c.op == BulkEdit::Op::Set)
            require(e.after == c.amount, "a number set without a clamp is not the one asked for");
    }
    for (const LeagueDiff::Difference& d : LeagueDiff::compare(sampleLeague(), league))
        require(std::find(keys.begin(), keys.end(), d.field) != keys.end(), "a bulk edit changed another field");
    std::vector<std::uint8_t> record;
    for (const Trade::Place& at : places)
        require(league.getTeamRef(at.team)->getPlayerRef(at.slot)->getDataArray(record),
                "a bulk edit left a player whose record cannot be saved");
    return 0;
}
