#include "arguments.hpp"

#include <qrvfilters.h>
#include <qrvim.h>

#include "csv_options.hpp"

#include <charconv>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace qrv::tool {
namespace {

struct NamedOption {
    const char *name;
    uint32_t bit;
};

// Words of --options, each switching one part of the page on or off.
constexpr NamedOption kOptionWords[] = {
    {"toc", QRV_FILTER_TOC},
    {"no-toc", QRV_FILTER_NO_TOC},
    {"no-notes", QRV_FILTER_NO_NOTES},
    {"no-progress", QRV_FILTER_NO_PROGRESS},
};

bool parse_option_words(const std::string &list, uint32_t &word, std::string &error) {
    std::istringstream words(list);
    for (std::string w; std::getline(words, w, ',');) {
        if (w.empty()) continue;
        bool known = false;
        for (const auto &o : kOptionWords)
            if (w == o.name) word |= o.bit, known = true;
        if (!known) {
            error = "unknown option word '" + w + "' (known: toc, no-toc, no-notes, no-progress)";
            return false;
        }
    }
    return true;
}

bool parse_jobs(const std::string &text, unsigned &jobs, std::string &error) {
    unsigned value = 0;
    const char *end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    if (parsed.ec != std::errc() || parsed.ptr != end || value < 1 || value > kMaxJobs) {
        error = "--jobs needs a number from 1 to " + std::to_string(kMaxJobs) + ", not '" + text + "'";
        return false;
    }
    jobs = value;
    return true;
}

bool parse_timeout(const std::string &text, unsigned &seconds, std::string &error) {
    unsigned value = 0;
    const char *end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    if (parsed.ec != std::errc() || parsed.ptr != end || value < 1 || value > kMaxTimeout) {
        error = "--timeout needs a number of seconds from 1 to " + std::to_string(kMaxTimeout) + ", not '" + text + "'";
        return false;
    }
    seconds = value;
    return true;
}

// Combinations that only make sense in a batch, or only outside one.
bool check_batch(const Arguments &out, bool jobs_given, std::string &error) {
    if (out.output_dir.empty() && out.timeout) {
        error = "--timeout needs --output-dir DIR";
        return false;
    }
    if (out.output_dir.empty()) {
        if (out.inputs.size() > 1)
            error = "more than one input document ('" + out.inputs[0] + "', '" + out.inputs[1] +
                    "'); give --output-dir DIR to convert them all";
        else if (jobs_given)
            error = "--jobs needs --output-dir DIR";
        else if (out.mirror)
            error = "--mirror needs --output-dir DIR";
        return error.empty();
    }
    if (!out.output.empty())
        error = "--output and --output-dir cannot go together";
    else if (out.inputs.empty())
        error = "--output-dir needs at least one input document";
    return error.empty();
}

bool parse_format(const std::string &name, Arguments &out, std::string &error) {
    out.format = filters::output_named(name);
    if (!out.format) error = "unknown format '" + name + "' (use " + filters::output_name_choices() + ")";
    out.format_given = true;
    return out.format != nullptr;
}

// Without --format the output's extension names the format.
bool format_of_output(Arguments &out, std::string &error) {
    if (out.format_given) return true;
    out.format = filters::output_for_path(out.output);
    if (!out.format)
        error = "cannot tell the output format of '" + out.output + "' from its extension (use " +
                filters::output_extension_choices() + ", or give --format)";
    return out.format != nullptr;
}

bool parse_images(const std::string &mode, Images &images, std::string &error) {
    constexpr std::pair<std::string_view, Images> kModes[] = {
        {"files", Images::files}, {"embed", Images::embed}, {"none", Images::none}};
    for (const auto &[name, value] : kModes)
        if (mode == name) {
            images = value;
            return true;
        }
    error = "--images takes files, embed or none, not '" + mode + "'";
    return false;
}

}  // namespace

