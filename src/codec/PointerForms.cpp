#include "codec/PointerForms.h"

namespace RomPointer {

std::int64_t playerListOffset(std::uint16_t tp, ConsoleKind kind) {
    if (kind == Console::Nes) return ((tp + 0x10) & 0x3FFF) + 0x8000;
    if (kind == Console::Snes) return (tp & 0x7FFF) + 0x40000;
    return tp;
}

std::int64_t playerRecordOffset(std::uint16_t w, ConsoleKind kind) {
    if (kind == Console::Nes) return (w & 0x3FFF) + 0x8010;
    if (kind == Console::Snes) return (w & 0x7FFF) + 0x40000;
    return w;
}

std::int64_t cityMascotTextOffset(std::uint16_t w, ConsoleKind kind) {
    if (kind == Console::Nes) return (w & 0x3FFF) + 0x8010;
    if (kind == Console::Snes) return (w & 0x3FFF) + 0x40000;
    return w;
}

std::int64_t abrevTextOffset(std::uint16_t w, ConsoleKind kind) {
    if (kind == Console::Nes) return (w & 0x3FFF) + 0xC010;
    if (kind == Console::Snes) return (w & 0x3FFF) + 0x4000;
    return w;
}

std::uint16_t textPointer(std::int64_t x, ConsoleKind kind) {
    if (kind == Console::Nes) return static_cast<std::uint16_t>((x & 0x3FFF) + 0x7FF0);
    return static_cast<std::uint16_t>((x & 0x7FFF) + 0x8000);
}

std::uint16_t blockPointer(std::int64_t x, ConsoleKind kind) {
    if (kind == Console::Nes) return static_cast<std::uint16_t>((x & 0x7FFF) + 0x7FF0);
    return static_cast<std::uint16_t>((x & 0x7FFF) + 0x8000);
}

}  // namespace RomPointer
