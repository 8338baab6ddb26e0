// Records too short for what they say they hold: each is passed over, and
// the first of a substream is reported.
#pragma once

#include <string>

#include "writer/diagnostics.hpp"
#include "cfb/little_endian.hpp"
#include "biff_record.hpp"

namespace qrv::import::xls {

class RecordFaults {
public:
    RecordFaults(Diagnostics &diagnostics, std::string where) : diagnostics_(diagnostics), where_(std::move(where)) {}

    void short_record(const Record &r) {
        if (reported_++) return;
        diagnostics_.warn(where_ + ": record " + std::to_string(r.type) + " at byte " + std::to_string(r.offset) +
                          " is shorter than its contents; it is passed over");
    }

private:
    Diagnostics &diagnostics_;
    std::string where_;
    unsigned reported_ = 0;
};

inline uint16_t le16_of(const std::vector<uint8_t> &data, size_t at) {
    return at + 2 <= data.size() ? le16(&data[at]) : 0;
}

}  // namespace qrv::import::xls
