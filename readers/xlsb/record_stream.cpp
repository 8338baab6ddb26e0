#include "record_stream.hpp"

#include <utility>

#include "core/error.hpp"

namespace qrv::import::xlsb {

RecordStream::RecordStream(std::unique_ptr<ByteSource> source) : source_(std::move(source)) {}

bool RecordStream::byte(uint8_t &out) {
    if (used_ == have_) {
        have_ = source_->read(buffer_);
        used_ = 0;
        if (have_ == 0) return false;
    }
    out = buffer_[used_++];
    ++offset_;
    return true;
}

void RecordStream::cut(const char *what) const {
    broken(part() + ": the part ends inside a record's " + what + " at byte " + std::to_string(offset_));
}

bool RecordStream::varint(unsigned max_bytes, uint32_t &out, bool at_start) {
    out = 0;
    for (unsigned i = 0; i < max_bytes; ++i) {
        uint8_t b = 0;
        if (!byte(b)) {
            if (at_start && i == 0) return false;
            cut(at_start ? "type" : "size");
        }
        out |= uint32_t{b & 0x7Fu} << (7 * i);
        if (!(b & 0x80)) return true;
    }
    if (!at_start) broken(part() + ": a record's size at byte " + std::to_string(offset_) + " runs past four bytes");
    return true;  // a type's second byte with its high bit set is kept as read
}

bool RecordStream::next(Record &out) {
    out.offset = offset_;
    uint32_t type = 0, size = 0;
    if (!varint(2, type, true)) return false;
    varint(4, size, false);
    if (size > kMaxSize)
        broken(part() + ": the record at byte " + std::to_string(out.offset) + " says it holds " +
               std::to_string(size) + " bytes, more than a record may");
    out.type = static_cast<uint16_t>(type);
    out.data.resize(size);
    for (size_t got = 0; got < size;) {
        if (used_ == have_) {
            have_ = source_->read(buffer_);
            used_ = 0;
            if (have_ == 0) cut("data");
        }
        const size_t n = std::min(size - got, have_ - used_);
        std::copy_n(buffer_ + used_, n, out.data.begin() + static_cast<std::ptrdiff_t>(got));
        used_ += n, got += n, offset_ += n;
    }
    return true;
}

void read_records(Package &package, const std::string &part, const TakeRecord &take) {
    RecordStream records(package.archive().open(part));
    Diagnostics &diagnostics = package.diagnostics();
    Record r;
    bool warned = false;
    try {
        while (records.next(r)) {
            Cursor in(r);
            try {
                take(r, in);
            } catch (const xls::RecordTooShort &) {
                if (!std::exchange(warned, true))
                    diagnostics.warn(part + ": record " + std::to_string(r.type) + " at byte " +
                                     std::to_string(r.offset) + " is shorter than its contents; it is passed over");
            }
        }
    } catch (const ImportError &e) {
        if (e.code() != IM_ERR_BROKEN) throw;
        diagnostics.warn(std::string(e.what()) + "; what comes before is kept");
    }
}

}  // namespace qrv::import::xlsb
