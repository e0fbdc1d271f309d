// Runs every input kept for the fuzzing harnesses through its harness: the seed corpora (fuzz/corpus/<harness>/)
// and every input that once found a fault (fuzz/regressions/<harness>/). A failed harness check names the file.
#include <gtest/gtest.h>

#include <algorithm>
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

struct CheckFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

TEST(StoredInputs, EachPassesItsHarness) {
    FuzzCheck::setFailureHandler([](const std::string& what) { throw CheckFailed(what); });
    int inputs = 0;
    for (const auto& [harness, run] : kHarnesses)
        for (const char* folder : {"corpus", "regressions"}) {
            const fs::path dir = fs::path(TAMSEL_FUZZ_INPUTS) / folder / harness;
            if (!fs::is_directory(dir)) continue;
            std::vector<fs::path> files(fs::directory_iterator(dir), {});
            std::sort(files.begin(), files.end());
            for (const fs::path& f : files) {
                const std::vector<std::uint8_t> bytes = testsupport::readBytes(f.string());
                ++inputs;
                try {
                    run(bytes.data(), bytes.size());
                } catch (const CheckFailed& failure) {
                    ADD_FAILURE() << f.string() << ": " << failure.what();
                }
            }
        }
    FuzzCheck::setFailureHandler(nullptr);
    EXPECT_GT(inputs, 0);
}

}  // namespace
