// Loading and writing documents in the text format, for C callers.
#include "registry.hpp"
#include "text_dumper.hpp"
#include "text_loader.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <new>
#include <sstream>

using namespace qrv::ch;

namespace {

void write_error(char *err, size_t size, const std::string &message) {
    if (!err || size == 0) return;
    const size_t length = std::min(message.size(), size - 1);
    std::memcpy(err, message.data(), length);
    err[length] = '\0';
}

std::string describe(const TextError &e) {
    return "line " + std::to_string(e.line) + ", column " + std::to_string(e.column) + ": " + e.message;
}

}  // namespace

extern "C" uint32_t CHLoadDocumentText(const char *text, size_t length, CHHandle *pHandle, char *err, size_t errSize) {
    write_error(err, errSize, "");
    if (!pHandle || (!text && length)) return CH_ERR_BAD_ARG;
    *pHandle = 0;
    try {
        auto loaded = load_text(std::string_view(text ? text : "", length));
        if (auto *e = std::get_if<TextError>(&loaded)) {
            write_error(err, errSize, describe(*e));
            return CH_ERR_SYNTAX;
        }
        *pHandle = open_document(std::move(std::get<std::unique_ptr<Document>>(loaded)));
        if (*pHandle == 0) {
            write_error(err, errSize, "out of memory");
            return CH_ERR_NO_MEMORY;
        }
        return 0;
    } catch (const std::bad_alloc &) {
        write_error(err, errSize, "out of memory");
        return CH_ERR_NO_MEMORY;
    }
}

extern "C" uint32_t CHLoadDocumentFile(const char *path, CHHandle *pHandle, char *err, size_t errSize) {
    if (!path || !pHandle) return CH_ERR_BAD_ARG;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *pHandle = 0;
        write_error(err, errSize, std::string("cannot read ") + path);
        return CH_ERR_BAD_ARG;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const std::string s = text.str();
    return CHLoadDocumentText(s.data(), s.size(), pHandle, err, errSize);
}

extern "C" uint32_t CHDumpDocumentText(CHHandle h, char **pText, size_t *pLength) {
    if (!pText) return CH_ERR_BAD_ARG;
    Document *doc = find_document(h);
    if (!doc) return CH_ERR_BAD_HANDLE;
    try {
        const std::string text = dump_text(*doc);
        char *copy = static_cast<char *>(std::malloc(text.size() + 1));
        if (!copy) return CH_ERR_NO_MEMORY;
        std::memcpy(copy, text.c_str(), text.size() + 1);
        *pText = copy;
        if (pLength) *pLength = text.size();
        return 0;
    } catch (const std::bad_alloc &) {
        return CH_ERR_NO_MEMORY;
    }
}

extern "C" void CHFreeText(char *text) { std::free(text); }
