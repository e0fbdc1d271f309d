#include "base/OffsetSet.h"

const char* OffsetSet::entryName(int entry) {
    static constexpr const char* kNames[Count] = {
        "teamPtrTable",   "playerDataArea",  "playerOverflowArea", "attributeTable",    "cityPtrTable",  "cityTextArea",
        "mascotPtrTable", "mascotTextArea",  "abrevPtrTable",      "abrevTextArea",     "scheduleTable", "pointsTable",
        "uniformTable",   "allStarPtrTable", "teamOfAllStarTable", "allStarRosterTable"};
    return entry >= 0 && entry < Count ? kNames[entry] : "";
}

OffsetSet OffsetSet::nesDefaults() {
    return OffsetSet{{0x8011, 0x807B, -1, 0x9E99, 0x9B7E, 0x9BB8, 0x9CBB, 0x9CF5, 0xE440, 0xE395, 0xF53F, 0xEA2E,
                      0x1DC0C, 0x804B, 0xCE31, 0xAA68}};
}

OffsetSet OffsetSet::snesDefaults() {
    return OffsetSet{{0x4138A, 0x4142C, 0x47CD0, 0x43263, 0x42F30, 0x42F6A, 0x4306D, 0x430A7, 0x5B60, 0x5AB5, 0x43B3F,
                      0x468E7, 0x4E000, 0x413C4, 0x4925, 0x40670}};
}
