#include "theme_reader.hpp"

#include "package/optional_part.hpp"

namespace qrv::import::docx {
namespace {

class ThemeReader final : public XmlHandler {
public:
    explicit ThemeReader(ThemeFonts &fonts) : fonts_(fonts) {}

    void start(const XmlName &name, const XmlAttributes &a) override {
        if (name.ns != Ns::Drawing) return;
        if (name.local == "majorFont")
            target_ = &fonts_.major;
        else if (name.local == "minorFont")
            target_ = &fonts_.minor;
        else if (name.local == "latin" && target_ && target_->empty())
            *target_ = a.get(Ns::None, "typeface");
    }
    void end(const XmlName &name) override {
        if (name.ns == Ns::Drawing && (name.local == "majorFont" || name.local == "minorFont")) target_ = nullptr;
        if (name.ns == Ns::Drawing && name.local == "fontScheme") throw StopReading{};
    }

private:
    ThemeFonts &fonts_;
    std::string *target_ = nullptr;
};

}  // namespace

ThemeFonts read_theme_fonts(Package &package, const std::string &main_part) {
    ThemeFonts fonts;
    const Relationship *theme = package.first_of_type(main_part, "theme");
    if (!theme || theme->external || !package.has(theme->target)) return fonts;
    ThemeReader reader(fonts);
    read_optional_part(package, theme->target, reader, "the theme's fonts are");
    return fonts;
}

}  // namespace qrv::import::docx
