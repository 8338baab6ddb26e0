#include "format/number/format_value.hpp"

#include "format/number/code_walk.hpp"
#include "format/number/date_walk.hpp"
#include "format/number/plain_general.hpp"
#include "format/number/plain_walk.hpp"

namespace qrv::numformat {
namespace {

bool shows_general_text_alone(const FormatView &format) {
    return (format.FormatFlags & FU_FORMAT_GENERAL) != 0 && format.codeCount < 2;
}

// The rendered number, in its general form when the format has that flag;
// true when the general text is the whole output (and is written).
bool render(const ValueRequest &request, bool negative, WorkNumber &work, OutputText &out) {
    const FormatView &format = request.format;
    render_number(request.value, format, format.codeCount == 0 ? 0 : request.exponentOptions, request.path, work);
    if ((format.FormatFlags & FU_FORMAT_GENERAL) == 0) return false;
    const QRVWCHAR decimal = static_cast<unsigned char>(request.intl.DecimalSeparator);
    QRVWCHAR general[kWorkSize];
    const uint32_t length = general_text(work, negative, decimal, general);
    if (shows_general_text_alone(format)) {
        out.put_wide(general, length);
        return true;
    }
    take_general_text(general, length, decimal, work);
    return false;
}

}  // namespace

bool format_value(const ValueRequest &request, OutputText &out, uint32_t &badDateLength) {
    const FormatView &format = request.format;
    const uint32_t flags = format.FormatFlags;
    const double value = request.value;
    const bool fast = request.walk == WalkPath::kFast;
    const QRVWCHAR decimal = static_cast<unsigned char>(request.intl.DecimalSeparator);
    if (fast && (walk_plain(format, value, request.intl, out) || write_plain_general(format, value, decimal, out)))
        return true;
    const bool negative = value < 0;
    WorkNumber work;
    DateFields date;
    const WalkInput input{format, work, request.intl, date, value, negative};
    // Date and time fields once the general text alone is ruled out (it
    // shows whatever the date); the rendering only where the walk reads it.
    const bool dates = (flags & FU_FORMAT_DATE_TIME) != 0 && !shows_general_text_alone(format);
    if (dates && !compute_date_fields(value, request.dayBase, request.dateFlags, flags, date, badDateLength))
        return false;
    if (fast && dates && walk_dates(input, out)) return true;
    if (render(request, negative, work, out)) return true;
    walk_codes(input, out);
    return true;
}

}  // namespace qrv::numformat
