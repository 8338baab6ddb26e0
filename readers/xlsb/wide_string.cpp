#include "wide_string.hpp"

#include "writer/utf16.hpp"

namespace qrv::import::xlsb {
namespace {

std::u16string wide_units(xls::Cursor &in, uint32_t count) {
    if (count > in.left() / 2) throw xls::RecordTooShort{};
    std::u16string out(count, u'\0');
    for (char16_t &c : out) c = in.u16();
    return out;
}

}  // namespace

std::u16string wide_string(xls::Cursor &in) { return wide_units(in, in.u32()); }

std::u16string nullable_wide_string(xls::Cursor &in) {
    const uint32_t count = in.u32();
    return count == 0xFFFFFFFFu ? std::u16string() : wide_units(in, count);
}

std::string wide_string_utf8(xls::Cursor &in) { return utf8_of(wide_string(in)); }

}  // namespace qrv::import::xlsb
