#include "patch/Bps.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace patch {
namespace {

enum Action : std::uint64_t { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };
constexpr std::size_t kFooterSize = 12;

std::uint32_t crcOf(const std::uint8_t* data, std::size_t size) {
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes at most a uInt at a time.
    for (std::size_t done = 0; done < size;) {
        const uInt part = static_cast<uInt>(std::min<std::size_t>(size - done, 1u << 30));
        crc = crc32(crc, data + done, part);
        done += part;
    }
    return static_cast<std::uint32_t>(crc);
}

std::uint32_t getLittle32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void putLittle32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Each byte carries 7 bits, the last one has its high bit set; every byte after the first
// also adds one step of its weight, so no number has two spellings.
void putNumber(std::vector<std::uint8_t>& out, std::uint64_t value) {
    for (;;) {
        const std::uint8_t low = value & 0x7F;
        value >>= 7;
        if (value == 0) {
            out.push_back(0x80 | low);
            return;
        }
        out.push_back(low);
        --value;
    }
}

// Reads a number from patch[at, end); false when it runs off the end or past 64 bits.
bool getNumber(const std::vector<std::uint8_t>& patch, std::size_t& at, std::size_t end, std::uint64_t& value) {
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    value = 0;
    for (unsigned shift = 0;; shift += 7) {
        if (at >= end) return false;
        const std::uint8_t x = patch[at++];
        const std::uint64_t bits = x & 0x7F;
        if (bits > (kMax >> shift) || (bits << shift) > kMax - value) return false;
        value += bits << shift;
        if (x & 0x80) return true;
        if (shift + 7 >= 64 || (std::uint64_t{1} << (shift + 7)) > kMax - value) return false;
        value += std::uint64_t{1} << (shift + 7);
    }
}

// Moves a copy cursor by a signed number (low bit the sign) and checks that length bytes
// can be read from it within limit.
bool moveCursor(std::uint64_t& cursor, std::uint64_t delta, std::uint64_t length, std::uint64_t limit) {
    const std::uint64_t distance = delta >> 1;
    if (delta & 1) {
        if (distance > cursor) return false;
        cursor -= distance;
    } else {
        if (distance > limit - cursor) return false;
        cursor += distance;
    }
    return length <= limit - cursor;
}

PatchResult applyChecked(const std::vector<std::uint8_t>& source, const std::vector<std::uint8_t>& patch,
                         std::vector<std::uint8_t>& target) {
    if (patch.size() < 4 + 3 + kFooterSize || std::memcmp(patch.data(), "BPS1", 4) != 0) return PatchResult::Damaged;
    const std::size_t footer = patch.size() - kFooterSize;
    const std::uint8_t* tail = patch.data() + footer;
    if (crcOf(patch.data(), patch.size() - 4) != getLittle32(tail + 8)) return PatchResult::Damaged;

    std::size_t at = 4;
    std::uint64_t sourceSize = 0, targetSize = 0, metadataSize = 0;
    if (!getNumber(patch, at, footer, sourceSize) || !getNumber(patch, at, footer, targetSize) ||
        !getNumber(patch, at, footer, metadataSize) || metadataSize > footer - at)
        return PatchResult::Damaged;
    at += metadataSize;
    if (targetSize > kMaxImage) return PatchResult::TooLarge;
    if (sourceSize != source.size() || crcOf(source.data(), source.size()) != getLittle32(tail))
        return PatchResult::WrongSource;

    std::vector<std::uint8_t> out;
    out.reserve(std::min<std::uint64_t>(targetSize, source.size() + patch.size()));
    std::uint64_t sourceCursor = 0, targetCursor = 0;
    while (at < footer) {
        std::uint64_t action = 0, delta = 0;
        if (!getNumber(patch, at, footer, action)) return PatchResult::Damaged;
        const std::uint64_t length = (action >> 2) + 1;
        if (length > targetSize - out.size()) return PatchResult::Damaged;
        switch (action & 3) {
            case SourceRead:
                if (out.size() > source.size() || length > source.size() - out.size()) return PatchResult::Damaged;
                out.insert(out.end(), source.begin() + static_cast<std::ptrdiff_t>(out.size()),
                           source.begin() + static_cast<std::ptrdiff_t>(out.size() + length));
                break;
            case TargetRead:
                if (length > footer - at) return PatchResult::Damaged;
                out.insert(out.end(), patch.begin() + static_cast<std::ptrdiff_t>(at),
                           patch.begin() + static_cast<std::ptrdiff_t>(at + length));
                at += length;
                break;
            case SourceCopy:
                if (!getNumber(patch, at, footer, delta) || !moveCursor(sourceCursor, delta, length, source.size()))
                    return PatchResult::Damaged;
                out.insert(out.end(), source.begin() + static_cast<std::ptrdiff_t>(sourceCursor),
                           source.begin() + static_cast<std::ptrdiff_t>(sourceCursor + length));
                sourceCursor += length;
                break;
            case TargetCopy:
                // The copy may overlap its own output (a run), so it goes byte by byte; it
                // must start within what is already written.
                if (!getNumber(patch, at, footer, delta) || !moveCursor(targetCursor, delta, 0, out.size()) ||
                    targetCursor >= out.size())
                    return PatchResult::Damaged;
                for (std::uint64_t i = 0; i < length; ++i) {
                    const std::uint8_t byte = out[targetCursor++];
                    out.push_back(byte);
                }
                break;
        }
    }
    if (out.size() != targetSize) return PatchResult::Damaged;
    if (crcOf(out.data(), out.size()) != getLittle32(tail + 4)) return PatchResult::ResultMismatch;
    target = std::move(out);
    return PatchResult::Ok;
}

}  // namespace

PatchResult makeBps(const std::vector<std::uint8_t>& original, const std::vector<std::uint8_t>& modified,
                    std::vector<std::uint8_t>& patch) {
    if (original.size() > kMaxImage || modified.size() > kMaxImage) return PatchResult::TooLarge;
    try {
        std::vector<std::uint8_t> out = {'B', 'P', 'S', '1'};
        putNumber(out, original.size());
        putNumber(out, modified.size());
        putNumber(out, 0);
        const auto same = [&](std::size_t i) { return i < original.size() && original[i] == modified[i]; };
        for (std::size_t i = 0; i < modified.size();) {
            const bool read = same(i);
            std::size_t end = i + 1;
            while (end < modified.size() && same(end) == read) ++end;
            putNumber(out, (static_cast<std::uint64_t>(end - i - 1) << 2) | (read ? SourceRead : TargetRead));
            if (!read)
                out.insert(out.end(), modified.begin() + static_cast<std::ptrdiff_t>(i),
                           modified.begin() + static_cast<std::ptrdiff_t>(end));
            i = end;
        }
        putLittle32(out, crcOf(original.data(), original.size()));
        putLittle32(out, crcOf(modified.data(), modified.size()));
        putLittle32(out, crcOf(out.data(), out.size()));
        patch = std::move(out);
        return PatchResult::Ok;
    } catch (const std::bad_alloc&) {
        return PatchResult::OutOfMemory;
    }
}

PatchResult applyBps(const std::vector<std::uint8_t>& source, const std::vector<std::uint8_t>& patch,
                     std::vector<std::uint8_t>& target) {
    try {
        return applyChecked(source, patch, target);
    } catch (const std::bad_alloc&) {
        return PatchResult::OutOfMemory;
    }
}

}  // namespace patch
