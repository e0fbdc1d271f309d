#pragma once
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/FileIO.h"
#include "base/LineReport.h"
#include "base/ResultCode.h"
#include "support/TestSupport.h"

// Tables of rows for the readers of the interchange files, each row a whole text read all or nothing, and the
// files they read and write.
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

// Written and read back over itself, also with a UTF-8 byte-order mark in front, a record stays as it was; missing
// or unwritable files fail; a name no file can carry (a damaged image's) writes no file and names the record.
template <class R>
void checkFiles(R source, ResultCode (*exportFile)(const R&, const std::string&, FileIO::WriteError&),
                ResultCode (*importFile)(R&, const std::string&, LineReport&), const std::string& name,
                const std::function<void(R&)>& damage, const std::string& cause) {
    SCOPED_TRACE(name);
    const std::string dir = testsupport::freshDir("files_" + name) + "/";
    R back = source;
    LineReport report;
    FileIO::WriteError why;
    ASSERT_EQ(exportFile(source, dir + name, why), Result::Ok);
    testsupport::writeText(dir + "bom", "\xEF\xBB\xBF" + testsupport::readText(dir + name));
    for (const std::string& file : {name, std::string("bom")}) {
        EXPECT_EQ(importFile(back, dir + file, report), Result::Ok) << file << ": " << report.text();
        EXPECT_TRUE(back == source) << file;
    }
    EXPECT_EQ(importFile(back, dir + "missing", report), Result::Failed);
    EXPECT_EQ(report.text(), "the file cannot be read");
    EXPECT_TRUE(back == source);
    EXPECT_EQ(exportFile(source, dir + "no/such/" + name, why), Result::Failed);
    EXPECT_EQ(why.text(), "No such file or directory: " + dir + "no/such/" + name);
    damage(source);
    EXPECT_EQ(exportFile(source, dir + "damaged", why), Result::Failed);
    EXPECT_EQ(why.text(), cause + ": " + dir + "damaged");
    EXPECT_FALSE(FileIO::fileExists(dir + "damaged"));
}

}  // namespace testsupport
