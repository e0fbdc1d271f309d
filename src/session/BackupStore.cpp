#include "session/BackupStore.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>

#include "base/PathText.h"

namespace {

// The name of a backup: its time stamp "YYYYMMDD-HHMMSS" and its place among the backups of
// that second (1 for the first, which carries no counter).
struct BackupName {
    std::string name;
    std::string stamp;
    unsigned counter = 1;
    // Newest first.
    bool operator<(const BackupName& other) const {
        return stamp != other.stamp ? stamp > other.stamp : counter > other.counter;
    }
};

constexpr std::size_t kStampLength = 15;
// A longer file name is cut to this many bytes in its folder's name, leaving the rest of a
// name's room to the hash.
constexpr std::size_t kNameRoom = 64;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<BackupName> parseName(const std::string& name) {
    if (name.size() < kStampLength) return std::nullopt;
    for (std::size_t i = 0; i < kStampLength; ++i)
        if (i == 8 ? name[i] != '-' : !isDigit(name[i])) return std::nullopt;
    BackupName parsed{name, name.substr(0, kStampLength), 1};
    std::size_t at = kStampLength;
    if (at < name.size() && name[at] == '-') {
        const std::size_t digits = name.find_first_not_of("0123456789", at + 1);
        const std::size_t end = digits == std::string::npos ? name.size() : digits;
        if (end == at + 1 || end - at > 6 || name[at + 1] == '0') return std::nullopt;
        parsed.counter = static_cast<unsigned>(std::stoul(name.substr(at + 1, end - at - 1)));
        at = end;
    }
    if (at < name.size() && name[at] != '.') return std::nullopt;
    return parsed;
}

// The backups in a folder, newest first.
std::vector<BackupName> backupsIn(const std::string& folder) {
    std::vector<BackupName> found;
    for (const std::string& name : FileIO::filesIn(folder))
        if (std::optional<BackupName> parsed = parseName(name)) found.push_back(std::move(*parsed));
    std::sort(found.begin(), found.end());
    return found;
}

// The file's extension, with its dot, when it is one a backup can carry: up to eight letters
// and digits.
std::string extensionOf(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || name.size() - dot - 1 > 8 || dot + 1 == name.size()) return {};
    const bool plain = std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dot) + 1, name.end(), [](char c) {
        return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
    return plain ? name.substr(dot) : std::string();
}

// The first bytes of text, at most limit of them, not cutting a UTF-8 sequence.
std::string cutAt(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

// FNV-1a over the path's UTF-8 bytes, folded to 32 bits: the same on every machine and in
// every run.
std::string pathHash(std::string_view path) {
    std::uint64_t h = 0xCBF29CE484222325;
    for (const char c : path) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3;
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>((h ^ (h >> 32)) & 0xFFFFFFFF));
    return text;
}

std::string stampOf(const Platform::LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    return cutAt(text, kStampLength);
}

// "YYYYMMDD-HHMMSS" as "YYYY-MM-DD HH:MM:SS".
std::string timeText(const std::string& s) {
    return s.substr(0, 4) + "-" + s.substr(4, 2) + "-" + s.substr(6, 2) + " " + s.substr(9, 2) + ":" + s.substr(11, 2) +
           ":" + s.substr(13, 2);
}

}  // namespace

std::string BackupStore::folderFor(const std::string& file) const {
    const std::string full = FileIO::fullPath(file);
    return PathText::join(folder_, cutAt(PathText::nameOf(full), kNameRoom) + "-" + pathHash(full));
}

ResultCode BackupStore::keep(const std::string& file, const std::vector<std::uint8_t>& bytes,
                             const Platform::LocalTime& when, FileIO::FileError& error) const {
    if (!keepsBackups()) return Result::Ok;
    const std::string folder = folderFor(file);
    if (FileIO::makeFolders(folder) != Result::Ok) {
        error = {"Cannot make the folder", folder, {}};
        return Result::Failed;
    }
    std::vector<BackupName> kept = backupsIn(folder);
    std::vector<std::uint8_t> newest;
    if (!kept.empty() && FileIO::readWholeFile(PathText::join(folder, kept.front().name), newest) == Result::Ok &&
        newest == bytes)
        return Result::Ok;
    // A clock set back names a new backup after the newest, so that it still sorts first.
    std::string stamp = stampOf(when);
    if (!kept.empty() && stamp < kept.front().stamp) stamp = kept.front().stamp;
    unsigned counter = 1;
    for (const BackupName& b : kept)
        if (b.stamp == stamp) counter = std::max(counter, b.counter + 1);
    const std::string name =
        stamp + (counter > 1 ? "-" + std::to_string(counter) : std::string()) + extensionOf(PathText::nameOf(file));
    if (FileIO::writeFileAtomically(PathText::join(folder, name), bytes.data(), bytes.size(), false, error) !=
        Result::Ok)
        return Result::Failed;
    // The one just written is the newest: of the others, those beyond kKept - 1 go.
    for (std::size_t i = kKept - 1; i < kept.size(); ++i) FileIO::removeFile(PathText::join(folder, kept[i].name));
    return Result::Ok;
}

ResultCode BackupStore::keepFile(const std::string& file, const Platform::LocalTime& when,
                                 FileIO::FileError& error) const {
    if (!keepsBackups() || !FileIO::fileSize(file)) return Result::Ok;
    std::vector<std::uint8_t> bytes;
    FileIO::FileStamp stamp;
    if (FileIO::readWholeFile(file, bytes, stamp, error) != Result::Ok) return Result::Failed;
    return keep(file, bytes, when, error);
}

std::vector<BackupStore::Backup> BackupStore::list(const std::string& file) const {
    std::vector<Backup> backups;
    if (!keepsBackups()) return backups;
    const std::string folder = folderFor(file);
    for (const BackupName& b : backupsIn(folder)) {
        const std::string path = PathText::join(folder, b.name);
        backups.push_back({path, timeText(b.stamp), FileIO::fileSize(path).value_or(0)});
    }
    return backups;
}
