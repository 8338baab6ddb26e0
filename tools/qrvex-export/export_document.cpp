#include "export_document.hpp"

#include <qrvch.h>
#include <qrvda.h>
#include <qrvex/export.h>
#include <qrvfa.h>
#include <qrvfilters.h>
#include <qrvim.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "atomic_output.hpp"
#include "format_list.hpp"
#include "locale_file.hpp"
#include "option_file.hpp"
#include "results.hpp"
#include "csv_parts.hpp"
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
        t_observer->warning("warning: " + describe_result(value) + "; the output shows what could be read");
    return 0;
}

struct ObserverScope {
    explicit ObserverScope(ExportObserver &observer) { t_observer = &observer; }
    ~ObserverScope() { t_observer = nullptr; }
};

ExportResult fail(const std::string &message, int status) { return {status, message}; }

// Everything one export holds, released in the right order however it ends.
struct Session {
    CHHandle chunker = 0;
    uint32_t options = 0, document = 0, sink = 0;
    AtomicOutput file;  // the output file, in its place only once complete
    ~Session() {
        if (sink) FADestroySink(sink);
        if (document) DACloseDocument(document);
        if (options) DADestroyOptions(options);
        if (chunker) CHCloseDocument(chunker);
    }
};

ExportResult load_sample(Session &s) {
    char error[256] = {};
    const uint32_t rc = CHLoadDocumentText(reinterpret_cast<const char *>(kSampleDocument), kSampleDocumentSize,
                                           &s.chunker, error, sizeof error);
    if (rc == 0) return {};
    return fail(std::string("built-in sample: cannot load the document: ") + error, kExitUsage);
}

// Imports the input in its own format (or the one --from names); the
// importer's message names the file and what is wrong with it.
ExportResult load_document(const Arguments &args, Session &s, ExportObserver &observer) {
    if (args.input.empty()) return load_sample(s);
    IMOptions options{};
    options.StructSize = sizeof options;
    if (!args.from.empty() && (options.Format = IMFormatFromName(args.from.c_str())) == IM_FORMAT_AUTO)
        return fail("unknown input format '" + args.from + "' (use " + input_name_choices() + ")", kExitUsage);
    char message[1024] = {};
    if (is_standard_input(args.input)) {
        std::string bytes;
        if (!read_standard_input(bytes)) return fail("cannot read standard input", kExitUsage);
        if (IMImportMemory(bytes.data(), bytes.size(), "standard input", &options, &s.chunker, message,
                           sizeof message) != 0)
            return fail(message, kExitUsage);
    } else if (IMImportFile(args.input.c_str(), &options, &s.chunker, message, sizeof message) != 0) {
        return fail(message, kExitUsage);
    }
    report_import_warnings(message, args.verbose, observer);
    return {};
}

// The input's name without its folders and extension: the page's title
// where the document gives none.  "" for the sample and standard input.
std::string document_name(const Arguments &args) {
    if (args.input.empty() || is_standard_input(args.input)) return {};
    return std::filesystem::path(args.input).stem().string();
}

ExportResult set_up_options(const Arguments &args, Session &s) {
    if (uint32_t rc = DACreateOptions(&s.options))
        return fail("cannot create the export options: " + describe_result(rc), kExitFailed);
    if (const std::string name = document_name(args); !name.empty())
        DASetOption(s.options, QRV_OPTION_DOCUMENT_NAME, name.data(), static_cast<uint32_t>(name.size()));
    if (args.locale.empty()) return {};
    std::string text, error;
    if (!read_option_file(args.locale, text, error))
        return fail(args.locale + ": cannot read the locale file: " + error, kExitUsage);
    FUIntlSettings settings = default_settings();
    if (!apply_locale_text(text, settings, error)) return fail(args.locale + ": " + error, kExitUsage);
    if (uint32_t rc = DASetOption(s.options, DA_OPTION_INTL_SETTINGS, &settings, sizeof settings))
        return fail(args.locale + ": cannot set the conventions: " + describe_result(rc), kExitFailed);
    return {};
}

bool to_stdout(const Arguments &args) { return args.output.empty() || args.output == "-"; }

std::string output_name(const Arguments &args) { return to_stdout(args) ? "standard output" : args.output; }

// The writer of the sink that stands for standard output.
uint32_t write_stdout(void *, const void *data, size_t length) {
    errno = 0;
    if (std::fwrite(data, 1, length, stdout) == length) return 0;
    return errno ? static_cast<uint32_t>(errno) : static_cast<uint32_t>(EIO);
}

