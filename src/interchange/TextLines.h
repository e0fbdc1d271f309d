#pragma once
#include <string>
#include <string_view>

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
