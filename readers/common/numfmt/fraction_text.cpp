#include "fraction_text.hpp"

#include <qrvex/numformat.h>

#include <cmath>
#include <cstdint>

namespace qrv::import::numfmt {
namespace {

struct Ratio {
    uint64_t numerator = 0, denominator = 1;
};

// The fraction closest to x (0 <= x) whose denominator is at most limit:
// the continued fraction's last convergent within the limit, or the best
// semiconvergent after it.
Ratio closest_ratio(double x, uint64_t limit) {
    uint64_t p0 = 0, q0 = 1, p1 = 1, q1 = 0;
    double rest = x;
    for (int step = 0; step < 64; ++step) {
        const double whole = std::floor(rest);
        if (whole > 1e15) break;
        const auto a = static_cast<uint64_t>(whole);
        if (q0 + a * q1 > limit) {
            const uint64_t k = q1 ? (limit - q0) / q1 : 0;
            const Ratio semi{p0 + k * p1, q0 + k * q1}, last{p1, q1};
            const auto error = [x](Ratio r) { return std::fabs(x - double(r.numerator) / double(r.denominator)); };
            return semi.denominator && error(semi) < error(last) ? semi : last;
        }
        const uint64_t p2 = p0 + a * p1, q2 = q0 + a * q1;
        p0 = p1, q0 = q1, p1 = p2, q1 = q2;
        if (rest - whole < 1e-12) break;
        rest = 1 / (rest - whole);
    }
    return q1 ? Ratio{p1, q1} : Ratio{0, 1};
}

Ratio ratio_of(double x, const Fraction &f) {
    if (f.fixed_denominator) return {static_cast<uint64_t>(std::llround(x * f.fixed_denominator)), f.fixed_denominator};
    uint64_t limit = 1;
    for (int i = 0; i < f.denominator_places; ++i) limit *= 10;
    return closest_ratio(x, limit - 1);
}

std::string fraction_written(double magnitude, const Fraction &f) {
    double whole = f.whole ? std::floor(magnitude) : 0;
    Ratio r = ratio_of(magnitude - whole, f);
    if (f.whole && r.numerator >= r.denominator) {
        whole += double(r.numerator / r.denominator);
        r.numerator %= r.denominator;
    }
    const std::string part = std::to_string(r.numerator) + "/" + std::to_string(r.denominator);
    if (!f.whole) return part;
    if (r.numerator == 0) return std::to_string(static_cast<uint64_t>(whole));
    return whole == 0 ? part : std::to_string(static_cast<uint64_t>(whole)) + " " + part;
}

}  // namespace

std::optional<std::string> fraction_text(const Section &section, double value) {
    if (!section.fraction || !std::isfinite(value) || std::fabs(value) >= 1e15) return std::nullopt;
    std::string text;
    for (const Piece &p : section.pieces) {
        if (p.kind == Piece::Kind::kText) {
            text += p.text;
        } else if (p.token == FU_TOKEN_GENERAL) {
            if (value < 0 && section.value == ValueShown::kSigned) text += '-';
            text += fraction_written(std::fabs(value), *section.fraction);
        } else {
            return std::nullopt;
        }
    }
    return text;
}

}  // namespace qrv::import::numfmt
