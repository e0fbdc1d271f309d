// libFuzzer's entry point for one harness; TAMSEL_FUZZ_BODY names the harness function
// (FuzzRomDecode, FuzzSettings, ...), which the regression test calls directly.
#include <cstddef>
#include <cstdint>

int TAMSEL_FUZZ_BODY(const std::uint8_t* data, std::size_t size);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return TAMSEL_FUZZ_BODY(data, size);
}
