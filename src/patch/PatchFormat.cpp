#include "patch/PatchFormat.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "base/RomImage.h"
#include "patch/Bps.h"
#include "patch/Ips.h"

namespace patch {
namespace {

bool startsWith(const std::vector<std::uint8_t>& bytes, std::string_view magic) {
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

ConsoleKind editionOf(const std::vector<std::uint8_t>& image) {
    for (ConsoleKind kind : {Console::Nes, Console::Snes})
        if (RomFile::checkConsole(image, kind)) return kind;
    return Console::None;
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

PatchResult checkImageSize(PatchFormat format, std::uint64_t size) {
    if (format == PatchFormat::Ips && size > kIpsMaxImage) return PatchResult::TooLargeForIps;
    if (size > kMaxImage) return PatchResult::TooLarge;
    return PatchResult::Ok;
}

std::string_view message(PatchCaution caution) {
    switch (caution) {
        case PatchCaution::WritesPastEnd:
            return "The patch writes past the end of the image";
        case PatchCaution::ChangesEdition:
            break;
    }
    return "The patch changes the image's edition";
}

std::vector<PatchCaution> ipsCautions(const std::vector<std::uint8_t>& source,
                                      const std::vector<std::uint8_t>& target) {
    std::vector<PatchCaution> cautions;
    // The length after "EOF" only shortens, so a longer image was written past its end.
    if (target.size() > source.size()) cautions.push_back(PatchCaution::WritesPastEnd);
    if (editionOf(target) != editionOf(source)) cautions.push_back(PatchCaution::ChangesEdition);
    return cautions;
}

}  // namespace patch
