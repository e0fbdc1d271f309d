// The settings reader on any text: it never fails unsafely, a failed parse leaves the
// settings as they were, and a parse that succeeds gives settings that write out and
// read back as the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "settings/Settings.h"

int FuzzSettings(const std::uint8_t* data, std::size_t size) {
    using FuzzCheck::require;
    const std::string text(reinterpret_cast<const char*>(data), size);
    SettingsData before;
    before.lastFolder = "before";
    before.nesOffsets[OffsetSet::pointsTable] = 7;
    SettingsData read = before;
    if (Settings::parse(text, read) != Result::Ok) {
        require(read == before, "a failed parse changed the settings");
        return 0;
    }
    SettingsData again = before;
    require(Settings::parse(Settings::format(read), again) == Result::Ok, "written settings do not read back");
    require(again == read, "written settings read back as other settings");
    return 0;
}
