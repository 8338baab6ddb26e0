#pragma once

#include <qrvex/types.h>

#include "handle_table.hpp"

namespace qrv::da {

struct Document {
    CHHandle chunker = 0;
    uint32_t options = 0;
};

toolkit::HandleTable<Document> &documents();

}  // namespace qrv::da
