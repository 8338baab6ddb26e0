// Options.  Known options keep their size; a host may add options of its own.
#include "options.hpp"

#include "handle_table.hpp"

#include <qrvda.h>

#include <cstring>
#include <type_traits>

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

// Calls use(record) with the set's lock-free record of a known option;
// false for the other options.
template <typename Set, typename Use>
bool use_known(Set &set, uint32_t id, Use &&use) {
    switch (id) {
    case DA_OPTION_INTL_SETTINGS: use(set.intl); return true;
    case DA_OPTION_DATE_FLAGS: use(set.dateFlags); return true;
    default: return false;
    }
}

uint32_t known_size(uint32_t id) {
    switch (id) {
    case DA_OPTION_INTL_SETTINGS: return decltype(OptionSet::intl)::kSize;
    case DA_OPTION_DATE_FLAGS: return decltype(OptionSet::dateFlags)::kSize;
    default: return 0;
    }
}

// Hands back what the caller's size allows: the value, or its size.
uint32_t give(const void *value, uint32_t size, void *buffer, uint32_t *pSize) {
    const bool fits = *pSize >= size;
    if (fits) std::memcpy(buffer, value, size);
    *pSize = size;
    return fits ? 0 : DA_ERR_TOO_SMALL;
}

toolkit::HandleTable<OptionSet> &option_sets() { return toolkit::lasting_table<OptionSet>(0x4F); }

// Handle 0 names the process's own set, which hosts may change too.
OptionSet *find_options(uint32_t handle) {
    static auto *process_set = new OptionSet;
    return handle == 0 ? process_set : option_sets().find(handle);
}

// A host's own option, under the set's mutex (kept out of the known
// options' way: every formatted value reads one of those).
[[gnu::noinline]] uint32_t read_other(OptionSet &set, uint32_t id, void *buffer, uint32_t *pSize) {
    std::lock_guard g(set.mutex);
    const auto it = set.others.find(id);
    if (it == set.others.end()) return DA_ERR_BAD_OPTION;
    return give(it->second.data(), static_cast<uint32_t>(it->second.size()), buffer, pSize);
}

}  // namespace

OptionSet::OptionSet() {
    const FUIntlSettings defaults = en_us();
    const uint32_t noFlags = 0;
    intl.write(&defaults);
    dateFlags.write(&noFlags);
}

}  // namespace qrv::da

using qrv::da::find_options;

extern "C" {

uint32_t DAGetOption(uint32_t hOptions, uint32_t id, void *buffer, uint32_t *pSize) {
    qrv::da::OptionSet *set = find_options(hOptions);
    if (!set) return DA_ERR_BAD_HANDLE;
    if (!buffer || !pSize) return DA_ERR_BAD_OPTION;
    uint32_t result = 0;
    const bool known = qrv::da::use_known(*set, id, [&](const auto &record) {
        unsigned char value[std::remove_cvref_t<decltype(record)>::kSize];
        record.read(value);
        result = qrv::da::give(value, sizeof value, buffer, pSize);
    });
    return known ? result : qrv::da::read_other(*set, id, buffer, pSize);
}

uint32_t DACreateOptions(uint32_t *phOptions) {
    if (!phOptions) return DA_ERR_BAD_OPTION;
    *phOptions = qrv::da::option_sets().add(std::make_unique<qrv::da::OptionSet>());
    return *phOptions ? 0 : DA_ERR_NO_MEMORY;
}

uint32_t DASetOption(uint32_t hOptions, uint32_t id, const void *value, uint32_t size) {
    qrv::da::OptionSet *set = find_options(hOptions);
    if (!set) return DA_ERR_BAD_HANDLE;
    const uint32_t expected = qrv::da::known_size(id);
    if (!value || size == 0 || (expected && size != expected)) return DA_ERR_BAD_OPTION;
    std::lock_guard g(set->mutex);
    if (qrv::da::use_known(*set, id, [&](auto &record) { record.write(value); })) return 0;
    const auto *p = static_cast<const unsigned char *>(value);
    set->others[id].assign(p, p + size);
    return 0;
}

uint32_t DADestroyOptions(uint32_t hOptions) { return qrv::da::option_sets().remove(hOptions) ? 0 : DA_ERR_BAD_HANDLE; }

}  // extern "C"
