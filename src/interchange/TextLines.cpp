#include "interchange/TextLines.h"

bool LineReader::next(std::string& line) {
    if (pos_ >= text_.size()) return false;
    ++number_;
    std::size_t end = text_.find_first_of("\r\n", pos_);
    if (end == std::string::npos) {
        line = text_.substr(pos_);
        pos_ = text_.size();
        return true;
    }
    line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    return true;
}
