#include "interchange/CsvText.h"

#include <algorithm>
#include <utility>

namespace CsvText {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string field(std::string_view text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (isBlank(text.front()) || isBlank(text.back())));
    if (!quote) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

void appendRecord(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        out += field(fields[i]);
    }
    out += "\r\n";
}

Reader::Status Reader::fail(int line, std::size_t field, std::string reason) {
    errorLine_ = line;
    errorField_ = field;
    errorReason_ = std::move(reason);
    pos_ = text_.size();  // nothing more is read after a fault
    return Status::Error;
}

void Reader::skipLineEnd() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
}

Reader::Status Reader::next(std::vector<Cell>& record) {
    record.clear();
    blank_ = false;
    if (pos_ >= text_.size()) return Status::End;
    recordLine_ = line_;
    bool quotedAny = false;
    for (;;) {
        Cell cell{std::string(), line_};
        if (pos_ < text_.size() && text_[pos_] == '"') {
            quotedAny = true;
            ++pos_;
            for (;;) {
                if (pos_ >= text_.size()) return fail(cell.line, record.size(), "the quote is never closed");
                const char c = text_[pos_];
                if (c == '"') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                        cell.text += '"';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                if (c == '\r' || c == '\n') {
                    const std::size_t from = pos_;
                    skipLineEnd();
                    cell.text.append(text_, from, pos_ - from);
                    continue;
                }
                cell.text += c;
                ++pos_;
            }
            if (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd())
                return fail(line_, record.size(), "text follows the closing quote");
        } else {
            const std::size_t end = std::min(text_.find_first_of(",\r\n", pos_), text_.size());
            cell.text = text_.substr(pos_, end - pos_);
            pos_ = end;
            if (cell.text.find('"') != std::string::npos)
                return fail(cell.line, record.size(), "a quote inside a field that does not start with one");
        }
        record.push_back(std::move(cell));
        if (pos_ >= text_.size()) break;
        if (text_[pos_] == ',') {
            ++pos_;
            continue;
        }
        skipLineEnd();
        break;
    }
    blank_ = !quotedAny && record.size() == 1 && record[0].text.empty();
    return Status::Record;
}

}  // namespace CsvText
