#pragma once
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/LineReport.h"
#include "base/ResultCode.h"

// Tables of rows for the readers of the interchange files, each row a whole text read all or nothing.
namespace testsupport {

// The text, and what it changes in the record, or the diagnosis of its refusal ("line N: reason").
template <class R>
struct ImportRow {
    std::string what, text;
    std::function<void(R&)> change;  // empty for a refusal
    std::string refusal = "";
};

// A success gives the record (reset first, where the reader resets it) with the row's changes and no diagnosis;
// a refusal leaves the record as it was.
template <class R>
void checkImports(const R& before, const std::vector<ImportRow<R>>& rows,
                  ResultCode (*import)(R&, std::string, LineReport&), void (R::*reset)() = nullptr) {
    for (const ImportRow<R>& row : rows) {
        SCOPED_TRACE(row.what);
        R got = before, want = before;
        if (row.change && reset) (want.*reset)();
        if (row.change) row.change(want);
        LineReport report;
        EXPECT_EQ(import(got, row.text, report), row.change ? Result::Ok : Result::Failed);
        EXPECT_EQ(report.text(), row.refusal);
        EXPECT_TRUE(got == want);
    }
}

}  // namespace testsupport
