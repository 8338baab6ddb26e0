// qrvex-export: exports a document through the library with the reference
// filters.  See usage_text() and qrvex-export.1.
#include <qrvch.h>
#include <qrvda.h>
#include <qrvex/export.h>
#include <qrvfa.h>
#include <qrvfilters.h>
#include <unistd.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "arguments.hpp"
#include "locale_file.hpp"
#include "progress_bar.hpp"
#include "results.hpp"

extern const unsigned char kSampleDocument[];
extern const std::size_t kSampleDocumentSize;

namespace {

using qrv::tool::Arguments;

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

qrv::tool::ProgressBar *g_progress = nullptr;

// The host's callback: progress and warnings from the running filter.
uint32_t on_callback(uint32_t, uint32_t, uint32_t what, uint32_t value) {
    if (!g_progress) return 0;
    if (what == QRV_CALLBACK_PROGRESS) g_progress->percent(value);
    else if (what == QRV_CALLBACK_WARNING) g_progress->warning(value);
    return 0;
}

int fail(const std::string &message, int status) {
    std::fprintf(stderr, "qrvex-export: %s\n", message.c_str());
    return status;
}

bool read_file(const std::string &path, std::string &text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

// Everything one export holds, released in the right order however it ends.
struct Session {
    CHHandle chunker = 0;
    uint32_t options = 0, document = 0, sink = 0;
    ~Session() {
        if (sink) FADestroySink(sink);
        if (document) DACloseDocument(document);
        if (options) DADestroyOptions(options);
        if (chunker) CHCloseDocument(chunker);
    }
};

int load_document(const Arguments &args, Session &s) {
    char error[256] = {};
    uint32_t rc = args.input.empty()
        ? CHLoadDocumentText(reinterpret_cast<const char *>(kSampleDocument), kSampleDocumentSize, &s.chunker,
                             error, sizeof error)
        : CHLoadDocumentFile(args.input.c_str(), &s.chunker, error, sizeof error);
    if (rc == 0) return 0;
    std::string where = args.input.empty() ? "built-in sample" : args.input;
    std::string what = error[0] ? error : qrv::tool::describe_result(rc);
    return fail(where + ": cannot load the document: " + what, kExitUsage);
}

int set_up_options(const Arguments &args, Session &s) {
    if (uint32_t rc = DACreateOptions(&s.options))
        return fail("cannot create the export options: " + qrv::tool::describe_result(rc), kExitFailed);
    if (args.locale.empty()) return 0;
    std::string text, error;
    if (!read_file(args.locale, text)) return fail(args.locale + ": cannot read the locale file", kExitUsage);
    FUIntlSettings settings = qrv::tool::default_settings();
    if (!qrv::tool::apply_locale_text(text, settings, error)) return fail(args.locale + ": " + error, kExitUsage);
    if (uint32_t rc = DASetOption(s.options, DA_OPTION_INTL_SETTINGS, &settings, sizeof settings))
        return fail(args.locale + ": cannot set the conventions: " + qrv::tool::describe_result(rc), kExitFailed);
    return 0;
}

int write_output(const Arguments &args, uint32_t sink) {
    const char *data = nullptr;
    size_t length = 0;
    if (FAGetMemorySinkData(sink, &data, &length) != 0) return fail("cannot read the output back", kExitFailed);
    if (args.output.empty() || args.output == "-") {
        if (length && std::fwrite(data, 1, length, stdout) != length) return fail("cannot write to standard output", kExitFailed);
        return std::fflush(stdout) == 0 ? 0 : fail("cannot write to standard output", kExitFailed);
    }
    std::ofstream out(args.output, std::ios::binary);
    if (!out || !out.write(data, static_cast<std::streamsize>(length)) || !out.flush())
        return fail(args.output + ": cannot write the output", kExitFailed);
    return 0;
}

int export_document(const Arguments &args) {
    Session s;
    if (int status = load_document(args, s)) return status;
    if (int status = set_up_options(args, s)) return status;
    if (uint32_t rc = DAOpenDocument(s.chunker, s.options, &s.document))
        return fail("cannot open the document: " + qrv::tool::describe_result(rc), kExitFailed);
    QRVRegisterHtmlFilter();
    QRVRegisterTextFilter();
    if (uint32_t rc = FACreateMemorySink(&s.sink))
        return fail("cannot create the output: " + qrv::tool::describe_result(rc), kExitFailed);

    qrv::tool::ProgressBar progress(isatty(STDERR_FILENO) == 1, args.quiet);
    g_progress = &progress;
    const uint32_t output_id = args.format == qrv::tool::Format::Text ? QRV_OUTPUT_TEXT : QRV_OUTPUT_HTML;
    uint32_t hExport = 0;
    uint32_t rc = EXOpenExport(s.document, output_id, s.sink, args.option_word, 0, 0, on_callback, 0, &hExport);
    const char *stage = "open";
    if (rc == 0) {
        rc = EXRunExport(hExport);
        stage = "run";
        uint32_t closed = EXCloseExport(hExport);
        if (rc == 0) rc = closed, stage = "close";
    }
    progress.done();
    g_progress = nullptr;
    if (rc != 0) return fail(std::string("export failed (") + stage + "): " + qrv::tool::describe_result(rc), kExitFailed);
    return write_output(args, s.sink);
}

}  // namespace

int main(int argc, char **argv) {
#ifdef _WIN32
    // The document goes to standard output byte for byte, not with CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::vector<std::string> list(argv + 1, argv + argc);
    Arguments args;
    std::string error;
    if (!qrv::tool::parse_arguments(list, args, error)) {
        std::fprintf(stderr, "qrvex-export: %s\nTry 'qrvex-export --help'.\n", error.c_str());
        return kExitUsage;
    }
    if (args.help) {
        std::fputs(qrv::tool::usage_text(), stdout);
        return 0;
    }
    if (args.version) {
        std::puts("qrvex-export 0.1.0");
        return 0;
    }
    return export_document(args);
}
