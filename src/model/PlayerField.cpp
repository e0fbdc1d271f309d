#include "model/PlayerField.h"

#include <string>

#include "base/TextNumber.h"
#include "model/PlayerBoxes.h"

namespace {

// The number a percentage box reads back from the text it shows for the stored value.
std::int64_t percentBox(std::int64_t stored) {
    return static_cast<std::int64_t>(TextNumber::value(PlayerBoxes::shown(PlayerBoxes::Box::FieldGoals, stored)));
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::int64_t PlayerField::shown(const clsPlayer& player) const {
    if (rating != Rating::Count) return kRatings[rating].value(player);
    return percent ? percentBox(get(player)) : get(player);
}

const PlayerField* PlayerField::find(std::string_view key) {
    for (const PlayerField& field : kPlayerFields) {
        const std::string_view name = field.key;
        if (name.size() != key.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i) same = lower(key[i]) == name[i];
        if (same) return &field;
    }
    return nullptr;
}
