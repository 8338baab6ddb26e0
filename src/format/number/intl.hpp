// The export's number and date conventions.
#pragma once

#include <qrvda.h>

#include <cstdint>

namespace qrv::numformat {

// Reads option 338681.  The record starts with the conventions of the
// option set's own defaults ("." "," "/" ":" "$" "AM" "PM"), so that a
// failed read still leaves printable separators.
inline FUIntlSettings read_intl_settings(uint32_t hOptions) {
    FUIntlSettings intl{'.', ',', '/', ':', {'$'}, {'A', 'M'}, {'P', 'M'}, 1, 0, 0};
    uint32_t size = sizeof intl;
    DAGetOption(hOptions, DA_OPTION_INTL_SETTINGS, &intl, &size);
    return intl;
}

}  // namespace qrv::numformat
