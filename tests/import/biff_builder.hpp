// Workbook streams of records built in memory for tests, and .xls files
// that hold them.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "compound_file_builder.hpp"

namespace qrv::test::biff {

using test::u16;
using test::u32;
using test::u8;

inline std::string f64(double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return u32(static_cast<uint32_t>(bits)) + u32(static_cast<uint32_t>(bits >> 32));
}
// RK numbers: an integer or the top 30 bits of a double, either maybe a
// hundredth of itself.
inline uint32_t rk_of_integer(int32_t n, bool hundredth) {
    return static_cast<uint32_t>(n) << 2 | 0x02 | (hundredth ? 1u : 0u);
}
inline uint32_t rk_of_double(double d, bool hundredth) {
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return (static_cast<uint32_t>(bits >> 32) & ~3u) | (hundredth ? 1u : 0u);
}

inline std::string record(uint16_t type, const std::string &data) {
    return u16(type) + u16(static_cast<uint32_t>(data.size())) + data;
}
// A string of one-byte characters with a 16-bit length (8-bit when short).
inline std::string text(const std::string &chars, bool short_length = false) {
    return (short_length ? u8(static_cast<uint32_t>(chars.size())) : u16(static_cast<uint32_t>(chars.size()))) +
           u8(0) + chars;
}
// A string of two-byte characters.
inline std::string wide_text(const std::u16string &chars) {
    std::string out = u16(static_cast<uint32_t>(chars.size())) + u8(1);
    for (char16_t c : chars) out += u16(c);
    return out;
}
inline std::string cell(uint16_t row, uint16_t column, uint16_t xf = 0) { return u16(row) + u16(column) + u16(xf); }
inline std::string bof(uint16_t kind, uint16_t version = 0x0600) {
    return record(0x0809, u16(version) + u16(kind) + std::string(12, '\0'));
}
inline std::string eof() { return record(0x000A, ""); }

struct Sheet {
    std::string name;
    std::string records;  // between its BOF and EOF
    uint8_t hidden = 0;
    uint8_t kind = 0;
};

// A workbook stream: the globals (records given, then the sheet list) and
// the sheets.  Excel 5 streams write names as bytes.
inline std::string workbook(const std::string &globals, const std::vector<Sheet> &sheets, bool biff8 = true) {
    const uint16_t version = biff8 ? 0x0600 : 0x0500;
    auto sheet_list = [&](const std::vector<uint32_t> &offsets) {
        std::string out;
        for (size_t i = 0; i < sheets.size(); ++i) {
            const std::string name = biff8 ? text(sheets[i].name, true)
                                           : u8(static_cast<uint32_t>(sheets[i].name.size())) + sheets[i].name;
            out += record(0x0085, u32(offsets[i]) + u8(sheets[i].hidden) + u8(sheets[i].kind) + name);
        }
        return out;
    };
    std::vector<uint32_t> offsets(sheets.size());
    std::string head = bof(0x0005, version) + globals + sheet_list(offsets) + eof();
    uint32_t at = static_cast<uint32_t>(head.size());
    std::string body;
    for (size_t i = 0; i < sheets.size(); ++i) {
        offsets[i] = at + static_cast<uint32_t>(body.size());
        body += bof(0x0010, version) + sheets[i].records + eof();
    }
    return bof(0x0005, version) + globals + sheet_list(offsets) + eof() + body;
}

// An .xls file holding a workbook stream.
inline std::string xls_file(const std::string &stream, const char *name = "Workbook") {
    CompoundFileBuilder file;
    file.add(name, stream);
    return file.bytes();
}

}  // namespace qrv::test::biff
