// A generated PowerPoint presentation of 1,000 slides, each with a title,
// bullets three levels deep and speaker notes, and a table on every tenth,
// imported through QRVIM and exported to HTML through the reference filter,
// as qrvex-export does.  Reports the time and the peak resident memory of
// the process.
//
// The peer, LibreOffice, cannot run inside this program; bench/docx_peer.sh
// converts the same file with it and with qrvex-export under /usr/bin/time.
// It gets the file from
//     bench_slides_export --write-pptx FILE
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
#include "import/slides_builder.hpp"

namespace {

constexpr int kSlides = 1000;
constexpr int kTableEvery = 10;

using qrv::bench::docx_document::words;

std::string bullets(int slide) {
    std::string out;
    for (int item = 0; item < 4; ++item) {
        const int seed = slide * 11 + item;
        out += qrv::test::a_p(words(seed, 9));
        out += qrv::test::a_p(words(seed + 1, 7), " lvl=\"1\"");
        if (item % 2 == 0) out += qrv::test::a_p(words(seed + 2, 5), " lvl=\"2\"");
    }
    return qrv::test::p_sp(out, "type=\"body\" idx=\"1\"");
}

std::string table(int slide) {
    std::string rows;
    for (int r = 0; r < 5; ++r) {
        rows += "<a:tr h=\"370840\">";
        for (int c = 0; c < 4; ++c) rows += qrv::test::a_tc(r == 0 ? words(slide + c, 1) : std::to_string(r * c + slide));
        rows += "</a:tr>";
    }
    return qrv::test::p_table(rows, 4);
}

// The content types a presentation program looks for beside the main part.
void add_content_types(std::vector<qrv::test::Part> &parts) {
    const std::string ml = "application/vnd.openxmlformats-officedocument.presentationml.";
    std::string overrides = "<Override PartName=\"/ppt/slideLayouts/slideLayout1.xml\" ContentType=\"" + ml +
                            "slideLayout+xml\"/><Override PartName=\"/ppt/slideMasters/slideMaster1.xml\" "
                            "ContentType=\"" +
                            ml + "slideMaster+xml\"/>";
    for (const auto &part : parts) {
        const char *type = part.name.starts_with("ppt/slides/slide")          ? "slide+xml"
                           : part.name.starts_with("ppt/notesSlides/notesSlide") ? "notesSlide+xml"
                                                                                : nullptr;
        if (type) overrides += "<Override PartName=\"/" + part.name + "\" ContentType=\"" + ml + type + "\"/>";
    }
    parts[0].content.insert(parts[0].content.find("</Types>"), overrides);
}

std::string generated_pptx() {
    qrv::test::Pptx pptx;
    for (int s = 0; s < kSlides; ++s) {
        std::string shapes = qrv::test::p_title("Slide " + words(s, 4)) + bullets(s);
        if (s % kTableEvery == kTableEvery - 1) shapes += table(s);
        pptx.slides.push_back({shapes, qrv::test::p_sp(qrv::test::a_p(words(s + 3, 20)), "type=\"body\" idx=\"1\"")});
    }
    pptx.text_styles =
        "<p:bodyStyle><a:lvl1pPr><a:buChar char=\"\xE2\x80\xA2\"/></a:lvl1pPr><a:lvl2pPr><a:buChar char=\"-\"/>"
        "</a:lvl2pPr><a:lvl3pPr><a:buChar char=\"\xE2\x80\xA2\"/></a:lvl3pPr></p:bodyStyle>";
    std::vector<qrv::test::Part> parts = pptx.parts();
    add_content_types(parts);
    return qrv::test::zip_of(parts);
}

const std::string &document() {
    static const std::string bytes = generated_pptx();
    return bytes;
}

size_t import_and_export() {
    CHHandle h = 0;
    char message[512];
    if (IMImportMemory(document().data(), document().size(), "bench.pptx", nullptr, &h, message, sizeof message) != 0)
        return 0;
    const size_t length = qrv::bench::export_html(h);
    CHCloseDocument(h);
    return length;
}

void BM_SlidesToHtml(benchmark::State &state) {
    size_t html = 0;
    for (auto _ : state) {
        html = import_and_export();
        if (html == 0) state.SkipWithError("the presentation does not convert");
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["pptx_mb"] = static_cast<double>(document().size()) / (1024.0 * 1024.0);
    state.counters["html_mb"] = static_cast<double>(html) / (1024.0 * 1024.0);
}
BENCHMARK(BM_SlidesToHtml)->Name("pptx/ours/html")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-pptx") == 0) {
        std::ofstream out(argv[2], std::ios::binary);
        out << document();
        return out ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
