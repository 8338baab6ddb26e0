#include "list_style.hpp"

#include <charconv>

namespace qrv::import::pptx {
namespace {

using textdoc::NumberKind;

struct SchemeStep {
    std::string_view name;
    NumberKind kind;
};
constexpr SchemeStep kNumberKinds[] = {{"arabic", NumberKind::Decimal},         {"alphaLc", NumberKind::LowerLetter},
                                       {"alphaUc", NumberKind::UpperLetter},    {"romanLc", NumberKind::LowerRoman},
                                       {"romanUc", NumberKind::UpperRoman},     {"circleNumDb", NumberKind::Decimal},
                                       {"circleNumWd", NumberKind::Decimal}};

struct Punctuation {
    std::string_view name, before, after;
};
constexpr Punctuation kPunctuation[] = {
    {"Period", "", "."}, {"ParenR", "", ")"}, {"ParenBoth", "(", ")"}, {"Plain", "", ""}, {"Minus", "", " -"}};

// "arabicPeriod", "alphaLcParenR", "romanUcPeriod": the number's kind, then
// what stands around it.
Bullet number_of_scheme(std::string_view scheme) {
    Bullet b;
    b.kind = Bullet::Kind::Number;
    b.after = ".";
    for (const auto &k : kNumberKinds) {
        if (!scheme.starts_with(k.name)) continue;
        b.number = k.kind;
        const std::string_view rest = scheme.substr(k.name.size());
        for (const auto &p : kPunctuation)
            if (rest.starts_with(p.name)) {
                b.before = p.before;
                b.after = p.after;
            }
        break;
    }
    return b;
}

int32_t start_of(std::string_view text) {
    int32_t n = 1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    return error == std::errc() && n >= 1 && n <= 32767 ? n : 1;
}

}  // namespace

void overlay(ListStyle &base, const ListStyle &top) {
    for (size_t i = 0; i < base.size(); ++i)
        if (top[i]) base[i] = top[i];
}

bool read_bullet(const XmlName &name, const XmlAttributes &a, std::optional<Bullet> &bullet) {
    if (name.ns != Ns::Drawing) return false;
    if (name.local == "buNone") {
        bullet = Bullet{};
    } else if (name.local == "buChar") {
        Bullet b;
        b.kind = Bullet::Kind::Character;
        b.character = a.get(Ns::None, "char", "\xE2\x80\xA2");
        bullet = std::move(b);
    } else if (name.local == "buAutoNum") {
        Bullet b = number_of_scheme(a.get(Ns::None, "type", "arabicPeriod"));
        b.start = start_of(a.get(Ns::None, "startAt", "1"));
        bullet = std::move(b);
    } else {
        return false;
    }
    return true;
}

std::optional<unsigned> level_element(const XmlName &name) {
    const std::string_view l = name.local;
    if (name.ns != Ns::Drawing || l.size() != 7 || !l.starts_with("lvl") || !l.ends_with("pPr")) return std::nullopt;
    const char digit = l[3];
    if (digit < '1' || digit > '9') return std::nullopt;
    return static_cast<unsigned>(digit - '1');
}

void ListStyleReader::start(const XmlName &name, const XmlAttributes &attributes) {
    if (const auto level = level_element(name)) {
        level_ = level;
        return;
    }
    if (level_) read_bullet(name, attributes, style_[*level_]);
}

void ListStyleReader::end(const XmlName &name) {
    if (level_element(name)) level_.reset();
}

}  // namespace qrv::import::pptx
