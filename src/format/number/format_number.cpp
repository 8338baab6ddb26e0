// FUFormatNumber: a number format definition of the item stream applied to
// a double.
#include "format/number/number_call.hpp"

extern "C" {

// Formats value by the number format definition whose first item is
// formatId (-1: the general format) into output, which must hold 256
// characters; outputSize bounds what is written.  Returns the length of the
// text, terminator not counted (at most 255); a value that is no value, or a
// date that cannot be shown, gives a message text from the string resources.
//
// Compiled formats are looked up in the caller's cache by formatId and,
// when the cache's data size holds an FUNumberFormat, a newly compiled one is
// added to it.  Blocks the cache grows by for such an add are counted against
// no context (the formatter has none).  Definitions with conditions and
// definitions cut off by a chunker failure are compiled on every call.
//
// A chain of conditions is followed to its end, however long; one that comes
// back to a definition it has already formatted the same value with formats
// that definition without its conditions.
//
// Decided here: a condition whose target cannot be found is passed over and
// the current definition formatted without it; a cut-off definition shows what
// was compiled up to the failure; a fraction format (a lone "/" in a
// definition that is no date) shows the general text alone.  The work buffer
// is not needed: the digits are rendered into a buffer of the call's own.
QRVAPI uint32_t FUFormatNumber(CHHandle h, QRVWCHAR *output, uint32_t outputSize, uint32_t formatId, double value,
                               uint32_t dayBase, uint32_t dateFlags, uint32_t exponentOptions, uint32_t *pTextValue60,
                               uint32_t *pTextValue25, MUCache *cache, QRVWCHAR * /*work*/, uint32_t /*unused*/,
                               uint32_t hOptions) {
    if (output == nullptr) return 0;
    const qrv::numformat::NumberCall call{
        h, output, outputSize, dayBase, dateFlags, exponentOptions, pTextValue60, pTextValue25, cache, hOptions};
    return qrv::numformat::format_number(call, formatId, value);
}

}  // extern "C"
