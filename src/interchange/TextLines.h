#pragma once
#include <string>
#include <string_view>
#include <utility>

#include "base/FileIO.h"
#include "base/ResultCode.h"

// Reads the lines of an interchange file held in memory. A line ends at CR (a line feed
// right after it belongs to the same line end) or at a lone LF.
class LineReader {
public:
    explicit LineReader(std::string text) : text_(std::move(text)) {}
    bool atEnd() const { return pos_ >= text_.size(); }
    // The next line without its line end; false at the end of the text.
    bool next(std::string& line);

private:
    std::string text_;
    std::size_t pos_ = 0;
};

// Appends text and CR LF.
inline void writeLine(std::string& out, std::string_view text) {
    out.append(text);
    out.append("\r\n");
}

// Imports are all or nothing: the lines go to a copy of target prepared by reset, and the
// copy replaces target only when every line applied. apply(work, lines, line) may read
// further lines itself (player blocks, sections).
template <typename T, typename Reset, typename Apply>
ResultCode importAllOrNothing(T& target, std::string text, Reset reset, Apply apply) {
    T work = target;
    reset(work);
    LineReader lines(std::move(text));
    std::string line;
    while (lines.next(line))
        if (apply(work, lines, line) != Result::Ok) return Result::Failed;
    target = std::move(work);
    return Result::Ok;
}

// Reads a whole file for an import; a file that cannot be read fails and changes nothing.
template <typename T, typename ImportText>
ResultCode importFile(T& target, const std::string& filename, ImportText importText) {
    std::string text;
    if (FileIO::readWholeFile(filename, text) != Result::Ok) return Result::Failed;
    return importText(target, std::move(text));
}
