#include "text_dumper.hpp"

#include "names.hpp"
#include "text_lexer.hpp"

#include <cstdio>
#include <cstring>

namespace qrv::ch {

namespace {

constexpr uint32_t kCharsPerLine = 64;
constexpr uint32_t kBytesPerLine = 16;

std::string number(uint32_t value) {
    char buffer[16];
    if (value == CH_NO_ITEM) return "-1";
    std::snprintf(buffer, sizeof buffer, value < 0x10000 ? "%u" : "0x%x", value);
    return buffer;
}

std::string named(NameKind kind, uint32_t value) {
    std::string_view name = kind == NameKind::None ? std::string_view{} : name_of(kind, value);
    return name.empty() ? number(value) : std::string(name);
}

std::string store_name(CHStore code) { return named(NameKind::Store, code); }

void dump_chars(std::string &out, Store &store) {
    const auto *units = reinterpret_cast<const char16_t *>(store.bytes().data());
    for (uint32_t i = 0; i < store.count(); i += kCharsPerLine) {
        out += "chars " + store_name(store.shape().code) + " \"";
        for (uint32_t j = i; j < store.count() && j < i + kCharsPerLine; ++j) append_escaped(out, units[j]);
        out += "\"\n";
    }
}

void dump_bytes(std::string &out, Store &store) {
    const auto bytes = store.bytes();
    for (uint32_t i = 0; i < bytes.size(); i += kBytesPerLine) {
        out += "bytes " + store_name(store.shape().code);
        for (uint32_t j = i; j < bytes.size() && j < i + kBytesPerLine; ++j) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, " 0x%02x", bytes[j]);
            out += buffer;
        }
        out += '\n';
    }
}

// Words of a record, without its trailing zero words.
std::vector<uint32_t> words_of(Store &store, uint32_t index) {
    std::vector<uint32_t> words(store.shape().unit_bytes / 4);
    std::memcpy(words.data(), store.at(index), store.shape().unit_bytes);
    while (!words.empty() && words.back() == 0) words.pop_back();
    return words;
}

void dump_records(std::string &out, Store &store) {
    for (uint32_t i = 0; i < store.count(); ++i) {
        out += "record ";
        out += store_name(store.shape().code);
        for (uint32_t w : words_of(store, i)) {
            out += ' ';
            out += number(w);
        }
        out += '\n';
    }
}

void dump_items(std::string &out, Store &items) {
    for (uint32_t i = 0; i < items.count(); ++i) {
        uint32_t fields[4];
        std::memcpy(fields, items.at(i), sizeof fields);
        size_t used = 4;
        while (used > 1 && fields[used - 1] == 0) --used;
        std::string type = named(NameKind::Item, fields[0]);
        if (type[0] == '-') out += "item ";
        out += type;
        for (size_t f = 1; f < used; ++f) {
            out += ' ';
            out += named(field_kind(fields[0], f), fields[f]);
        }
        out += '\n';
    }
}

}  // namespace

std::string dump_text(Document &doc) {
    std::string out = "# the chunker's text format, written back\n";
    out += "chunk-size " + std::to_string(doc.chunk_size()) + "\n";
    for (CHStore code : store_codes()) {
        Store &store = doc.store(code);
        if (code == CH_STORE_ITEMS) continue;
        if (store.is_units() && store.shape().unit_bytes == 2)
            dump_chars(out, store);
        else if (store.is_units())
            dump_bytes(out, store);
        else
            dump_records(out, store);
    }
    dump_items(out, doc.items());
    return out;
}

}  // namespace qrv::ch
