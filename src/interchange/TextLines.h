#pragma once
#include <string>
#include <string_view>
#include <utility>

#include "base/FileIO.h"
#include "base/LineReport.h"
#include "base/ResultCode.h"

// Reads the lines of an interchange file held in memory. A line ends at CR (a line feed
// right after it belongs to the same line end) or at a lone LF.
class LineReader {
public:
    explicit LineReader(std::string text) : text_(std::move(text)) {}
    bool atEnd() const { return pos_ >= text_.size(); }
    // The next line without its line end; false at the end of the text.
    bool next(std::string& line);
    // The 1-based number of the line next() gave last; 0 before the first.
    int lineNumber() const { return number_; }

private:
    std::string text_;
    std::size_t pos_ = 0;
    int number_ = 0;
};

// Appends text and CR LF.
inline void writeLine(std::string& out, std::string_view text) {
    out.append(text);
    out.append("\r\n");
}

// For the writers: true when a record's names can travel (fault empty, see
// KeyLines::nameFault); otherwise false with the fault as the cause of the write, which is
// then not made.
inline bool namesTravel(const std::string& fault, const std::string& filename, FileIO::WriteError& error) {
    if (fault.empty()) return true;
    error = {fault, filename, {}};
    return false;
}

// Fills the report and gives false, for readers that stop at the first fault.
inline bool refuse(LineReport& report, int line, std::string reason) {
    report.line = line;
    report.reason = std::move(reason);
    return false;
}

// Imports are all or nothing: the lines go to a copy of target prepared by reset, and the
// copy replaces target only when every line applied and the record came out complete.
// apply(work, lines, line, report) may read further lines itself (player blocks,
// sections); finish(work, lines, report) checks, once the text has ended, that nothing
// the writer writes is missing. Both give false with the report filled.
template <typename T, typename Reset, typename Apply, typename Finish>
ResultCode importAllOrNothing(T& target, std::string text, LineReport& report, Reset reset, Apply apply,
                              Finish finish) {
    if (text.empty()) {
        refuse(report, 1, "the file is empty");
        return Result::Failed;
    }
    T work = target;
    reset(work);
    LineReader lines(std::move(text));
    std::string line;
    while (lines.next(line))
        if (!apply(work, lines, line, report)) return Result::Failed;
    if (!finish(work, lines, report)) return Result::Failed;
    target = std::move(work);
    return Result::Ok;
}

// Reads a whole file for an import (without a UTF-8 byte-order mark at its start); a file
// that cannot be read fails and changes nothing.
template <typename T, typename ImportText>
ResultCode importFile(T& target, const std::string& filename, LineReport& report, ImportText importText) {
    std::string text;
    if (FileIO::readTextFile(filename, text) != Result::Ok) {
        refuse(report, 0, "the file cannot be read");
        return Result::Failed;
    }
    return importText(target, std::move(text), report);
}
