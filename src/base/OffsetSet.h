#pragma once
#include <array>
#include <cstdint>

// Sixteen image offsets that locate the league tables of one edition. Offsets count from
// the first byte of the file, so NES offsets include the 16-byte iNES header.
struct OffsetSet {
    enum Entry : int {
        teamPtrTable = 0,
        playerDataArea,
        playerOverflowArea,
        attributeTable,
        cityPtrTable,
        cityTextArea,
        mascotPtrTable,
        mascotTextArea,
        abrevPtrTable,
        abrevTextArea,
        scheduleTable,
        pointsTable,
        uniformTable,
        allStarPtrTable,
        teamOfAllStarTable,
        allStarRosterTable,
        Count
    };

    std::array<std::int32_t, Count> v{};

    std::int32_t operator[](int i) const { return v[static_cast<std::size_t>(i)]; }
    std::int32_t& operator[](int i) { return v[static_cast<std::size_t>(i)]; }
    bool operator==(const OffsetSet&) const = default;

    // The entry's name as the program calls it ("scheduleTable"); "" outside 0..15.
    static const char* entryName(int entry);

    static OffsetSet nesDefaults();
    static OffsetSet snesDefaults();
};
