#include "patch/PatchFormat.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "patch/Bps.h"
#include "patch/Ips.h"

namespace patch {
namespace {

bool startsWith(const std::vector<std::uint8_t>& bytes, std::string_view magic) {
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

}  // namespace

PatchFormat formatOfBytes(const std::vector<std::uint8_t>& patch) {
    if (startsWith(patch, "PATCH")) return PatchFormat::Ips;
    if (startsWith(patch, "BPS1")) return PatchFormat::Bps;
    return PatchFormat::Unknown;
}

PatchFormat formatOfFileName(std::string_view fileName) {
    if (fileName.size() < 4) return PatchFormat::Unknown;
    std::string ext(fileName.substr(fileName.size() - 4));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".ips") return PatchFormat::Ips;
    if (ext == ".bps") return PatchFormat::Bps;
    return PatchFormat::Unknown;
}

PatchResult applyPatch(const std::vector<std::uint8_t>& source, const std::vector<std::uint8_t>& patch,
                       std::vector<std::uint8_t>& target) {
    switch (formatOfBytes(patch)) {
        case PatchFormat::Ips:
            return applyIps(source, patch, target);
        case PatchFormat::Bps:
            return applyBps(source, patch, target);
        case PatchFormat::Unknown:
            break;
    }
    return PatchResult::NotAPatch;
}

PatchResult makePatch(PatchFormat format, const std::vector<std::uint8_t>& original,
                      const std::vector<std::uint8_t>& modified, std::vector<std::uint8_t>& patch) {
    switch (format) {
        case PatchFormat::Ips:
            return makeIps(original, modified, patch);
        case PatchFormat::Bps:
            return makeBps(original, modified, patch);
        case PatchFormat::Unknown:
            break;
    }
    return PatchResult::NotAPatch;
}

}  // namespace patch
