// The C boundary: each function checks its arguments, then hands the work
// to convert(); whatever is thrown below stops here as a result code.
#include <qrvconvert.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "one_call.hpp"

namespace qrv::convert {
namespace {

int code_of(Part part) {
    switch (part) {
    case Part::none: return QRVC_OK;
    case Part::argument: return QRVC_ERR_ARGUMENT;
    case Part::input_format: return QRVC_ERR_INPUT_FORMAT;
    case Part::output_format: return QRVC_ERR_OUTPUT_FORMAT;
    case Part::input: return QRVC_ERR_INPUT;
    case Part::locale: return QRVC_ERR_LOCALE;
    case Part::setup: return QRVC_ERR_SETUP;
    case Part::output: return QRVC_ERR_OUTPUT;
    case Part::export_run: return QRVC_ERR_EXPORT;
    case Part::memory: return QRVC_ERR_MEMORY;
    }
    return QRVC_ERR_INTERNAL;
}

// The caller's buffer receives the message, cut to fit, always terminated.
int report(const Outcome &o, char *message, size_t message_size) {
    if (message && message_size) std::snprintf(message, message_size, "%s", o.message.c_str());
    return code_of(o.part);
}

// A copy the caller frees with QRVConvertFree.
Outcome hand_over(const std::string &bytes, char **data, size_t *length) {
    char *copy = static_cast<char *>(std::malloc(bytes.size() + 1));
    if (!copy) return failure(Part::memory, "no memory for the output buffer of " + std::to_string(bytes.size()) +
                                                " bytes");
    std::memcpy(copy, bytes.data(), bytes.size());
    copy[bytes.size()] = '\0';
    *data = copy;
    *length = bytes.size();
    return {};
}

Outcome convert_to_file(const Source &source, const char *output, const char *format,
                        const QRVConvertOptions *options) {
    if (!output || !*output) return failure(Part::argument, "no output file named");
    if (!format) return failure(Part::argument, "no output format named");
    Request request;
    if (Outcome o = read_options(options, request); o.failed()) return o;
    request.format = format;
    return convert(source, {output, nullptr}, request);
}

Outcome convert_to_memory(const Source &source, const char *format, const QRVConvertOptions *options,
                          char **data, size_t *length) {
    if (!data || !length) return failure(Part::argument, "no place for the output buffer");
    if (!format) return failure(Part::argument, "no output format named");
    Request request;
    if (Outcome o = read_options(options, request); o.failed()) return o;
    request.format = format;
    std::string bytes;
    if (Outcome o = convert(source, {"", &bytes}, request); o.failed()) return o;
    return hand_over(bytes, data, length);
}

// Whatever the caller's pointers held, a failure leaves no buffer in them.
void clear_buffer(char **data, size_t *length) {
    if (data) *data = nullptr;
    if (length) *length = 0;
}

Source file_source(const char *input) { return {input ? input : "", {}, {}}; }

Source memory_source(const void *data, size_t size, const char *name) {
    return {"", {static_cast<const char *>(data), size}, name && *name ? name : "memory input"};
}

Outcome check_file_source(const char *input) {
    if (!input || !*input) return failure(Part::argument, "no input file named");
    return {};
}

Outcome check_memory_source(const void *data, size_t size) {
    if (!data && size) return failure(Part::argument, "memory input: no bytes at a null address");
    return {};
}

// Runs the conversion, turning anything thrown into a one-line failure.
template <typename Work>
int guarded(char *message, size_t message_size, Work work) {
    try {
        return report(work(), message, message_size);
    } catch (const std::bad_alloc &) {
        return report(failure(Part::memory, "no memory for the conversion"), message, message_size);
    } catch (...) {
        report(failure(Part::setup, "an unexpected failure inside the conversion library"), message, message_size);
        return QRVC_ERR_INTERNAL;
    }
}

}  // namespace
}  // namespace qrv::convert

using namespace qrv::convert;

extern "C" {

QRVCAPI int QRVConvertFileToFile(const char *input, const char *output, const char *format,
                                 const QRVConvertOptions *options, char *message, size_t messageSize) {
    return guarded(message, messageSize, [&] {
        if (Outcome o = check_file_source(input); o.failed()) return o;
        return convert_to_file(file_source(input), output, format, options);
    });
}

QRVCAPI int QRVConvertFileToMemory(const char *input, const char *format, const QRVConvertOptions *options,
                                   char **pData, size_t *pLength, char *message, size_t messageSize) {
    clear_buffer(pData, pLength);
    return guarded(message, messageSize, [&] {
        if (Outcome o = check_file_source(input); o.failed()) return o;
        return convert_to_memory(file_source(input), format, options, pData, pLength);
    });
}

QRVCAPI int QRVConvertMemoryToFile(const void *data, size_t size, const char *name, const char *output,
                                   const char *format, const QRVConvertOptions *options, char *message,
                                   size_t messageSize) {
    return guarded(message, messageSize, [&] {
        if (Outcome o = check_memory_source(data, size); o.failed()) return o;
        return convert_to_file(memory_source(data, size, name), output, format, options);
    });
}

QRVCAPI int QRVConvertMemoryToMemory(const void *data, size_t size, const char *name, const char *format,
                                     const QRVConvertOptions *options, char **pData, size_t *pLength,
                                     char *message, size_t messageSize) {
    clear_buffer(pData, pLength);
    return guarded(message, messageSize, [&] {
        if (Outcome o = check_memory_source(data, size); o.failed()) return o;
        return convert_to_memory(memory_source(data, size, name), format, options, pData, pLength);
    });
}

QRVCAPI void QRVConvertFree(char *data) { std::free(data); }

}  // extern "C"
