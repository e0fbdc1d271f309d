#include "settings/Settings.h"

#include <cmath>
#include <limits>
#include <vector>

#include "base/FileIO.h"
#include "base/PathText.h"
#include "base/Platform.h"
#include "base/TextNumber.h"

namespace Settings {

namespace {

// Splits at CR LF; a lone CR or LF also ends a line so that files edited elsewhere read.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string cur;
    bool pending = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(cur);
            cur.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            cur.push_back(c);
            pending = true;
        }
    }
    if (pending) lines.push_back(cur);
    return lines;
}

// An offset line: one whole number and nothing else (see TextNumber::strictWhole), within
// the 32-bit range. A line that reads otherwise is not one the program wrote, nor a
// hand-edited offset; taking it as 0 would aim the tables at the file's header.
bool readOffset(const std::string& line, std::int32_t& out) {
    auto v = TextNumber::strictWhole(line, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max());
    if (!v) return false;
    out = static_cast<std::int32_t>(*v);
    return true;
}

ResultCode refuse(LineReport& report, int line, std::string reason) {
    report.line = line;
    report.reason = std::move(reason);
    return Result::Failed;
}

}  // namespace

bool besideProgram(const std::string& programFolder, const std::string& configFolder) {
    const bool inBundle = programFolder.ends_with(".app/Contents/MacOS");
    return configFolder.empty() || FileIO::fileExists(programFolder + FileIO::separator() + kFileName) ||
           (!inBundle && FileIO::folderTakesNewFiles(programFolder));
}

std::string settingsPath(const std::string& programFolder, const std::string& configFolder) {
    if (besideProgram(programFolder, configFolder)) return programFolder + FileIO::separator() + kFileName;
    return PathText::join(PathText::join(configFolder, kConfigSubfolder), kFileName);
}

std::string backupFolder(const std::string& programFolder, const std::string& configFolder,
                         const std::string& dataFolder) {
    if (dataFolder.empty() || besideProgram(programFolder, configFolder))
        return PathText::join(programFolder, "backups");
    return PathText::join(PathText::join(dataFolder, kConfigSubfolder), "backups");
}

std::string userConfigFolder() {
#ifdef _WIN32
    // The roaming application data, where Windows programs keep their settings.
    const std::string appData = Platform::environment("APPDATA");
    return PathText::toPath(appData).is_absolute() ? appData : "";
#else
    const std::string xdg = Platform::environment("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/') return xdg;
    const std::string home = Platform::environment("HOME");
#ifdef __APPLE__
    return home.empty() ? "" : home + "/Library/Application Support";
#else
    return home.empty() ? "" : home + "/.config";
#endif
#endif
}

std::string userDataFolder() {
#ifdef _WIN32
    // The local application data: backups are large and belong to this machine.
    const std::string local = Platform::environment("LOCALAPPDATA");
    return PathText::toPath(local).is_absolute() ? local : "";
#else
    const std::string home = Platform::environment("HOME");
#ifdef __APPLE__
    return home.empty() ? "" : home + "/Library/Application Support";
#else
    const std::string xdg = Platform::environment("XDG_DATA_HOME");
    if (!xdg.empty() && xdg.front() == '/') return xdg;
    return home.empty() ? "" : home + "/.local/share";
#endif
#endif
}

ResultCode parse(const std::string& text, SettingsData& out) {
    LineReport ignored;
    return parse(text, out, ignored);
}

ResultCode parse(const std::string& text, SettingsData& out, LineReport& report) {
    // A text file holds no NUL byte; a file that does is some binary file under our name,
    // and numbers read from it would only be noise.
    if (text.find('\0') != std::string::npos)
        return refuse(report, 0, "the file holds a NUL byte: it is not a text file");
    std::vector<std::string> lines = splitLines(text);
    if (lines.size() < kLines)
        return refuse(report, 0,
                      "the file has " + std::to_string(lines.size()) + " lines, " + std::to_string(kLines) + " needed");
    SettingsData d;
    d.lastFolder = lines[0];
    for (int k = 0; k < 2 * OffsetSet::Count; ++k) {
        std::int32_t& entry = k < OffsetSet::Count ? d.nesOffsets[k] : d.snesOffsets[k - OffsetSet::Count];
        const std::string& line = lines[static_cast<std::size_t>(1 + k)];
        if (!readOffset(line, entry))
            return refuse(report, 2 + k, quoteValue(line) + " is not a whole number from -2147483648 to 2147483647");
    }
    out = d;
    return Result::Ok;
}

std::string format(const SettingsData& data) {
    std::string s = data.lastFolder + "\r\n";
    auto put = [&s](std::int32_t v) {
        if (v >= 0) s += ' ';
        s += std::to_string(v);
        s += "\r\n";
    };
    for (int i = 0; i < OffsetSet::Count; ++i) put(data.nesOffsets[i]);
    for (int i = 0; i < OffsetSet::Count; ++i) put(data.snesOffsets[i]);
    return s;
}

ResultCode readFile(const std::string& path, SettingsData& out) {
    LineReport ignored;
    return readFile(path, out, ignored);
}

ResultCode readFile(const std::string& path, SettingsData& out, LineReport& report) {
    std::string text;
    if (FileIO::readTextFile(path, text) != Result::Ok) return refuse(report, 0, "the file cannot be read");
    return parse(text, out, report);
}

ResultCode writeFile(const std::string& path, const SettingsData& data) {
    return FileIO::writeFileAtomically(path, format(data));
}

void applyDefaultSettings(SettingsData& data, const std::string& programFolder) {
    data.lastFolder = programFolder;
    data.nesOffsets = OffsetSet::nesDefaults();
    data.snesOffsets = OffsetSet::snesDefaults();
}

void loadSettings(const std::string& path, const std::string& programFolder, SettingsData& data,
                  SettingsPrompt& prompt) {
    if (readFile(path, data) == Result::Ok) return;
    bool create = prompt.askCreateDefault();
    applyDefaultSettings(data, programFolder);
    if (create) saveSettings(path, data, prompt);
}

ResultCode saveSettings(const std::string& path, const SettingsData& data, SettingsPrompt& prompt) {
    // The folder in the user's configuration folder does not exist before the first save;
    // a folder that cannot be made fails the write below.
    FileIO::makeFolders(PathText::folderOf(path));
    ResultCode r = writeFile(path, data);
    if (r != Result::Ok) prompt.reportSaveFailed();
    return r;
}

std::string checkedFolder(const std::string& lastFolder, const std::string& programFolder) {
    if (FileIO::fileExists(lastFolder + FileIO::separator())) return lastFolder;
    return programFolder;
}

}  // namespace Settings
