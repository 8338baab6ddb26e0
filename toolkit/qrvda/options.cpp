// Options.  Known options keep their size; a host may add options of its own.
#include "options.hpp"

#include <qrvda.h>

#include <cstring>

namespace qrv::da {

namespace {

FUIntlSettings en_us() {
    FUIntlSettings s{};
    s.DecimalSeparator = '.';
    s.ThousandsSeparator = ',';
    s.DateSeparator = '/';
    s.TimeSeparator = ':';
    std::memcpy(s.CurrencySymbol, "$", 2);
    std::memcpy(s.MorningDesignator, "AM", 3);
    std::memcpy(s.AfternoonDesignator, "PM", 3);
    s.CurrencyPlacement = 1;  // "$1.00": before the number, no blank
    s.DateOrder = 0;          // month, day, year
    return s;
}

template <typename T>
std::vector<unsigned char> bytes_of(const T &value) {
    const auto *p = reinterpret_cast<const unsigned char *>(&value);
    return {p, p + sizeof value};
}

size_t known_size(uint32_t id) {
    switch (id) {
    case DA_OPTION_INTL_SETTINGS: return sizeof(FUIntlSettings);
    case DA_OPTION_DATE_FLAGS: return sizeof(uint32_t);
    default: return 0;
    }
}

}  // namespace

OptionSet::OptionSet() {
    values[DA_OPTION_INTL_SETTINGS] = bytes_of(en_us());
    values[DA_OPTION_DATE_FLAGS] = bytes_of(uint32_t{0});
}

toolkit::HandleTable<OptionSet> &option_sets() { return toolkit::lasting_table<OptionSet>(0x4F); }

OptionSet *find_options(uint32_t handle) {
    static auto *process_set = new OptionSet;
    return handle == 0 ? process_set : option_sets().find(handle);
}

}  // namespace qrv::da

using qrv::da::find_options;

extern "C" {

uint32_t DAGetOption(uint32_t hOptions, uint32_t id, void *buffer, uint32_t *pSize) {
    qrv::da::OptionSet *set = find_options(hOptions);
    if (!set) return DA_ERR_BAD_HANDLE;
    if (!buffer || !pSize) return DA_ERR_BAD_OPTION;
    std::lock_guard g(set->mutex);
    const auto it = set->values.find(id);
    if (it == set->values.end()) return DA_ERR_BAD_OPTION;
    const auto size = static_cast<uint32_t>(it->second.size());
    if (*pSize < size) {
        *pSize = size;
        return DA_ERR_TOO_SMALL;
    }
    std::memcpy(buffer, it->second.data(), size);
    *pSize = size;
    return 0;
}

uint32_t DACreateOptions(uint32_t *phOptions) {
    if (!phOptions) return DA_ERR_BAD_OPTION;
    *phOptions = qrv::da::option_sets().add(std::make_unique<qrv::da::OptionSet>());
    return *phOptions ? 0 : DA_ERR_NO_MEMORY;
}

uint32_t DASetOption(uint32_t hOptions, uint32_t id, const void *value, uint32_t size) {
    qrv::da::OptionSet *set = find_options(hOptions);
    if (!set) return DA_ERR_BAD_HANDLE;
    const size_t expected = qrv::da::known_size(id);
    if (!value || size == 0 || (expected && size != expected)) return DA_ERR_BAD_OPTION;
    const auto *p = static_cast<const unsigned char *>(value);
    std::lock_guard g(set->mutex);
    set->values[id].assign(p, p + size);
    return 0;
}

uint32_t DADestroyOptions(uint32_t hOptions) {
    return qrv::da::option_sets().remove(hOptions) ? 0 : DA_ERR_BAD_HANDLE;
}

}  // extern "C"
