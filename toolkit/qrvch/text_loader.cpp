#include "text_loader.hpp"

#include "builder.hpp"
#include "names.hpp"
#include "record_forms.hpp"
#include "text_values.hpp"

#include <cctype>
#include <cstring>
#include <initializer_list>

namespace qrv::ch {

namespace {

using Result = std::optional<TextError>;
using Labels = std::map<std::string, uint32_t>;

// The tokens after the directive: values without a name in order, and
// key=value pairs.
struct Args {
    const Token *directive = nullptr;
    std::vector<const Token *> positional;
    std::vector<const Token *> keyed;

    const Token *key(std::string_view name) const {
        const Token *found = nullptr;
        for (const Token *t : keyed)
            if (t->key == name) found = t;
        return found;
    }
};

bool is_upper_or_digit(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '@'; }

class Loader {
public:
    // known: the labels of a first pass, so that lines may name labels set
    // further down; null in the first pass, where such names read as 0.
    explicit Loader(const Labels *known) : known_(known) {}

    Result load(std::string_view text);
    std::unique_ptr<Document> take() {
        doc();
        return std::move(doc_);
    }

private:
    using Handler = Result (Loader::*)(const Args &);
    struct Directive {
        std::string_view name;
        Handler handler;
    };
    static const Directive kDirectives[];

    Document &doc() {
        if (!doc_) doc_ = std::make_unique<Document>(chunk_size_);
        return *doc_;
    }
    TextError error(uint32_t column, std::string message) const { return {line_, column, std::move(message)}; }
    TextError error(const Token &t, std::string message) const { return error(t.value_column, std::move(message)); }

    Result load_line(const Line &line);
    Result define_label(const Line &line);
    Result split(const Line &line, size_t first, Args &args) const;
    Result check(const Args &args, size_t min, size_t max, std::initializer_list<std::string_view> keys) const;
    Result eval(const Token &t, NameKind kind, uint32_t &out) const;
    Result eval_term(const Token &t, size_t &pos, NameKind kind, uint32_t &out) const;
    Result keyed_number(const Args &args, std::string_view key, NameKind kind, uint32_t &out) const;
    Result quoted(const Token &t, std::u16string &out) const;
    Result made(const Token &at, Added added);
    Result store_arg(const Token &t, CHStore &code) const;

    Result item_fields(const Args &args, size_t first);
    Result do_item(const Args &args) { return item_fields(args, 0); }
    Result do_chunk_size(const Args &args);
    Result do_text(const Args &args);
    Result do_string(const Args &args);
    Result do_begin(const Args &args);
    Result do_end(const Args &args);
    Result do_break(const Args &args);
    Result do_special(const Args &args);
    Result do_table_begin(const Args &args);
    Result do_table_end(const Args &args);
    Result do_section(const Args &args);
    Result do_cell_run(const Args &args);
    Result do_value(const Args &args);
    Result do_value_bytes(const Args &args);
    Result do_font(const Args &args);
    Result do_record(const Args &args);
    Result do_units(const Args &args, uint32_t width);
    Result do_words(const Args &args) { return do_units(args, 4); }
    Result do_bytes(const Args &args) { return do_units(args, 1); }
    Result do_chars(const Args &args);
    Result do_form(const RecordForm &form, const Args &args);

