#include "field_stack.hpp"

#include <cctype>

namespace qrv::import::fields {
namespace {

constexpr size_t kLongestInstruction = 2048;

// The words of an instruction: quoted words whole, switches and bare words
// split at spaces.
std::vector<std::string> words_of(std::string_view text) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        if (i >= text.size()) break;
        std::string word;
        if (text[i] == '"') {
            ++i;
            while (i < text.size() && text[i] != '"') word += text[i++];
            ++i;
        } else {
            while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) word += text[i++];
        }
        words.push_back(std::move(word));
    }
    return words;
}

bool same_word(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::optional<std::string> hyperlink_target(std::string_view instruction) {
    const auto words = words_of(instruction);
    if (words.empty() || !same_word(words[0], "HYPERLINK")) return std::nullopt;
    std::string url, anchor;
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string &w = words[i];
        if (w.size() == 2 && w[0] == '\\') {
            // Switches that take an argument: \l (anchor), \o (tip), \t (frame).
            if (i + 1 < words.size() && (w[1] == 'l' || w[1] == 'o' || w[1] == 't')) {
                if (w[1] == 'l') anchor = words[i + 1];
                ++i;
            }
        } else if (url.empty()) {
            url = w;
        }
    }
    if (url.empty() && anchor.empty()) return std::nullopt;
    return anchor.empty() ? url : url + "#" + anchor;
}

void FieldStack::begin() {
    if (fields_.size() >= kMaxDepth) {
        ++beyond_;
        return;
    }
    fields_.emplace_back();
    ++hiding_;
}

void FieldStack::instruction(std::string_view piece) {
    if (beyond_ || fields_.empty() || fields_.back().in_result) return;
    std::string &text = fields_.back().instruction;
    if (text.size() < kLongestInstruction) text.append(piece.substr(0, kLongestInstruction - text.size()));
}

bool FieldStack::hides(std::string_view instruction) const {
    if (!hide_page_numbers_) return false;
    const size_t start = instruction.find_first_not_of(" \t");
    if (start == std::string_view::npos) return false;
    instruction.remove_prefix(start);
    const std::string_view word = instruction.substr(0, instruction.find_first_of(" \t\\"));
    return word == "PAGE" || word == "NUMPAGES" || word == "SECTIONPAGES";
}

std::optional<std::string> FieldStack::separate() {
    if (beyond_ || fields_.empty() || fields_.back().in_result) return std::nullopt;
    Field &field = fields_.back();
    field.in_result = true;
    field.result_hidden = hides(field.instruction);
    if (!field.result_hidden) --hiding_;
    auto target = hyperlink_target(field.instruction);
    field.link = target.has_value() && showing();
    return field.link ? target : std::nullopt;
}

void FieldStack::end_paragraph() {
    beyond_ = 0;
    while (!fields_.empty() && !fields_.back().in_result) {
        fields_.pop_back();
        --hiding_;
    }
}

bool FieldStack::end() {
    if (beyond_) {
        --beyond_;
        return false;
    }
    if (fields_.empty()) return false;
    const Field field = std::move(fields_.back());
    fields_.pop_back();
    if (!field.in_result || field.result_hidden) --hiding_;
    return field.link;
}

}  // namespace qrv::import::fields