bool parse_arguments(const std::vector<std::string> &args, Arguments &out, std::string &error) {
    bool jobs_given = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        auto value = [&](std::string &into) {
            if (i + 1 >= args.size()) {
                error = "option " + a + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        if (a == "-h" || a == "--help") {
            out.help = true;
        } else if (a == "--version") {
            out.version = true;
        } else if (a == "--list-formats") {
            out.list_formats = true;
        } else if (a == "-q" || a == "--quiet") {
            out.quiet = true;
        } else if (a == "-v" || a == "--verbose") {
            out.verbose = true;
        } else if (a == "--hidden-slides") {
            out.read_flags |= IM_READ_HIDDEN_SLIDES;
        } else if (a == "--images") {
            std::string mode;
            if (!value(mode) || !parse_images(mode, out.images, error)) return false;
        } else if (a == "--toc") {
            out.option_word |= QRV_FILTER_TOC;
        } else if (a == "-o" || a == "--output") {
            if (!value(out.output)) return false;
        } else if (a == "-f" || a == "--format") {
            std::string f;
            if (!value(f) || !parse_format(f, out, error)) return false;
        } else if (a == "--from") {
            if (!value(out.from)) return false;
        } else if (a == "--output-dir") {
            if (!value(out.output_dir)) return false;
            if (out.output_dir.empty()) {
                error = "--output-dir needs a directory";
                return false;
            }
        } else if (a == "--mirror") {
            out.mirror = true;
        } else if (a == "-j" || a == "--jobs") {
            std::string n;
            if (!value(n) || !parse_jobs(n, out.jobs, error)) return false;
            jobs_given = true;
        } else if (a == "--timeout") {
            std::string n;
            if (!value(n) || !parse_timeout(n, out.timeout, error)) return false;
        } else if (a == "--locale") {
            if (!value(out.locale)) return false;
        } else if (a == "--options") {
            std::string list;
            if (!value(list) || !parse_option_words(list, out.option_word, error)) return false;
        } else if (is_csv_option(a)) {
            std::string v;
            if (!value(v) || !apply_csv_option(a, v, out, error)) return false;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            error = "unknown option '" + a + "'";
            return false;
        } else {
            out.inputs.push_back(a);
        }
    }
    for (const std::string &input : out.inputs)
        if (input.empty()) {
            error = "an empty INPUT names no file";
            return false;
        }
    if (!check_batch(out, jobs_given, error)) return false;
    if (!out.inputs.empty()) out.input = out.inputs.front();
    return format_of_output(out, error);
}

const char *usage_text() {
    return "Usage: qrvex-export [INPUT] [-o OUTPUT] [--format FORMAT] [--from FORMAT]\n"
           "                    [--locale FILE] [--options WORDS]\n"
           "       qrvex-export --output-dir DIR [--mirror] [--jobs N] [OPTIONS] INPUT...\n"
           "\n"
           "Exports a document as an HTML page, plain text, Markdown, CSV or JSON.  INPUT\n"
           "is a workbook (.xlsx, .xlsm, .ods, .xls), a word processing document (.docx,\n"
           ".odt, .rtf, .doc), a presentation (.pptx, .odp), delimited text (.csv, .tsv)\n"
           "or a document in the chunker's text format (.qrvt); its format is told from\n"
           "its content (--list-formats shows them all).  INPUT - reads standard input.\n"
           "Without INPUT it exports the built-in sample report.\n"
           "\n"
           "  -o, --output FILE     write to FILE (default: standard output)\n"
           "  -f, --format FORMAT   the output format: html (the default), text, markdown,\n"
           "                        csv, json or items (the imported document in the\n"
           "                        chunker's text format);\n"
           "                        without it, the one OUTPUT's extension names\n"
           "      --from FORMAT     read INPUT as FORMAT, whatever its content looks like\n"
           "      --list-formats    show the formats read and written, with their extensions\n"
           "      --locale FILE     number and date conventions, lines of KEY=VALUE:\n"
           "                        decimal, thousands, date, time, currency, am, pm,\n"
           "                        currency-before (0/1), currency-space (0/1),\n"
           "                        order (mdy, dmy or ymd)\n"
           "      --toc             HTML: a table of contents after the document's title\n"
           "      --images MODE     pictures of HTML, Markdown and JSON: files (the default:\n"
           "                        written to OUTPUT-NAME_files/ beside OUTPUT), embed (in\n"
           "                        the page as data: addresses) or none (shown by their\n"
           "                        description); to standard output, none unless embed\n"
           "      --hidden-slides   a presentation's hidden slides too\n"
           "      --options WORDS   comma-separated: toc, no-toc, no-notes, no-progress\n"
           "      --csv WORDS       CSV output, comma-separated: bom (a byte-order mark first),\n"
           "                        values (raw values instead of the texts as shown)\n"
           "      --separator C     CSV output: the separator, one character or 'tab'\n"
           "                        (default ',')\n"
           "      --sheet N|NAME    CSV output: the Nth sheet or table of the document, or\n"
           "                        the sheet NAME (default: each in a file of its own,\n"
           "                        OUTPUT-NAME.csv, or the first to standard output)\n"
           "      --output-dir DIR  convert every INPUT into DIR, each under its own name\n"
           "                        with the output format's extension; a name another\n"
           "                        INPUT already writes gets -1, -2, ... (the summary\n"
           "                        says so)\n"
           "      --mirror          with --output-dir: keep each INPUT's folders below DIR\n"
           "  -j, --jobs N          with --output-dir: convert N documents at a time\n"
           "                        (default 1)\n"
           "      --timeout SECONDS with --output-dir: stop a document that takes longer,\n"
           "                        and report it as failed\n"
           "  -q, --quiet           no progress bar and no warnings\n"
           "  -v, --verbose         also the notes on quirks of the file's producer that\n"
           "                        change nothing in the output (otherwise counted)\n"
           "  -h, --help            show this help\n"
           "      --version         show the version\n"
           "\n"
           "A progress bar is shown on standard error when it is a terminal.  On an\n"
           "error one line gives the result code and its meaning; the exit status is\n"
           "1 for a failed export and 2 for a bad command line or an input that cannot\n"
           "be read (a damaged, encrypted or unknown file).\n"
           "\n"
           "A batch (--output-dir) shows one progress bar for all its documents, goes on\n"
           "past any that fail, and ends with a summary that names each failure and its\n"
           "reason; its exit status is 1 when any document failed.\n";
}

}  // namespace qrv::tool
