#pragma once
#include <cstdint>

#include "base/ResultCode.h"

// The 16-bit pointers the game keeps in its tables and the image offsets they address.
// NES pointers see the image through the CPU's $8000 window (the 16-byte file header
// shifts every offset by 0x10); SNES pointers address bank $04 of the LoROM map, the
// abbreviations bank $00. Reader mappings and writer forms invert each other within the
// ranges where the defaults place the tables.
namespace RomPointer {

// Reader side: image offset of what a pointer read from a table addresses. For a kind
// other than NES or SNES there is no mapping and the pointer is taken as the offset.
std::int64_t playerListOffset(std::uint16_t teamPtr, ConsoleKind kind);
std::int64_t playerRecordOffset(std::uint16_t ptr, ConsoleKind kind);
std::int64_t cityMascotTextOffset(std::uint16_t ptr, ConsoleKind kind);
std::int64_t abrevTextOffset(std::uint16_t ptr, ConsoleKind kind);

// Writer side: the pointer stored for an image offset. Text pointers serve the city,
// mascot and abbreviation tables; block pointers the team and player pointer tables
// (SNES overflow records included).
std::uint16_t textPointer(std::int64_t offset, ConsoleKind kind);
std::uint16_t blockPointer(std::int64_t offset, ConsoleKind kind);

}  // namespace RomPointer
