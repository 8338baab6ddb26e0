// Cell values.
#include "chunk/gather/handlers.hpp"

namespace qrv::gather {

uint32_t on_cell_value(Walk &w) {
    w.cell().Item147Value = w.item.data2 >> 16;
    return 0;
}

uint32_t on_item150(Walk &w) {
    w.cell().Item150Value = w.item.value & 0xFFFF;
    return 0;
}

// data1 is a percentage scaled to 0..255.
uint32_t on_item154(Walk &w) {
    w.cell().Item154Value = w.item.value;
    w.cell().Item154Data1Scaled = w.item.data1 * 255u / 100u;
    return 0;
}

}  // namespace qrv::gather