// The output could not be written, for the system's reason error (0: none known).
ExportResult output_failure(const Arguments &args, int error) {
    const std::string reason = error ? std::string(": ") + std::strerror(error) : std::string();
    return fail(output_name(args) + ": cannot write the output" + reason, kExitFailed);
}

ExportResult sink_failure(const Arguments &args, uint32_t sink) {
    uint32_t error = 0;
    FAGetSinkError(sink, &error);
    return output_failure(args, static_cast<int>(error));
}

// The output goes to its file (or standard output) as the export runs.
ExportResult open_output(const Arguments &args, Session &s) {
    errno = 0;
    if (to_stdout(args)) {
        if (FACreateCallbackSink(write_stdout, nullptr, &s.sink) != 0) return output_failure(args, errno);
        return {};
    }
    if (!s.file.open(args.output) || FACreateFileSink(s.file.path().c_str(), &s.sink) != 0)
        return output_failure(args, errno);
    return {};
}

ExportResult close_output(const Arguments &args, Session &s) {
    if (FAFlushSink(s.sink) != 0) return sink_failure(args, s.sink);
    errno = 0;
    const uint32_t closed = FADestroySink(s.sink);
    s.sink = 0;
    if (closed != 0 || (to_stdout(args) && std::fflush(stdout) != 0)) return output_failure(args, errno);
    if (!to_stdout(args) && !s.file.commit()) return output_failure(args, errno);
    return {};
}

// --format items: the document as the importer built it.
ExportResult write_items(const Arguments &args, Session &s) {
    char *text = nullptr;
    size_t length = 0;
    if (uint32_t rc = CHDumpDocumentText(s.chunker, &text, &length))
        return fail("cannot write the document's items: " + describe_result(rc), kExitFailed);
    ExportResult result = open_output(args, s);
    if (result.status == 0 && length && FAWrite(s.sink, text, length) != 0) result = sink_failure(args, s.sink);
    if (result.status == 0) result = close_output(args, s);
    CHFreeText(text);
    return result;
}

// Large pages are held back in scratch files while they are written.
ExportResult scratch_failure(uint32_t error) {
    const char *dir = std::getenv("TMPDIR");
    const std::string folder = dir && *dir ? dir : "/tmp";
    return fail("export failed: cannot write a scratch file in the folder for temporary files (" + folder +
                    "): " + std::strerror(static_cast<int>(error)) + "; TMPDIR names another",
                kExitFailed);
}

ExportResult run_filter(const Arguments &args, Session &s, ExportObserver &observer) {
    const uint32_t output_id = args.format->writer.filter_output;
    ObserverScope scope(observer);
    uint32_t hExport = 0;
    QRVTakeScratchFileError();
    uint32_t rc = EXOpenExport(s.document, output_id, s.sink, args.option_word, 0, 0, on_callback, 0, &hExport);
    const char *stage = "open";
    if (rc == 0) {
        rc = EXRunExport(hExport);
        stage = "run";
        uint32_t closed = EXCloseExport(hExport);
        if (rc == 0) rc = closed, stage = "close";
    }
    uint32_t sink_error = 0;
    if (rc != 0 && FAGetSinkError(s.sink, &sink_error) == 0 && sink_error != 0) return sink_failure(args, s.sink);
    if (const uint32_t scratch_error = QRVTakeScratchFileError(); rc != 0 && scratch_error != 0)
        return scratch_failure(scratch_error);
    if (rc != 0) return fail(std::string("export failed (") + stage + "): " + describe_result(rc), kExitFailed);
    return {};
}

ExportResult write_output(const Arguments &args, Session &s, ExportObserver &observer) {
    if (ExportResult r = open_output(args, s); r.status) return r;
    if (ExportResult r = run_filter(args, s, observer); r.status) return r;
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
    if (ExportResult r = set_up_options(args, s); r.status) return r;
    if (uint32_t rc = DAOpenDocument(s.chunker, s.options, &s.document))
        return fail("cannot open the document: " + describe_result(rc), kExitFailed);
    args.format->writer.register_filter();
    if (args.format->writer.filter_output == QRV_OUTPUT_CSV) return write_csv_files(args, s, observer);
    return write_output(args, s, observer);
}

}  // namespace qrv::tool
