// Fuzzes the IPS reader. The first input byte gives the length of a small source image that
// follows; the rest is the patch. A refused patch leaves the target untouched; an applied one
// never exceeds the largest image IPS can address, and (for results up to 1 MiB, which keeps
// the runs fast) the writer's patch between the source and that result gives the result back.
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "patch/Ips.h"

int FuzzIpsApply(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const size_t sourceLength = data[0] < size - 1 ? data[0] : size - 1;
    const std::vector<std::uint8_t> source(data + 1, data + 1 + sourceLength);
    const std::vector<std::uint8_t> patchBytes(data + 1 + sourceLength, data + size);

    std::vector<std::uint8_t> target;
    const patch::PatchResult result = patch::applyIps(source, patchBytes, target);
    if (result != patch::PatchResult::Ok) {
        FuzzCheck::require(result == patch::PatchResult::Damaged, "a refused IPS patch is anything but damaged");
        FuzzCheck::require(target.empty(), "a refused IPS patch left a target");
        return 0;
    }
    // A record reaches at most offset 0xFFFFFF plus 0xFFFF bytes; a truncation length is 24 bits.
    FuzzCheck::require(target.size() <= (source.size() > 0xFFFFFF + 0xFFFF ? source.size() : 0xFFFFFF + 0xFFFF),
                       "an IPS result reaches beyond what IPS can address");

    std::vector<std::uint8_t> again, back;
    if (target.size() > patch::kIpsMaxImage) {
        FuzzCheck::require(patch::makeIps(source, target, again) == patch::PatchResult::TooLargeForIps,
                           "the IPS writer takes an image over 16 MiB");
        return 0;
    }
    if (target.size() > 0x100000) return 0;
    FuzzCheck::require(patch::makeIps(source, target, again) == patch::PatchResult::Ok,
                       "the IPS writer refuses an image it can patch");
    FuzzCheck::require(patch::applyIps(source, again, back) == patch::PatchResult::Ok,
                       "the IPS reader refuses our own patch");
    FuzzCheck::require(back == target, "our IPS patch does not give the result back");
    return 0;
}
