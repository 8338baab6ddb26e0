// Wide-string helpers.  Case is folded for ASCII and the Latin-1 letters,
// which is what style names compared against "title" and "heading" need.
#include <qrvut.h>

namespace {

QRVWCHAR fold_case(QRVWCHAR c) {
    if (c >= 'A' && c <= 'Z') return static_cast<QRVWCHAR>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<QRVWCHAR>(c + 32);
    return c;
}

}  // namespace

extern "C" {

uint32_t UTwstrlen(const QRVWCHAR *s) {
    if (!s) return 0;
    uint32_t n = 0;
    while (s[n]) ++n;
    return n;
}

uint32_t UTwstrcmpi(const QRVWCHAR *a, const QRVWCHAR *b) {
    if (!a || !b) return a != b;
    for (;; ++a, ++b) {
        const QRVWCHAR x = fold_case(*a), y = fold_case(*b);
        if (x != y) return x < y ? 0xFFFFFFFFu : 1u;
        if (x == 0) return 0;
    }
}

}  // extern "C"
