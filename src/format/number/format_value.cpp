#include "format/number/format_value.hpp"

#include "format/number/code_walk.hpp"
#include "format/number/plain_walk.hpp"

namespace qrv::numformat {

bool format_value(const ValueRequest &request, OutputText &out, uint32_t &badDateLength) {
    const FormatView &format = request.format;
    const uint32_t flags = format.FormatFlags;
    const double value = request.value;
    if (request.walk == WalkPath::kFast && walk_plain(format, value, request.intl, out)) return true;
    WorkNumber work;
    render_number(value, format, format.codeCount == 0 ? 0 : request.exponentOptions, request.path, work);
    const bool negative = value < 0;
    const QRVWCHAR decimal = static_cast<unsigned char>(request.intl.DecimalSeparator);
    if ((flags & FU_FORMAT_GENERAL) != 0) {
        QRVWCHAR general[kWorkSize];
        const uint32_t length = general_text(work, negative, decimal, general);
        if (format.codeCount < 2) {
            out.put_wide(general, length);
            return true;
        }
        take_general_text(general, length, decimal, work);
    }
    DateFields date;
    if ((flags & FU_FORMAT_DATE_TIME) != 0 &&
        !compute_date_fields(value, request.dayBase, request.dateFlags, flags, date, badDateLength))
        return false;
    walk_codes(WalkInput{format, work, request.intl, date, value, negative}, out);
    return true;
}

}  // namespace qrv::numformat
