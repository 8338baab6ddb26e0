#include "conversion.hpp"

#include <qrvda.h>
#include <qrvfa.h>
#include <qrvfilters.h>
#include <qrvim.h>

#include <filesystem>

#include "name_choices.hpp"
#include "locale_file.hpp"
#include "option_file.hpp"
#include "results.hpp"

namespace qrv::convert {
namespace {

IMOptions import_options(uint32_t format, uint32_t read_flags) {
    IMOptions options{};
    options.StructSize = sizeof options;
    options.Format = format;
    options.Flags = read_flags;
    return options;
}

Outcome set_locale(Conversion &c, const std::string &path) {
    std::string text, error;
    if (!read_option_file(path, text, error))
        return failure(Part::locale, path + ": cannot read the locale file: " + error);
    FUIntlSettings settings = default_settings();
    if (!apply_locale_text(text, settings, error)) return failure(Part::locale, path + ": " + error);
    if (uint32_t rc = DASetOption(c.options, DA_OPTION_INTL_SETTINGS, &settings, sizeof settings))
        return failure(Part::setup, path + ": cannot set the conventions: " + describe_result(rc));
    return {};
}

}  // namespace

Conversion::~Conversion() {
    if (sink) FADestroySink(sink);
    if (document) DACloseDocument(document);
    if (options) DADestroyOptions(options);
    if (chunker) CHCloseDocument(chunker);
}

Outcome input_format_named(const std::string &name, uint32_t &format) {
    format = IM_FORMAT_AUTO;
    if (name.empty() || (format = IMFormatFromName(name.c_str())) != IM_FORMAT_AUTO) return {};
    return failure(Part::input_format, "unknown input format '" + name + "' (use " + input_name_choices() + ")");
}

Outcome import_file(const std::string &path, uint32_t format, Conversion &c, std::string &warnings) {
    const IMOptions options = import_options(format, c.read_flags);
    char message[1024] = {};
    if (IMImportFile(path.c_str(), &options, &c.chunker, message, sizeof message) != 0)
        return failure(Part::input, message);
    warnings = message;
    return {};
}

Outcome import_memory(std::string_view bytes, const std::string &name, uint32_t format, Conversion &c,
                      std::string &warnings) {
    const IMOptions options = import_options(format, c.read_flags);
    char message[1024] = {};
    if (IMImportMemory(bytes.data(), bytes.size(), name.c_str(), &options, &c.chunker, message, sizeof message) != 0)
        return failure(Part::input, message);
    warnings = message;
    return {};
}

std::string title_from_path(const std::string &path) { return std::filesystem::path(path).stem().string(); }

Outcome open_document(Conversion &c, const DocumentSettings &settings) {
    if (uint32_t rc = DACreateOptions(&c.options))
        return failure(Part::setup, "cannot create the export options: " + describe_result(rc));
    if (!settings.title.empty())
        DASetOption(c.options, QRV_OPTION_DOCUMENT_NAME, settings.title.data(),
                    static_cast<uint32_t>(settings.title.size()));
    if (!settings.picture_folder.empty())
        DASetOption(c.options, QRV_OPTION_PICTURE_FOLDER, settings.picture_folder.data(),
                    static_cast<uint32_t>(settings.picture_folder.size()));
    if (!settings.locale_file.empty())
        if (Outcome o = set_locale(c, settings.locale_file); o.failed()) return o;
    if (uint32_t rc = DAOpenDocument(c.chunker, c.options, &c.document))
        return failure(Part::setup, "cannot open the document: " + describe_result(rc));
    return {};
}

}  // namespace qrv::convert
