// The C interface of the importers: tells the format, runs its importer,
// and turns every fault into a result code and one line of text.
#include <qrvim.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "registry/detect.hpp"
#include "core/error.hpp"
#include "core/options.hpp"
#include "registry/formats.hpp"

using namespace qrv::import;

namespace {

void put_message(const std::string &text, char *message, size_t size) {
    if (!message || size == 0) return;
    const size_t n = std::min(text.size(), size - 1);
    std::memcpy(message, text.data(), n);
    message[n] = '\0';
}

std::string shown_name(const Input &input) { return input.name().empty() ? "(memory)" : input.name(); }

// The importer of the options' format, or of the detected one.  A file
// known and refused (encrypted, legacy) is refused whatever was asked for.
const FormatInfo *importer_for(const Input &input, const IMOptions *options, const Limits &limits) {
    const uint32_t asked = options ? options->Format : uint32_t{IM_FORMAT_AUTO};
    if (asked != IM_FORMAT_AUTO && !format_info(asked))
        throw ImportError(IM_ERR_BAD_ARG, "unknown format number " + std::to_string(asked));
    const Detection found = detect_format(input, limits);
    if (found.refusal) throw ImportError(found.refusal, found.why);
    const FormatInfo *format = format_info(asked != IM_FORMAT_AUTO ? asked : found.format);
    if (!format) throw ImportError(IM_ERR_FORMAT, "cannot tell the format of " + shown_name(input));
    return format;
}

uint32_t run_import(Input &input, const IMOptions *options, CHHandle *pHandle, char *message, size_t size) {
    Diagnostics diagnostics;
    try {
        const Limits limits = limits_from(options);
        const FormatInfo *format = importer_for(input, options, limits);
        ImportJob job{input, limits, diagnostics, read_flags_from(options)};
        *pHandle = format->import(job);
        put_message(diagnostics.report(), message, size);
        return 0;
    } catch (const ImportError &e) {
        // "cannot tell the format of FILE" names the file itself.
        put_message(e.code() == IM_ERR_FORMAT ? e.what() : shown_name(input) + ": " + e.what(), message, size);
        return e.code();
    } catch (const std::bad_alloc &) {
        put_message(shown_name(input) + ": no memory to import the file", message, size);
        return IM_ERR_NO_MEMORY;
    } catch (const std::exception &e) {
        put_message(shown_name(input) + ": " + e.what(), message, size);
        return IM_ERR_BROKEN;
    } catch (...) {
        put_message(shown_name(input) + ": the import failed", message, size);
        return IM_ERR_BROKEN;
    }
}

}  // namespace

extern "C" uint32_t IMImportFile(const char *path, const IMOptions *options, CHHandle *pHandle, char *message,
                                 size_t messageSize) {
    put_message("", message, messageSize);
    if (!path || !pHandle) return IM_ERR_BAD_ARG;
    *pHandle = 0;
    try {
        Input input = Input::open_file(path);
        return run_import(input, options, pHandle, message, messageSize);
    } catch (const ImportError &e) {
        put_message(std::string(path) + ": " + e.what(), message, messageSize);
        return e.code();
    } catch (...) {
        put_message(std::string(path) + ": cannot read the file", message, messageSize);
        return IM_ERR_READ;
    }
}

extern "C" uint32_t IMImportMemory(const void *data, size_t size, const char *name, const IMOptions *options,
                                   CHHandle *pHandle, char *message, size_t messageSize) {
    put_message("", message, messageSize);
    if ((!data && size) || !pHandle) return IM_ERR_BAD_ARG;
    *pHandle = 0;
    try {
        Input input({static_cast<const uint8_t *>(data), size}, name ? name : "");
        return run_import(input, options, pHandle, message, messageSize);
    } catch (...) {
        put_message("no memory to import the file", message, messageSize);
        return IM_ERR_NO_MEMORY;
    }
}

extern "C" uint32_t IMDetectFormat(const void *data, size_t size, const char *name) {
    if (!data && size) return IM_FORMAT_AUTO;
    try {
        Input input({static_cast<const uint8_t *>(data), size}, name ? name : "");
        return detect_format(input, Limits{}).format;
    } catch (...) {
        return IM_FORMAT_AUTO;
    }
}

extern "C" const char *IMFormatName(uint32_t format) {
    const FormatInfo *f = format_info(format);
    return f ? f->name.data() : nullptr;
}

extern "C" uint32_t IMFormatFromName(const char *name) {
    if (!name) return IM_FORMAT_AUTO;
    const FormatInfo *f = format_named(name);
    return f ? f->id : uint32_t{IM_FORMAT_AUTO};
}

extern "C" const IMFormatEntry *IMFormatEntryAt(uint32_t index) {
    static const std::vector<IMFormatEntry> entries = [] {
        std::vector<IMFormatEntry> out;
        for (const FormatInfo &f : formats())
            out.push_back({f.name.data(), f.description.data(), f.extensions.data(), f.id});
        return out;
    }();
    return index < entries.size() ? &entries[index] : nullptr;
}
