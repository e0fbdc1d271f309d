// Fuzzes the IPS reader. The first input byte gives the length of a small source image that
// follows; the rest is the patch. A refused patch leaves the target untouched; an applied one
// never exceeds the largest image IPS can address, and (for results up to 1 MiB, which keeps
// the runs fast) the writer's patch between the source and that result gives the result back.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "patch/Ips.h"

#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition)) std::abort(); \
    } while (0)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t sourceLength = data[0] < size - 1 ? data[0] : size - 1;
    const std::vector<std::uint8_t> source(data + 1, data + 1 + sourceLength);
    const std::vector<std::uint8_t> patchBytes(data + 1 + sourceLength, data + size);

    std::vector<std::uint8_t> target;
    const patch::PatchResult result = patch::applyIps(source, patchBytes, target);
    if (result != patch::PatchResult::Ok) {
        FUZZ_CHECK(result == patch::PatchResult::Damaged);
        FUZZ_CHECK(target.empty());
        return 0;
    }
    // A record reaches at most offset 0xFFFFFF plus 0xFFFF bytes; a truncation length is 24 bits.
    FUZZ_CHECK(target.size() <= (source.size() > 0xFFFFFF + 0xFFFF ? source.size() : 0xFFFFFF + 0xFFFF));

    std::vector<std::uint8_t> again, back;
    if (target.size() > patch::kIpsMaxImage) {
        FUZZ_CHECK(patch::makeIps(source, target, again) == patch::PatchResult::TooLargeForIps);
        return 0;
    }
    if (target.size() > 0x100000) return 0;
    FUZZ_CHECK(patch::makeIps(source, target, again) == patch::PatchResult::Ok);
    FUZZ_CHECK(patch::applyIps(source, again, back) == patch::PatchResult::Ok);
    FUZZ_CHECK(back == target);
    return 0;
}
