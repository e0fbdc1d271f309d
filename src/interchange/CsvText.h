#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Comma-separated tables as spreadsheets read and write them (RFC 4180): fields separated
// by commas, a field that holds a comma, a quote, a line break or blanks at either end
// enclosed in quotes with its own quotes doubled, records ended by CR LF. Reading also
// takes records ended by a lone LF or CR.
namespace CsvText {

// The field as it stands in a record: quoted when it has to be, else unchanged.
std::string field(std::string_view text);

// Appends the fields separated by commas, then CR LF.
void appendRecord(std::string& out, const std::vector<std::string>& fields);

// One field read back: its text without quotes and the line it starts on.
struct Cell {
    std::string text;
    int line = 0;
};

// Reads the records of a table held in memory, one after the other.
class Reader {
public:
    explicit Reader(std::string text) : text_(std::move(text)) {}

    enum class Status { Record, End, Error };

    // The next record's fields. Error when the record breaks the quoting rules: a quote
    // never closed, text after a closing quote, or a quote inside a field that does not
    // start with one; errorLine() and errorField() then say where, errorReason() what.
    Status next(std::vector<Cell>& record);

    // The line the record given last starts on (1-based; a quoted line break inside a
    // field counts as a line).
    int recordLine() const { return recordLine_; }
    // True when the record given last was an empty line: one field, unquoted and empty.
    bool blank() const { return blank_; }

    int errorLine() const { return errorLine_; }
    // The 0-based place of the faulty field within its record.
    std::size_t errorField() const { return errorField_; }
    const std::string& errorReason() const { return errorReason_; }

private:
    Status fail(int line, std::size_t field, std::string reason);
    // Moves past a line end at pos_ (CR LF, LF or CR) and counts it.
    void skipLineEnd();
    bool atLineEnd() const { return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n'); }

    std::string text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int recordLine_ = 0;
    bool blank_ = false;
    int errorLine_ = 0;
    std::size_t errorField_ = 0;
    std::string errorReason_;
};

}  // namespace CsvText
