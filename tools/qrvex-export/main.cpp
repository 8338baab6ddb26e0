// qrvex-export: exports a document through the library with the reference
// filters, or a batch of documents into a directory.  See usage_text() and
// qrvex-export.1.
#include <unistd.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <cstdio>
#include <string>
#include <vector>

#include "arguments.hpp"
#include "atomic_output.hpp"
#include "batch.hpp"
#include "export_document.hpp"
#include "format_list.hpp"
#include "progress_bar.hpp"

namespace {

using qrv::tool::Arguments;

// A single export draws its progress and warnings on the terminal.
class TerminalObserver : public qrv::tool::ExportObserver {
public:
    explicit TerminalObserver(qrv::tool::ProgressBar &bar) : bar_(bar) {}
    void progress(uint32_t percent) override { bar_.percent(percent); }
    void warning(const std::string &line) override { bar_.warning(line); }

private:
    qrv::tool::ProgressBar &bar_;
};

int export_one(const Arguments &args) {
    qrv::tool::ProgressBar bar(isatty(STDERR_FILENO) == 1, args.quiet);
    TerminalObserver observer(bar);
    const qrv::tool::ExportResult result = qrv::tool::export_document(args, observer);
    bar.done();
    if (result.status) std::fprintf(stderr, "qrvex-export: %s\n", result.message.c_str());
    return result.status;
}

}  // namespace

int main(int argc, char **argv) {
#ifdef _WIN32
    // The document goes to standard output byte for byte, not with CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    qrv::convert::let_oversized_writes_fail();
    std::vector<std::string> list(argv + 1, argv + argc);
    Arguments args;
    std::string error;
    if (!qrv::tool::parse_arguments(list, args, error)) {
        std::fprintf(stderr, "qrvex-export: %s\nTry 'qrvex-export --help'.\n", error.c_str());
        return qrv::tool::kExitUsage;
    }
    if (args.help) {
        std::fputs(qrv::tool::usage_text(), stdout);
        return 0;
    }
    if (args.list_formats) {
        std::fputs(qrv::tool::format_list().c_str(), stdout);
        return 0;
    }
    if (args.version) {
        std::puts("qrvex-export " QRVEX_VERSION);
        return 0;
    }
    return args.output_dir.empty() ? export_one(args) : qrv::tool::run_batch(args);
}
