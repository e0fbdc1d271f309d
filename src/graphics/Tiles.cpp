// The game's tile graphics: 2 bits a pixel on the NES, 4 bits a pixel on the SNES.
#include "graphics/modGraphics.h"

namespace modGraphics {
namespace {

// As many 32-byte tiles as a 4 MiB image holds; larger counts are refused rather than
// sizing the pixel array after them.
constexpr int kMaxTiles = 1 << 17;

// Grows the array to 64 * count + 1 entries (old contents dropped) when it is smaller;
// a larger array keeps its size and the entries the decoder does not write.
bool prepare(int count, std::vector<std::uint8_t>& pixels) {
    if (count > kMaxTiles) return false;
    if (count <= 0) return true;
    std::size_t needed = 64 * static_cast<std::size_t>(count) + 1;
    if (pixels.size() < needed) pixels.assign(needed, 0);
    return true;
}

// Whether the bytes [offset, offset + size) all lie inside the image.
bool inside(const RomImage& rom, std::int64_t offset, std::int64_t size) {
    return offset >= 0 && offset + size <= static_cast<std::int64_t>(rom.size());
}

}  // namespace

std::uint8_t shiftRight(int value, int n) {
    if (n < 0) n = 0;
    if (n > 32) n = 32;
    // Integer division (towards zero) by 2^n, then the low byte.
    std::int64_t q = static_cast<std::int64_t>(value) / (std::int64_t{1} << n);
    return static_cast<std::uint8_t>(q & 255);
}

bool decodeNesTiles(const RomImage& rom, std::int32_t offset, int count, std::vector<std::uint8_t>& pixels) {
    if (!prepare(count, pixels)) return false;
    for (int t = 0; t < count; ++t) {
        std::int64_t base = static_cast<std::int64_t>(offset) + 16 * static_cast<std::int64_t>(t);
        if (!inside(rom, base, 16)) return false;
        const std::uint8_t* tile = rom.data() + base;
        for (int r = 0; r < 8; ++r) {
            std::uint8_t plane0 = tile[r];
            std::uint8_t plane1 = tile[8 + r];
            for (int x = 0; x < 8; ++x) {
                // Bit 0 is the leftmost column.
                int v = ((plane0 >> x) & 1) | (((plane1 >> x) & 1) << 1);
                pixels[static_cast<std::size_t>(64 * t + 8 * r + x)] = static_cast<std::uint8_t>(v);
            }
        }
    }
    return true;
}

bool decodeSnesTiles(const RomImage& rom, std::int32_t offset, int count, std::vector<std::uint8_t>& pixels) {
    if (!prepare(count, pixels)) return false;
    for (int t = 0; t < count; ++t) {
        std::int64_t base = static_cast<std::int64_t>(offset) + 32 * static_cast<std::int64_t>(t);
        if (!inside(rom, base, 32)) return false;
        const std::uint8_t* tile = rom.data() + base;
        for (int r = 0; r < 8; ++r) {
            const std::uint8_t planes[4] = {tile[2 * r], tile[2 * r + 1], tile[16 + 2 * r], tile[17 + 2 * r]};
            for (int x = 0; x < 8; ++x) {
                // Bit 7 is the leftmost column; planes 0..3 weigh 1, 2, 4, 8.
                std::uint8_t mask = shiftRight(0x80, x);
                int v = 0;
                for (int p = 0; p < 4; ++p)
                    if (planes[p] & mask) v |= 1 << p;
                pixels[static_cast<std::size_t>(64 * t + 8 * r + x)] = static_cast<std::uint8_t>(v);
            }
        }
    }
    return true;
}

}  // namespace modGraphics
