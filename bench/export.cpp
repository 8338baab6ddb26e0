// A whole export through the HTML filter: a generated document of 100,000
// paragraphs and a spreadsheet section of 1,000,000 formatted cells, opened,
// run and closed as a host does that streams the page on (a callback sink
// that counts the bytes).  Reports items per second over the document's
// items; the peak resident memory of the process; the document's share of
// it (what building the document added); and the export's own peak (the
// most the exports added on top of the document, where the system lets the
// peak be reset: Linux).
#include <benchmark/benchmark.h>
#include <qrvch.h>
#include <qrvda.h>
#include <qrvex/export.h>
#include <qrvfa.h>
#include <qrvfilters.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "support/generated_report.hpp"

namespace {

constexpr uint32_t kParagraphs = 100000;
constexpr uint32_t kColumns = 100;
constexpr uint32_t kRows = 10000;  // 1,000,000 cells

constexpr double kMiB = 1024.0 * 1024.0;

double peak_resident_mib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double resident_mib() {
    long pages = 0, resident = 0;
    std::FILE *statm = std::fopen("/proc/self/statm", "r");
    if (!statm) return 0;
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / kMiB;
}

// The peak since the last reset_peak(), where the system keeps one (VmHWM).
double peak_since_reset_mib() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

bool reset_peak() { return static_cast<bool>(std::ofstream("/proc/self/clear_refs") << "5"); }

uint32_t count_bytes(void *total, const void *, size_t length) {
    *static_cast<size_t *>(total) += length;
    return 0;
}

void BM_ExportGeneratedDocument(benchmark::State &state) {
    const double before = resident_mib();
    CHHandle h = qrv::test::generated_report(kParagraphs, kColumns, kRows);
    const double with_document = resident_mib();
    uint32_t items = 0, options = 0, document = 0;
    CHGetItemCount(h, CH_STORE_ITEMS, &items);
    DACreateOptions(&options);
    DAOpenDocument(h, options, &document);
    QRVRegisterHtmlFilter();
    const bool own_peak = reset_peak();
    const double start = resident_mib();
    size_t bytes = 0;
    for (auto _ : state) {
        uint32_t sink = 0, hExport = 0;
        bytes = 0;
        FACreateCallbackSink(count_bytes, &bytes, &sink);
        uint32_t rc = EXOpenExport(document, QRV_OUTPUT_HTML, sink, QRV_FILTER_NO_PROGRESS, 0, 0, nullptr, 0, &hExport);
        if (rc == 0) rc = EXRunExport(hExport);
        if (hExport) EXCloseExport(hExport);
        if (FADestroySink(sink) != 0 && rc == 0) rc = FA_ERR_BAD_SINK;
        if (rc != 0) {
            state.SkipWithError(("export failed with code " + std::to_string(rc)).c_str());
            break;
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * items);
    state.counters["items"] = items;
    state.counters["output_MiB"] = static_cast<double>(bytes) / kMiB;
    state.counters["peak_RSS_MiB"] = peak_resident_mib();
    state.counters["document_MiB"] = with_document - before;
    if (own_peak) state.counters["export_peak_MiB"] = peak_since_reset_mib() - start;
    DACloseDocument(document);
    DADestroyOptions(options);
    CHCloseDocument(h);
}

BENCHMARK(BM_ExportGeneratedDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
