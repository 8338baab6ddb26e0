#include "export_document.hpp"

#include <qrvch.h>
#include <qrvda.h>
#include <qrvex/export.h>
#include <qrvfa.h>
#include <qrvfilters.h>
#include <qrvim.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "conversion.hpp"
#include "csv_parts.hpp"
#include "export_run.hpp"
#include "output_sink.hpp"
#include "picture_files.hpp"
#include "results.hpp"
#include "import_warnings.hpp"
#include "standard_input.hpp"

extern const unsigned char kSampleDocument[];
extern const std::size_t kSampleDocumentSize;

namespace qrv::tool {
namespace {

// The filter calls back on the thread that runs the export, so each
// thread's running export finds its own observer here.
thread_local ExportObserver *t_observer = nullptr;

// The host's callback: progress and warnings from the running filter.
uint32_t on_callback(uint32_t, uint32_t, uint32_t what, uint32_t value) {
    if (!t_observer) return 0;
    if (what == QRV_CALLBACK_PROGRESS)
        t_observer->progress(value);
    else if (what == QRV_CALLBACK_WARNING)
        t_observer->warning("warning: " + convert::describe_result(value) + "; the output shows what could be read");
    return 0;
}

struct ObserverScope {
    explicit ObserverScope(ExportObserver &observer) { t_observer = &observer; }
    ~ObserverScope() { t_observer = nullptr; }
};

ExportResult fail(const std::string &message, int status) { return {status, message}; }

// A step's failure as the tool's exit status: what the user named is wrong
// (the input, its format, the locale file), or the export failed.
ExportResult from_outcome(const convert::Outcome &o) {
    if (!o.failed()) return {};
    using convert::Part;
    const bool usage = o.part == Part::input || o.part == Part::input_format || o.part == Part::locale;
    return fail(o.message, usage ? kExitUsage : kExitFailed);
}

using Session = convert::Conversion;

ExportResult load_sample(Session &s) {
    char error[256] = {};
    const uint32_t rc = CHLoadDocumentText(reinterpret_cast<const char *>(kSampleDocument), kSampleDocumentSize,
                                           &s.chunker, error, sizeof error);
    if (rc == 0) return {};
    return fail(std::string("built-in sample: cannot load the document: ") + error, kExitUsage);
}

bool to_stdout(const Arguments &args) { return args.output.empty() || args.output == "-"; }

// How this export shows pictures: only HTML, Markdown and JSON show them,
// and to standard output, with no folder beside it, only embedded.
Images images_of(const Arguments &args) {
    const uint32_t output = args.format->writer.filter_output;
    const bool shows = !args.format->writes_items() &&
                       (output == QRV_OUTPUT_HTML || output == QRV_OUTPUT_MARKDOWN || output == QRV_OUTPUT_JSON);
    if (!shows || (args.images == Images::files && to_stdout(args))) return Images::none;
    return args.images;
}

// Imports the input in its own format (or the one --from names); the
// importer's message names the file and what is wrong with it.
ExportResult load_document(const Arguments &args, Session &s, ExportObserver &observer) {
    if (args.input.empty()) return load_sample(s);
    uint32_t format = 0;
    if (auto o = convert::input_format_named(args.from, format); o.failed()) return from_outcome(o);
    std::string warnings;
    s.read_flags = args.read_flags | (images_of(args) == Images::none ? IM_READ_NO_PICTURES : 0);
    if (is_standard_input(args.input)) {
        std::string bytes;
        if (!read_standard_input(bytes)) return fail("cannot read standard input", kExitUsage);
        if (auto o = convert::import_memory(bytes, "standard input", format, s, warnings); o.failed())
            return from_outcome(o);
    } else if (auto o = convert::import_file(args.input, format, s, warnings); o.failed()) {
        return from_outcome(o);
    }
    report_import_warnings(warnings, args.verbose, observer);
    return {};
}

// The input's name without its folders and extension: the page's title
// where the document gives none.  "" for the sample and standard input.
std::string document_name(const Arguments &args) {
    if (args.input.empty() || is_standard_input(args.input)) return {};
    return convert::title_from_path(args.input);
}

std::string output_name(const Arguments &args) { return to_stdout(args) ? "standard output" : args.output; }

// The writer of the sink that stands for standard output.
uint32_t write_stdout(void *, const void *data, size_t length) {
    errno = 0;
    if (std::fwrite(data, 1, length, stdout) == length) return 0;
    return errno ? static_cast<uint32_t>(errno) : static_cast<uint32_t>(EIO);
}

ExportResult output_failure(const Arguments &args, int error) {
    return from_outcome(convert::output_failure(output_name(args), error));
}

// The output goes to its file (or standard output) as the export runs.
ExportResult open_output(const Arguments &args, Session &s) {
    errno = 0;
    if (to_stdout(args)) {
        if (FACreateCallbackSink(write_stdout, nullptr, &s.sink) != 0) return output_failure(args, errno);
        return {};
    }
    return from_outcome(convert::open_file_output(s, args.output));
}

ExportResult close_output(const Arguments &args, Session &s) {
    if (!to_stdout(args)) return from_outcome(convert::close_file_output(s));
    if (auto o = convert::close_sink(s, output_name(args)); o.failed()) return from_outcome(o);
    errno = 0;
    if (std::fflush(stdout) != 0) return output_failure(args, errno);
    return {};
}

// --format items: the document as the importer built it.
ExportResult write_items(const Arguments &args, Session &s) {
    char *text = nullptr;
    size_t length = 0;
    if (uint32_t rc = CHDumpDocumentText(s.chunker, &text, &length))
        return fail("cannot write the document's items: " + convert::describe_result(rc), kExitFailed);
    ExportResult result = open_output(args, s);
    if (result.status == 0 && length && FAWrite(s.sink, text, length) != 0)
        result = from_outcome(convert::sink_failure(output_name(args), s.sink));
    if (result.status == 0) result = close_output(args, s);
    CHFreeText(text);
    return result;
}

ExportResult run_filter(const Arguments &args, Session &s, ExportObserver &observer) {
    ObserverScope scope(observer);
    const uint32_t embed = images_of(args) == Images::embed ? QRV_FILTER_EMBED_PICTURES : 0;
    const convert::FilterRun run{args.format->writer.filter_output, args.option_word | embed, on_callback};
    return from_outcome(convert::run_filter(s, run, output_name(args)));
}

ExportResult write_output(const Arguments &args, Session &s, ExportObserver &observer) {
    if (ExportResult r = open_output(args, s); r.status) return r;
    if (ExportResult r = run_filter(args, s, observer); r.status) return r;
    // The pictures are in place before the page that shows them.
    if (images_of(args) == Images::files)
        if (auto o = convert::write_picture_files(s.chunker, args.output); o.failed()) return from_outcome(o);
    return close_output(args, s);
}

// The sheets and tables of the document, as the CSV filter lists them.
ExportResult list_csv_parts(const Arguments &args, Session &s, ExportObserver &observer, std::vector<CsvPart> &parts) {
    Arguments listing = args;
    listing.option_word |= QRV_FILTER_CSV_LIST | QRV_FILTER_NO_PROGRESS;
    if (FACreateMemorySink(&s.sink) != 0) return fail("cannot list the document's sheets", kExitFailed);
    ExportResult r = run_filter(listing, s, observer);
    const char *data = nullptr;
    size_t length = 0;
    if (r.status == 0 && FAGetMemorySinkData(s.sink, &data, &length) == 0)
        parts = parse_part_list(std::string_view(data, length));
    FADestroySink(s.sink);
    s.sink = 0;
    return r;
}

std::string input_name(const Arguments &args) {
    if (args.input.empty()) return "built-in sample";
    return is_standard_input(args.input) ? "standard input" : args.input;
}

ExportResult write_csv_files(const Arguments &args, Session &s, ExportObserver &observer) {
    std::vector<CsvPart> parts;
    if (ExportResult r = list_csv_parts(args, s, observer, parts); r.status) return r;
    std::vector<CsvFile> files;
    std::string error;
    if (!plan_csv_files(args, parts, files, error)) return fail(input_name(args) + ": " + error, kExitFailed);
    for (const CsvFile &file : files) {
        Arguments one = args;
        one.output = file.output;
        one.option_word = file.option_word;
        if (ExportResult r = write_output(one, s, observer); r.status) return r;
    }
    return {};
}

// The output replacing the input would lose the input, however the two names
// are spelt (the same device and inode).
ExportResult refuse_overwriting_input(const Arguments &args) {
    std::error_code ec;
    if (!to_stdout(args) && !args.input.empty() && std::filesystem::equivalent(args.input, args.output, ec))
        return fail(args.input + ": its output " + args.output + " would overwrite it", kExitUsage);
    return {};
}

}  // namespace

ExportResult export_document(const Arguments &args, ExportObserver &observer) {
    if (ExportResult r = refuse_overwriting_input(args); r.status) return r;
    Session s;
    if (ExportResult r = load_document(args, s, observer); r.status) return r;
    if (args.format->writes_items()) return write_items(args, s);
    const std::string pictures = images_of(args) == Images::files ? convert::picture_folder_name(args.output) : "";
    if (auto o = convert::open_document(s, {document_name(args), args.locale, pictures}); o.failed())
        return from_outcome(o);
    args.format->writer.register_filter();
    if (args.format->writer.filter_output == QRV_OUTPUT_CSV) return write_csv_files(args, s, observer);
    return write_output(args, s, observer);
}

}  // namespace qrv::tool
