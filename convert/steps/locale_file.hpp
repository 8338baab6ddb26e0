// Number and date conventions read from a locale file (lines of KEY=VALUE,
// '#' starts a comment), laid over the en-US defaults.
#pragma once

#include <qrvda.h>

#include <string>

namespace qrv::convert {

FUIntlSettings default_settings();

// Applies the lines of text to settings; on a mistake returns false with
// "line N: message" in error.
bool apply_locale_text(const std::string &text, FUIntlSettings &settings, std::string &error);

}  // namespace qrv::convert
