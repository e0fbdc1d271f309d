#include "interchange/AttributeReport.h"

#include <utility>

#include "base/FileIO.h"
#include "base/TextNumber.h"
#include "interchange/TextLines.h"
#include "model/Rating.h"

namespace AttributeReport {

namespace {

constexpr int kLastIndex = kEntries - 1;  // 323, also the first gap

struct Group {
    int position;
    const char* header;
};

constexpr Group kGroups[] = {
    {0, "     Guards"}, {1, "     Guards"}, {2, "    Forwards"}, {3, "    Forwards"}, {4, "    Centers"},
};

}  // namespace

std::string getAttributeName(int attribute) {
    const Rating* rating = Rating::at(attribute);
    return rating != nullptr ? rating->reportName : "";
}

std::optional<std::uint8_t> getAttributeValue(const clsPlayer& player, int attribute) {
    const Rating* rating = Rating::at(attribute);
    const int v = rating != nullptr ? rating->value(player) : 0;
    if (v < 0 || v > 255) return std::nullopt;
    return static_cast<std::uint8_t>(v);
}

int nextGap(int gap) {
    if (gap <= 1) return 1;
    if (gap == 2) return 1;
    int g = static_cast<int>(TextNumber::roundHalfEven(gap / 1.3));
    if (g == 9 || g == 10) g = 11;
    return g;
}

void rankEntries(std::array<Entry, kEntries>& entries) {
    int gap = kLastIndex;
    for (;;) {
        gap = nextGap(gap);
        bool exchanged = false;
        for (int i = 0; i + gap <= kLastIndex; ++i) {
            auto& a = entries[static_cast<std::size_t>(i)];
            auto& b = entries[static_cast<std::size_t>(i + gap)];
            if (a.value < b.value) {
                std::swap(a, b);
                exchanged = true;
            }
        }
        if (gap == 1 && !exchanged) break;
    }
}

void writeReportLine(std::string& out, const std::string& name, int value) {
    out.append(name);
    out.append(name.size() >= 16 ? "\t" : name.size() >= 8 ? "\t\t" : "\t\t\t");
    writeLine(out, std::to_string(value));
}

ResultCode buildReport(const clsProject& project, int attribute, bool byposition, std::string& out) {
    std::array<Entry, kEntries> entries;
    for (int t = 0; t < clsProject::kTeams; ++t) {
        for (int s = 0; s < clsTeam::kRoster; ++s) {
            const clsPlayer& player = *project.getTeamRef(t)->getPlayerRef(s);
            auto value = getAttributeValue(player, attribute);
            if (!value) return Result::Failed;
            Entry& e = entries[static_cast<std::size_t>(clsTeam::kRoster * t + s)];
            e.value = *value;
            e.name = player.getFullname();
            e.position = player.getPosition();
        }
    }
    rankEntries(entries);

    std::string text;
    writeLine(text, getAttributeName(attribute));
    writeLine(text, "");
    if (!byposition) {
        for (const Entry& e : entries) writeReportLine(text, e.name, e.value);
    } else {
        for (const Group& g : kGroups) {
            writeLine(text, g.header);
            writeLine(text, "----------------");
            for (const Entry& e : entries)
                if (e.position == g.position) writeReportLine(text, e.name, e.value);
            for (int i = 0; i < 3; ++i) writeLine(text, "");
        }
    }
    out = std::move(text);
    return Result::Ok;
}

ResultCode writeSortedList(const clsProject& project, const std::string& filename, int attribute, bool byposition,
                           FileIO::WriteError& error) {
    std::string text;
    if (buildReport(project, attribute, byposition, text) != Result::Ok) return Result::Failed;
    return FileIO::writeFileAtomically(filename, text, error) == Result::Ok ? Result::Ok : Result::Failed;
}

ResultCode writeSortedList(const clsProject& project, const std::string& filename, int attribute, bool byposition) {
    FileIO::WriteError ignored;
    return writeSortedList(project, filename, attribute, byposition, ignored);
}

}  // namespace AttributeReport
