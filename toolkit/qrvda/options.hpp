// Option sets: values by option id, starting from the en-US defaults.
#pragma once

#include <qrvda.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

#include "shared_bytes.hpp"

namespace qrv::da {

// The options every formatted value reads (the conventions and the date
// flags) are read without a lock; a host's own options sit in a map under
// the set's mutex, which also serialises every write.
struct OptionSet {
    toolkit::SharedBytes<sizeof(FUIntlSettings)> intl;
    toolkit::SharedBytes<sizeof(uint32_t)> dateFlags;
    std::mutex mutex;
    std::map<uint32_t, std::vector<unsigned char>> others;
    OptionSet();
};

}  // namespace qrv::da
