#include "biff_record.hpp"

#include <algorithm>

#include "cfb/little_endian.hpp"

namespace qrv::import::xls {

bool RecordReader::next(Record &out) {
    if (at_ + 4 > stream_.size()) return false;
    const size_t length = le16(&stream_[at_ + 2]);
    if (at_ + 4 + length > stream_.size()) return false;
    out.type = le16(&stream_[at_]);
    out.offset = at_;
    out.data.assign(stream_.begin() + static_cast<std::ptrdiff_t>(at_ + 4),
                    stream_.begin() + static_cast<std::ptrdiff_t>(at_ + 4 + length));
    out.breaks.clear();
    at_ += 4 + length;
    while (at_ + 4 <= stream_.size() && le16(&stream_[at_]) == record::kContinue) {
        const size_t more = le16(&stream_[at_ + 2]);
        if (at_ + 4 + more > stream_.size()) break;
        out.breaks.push_back(out.data.size());
        out.data.insert(out.data.end(), stream_.begin() + static_cast<std::ptrdiff_t>(at_ + 4),
                        stream_.begin() + static_cast<std::ptrdiff_t>(at_ + 4 + more));
        at_ += 4 + more;
    }
    return true;
}

std::span<const uint8_t> Cursor::take(size_t n) {
    if (n > left()) throw RecordTooShort{};
    const auto bytes = data_.subspan(at_, n);
    at_ += n;
    return bytes;
}

uint8_t Cursor::u8() { return take(1)[0]; }
uint16_t Cursor::u16() { return le16(take(2).data()); }
uint32_t Cursor::u32() { return le32(take(4).data()); }
double Cursor::f64() { return le_double(take(8).data()); }
void Cursor::skip(size_t n) { take(n); }

size_t Cursor::room() const {
    const auto next = std::upper_bound(breaks_.begin(), breaks_.end(), at_);
    return (next == breaks_.end() ? data_.size() : *next) - at_;
}

bool Cursor::at_break() const { return std::binary_search(breaks_.begin(), breaks_.end(), at_); }

}  // namespace qrv::import::xls