    const Labels *known_;
    std::unique_ptr<Document> doc_;
    uint32_t chunk_size_ = CH_DEFAULT_CHUNK_SIZE;
    uint32_t line_ = 0;
    std::optional<uint32_t> made_;  // what the current line made, for its label
};

const Loader::Directive Loader::kDirectives[] = {
    {"item", &Loader::do_item},
    {"chunk-size", &Loader::do_chunk_size},
    {"text", &Loader::do_text},
    {"string", &Loader::do_string},
    {"begin", &Loader::do_begin},
    {"end", &Loader::do_end},
    {"break", &Loader::do_break},
    {"special", &Loader::do_special},
    {"table-begin", &Loader::do_table_begin},
    {"table-end", &Loader::do_table_end},
    {"section", &Loader::do_section},
    {"cell-run", &Loader::do_cell_run},
    {"value", &Loader::do_value},
    {"value-bytes", &Loader::do_value_bytes},
    {"font", &Loader::do_font},
    {"record", &Loader::do_record},
    {"words", &Loader::do_words},
    {"bytes", &Loader::do_bytes},
    {"chars", &Loader::do_chars},
};

Result Loader::load(std::string_view text) {
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        ++line_;
        Line line;
        if (auto e = tokenize(text.substr(start, end - start), line_, line)) return e;
        if (auto e = load_line(line)) return e;
        start = end + 1;
    }
    return std::nullopt;
}

Result Loader::load_line(const Line &line) {
    made_.reset();
    if (line.tokens.empty()) {
        if (line.label.empty()) return std::nullopt;
        return error(line.label_column, "a label needs something on its line to name");
    }
    const Token &first = line.tokens.front();
    if (first.quoted || first.has_key) return error(first.column, "a line starts with a directive or an item type");
    Args args;
    Result result;
    if (const RecordForm *form = find_record_form(first.raw)) {
        result = split(line, 1, args);
        if (!result) result = do_form(*form, args);
    } else if (is_upper_or_digit(first.raw[0])) {
        result = split(line, 0, args);
        if (!result) result = do_item(args);
    } else {
        const Directive *directive = nullptr;
        for (const auto &d : kDirectives)
            if (d.name == first.raw) directive = &d;
        if (!directive) return error(first.column, "unknown directive '" + first.raw + "'");
        result = split(line, 1, args);
        if (!result) result = (this->*directive->handler)(args);
    }
    if (result) return result;
    return define_label(line);
}

Result Loader::define_label(const Line &line) {
    if (line.label.empty()) return std::nullopt;
    if (!made_) return error(line.label_column, "this line makes nothing a label can name");
    auto &labels = doc().labels();
    if (labels.count(line.label)) return error(line.label_column, "label @" + line.label + " is already defined");
    labels[line.label] = *made_;
    return std::nullopt;
}

Result Loader::split(const Line &line, size_t first, Args &args) const {
    args.directive = &line.tokens.front();
    for (size_t i = first; i < line.tokens.size(); ++i) {
        const Token &t = line.tokens[i];
        if (t.has_key) {
            args.keyed.push_back(&t);
        } else {
            if (!args.keyed.empty()) return error(t.column, "values come before key=value pairs");
            args.positional.push_back(&t);
        }
    }
    return std::nullopt;
}

Result Loader::check(const Args &args, size_t min, size_t max, std::initializer_list<std::string_view> keys) const {
    const std::string &name = args.directive->raw;
    if (args.positional.size() > max) return error(args.positional[max]->column, "too many values for '" + name + "'");
    if (args.positional.size() < min)
        return error(args.directive->column, "'" + name + "' needs " + std::to_string(min) + " value(s)");
    for (const Token *t : args.keyed) {
        bool allowed = false;
        for (auto k : keys) allowed |= k == t->key;
        if (!allowed) return error(t->column, "'" + name + "' takes no '" + t->key + "='");
    }
    return std::nullopt;
}

Result Loader::eval(const Token &t, NameKind kind, uint32_t &out) const {
    if (t.quoted) return error(t, "a number is expected, not a string");
    size_t pos = 0;
    if (auto e = eval_term(t, pos, kind, out)) return e;
    while (pos < t.raw.size()) {
        const char op = t.raw[pos];
        if (op != '|' && op != '+' && op != '-')
            return error(t.value_column + static_cast<uint32_t>(pos), std::string("unexpected '") + op + "'");
        ++pos;
        uint32_t term = 0;
        if (auto e = eval_term(t, pos, kind, term)) return e;
        out = op == '|' ? out | term : op == '+' ? out + term : out - term;
    }
    return std::nullopt;
}

Result Loader::eval_term(const Token &t, size_t &pos, NameKind kind, uint32_t &out) const {
    const std::string &s = t.raw;
    const uint32_t column = t.value_column + static_cast<uint32_t>(pos);
    const auto word_end = [&](size_t from) {
        while (from < s.size() && (std::isalnum(static_cast<unsigned char>(s[from])) || s[from] == '_')) ++from;
        return from;
    };
    if (pos >= s.size()) return error(column, "a value is missing");
    const bool negative = s[pos] == '-';
    const size_t start = negative ? pos + 1 : pos;
    const size_t end = word_end(start);
    const std::string word = s.substr(start, end - start);
    pos = end;
    if (negative && (word.empty() || !std::isdigit(static_cast<unsigned char>(word[0]))))
        return error(column, "a minus sign goes before a number");
    if (word.empty()) {
        if (start < s.size() && s[start] == '@') {
            pos = word_end(start + 1);
            const std::string label = s.substr(start + 1, pos - start - 1);
            // Looked up where they are, never copied: a document may hold
            // tens of thousands of labels.
            static const Labels kNone;
            const Labels &labels = known_ ? *known_ : doc_ ? doc_->labels() : kNone;
            auto it = labels.find(label);
            if (it != labels.end())
                out = it->second;
            else if (known_)
                return error(column, "unknown label @" + label);
            else
                out = 0;
            return std::nullopt;
        }
        return error(column, std::string("unexpected '") + s[start] + "'");
    }
    if (std::isdigit(static_cast<unsigned char>(word[0]))) {
        const bool hex = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
        const size_t digits = word.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789", hex ? 2 : 0);
        if (digits != std::string::npos) return error(column, "bad number '" + word + "'");
        const auto fits = [&] {
            if (word.size() > 10) return false;
            const unsigned long long value = std::stoull(word.substr(hex ? 2 : 0), nullptr, hex ? 16 : 10);
            return value <= (negative ? 0x80000000ull : 0xFFFFFFFFull);
        };
        if (!fits()) return error(column, "the number does not fit in 32 bits");
        const unsigned long long value = std::stoull(word.substr(hex ? 2 : 0), nullptr, hex ? 16 : 10);
        out = static_cast<uint32_t>(negative ? 0 - value : value);
        return std::nullopt;
    }
    if (auto value = lookup_name(kind, word)) {
        out = *value;
        return std::nullopt;
    }
    return error(column, "unknown name '" + word + "'");
}

Result Loader::keyed_number(const Args &args, std::string_view key, NameKind kind, uint32_t &out) const {
    const Token *t = args.key(key);
    return t ? eval(*t, kind, out) : std::nullopt;
}

Result Loader::quoted(const Token &t, std::u16string &out) const {
    if (!t.quoted) return error(t, "a quoted string is expected");
    out = t.text;
    return std::nullopt;
}

Result Loader::made(const Token &at, Added added) {
    switch (added.error) {
    case 0: made_ = added.id; return std::nullopt;
    case CH_ERR_FULL: return error(at.column, "the document is full: no ids are left");
    case CH_ERR_BAD_ARG: return error(at.column, "too much data for one record");
    default: return error(at.column, "the document refused this line (code " + std::to_string(added.error) + ")");
    }
}

Result Loader::store_arg(const Token &t, CHStore &code) const {
    if (auto e = eval(t, NameKind::Store, code)) return e;
    if (!doc_ && !shape_of(code)) return error(t, "no store has code " + std::to_string(code));
    if (!shape_of(code)) return error(t, "no store has code " + std::to_string(code));
    return std::nullopt;
}

Result Loader::item_fields(const Args &args, size_t first) {
    if (auto e = check(args, first + 1, first + 4, {})) return e;
    uint32_t fields[4] = {};
    const auto &p = args.positional;
    if (auto e = eval(*p[first], NameKind::Item, fields[0])) return e;
    for (size_t i = 1; first + i < p.size(); ++i)
        if (auto e = eval(*p[first + i], field_kind(fields[0], i), fields[i])) return e;
    return made(*args.directive, Builder(doc()).item({fields[0], fields[1], fields[2], fields[3]}));
}

Result Loader::do_chunk_size(const Args &args) {
    if (auto e = check(args, 1, 1, {})) return e;
    if (doc_) return error(args.directive->column, "chunk-size comes before the first item or store entry");
    uint32_t size = 0;
    if (auto e = eval(*args.positional[0], NameKind::None, size)) return e;
    if (size == 0 || size > 0x10000u) return error(*args.positional[0], "a chunk holds 1 to 65536 items");
    chunk_size_ = size;
    return std::nullopt;
}

Result Loader::do_text(const Args &args) {
    std::u16string chars;
    if (auto e = check(args, 1, 1, {})) return e;
    if (auto e = quoted(*args.positional[0], chars)) return e;
    return made(*args.directive, Builder(doc()).text(chars));
}

Result Loader::do_string(const Args &args) {
    std::u16string chars;
    uint32_t attribute = 0;
    if (auto e = check(args, 1, 1, {"attribute"})) return e;
    if (auto e = quoted(*args.positional[0], chars)) return e;
    if (auto e = keyed_number(args, "attribute", NameKind::None, attribute)) return e;
    return made(*args.directive, Builder(doc()).string(chars, attribute));
}

Result Loader::do_begin(const Args &args) {
    uint32_t fields[3] = {};
    uint32_t key = 0;
    if (auto e = check(args, 1, 3, {"key"})) return e;
    if (auto e = eval(*args.positional[0], NameKind::Tag, fields[0])) return e;
    for (size_t i = 1; i < args.positional.size(); ++i)
        if (auto e = eval(*args.positional[i], NameKind::None, fields[i])) return e;
    if (auto e = keyed_number(args, "key", NameKind::None, key)) return e;
    const uint32_t *has_key = args.key("key") ? &key : nullptr;
    return made(*args.directive, Builder(doc()).tag_begin(fields[0], fields[1], fields[2], has_key));
}

Result Loader::do_end(const Args &args) {
    uint32_t tag = CH_INNERMOST_TAG;
    if (auto e = check(args, 0, 1, {})) return e;
    if (!args.positional.empty()) {
        if (auto e = eval(*args.positional[0], NameKind::Tag, tag)) return e;
    } else if (Builder(doc()).open_tags() == 0) {
        return error(args.directive->column, "'end' without an open 'begin' needs a tag code");
    }
    return made(*args.directive, Builder(doc()).tag_end(tag));
}

Result Loader::do_break(const Args &args) {
    uint32_t kind = 0;
    if (auto e = check(args, 1, 1, {})) return e;
    if (auto e = eval(*args.positional[0], NameKind::Break, kind)) return e;
    return made(*args.directive, Builder(doc()).item({CH_ITEM_BREAK, kind, 0, 0}));
}

Result Loader::do_special(const Args &args) {
    uint32_t kind = 0;
    if (auto e = check(args, 1, 1, {})) return e;
    if (auto e = eval(*args.positional[0], NameKind::Special, kind)) return e;
    return made(*args.directive, Builder(doc()).item({CH_ITEM_SPECIAL_CHAR, kind, 0, 0}));
}

Result Loader::do_table_begin(const Args &args) {
    if (auto e = check(args, 0, 0, {})) return e;
    return made(*args.directive, Builder(doc()).table_begin());
}

Result Loader::do_table_end(const Args &args) {
    if (auto e = check(args, 0, 0, {})) return e;
    return made(*args.directive, Builder(doc()).table_end());
}

Result Loader::do_section(const Args &args) {
    uint32_t kind = 0;
    if (auto e = check(args, 0, 0, {"kind"})) return e;
    if (auto e = keyed_number(args, "kind", NameKind::None, kind)) return e;
    return made(*args.directive, Builder(doc()).section(kind));
}

Result Loader::do_cell_run(const Args &args) {
    uint32_t count = CH_COUNT_CELLS;
    if (auto e = check(args, 0, 0, {"count"})) return e;
    if (auto e = keyed_number(args, "count", NameKind::None, count)) return e;
    return made(*args.directive, Builder(doc()).cell_run(count));
}

Result Loader::do_value(const Args &args) {
    uint32_t type = 0;
    uint32_t multiplier = 0;
    if (auto e = check(args, 1, 2, {"multiplier"})) return e;
    if (auto e = eval(*args.positional[0], NameKind::Storage, type)) return e;
    if (auto e = keyed_number(args, "multiplier", NameKind::Multiplier, multiplier)) return e;
    std::vector<uint8_t> bytes;
    if (storage_takes_value(type)) {
        if (args.positional.size() < 2) return error(args.directive->column, "the value is missing");
        const Token &written = *args.positional[1];
        Storage storage = encode_value(type, written.raw);
        if (!storage.error.empty()) return error(written, storage.error);
        bytes = storage.bytes;
    } else if (args.positional.size() > 1) {
        return error(args.positional[1]->column, "this storage type takes no value");
    }
    return made(*args.directive, Builder(doc()).data_value(bytes, type, multiplier));
}

Result Loader::do_value_bytes(const Args &args) {
    uint32_t type = 0;
    uint32_t multiplier = 0;
    if (auto e = check(args, 1, 1 + CH_SIZE_DATA_VALUE, {"multiplier"})) return e;
    if (auto e = eval(*args.positional[0], NameKind::Storage, type)) return e;
    if (auto e = keyed_number(args, "multiplier", NameKind::Multiplier, multiplier)) return e;
    std::vector<uint8_t> bytes;
    for (size_t i = 1; i < args.positional.size(); ++i) {
        uint32_t byte = 0;
        if (auto e = eval(*args.positional[i], NameKind::None, byte)) return e;
        if (byte > 0xFF) return error(*args.positional[i], "a byte is 0 to 255");
        bytes.push_back(static_cast<uint8_t>(byte));
    }
    return made(*args.directive, Builder(doc()).data_value(bytes, type, multiplier));
}

Result Loader::do_font(const Args &args) {
    uint32_t id = 0, attribute = 0, value = 0;
    std::u16string name;
    if (auto e = check(args, 0, 0, {"id", "name", "attribute", "value"})) return e;
    if (auto e = keyed_number(args, "id", NameKind::None, id)) return e;
    if (auto e = keyed_number(args, "attribute", NameKind::None, attribute)) return e;
    if (auto e = keyed_number(args, "value", NameKind::None, value)) return e;
    if (const Token *t = args.key("name"))
        if (auto e = quoted(*t, name)) return e;
    return made(*args.directive, Builder(doc()).font(id, attribute, name, value));
}

Result Loader::do_record(const Args &args) {
    CHStore code = 0;
    if (auto e = check(args, 1, 1 + 5, {})) return e;
    if (auto e = store_arg(*args.positional[0], code)) return e;
    const StoreShape shape = *shape_of(code);
    if (shape.kind != StoreKind::Records)
        return error(*args.positional[0], "'record' writes to a store of records (not 0, 2, 3, 7 or 9)");
    if (args.positional.size() - 1 > shape.unit_bytes / 4)
        return error(args.positional[1 + shape.unit_bytes / 4]->column, "more words than the record holds");
    std::vector<uint8_t> bytes;
    for (size_t i = 1; i < args.positional.size(); ++i) {
        uint32_t word = 0;
        if (auto e = eval(*args.positional[i], NameKind::None, word)) return e;
        bytes.resize(bytes.size() + 4);
        std::memcpy(bytes.data() + bytes.size() - 4, &word, 4);
    }
    return made(*args.directive, Builder(doc()).store_data(code, bytes));
}

Result Loader::do_units(const Args &args, uint32_t width) {
    CHStore code = 0;
    if (auto e = check(args, 1, SIZE_MAX, {})) return e;
    if (auto e = store_arg(*args.positional[0], code)) return e;
    const StoreShape shape = *shape_of(code);
    if (shape.kind != StoreKind::Units || shape.unit_bytes != 1)
        return error(*args.positional[0], "'" + args.directive->raw + "' writes to a byte store (3 or 7)");
    std::vector<uint8_t> bytes;
    for (size_t i = 1; i < args.positional.size(); ++i) {
        uint32_t value = 0;
        if (auto e = eval(*args.positional[i], NameKind::None, value)) return e;
        if (width == 1 && value > 0xFF) return error(*args.positional[i], "a byte is 0 to 255");
        for (uint32_t b = 0; b < width; ++b) bytes.push_back(static_cast<uint8_t>(value >> (8 * b)));
    }
    return made(*args.directive, Builder(doc()).store_data(code, bytes));
}

Result Loader::do_chars(const Args &args) {
    CHStore code = 0;
    if (auto e = check(args, 1, SIZE_MAX, {})) return e;
    if (auto e = store_arg(*args.positional[0], code)) return e;
    const StoreShape shape = *shape_of(code);
    if (shape.kind != StoreKind::Units || shape.unit_bytes != 2)
        return error(*args.positional[0], "'chars' writes to a character store (2 or 9)");
    std::u16string chars;
    for (size_t i = 1; i < args.positional.size(); ++i) {
        const Token &t = *args.positional[i];
        uint32_t unit = 0;
        if (t.quoted) {
            chars += t.text;
            continue;
        }
        if (auto e = eval(t, NameKind::None, unit)) return e;
        if (unit > 0xFFFF) return error(t, "a character is 0 to 0xffff");
        chars += static_cast<char16_t>(unit);
    }
    const auto *data = reinterpret_cast<const uint8_t *>(chars.data());
    return made(*args.directive, Builder(doc()).store_data(code, {data, chars.size() * 2}));
}

Result Loader::do_form(const RecordForm &form, const Args &args) {
    size_t positional_fields = 0;
    for (const auto &f : form.fields) positional_fields += f.positional;
    if (args.positional.size() > positional_fields)
        return error(args.positional[positional_fields]->column, "too many values for '" + args.directive->raw + "'");
    std::vector<uint8_t> bytes(form.size, 0);
    const auto put = [&](const RecordField &f, uint32_t value) {
        std::memcpy(bytes.data() + f.offset, &value, f.width);
    };
    // Named fields may share bytes with positional ones (a list level's
    // key is its seventh word): every default goes in first, so that none
    // overwrites a value the line gives.
    for (const auto &f : form.fields) put(f, f.initial);
    size_t next_positional = 0;
    for (const auto &f : form.fields) {
        if (!f.positional || next_positional == args.positional.size()) continue;
        uint32_t value = 0;
        if (auto e = eval(*args.positional[next_positional++], NameKind::None, value)) return e;
        put(f, value);
    }
    for (const Token *t : args.keyed) {
        const RecordField *field = nullptr;
        for (const auto &f : form.fields)
            if (f.name == t->key) field = &f;
        if (!field) return error(t->column, "'" + args.directive->raw + "' has no field '" + t->key + "'");
        uint32_t value = 0;
        if (auto e = eval(*t, NameKind::None, value)) return e;
        if (field->width == 2 && value > 0xFFFF) return error(*t, "the field holds 16 bits");
        put(*field, value);
    }
    return made(*args.directive, Builder(doc()).store_data(form.store, bytes));
}

}  // namespace

std::variant<std::unique_ptr<Document>, TextError> load_text(std::string_view text) {
    // The first pass finds every label, so that a line may name one set
    // further down; the second builds the document with all of them known.
    Loader first(nullptr);
    if (auto e = first.load(text)) return *e;
    const Labels labels = first.take()->labels();
    Loader second(&labels);
    if (auto e = second.load(text)) return *e;
    return second.take();
}

}  // namespace qrv::ch
