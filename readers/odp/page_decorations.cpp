#include "page_decorations.hpp"

namespace qrv::import::odp {

Decoration decoration_named(std::string_view name) {
    if (name == "header") return Decoration::Header;
    if (name == "footer") return Decoration::Footer;
    if (name == "date-time") return Decoration::DateTime;
    if (name == "page-number") return Decoration::PageNumber;
    return Decoration::None;
}

std::string_view marker_of(Decoration d) {
    // U+FDD0 to U+FDD4.
    static constexpr std::string_view kMarkers[kDecorations] = {"\xEF\xB7\x90", "\xEF\xB7\x91", "\xEF\xB7\x92",
                                                                "\xEF\xB7\x93", "\xEF\xB7\x94"};
    return kMarkers[static_cast<size_t>(d)];
}

textdoc::Recording decorate(const textdoc::Recording &frame, Decoration d, const DecorationTexts &page) {
    if (d != Decoration::None && !(page.shown & bit_of(d))) return {};
    textdoc::Recording shown = frame;
    for (size_t i = 1; i < kDecorations; ++i)
        shown.replace_text(marker_of(static_cast<Decoration>(i)), page.text[i]);
    return shown;
}

}  // namespace qrv::import::odp
