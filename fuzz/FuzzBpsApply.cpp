// Fuzzes the BPS reader. The first input byte gives the length of a small source image, the
// second holds flags, then come the source and the patch. With flag 1 the patch's own
// checksum, and with flag 2 its source checksum, are set right before applying, so mutated
// actions get past the checksums and reach the action decoder. A refused patch leaves the
// target untouched (and is too large only when it declares a target over the limit); an
// applied one has exactly the declared target size and the footer's target checksum, and
// the writer's patch between the source and it gives it back.
#include <zlib.h>

#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "patch/Bps.h"

namespace {

std::uint32_t crcOf(const std::vector<std::uint8_t>& bytes, size_t size) {
    return static_cast<std::uint32_t>(crc32(0L, bytes.data(), static_cast<uInt>(size)));
}

void putLittle32(std::vector<std::uint8_t>& bytes, size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t getLittle32(const std::vector<std::uint8_t>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// Wide enough for any number a patch can spell before the reader gives up on it.
__extension__ typedef unsigned __int128 Wide;

// The n-th number after "BPS1" (0 source size, 1 target size), decoded here on its own.
Wide headerNumber(const std::vector<std::uint8_t>& p, int n) {
    size_t at = 4;
    Wide value = 0;
    for (int k = 0; k <= n; ++k) {
        value = 0;
        for (unsigned shift = 0;; shift += 7) {
            const std::uint8_t x = p.at(at++);
            value += static_cast<Wide>(x & 0x7F) << shift;
            if (x & 0x80) break;
            value += static_cast<Wide>(1) << (shift + 7);
        }
    }
    return value;
}

}  // namespace

int FuzzBpsApply(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const size_t sourceLength = data[0] < size - 2 ? data[0] : size - 2;
    const std::uint8_t flags = data[1];
    const std::vector<std::uint8_t> source(data + 2, data + 2 + sourceLength);
    std::vector<std::uint8_t> patchBytes(data + 2 + sourceLength, data + size);
    if (patchBytes.size() >= 12) {
        if (flags & 2) putLittle32(patchBytes, patchBytes.size() - 12, crcOf(source, source.size()));
        if (flags & 1) putLittle32(patchBytes, patchBytes.size() - 4, crcOf(patchBytes, patchBytes.size() - 4));
    }

    std::vector<std::uint8_t> target;
    const patch::PatchResult result = patch::applyBps(source, patchBytes, target);
    if (result != patch::PatchResult::Ok) {
        FuzzCheck::require(result == patch::PatchResult::Damaged || result == patch::PatchResult::WrongSource ||
                               result == patch::PatchResult::ResultMismatch || result == patch::PatchResult::TooLarge,
                           "a refused BPS patch gives an outcome a reader cannot give");
        FuzzCheck::require(result != patch::PatchResult::TooLarge || headerNumber(patchBytes, 1) > patch::kMaxImage,
                           "a BPS patch refused as too large for a target within the limit");
        FuzzCheck::require(target.empty(), "a refused BPS patch left a target");
        return 0;
    }
    FuzzCheck::require(headerNumber(patchBytes, 0) == source.size(), "a BPS patch applied to a source of another size");
    FuzzCheck::require(headerNumber(patchBytes, 1) == target.size(), "a BPS result differs from its declared size");
    FuzzCheck::require(target.size() <= patch::kMaxImage, "a BPS result over the size limit");
    FuzzCheck::require(crcOf(target, target.size()) == getLittle32(patchBytes, patchBytes.size() - 8),
                       "a BPS result fails the target CRC");

    std::vector<std::uint8_t> again, back;
    FuzzCheck::require(patch::makeBps(source, target, again) == patch::PatchResult::Ok,
                       "the BPS writer refuses an image it can patch");
    FuzzCheck::require(patch::applyBps(source, again, back) == patch::PatchResult::Ok,
                       "the BPS reader refuses our own patch");
    FuzzCheck::require(back == target, "our BPS patch does not give the result back");
    return 0;
}
