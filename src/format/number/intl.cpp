#include "format/number/intl.hpp"

namespace qrv::numformat {

FUIntlSettings read_intl_settings(uint32_t hOptions) {
    FUIntlSettings intl{'.', ',', '/', ':', {'$'}, {'A', 'M'}, {'P', 'M'}, 1, 0, 0};
    uint32_t size = sizeof intl;
    DAGetOption(hOptions, DA_OPTION_INTL_SETTINGS, &intl, &size);
    return intl;
}

}  // namespace qrv::numformat
