// The records of a binary workbook part: a type of one or two bytes and a
// size of one to four bytes, each seven bits a byte with the high bit
// saying another byte follows, then the record's data.  Records are read
// from the part as it inflates, one at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "package/package.hpp"
#include "xls/biff_record.hpp"

namespace qrv::import::xlsb {

using xls::Cursor;
using xls::Record;

class RecordStream {
public:
    static constexpr uint32_t kMaxSize = (1u << 21) - 1;

    explicit RecordStream(std::unique_ptr<ByteSource> source);

    // The next record, or false at the end of the part.  A record cut by the
    // end of the part throws ImportError(IM_ERR_BROKEN) naming the part.
    bool next(Record &out);
    const std::string &part() const { return source_->name(); }

private:
    bool byte(uint8_t &out);
    // A number of up to max_bytes seven-bit groups; false at a clean end.
    bool varint(unsigned max_bytes, uint32_t &out, bool at_start);
    [[noreturn]] void cut(const char *what) const;

    std::unique_ptr<ByteSource> source_;
    uint8_t buffer_[16384];
    size_t have_ = 0, used_ = 0;
    size_t offset_ = 0;  // of the next byte in the part
};

// Hands every record of a part to take with a cursor on its data.  A record
// shorter than what it holds is passed over, and a part cut inside a record
// ends there; the first of each is reported as a warning naming the part.
using TakeRecord = std::function<void(const Record &, Cursor &)>;
void read_records(Package &package, const std::string &part, const TakeRecord &take);

}  // namespace qrv::import::xlsb
