// Option sets: values by option id, starting from the en-US defaults.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

#include "handle_table.hpp"

namespace qrv::da {

struct OptionSet {
    std::mutex mutex;
    std::map<uint32_t, std::vector<unsigned char>> values;
    OptionSet();
};

// Handle 0 names the process's own set, which hosts may change too.
OptionSet *find_options(uint32_t handle);
toolkit::HandleTable<OptionSet> &option_sets();

}  // namespace qrv::da
