// The code walk for formats of the plain shape (plain_shape.hpp), straight
// from the double: the whole part and the few fraction digits the text
// shows are split off exactly, the renderer's trailing-zero and noise rules
// and the walk's rounding are applied to them, and the text is written in
// one pass.  The general walk (code_walk.hpp) over the rendered number is
// the reference it must agree with.
#pragma once

#include "format/number/format_view.hpp"
#include "format/number/output_text.hpp"

#include <qrvda.h>

namespace qrv::numformat {

// Writes the text of value by format to out and returns true; or returns
// false, having written nothing, for whatever it does not take: formats of
// another shape, values beyond its exact range, separators or a leading
// currency symbol that are digits, a rounding that carries out of the
// leftmost digit, a text longer than out's room.
bool walk_plain(const FormatView &format, double value, const FUIntlSettings &intl, OutputText &out);

}  // namespace qrv::numformat
