#include "number_formats.hpp"

#include <algorithm>

#include "code_parser.hpp"
#include "definition_writer.hpp"
#include "elapsed_text.hpp"
#include "fraction_text.hpp"
#include "section_of_value.hpp"
#include "letters.hpp"

namespace qrv::import {
namespace {

bool is_general(std::string_view code) { return code.empty() || numfmt::same_letters(code, "General"); }

}  // namespace

const NumberFormatTable::Entry &NumberFormatTable::entry_of(std::string_view code) {
    // Codes too long to read are not kept: the table stays small whatever a workbook holds.
    if (code.size() > numfmt::kMaxCodeBytes) {
        too_long_.report.not_understood(numfmt::kTooLong);
        return too_long_;
    }
    const auto found = keys_.find(std::string(code));
    if (found != keys_.end()) return found->second;
    Entry entry{0, {}};
    if (!is_general(code)) {
        const numfmt::NumberFormat format = numfmt::parse_code(code, entry.report);
        if (entry.report.fidelity != CodeReport::Fidelity::kNotUnderstood) entry.key = key_of_format(format);
    }
    return keys_.emplace(std::string(code), std::move(entry)).first->second;
}

uint32_t NumberFormatTable::key_of_code(std::string_view code) { return entry_of(code).key; }

uint32_t NumberFormatTable::key_of_code(std::string_view code, CodeReport &report) {
    const Entry &entry = entry_of(code);
    report = entry.report;
    return entry.key;
}

uint32_t NumberFormatTable::key_of_builtin(uint32_t id) { return key_of_code(builtin_format_code(id)); }

uint32_t NumberFormatTable::key_of_format(const numfmt::NumberFormat &format) {
    const uint32_t key = next_key_++;
    numfmt::write_definition(writer_, key, format);
    if (std::any_of(format.sections.begin(), format.sections.end(),
                    [](const numfmt::Section &s) { return s.written_by_importer(); }))
        texts_.emplace(key, format);
    return key;
}

std::optional<std::string> NumberFormatTable::text_of(uint32_t format_key, double value) const {
    const auto found = texts_.find(format_key);
    if (found == texts_.end()) return std::nullopt;
    const numfmt::Section *section = numfmt::section_for(found->second, value);
    if (!section) return std::nullopt;
    return section->fraction ? numfmt::fraction_text(*section, value) : numfmt::elapsed_text(*section, value);
}

}  // namespace qrv::import
