#include "model/PlayerQuery.h"

#include <algorithm>

#include "base/TextNumber.h"

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string upperCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upper);
    return out;
}

bool sameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upper(x) == upper(y); });
}

// Whether the text holds the word, which is in upper case already.
bool holdsWord(const std::string& text, const std::string& word) {
    return std::search(text.begin(), text.end(), word.begin(), word.end(),
                       [](char t, char w) { return upper(t) == w; }) != text.end();
}

}  // namespace

std::string PlayerQuery::Fault::message() const {
    switch (kind) {
        case Kind::UnknownField:
            return "unknown field '" + text + "'";
        case Kind::NotANumber:
            return "'" + text + "' is not a number";
        case Kind::NoSuchTeam:
            return "there is no team " + text;
        case Kind::NoSuchPosition:
            break;
    }
    return "unknown position '" + text + "' (G, F or C)";
}

std::optional<PlayerQuery::Term> PlayerQuery::readTerm(std::string_view text, Fault& fault) {
    const auto refuse = [&fault](Fault::Kind kind, std::string_view what) -> std::optional<Term> {
        fault = {kind, std::string(what)};
        return std::nullopt;
    };
    const auto number = [](std::string_view digits) { return TextNumber::strict(digits); };
    Term term;
    if (text.front() == '#') {
        const std::optional<double> jersey = number(text.substr(1));
        if (!jersey) return refuse(Fault::Kind::NotANumber, text.substr(1));
        term.kind = Term::Kind::Compare;
        term.field = &kPlayerFields[PlayerField::Jersey];
        term.value = *jersey;
        return term;
    }
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        const std::string_view key = text.substr(0, colon), value = text.substr(colon + 1);
        if (sameNoCase(key, "team")) {
            term.kind = Term::Kind::Team;
            if (!value.empty() &&
                std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) {
                const std::optional<std::int64_t> team = TextNumber::strictInRange(value, 0, clsProject::kTeams - 1);
                if (!team) return refuse(Fault::Kind::NoSuchTeam, value);
                term.number = static_cast<int>(*team);
            } else {
                term.word = upperCase(value);
            }
            return term;
        }
        if (!sameNoCase(key, "pos")) return refuse(Fault::Kind::UnknownField, key);
        term.kind = Term::Kind::Position;
        for (const int code : {0, 2, 4})
            if (sameNoCase(value, std::string_view(Position::kNames[code], 1)) ||
                sameNoCase(value, Position::kNames[code]))
                term.number = Position::group(code);
        if (term.number < 0) return refuse(Fault::Kind::NoSuchPosition, value);
        return term;
    }
    const std::size_t at = text.find_first_of("<>=");
    if (at == std::string_view::npos) {
        term.word = upperCase(text);
        return term;
    }
    const std::string_view key = text.substr(0, at);
    term.kind = Term::Kind::Compare;
    term.field = PlayerField::find(key);
    if (term.field == nullptr && !sameNoCase(key, "height")) return refuse(Fault::Kind::UnknownField, key);
    const bool orEqual = text[at] != '=' && at + 1 < text.size() && text[at + 1] == '=';
    term.op = text[at] == '='   ? Op::Equal
              : text[at] == '<' ? (orEqual ? Op::LessOrEqual : Op::Less)
                                : (orEqual ? Op::GreaterOrEqual : Op::Greater);
    const std::string_view digits = text.substr(at + 1 + orEqual);
    const std::optional<double> value = number(digits);
    if (!value) return refuse(Fault::Kind::NotANumber, digits);
    term.value = *value;
    return term;
}

std::optional<PlayerQuery> PlayerQuery::parse(std::string_view text, Fault& fault) {
    PlayerQuery query;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = text.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        const std::optional<Term> term = readTerm(text.substr(start, end - start), fault);
        if (!term) return std::nullopt;
        query.terms_.push_back(*term);
        at = end;
    }
    return query;
}

bool PlayerQuery::holds(const Term& term, const clsPlayer& player, const clsTeam& team, int teamNumber) {
    switch (term.kind) {
        case Term::Kind::Word:
            return holdsWord(player.getFirst(), term.word) || holdsWord(player.getLast(), term.word) ||
                   holdsWord(team.getCity(), term.word) || holdsWord(team.getMascot(), term.word) ||
                   holdsWord(team.getAbrev(), term.word);
        case Term::Kind::Team:
            return term.word.empty() ? teamNumber == term.number : sameNoCase(team.getAbrev(), term.word);
        case Term::Kind::Position:
            return Position::group(player.getPosition()) == term.number;
        case Term::Kind::Compare:
            break;
    }
    const double v =
        static_cast<double>(term.field != nullptr ? term.field->shown(player) : PlayerField::height(player));
    switch (term.op) {
        case Op::Less:
            return v < term.value;
        case Op::LessOrEqual:
            return v <= term.value;
        case Op::Equal:
            return v == term.value;
        case Op::GreaterOrEqual:
            return v >= term.value;
        case Op::Greater:
            break;
    }
    return v > term.value;
}

bool PlayerQuery::matches(const clsPlayer& player, const clsTeam& team, int teamNumber) const {
    return std::all_of(terms_.begin(), terms_.end(),
                       [&](const Term& term) { return holds(term, player, team, teamNumber); });
}

std::vector<Trade::Place> PlayerQuery::find(const clsProject& league) const {
    std::vector<Trade::Place> places;
    for (int t = 0; t < clsProject::kTeams; ++t) {
        const clsTeam& team = *league.getTeamRef(t);
        for (int s = 0; s < clsTeam::kRoster; ++s)
            if (matches(*team.getPlayerRef(s), team, t)) places.push_back({t, s});
    }
    return places;
}
