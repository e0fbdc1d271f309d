// Reading whole files: every byte of a file many read chunks long, and nothing from what is
// not an ordinary file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "base/FileIO.h"
#include "support/TestSupport.h"

namespace {

TEST(FileIORead, AWholeFileOfAnySizeComesBackByteForByte) {
    const std::string dir = testsupport::freshDir("fileio-read");
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{16384}, std::size_t{16385}, std::size_t{0x100003}}) {
        SCOPED_TRACE(size);
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 131 + i / 251);
        testsupport::writeBytes(dir + "/f.bin", bytes);
        std::vector<std::uint8_t> read{9, 9};
        ASSERT_EQ(FileIO::readWholeFile(dir + "/f.bin", read), Result::Ok);
        EXPECT_TRUE(read == bytes);
        std::string text = "old";
        ASSERT_EQ(FileIO::readWholeFile(dir + "/f.bin", text), Result::Ok);
        EXPECT_TRUE(text == std::string(bytes.begin(), bytes.end()));
    }
}

TEST(FileIORead, FoldersFifosAndMissingFilesFailAtOnceAndLeaveTheTargetAlone) {
    const std::string dir = testsupport::freshDir("fileio-refuse");
    ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0644), 0);  // opening it for reading must not wait for a writer
    for (const std::string name : {"", "/fifo", "/missing"}) {
        SCOPED_TRACE(name);
        std::vector<std::uint8_t> read{1, 2, 3};
        EXPECT_EQ(FileIO::readWholeFile(dir + name, read), Result::Failed);
        EXPECT_EQ(read, (std::vector<std::uint8_t>{1, 2, 3}));
    }
}

}  // namespace
