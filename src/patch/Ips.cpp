#include "patch/Ips.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace patch {
namespace {

constexpr std::size_t kEofOffset = 0x454F46;  // "EOF" read as an offset
constexpr std::size_t kMaxRecord = 0xFFFF;
constexpr std::size_t kHeaderSize = 5;  // offset and size of a record
constexpr std::size_t kMinRepeat = 13;  // a run-length record (8 bytes) plus the next record's header

void putBig(std::vector<std::uint8_t>& out, std::size_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::size_t getBig(const std::uint8_t* p, int bytes) {
    std::size_t value = 0;
    for (int i = 0; i < bytes; ++i) value = (value << 8) | p[i];
    return value;
}

// Number of bytes from at equal to data[at], up to end and at most kMaxRecord.
std::size_t repeatLength(const std::vector<std::uint8_t>& data, std::size_t at, std::size_t end) {
    std::size_t n = 1;
    while (at + n < end && n < kMaxRecord && data[at + n] == data[at]) ++n;
    return n;
}

// Writes records carrying modified[begin, end).
void writeRun(const std::vector<std::uint8_t>& modified, std::size_t begin, std::size_t end,
              std::vector<std::uint8_t>& out) {
    for (std::size_t at = begin; at < end;) {
        if (at == kEofOffset) --at;  // the byte before is written again with its own value
        const std::size_t repeat = repeatLength(modified, at, end);
        putBig(out, at, 3);
        if (repeat >= kMinRepeat) {
            putBig(out, 0, 2);
            putBig(out, repeat, 2);
            out.push_back(modified[at]);
            at += repeat;
            continue;
        }
        // Plain bytes up to the next long repeat (one that may start a record), the end of the
        // run or the record limit.
        std::size_t stop = at + repeat;
        while (stop < end && stop - at < kMaxRecord) {
            const std::size_t r = repeatLength(modified, stop, end);
            if (r >= kMinRepeat && stop != kEofOffset) break;
            stop += r;
        }
        stop = std::min(stop, at + kMaxRecord);
        putBig(out, stop - at, 2);
        out.insert(out.end(), modified.begin() + static_cast<std::ptrdiff_t>(at),
                   modified.begin() + static_cast<std::ptrdiff_t>(stop));
        at = stop;
    }
}

}  // namespace

PatchResult makeIps(const std::vector<std::uint8_t>& original, const std::vector<std::uint8_t>& modified,
                    std::vector<std::uint8_t>& patch) {
    if (original.size() > kIpsMaxImage || modified.size() > kIpsMaxImage) return PatchResult::TooLargeForIps;
    try {
        // Every byte past the original's end counts as changed, so the result reaches its full length.
        const auto changed = [&](std::size_t i) { return i >= original.size() || original[i] != modified[i]; };
        std::vector<std::uint8_t> out = {'P', 'A', 'T', 'C', 'H'};
        for (std::size_t i = 0; i < modified.size();) {
            if (!changed(i)) {
                ++i;
                continue;
            }
            // Join changes fewer unchanged bytes apart than a record header costs.
            std::size_t last = i;
            for (std::size_t j = i; j < modified.size() && j - last < kHeaderSize; ++j)
                if (changed(j)) last = j;
            writeRun(modified, i, last + 1, out);
            i = last + 1;
        }
        out.insert(out.end(), {'E', 'O', 'F'});
        if (modified.size() < original.size()) putBig(out, modified.size(), 3);
        patch = std::move(out);
        return PatchResult::Ok;
    } catch (const std::bad_alloc&) {
        return PatchResult::OutOfMemory;
    }
}

PatchResult applyIps(const std::vector<std::uint8_t>& source, const std::vector<std::uint8_t>& patch,
                     std::vector<std::uint8_t>& target) {
    if (patch.size() < 5 || std::memcmp(patch.data(), "PATCH", 5) != 0) return PatchResult::Damaged;
    if (source.size() > kMaxImage) return PatchResult::TooLarge;
    try {
        std::vector<std::uint8_t> out = source;
        const std::uint8_t* p = patch.data();
        std::size_t at = 5;
        const std::size_t size = patch.size();
        for (;;) {
            if (size - at < 3) return PatchResult::Damaged;  // no "EOF"
            if (std::memcmp(p + at, "EOF", 3) == 0) break;
            if (size - at < kHeaderSize) return PatchResult::Damaged;
            const std::size_t offset = getBig(p + at, 3);
            std::size_t length = getBig(p + at + 3, 2);
            at += kHeaderSize;
            const bool repeat = length == 0;
            if (repeat) {
                if (size - at < 3) return PatchResult::Damaged;
                length = getBig(p + at, 2);
            } else if (size - at < length) {
                return PatchResult::Damaged;
            }
            // A run of no bytes writes nothing, not even zeros up to its offset (which may lie past the end).
            if (length > 0) {
                if (offset + length > out.size()) out.resize(offset + length, 0);
                const auto to = out.begin() + static_cast<std::ptrdiff_t>(offset);
                if (repeat)
                    std::fill_n(to, length, p[at + 2]);
                else
                    std::copy_n(p + at, length, to);
            }
            at += repeat ? 3 : length;
        }
        at += 3;
        // The length after "EOF" only ever shortens the image, as every patcher reads it.
        if (size - at == 3) {
            out.resize(std::min(out.size(), getBig(p + at, 3)));
        } else if (size != at) {
            return PatchResult::Damaged;
        }
        target = std::move(out);
        return PatchResult::Ok;
    } catch (const std::bad_alloc&) {
        return PatchResult::OutOfMemory;
    }
}

}  // namespace patch
