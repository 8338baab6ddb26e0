// A Word document of about 500 pages (bench/docx_document.hpp) imported
// through QRVIM, and imported and exported to HTML through the reference
// filter, as qrvex-export does.  Reports the time of each and the peak
// resident memory of the process.
//
// The peer, LibreOffice, cannot run inside this program; bench/docx_peer.sh
// converts the same file with it and with qrvex-export under /usr/bin/time
// and prints both side by side.  It gets the file from
//     bench_docx_import --write-docx FILE
#include <benchmark/benchmark.h>
#include <qrvch.h>
#include <qrvda.h>
#include <qrvex/export.h>
#include <qrvfa.h>
#include <qrvfilters.h>
#include <qrvim.h>
#include <sys/resource.h>

#include <cstring>
#include <fstream>
#include <string>

#include "docx_document.hpp"
#include "html_export.hpp"

namespace {

const std::string &document() {
    static const std::string bytes = qrv::bench::generated_docx();
    return bytes;
}

CHHandle import_document() {
    CHHandle h = 0;
    char message[512];
    if (IMImportMemory(document().data(), document().size(), "bench.docx", nullptr, &h, message, sizeof message) != 0)
        return 0;
    return h;
}

void report_memory(benchmark::State &state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["docx_mb"] = static_cast<double>(document().size()) / (1024.0 * 1024.0);
}

void BM_Import(benchmark::State &state) {
    for (auto _ : state) {
        CHHandle h = import_document();
        if (!h) state.SkipWithError("the document does not import");
        CHCloseDocument(h);
    }
    report_memory(state);
}
BENCHMARK(BM_Import)->Name("docx/ours/import")->Unit(benchmark::kMillisecond);

void BM_ImportAndExport(benchmark::State &state) {
    size_t html = 0;
    for (auto _ : state) {
        CHHandle h = import_document();
        if (!h) state.SkipWithError("the document does not import");
        html = qrv::bench::export_html(h);
        CHCloseDocument(h);
    }
    state.counters["html_mb"] = static_cast<double>(html) / (1024.0 * 1024.0);
    report_memory(state);
}
BENCHMARK(BM_ImportAndExport)->Name("docx/ours/html")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-docx") == 0) {
        std::ofstream out(argv[2], std::ios::binary);
        out << document();
        return out ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
