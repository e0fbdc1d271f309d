// Decoding and encoding one image of each edition: the reference images when they are
// beside the checkout, otherwise the demo images.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "demo/DemoRom.h"

namespace {

RomImage imageFor(ConsoleKind kind) {
    const std::filesystem::path fixture = std::filesystem::path(TAMSEL_FIXTURES_DIR) /
                                          (kind == Console::Nes ? "nes-1/game.nes" : "snes-overflow-2/game.smc");
    std::ifstream in(fixture, std::ios::binary);
    if (in) return RomImage(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return kind == Console::Nes ? DemoRom::makeNes() : DemoRom::makeSnes();
}

OffsetSet offsetsFor(ConsoleKind kind) {
    return kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults();
}

void BM_Decode(benchmark::State& state) {
    const ConsoleKind kind = static_cast<ConsoleKind>(state.range(0));
    const RomImage rom = imageFor(kind);
    const OffsetSet o = offsetsFor(kind);
    for (auto _ : state) {
        clsProject project;
        benchmark::DoNotOptimize(loadProjectFromRom(project, rom, o, kind));
        benchmark::DoNotOptimize(project);
    }
    state.SetLabel(kind == Console::Nes ? "NES" : "SNES");
}

void BM_Encode(benchmark::State& state) {
    const ConsoleKind kind = static_cast<ConsoleKind>(state.range(0));
    RomImage rom = imageFor(kind);
    const OffsetSet o = offsetsFor(kind);
    clsProject project;
    if (loadProjectFromRom(project, rom, o, kind) != Result::Ok) {
        state.SkipWithError("image does not decode");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(saveProjectToRom(project, rom, o, kind));
        benchmark::ClobberMemory();
    }
    state.SetLabel(kind == Console::Nes ? "NES" : "SNES");
}

}  // namespace

BENCHMARK(BM_Decode)->Arg(Console::Nes)->Arg(Console::Snes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Encode)->Arg(Console::Nes)->Arg(Console::Snes)->Unit(benchmark::kMicrosecond);
