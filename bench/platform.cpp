// Platform hot paths: global memory lock/unlock and growth, wsprintfA of the
// date and exponent formats, _ecvt at the digit counts the formatters ask.
#include <benchmark/benchmark.h>
#include <qrvplatform/platform.h>

namespace {

void BM_GlobalLockUnlock(benchmark::State &state) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 64);
    for (auto _ : state) {
        benchmark::DoNotOptimize(GlobalLock(h));
        GlobalUnlock(h);
    }
    GlobalFree(h);
}
BENCHMARK(BM_GlobalLockUnlock);

void BM_GlobalAllocGrowFree(benchmark::State &state) {
    for (auto _ : state) {
        HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 16);
        for (size_t size = 32; size <= 1024; size *= 2) h = GlobalReAlloc(h, size, GMEM_MOVEABLE);
        GlobalFree(h);
    }
}
BENCHMARK(BM_GlobalAllocGrowFree);

void BM_WsprintfTime(benchmark::State &state) {
    char out[64];
    for (auto _ : state) benchmark::DoNotOptimize(wsprintfA(out, "%i%c%2.2i%c%2.2i %s", 11, ':', 5, ':', 9, "PM"));
}
BENCHMARK(BM_WsprintfTime);

void BM_WsprintfExponent(benchmark::State &state) {
    char out[64];
    for (auto _ : state) benchmark::DoNotOptimize(wsprintfA(out, "E+%2.2i", 123));
}
BENCHMARK(BM_WsprintfExponent);

void BM_Ecvt(benchmark::State &state) {
    const int digits = static_cast<int>(state.range(0));
    int decpt, sign;
    double value = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(_ecvt(value, digits, &decpt, &sign));
        value += 0.001;
    }
}
BENCHMARK(BM_Ecvt)->Arg(15)->Arg(127)->Arg(255);

void BM_EcvtTie(benchmark::State &state) {
    int decpt, sign;
    for (auto _ : state) benchmark::DoNotOptimize(_ecvt(2.5, 1, &decpt, &sign));
}
BENCHMARK(BM_EcvtTie);

}  // namespace

BENCHMARK_MAIN();
