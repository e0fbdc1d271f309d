// Runs every input kept for the fuzzing harnesses through its harness, one test row per file: the seed corpora
// (fuzz/corpus/<harness>/) and every input that once found a fault (fuzz/regressions/<harness>/). A failed
// harness check fails the row.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>

#include "FuzzCheck.h"
#include "support/TestSupport.h"

#define TAMSEL_HARNESS(name) int name(const std::uint8_t* data, std::size_t size);
#include "FuzzHarnesses.inc"
#undef TAMSEL_HARNESS

namespace {

namespace fs = std::filesystem;
using Harness = int (*)(const std::uint8_t*, std::size_t);

#define TAMSEL_HARNESS(name) std::pair<const char*, Harness>{#name, name},
const std::pair<const char*, Harness> kHarnesses[] = {
#include "FuzzHarnesses.inc"
};
#undef TAMSEL_HARNESS

struct StoredInput {
    std::string name;
    Harness run;
    std::string path;
};  // name: row name: harness, folder and file

void PrintTo(const StoredInput& input, std::ostream* os) { *os << input.path; }

std::vector<StoredInput> storedInputs() {
    std::vector<StoredInput> out;
    for (const auto& [harness, run] : kHarnesses)
        for (const std::string folder : {"corpus", "regressions"}) {
            const fs::path dir = fs::path(TAMSEL_FUZZ_INPUTS) / folder / harness;
            if (!fs::is_directory(dir)) continue;
            std::vector<fs::path> files(fs::directory_iterator(dir), {});
            std::sort(files.begin(), files.end());
            for (const fs::path& f : files) {
                std::string name = harness + ("_" + folder + "_") + f.filename().string();
                std::replace_if(
                    name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
                out.push_back({name, run, f.string()});
            }
        }
    return out;
}

struct CheckFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class StoredInputTest : public ::testing::TestWithParam<StoredInput> {
protected:
    void SetUp() override {
        FuzzCheck::setFailureHandler([](const std::string& what) { throw CheckFailed(what); });
    }
    void TearDown() override { FuzzCheck::setFailureHandler(nullptr); }
};

TEST_P(StoredInputTest, PassesItsHarness) {
    const std::vector<std::uint8_t> bytes = testsupport::readBytes(GetParam().path);
    try {
        GetParam().run(bytes.data(), bytes.size());
    } catch (const CheckFailed& failure) {
        ADD_FAILURE() << GetParam().path << ": " << failure.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, StoredInputTest, ::testing::ValuesIn(storedInputs()),
                         [](const ::testing::TestParamInfo<StoredInput>& info) { return info.param.name; });

}  // namespace
