#include "one_call.hpp"

#include <qrvfa.h>
#include <qrvfilters.h>
#include <qrvim.h>
#include <qrvplatform/record_size.hpp>

#include <cstddef>

#include "conversion.hpp"
#include "export_run.hpp"
#include "name_choices.hpp"
#include "output_formats.hpp"
#include "output_sink.hpp"

namespace qrv::convert {
namespace {

// Progress and warnings have no one to go to here.
uint32_t ignore_callback(uint32_t, uint32_t, uint32_t, uint32_t) { return 0; }

std::string text_of(const char *text) { return text ? text : ""; }

// "html, text, markdown, csv or json": the formats a filter writes.
std::string filter_output_choices() {
    std::vector<std::string> names;
    for (const filters::OutputFormat &f : filters::output_formats())
        if (!f.writes_items()) names.emplace_back(f.name);
    return join_choices(names);
}

Outcome filter_output_named(const std::string &name, const filters::OutputFormat *&format) {
    format = filters::output_named(name);
    if (format && !format->writes_items()) return {};
    return failure(Part::output_format, "unknown output format '" + name + "' (use " + filter_output_choices() + ")");
}

Outcome import(const Source &source, uint32_t format, Conversion &c) {
    std::string warnings;
    if (!source.path.empty()) return import_file(source.path, format, c, warnings);
    return import_memory(source.bytes, source.name, format, c, warnings);
}

Outcome open_target(const Target &target, Conversion &c) {
    return target.path.empty() ? open_memory_output(c) : open_file_output(c, target.path);
}

Outcome close_target(const Target &target, Conversion &c) {
    if (!target.path.empty()) return close_file_output(c);
    if (FAFlushSink(c.sink) != 0) return sink_failure("the output buffer", c.sink);
    const char *data = nullptr;
    size_t length = 0;
    if (FAGetMemorySinkData(c.sink, &data, &length) != 0)
        return failure(Part::output, "the output buffer: cannot read what was written");
    target.buffer->assign(data, length);
    return {};
}

std::string title_of(const Source &source, const Request &request) {
    if (!request.title.empty() || source.path.empty()) return request.title;
    return title_from_path(source.path);
}

}  // namespace

Outcome read_options(const QRVConvertOptions *options, Request &request) {
    if (!options) return {};
    // The first version of the record ended with TitleName.
    if (!QRV_RECORD_HAS(options, QRVConvertOptions, TitleName))
        return failure(Part::argument, "options: StructSize " + std::to_string(options->StructSize) +
                                           " is smaller than any version of QRVConvertOptions");
    request.input_format = text_of(options->InputFormat);
    request.locale_file = text_of(options->LocaleFile);
    request.title = text_of(options->TitleName);
    request.option_word = options->OptionWord;
    if (QRV_RECORD_HAS(options, QRVConvertOptions, ReadFlags)) request.read_flags = options->ReadFlags;
    return {};
}

Outcome convert(const Source &source, const Target &target, const Request &request) {
    const filters::OutputFormat *format = nullptr;
    if (Outcome o = filter_output_named(request.format, format); o.failed()) return o;
    uint32_t input_format = 0;
    if (Outcome o = input_format_named(request.input_format, input_format); o.failed()) return o;
    Conversion c;
    c.read_flags = request.read_flags;
    // Pictures are kept only to be embedded: a page made here has no folder.
    if (!(request.option_word & QRV_FILTER_EMBED_PICTURES)) c.read_flags |= IM_READ_NO_PICTURES;
    if (Outcome o = import(source, input_format, c); o.failed()) return o;
    if (Outcome o = open_document(c, {title_of(source, request), request.locale_file, {}}); o.failed()) return o;
    format->writer.register_filter();
    if (Outcome o = open_target(target, c); o.failed()) return o;
    const std::string output_name = target.path.empty() ? "the output buffer" : target.path;
    if (Outcome o = run_filter(c, {format->writer.filter_output, request.option_word, ignore_callback}, output_name);
        o.failed())
        return o;
    return close_target(target, c);
}

}  // namespace qrv::convert
