#pragma once
#include <string>

// Why a text file was refused: the 1-based line at fault (0 when the refusal concerns the
// file as a whole, such as a file that cannot be read) and a reason a person reads.
struct LineReport {
    int line = 0;
    std::string reason;

    // "line LINE: reason", or the reason alone for the file as a whole.
    std::string text() const { return line > 0 ? "line " + std::to_string(line) + ": " + reason : reason; }
};
