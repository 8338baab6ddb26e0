// The records of a workbook stream: a type, a length and the data, with
// the CONTINUE records that follow a record joined to it.  Where each
// continuation starts is kept: a string cut there restates its encoding.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qrv::import::xls {

namespace record {
inline constexpr uint16_t kFormula = 0x0006, kEof = 0x000A, kNote = 0x001C, kDateMode = 0x0022,
                          kFilePass = 0x002F, kFont = 0x0031, kContinue = 0x003C, kCodePage = 0x0042,
                          kDefColWidth = 0x0055, kColInfo = 0x007D, kBoundSheet = 0x0085, kPalette = 0x0092,
                          kMulRk = 0x00BD, kMulBlank = 0x00BE, kRString = 0x00D6, kXf = 0x00E0,
                          kMergedCells = 0x00E5, kSst = 0x00FC, kLabelSst = 0x00FD, kHLink = 0x01B8,
                          kBlank = 0x0201, kNumber = 0x0203, kLabel = 0x0204, kBoolErr = 0x0205,
                          kString = 0x0207, kRow = 0x0208, kRk = 0x027E, kFormat = 0x041E, kBof = 0x0809, kArray = 0x0221,
                          kSharedFormula = 0x04BC, kWindow2 = 0x023E, kPane = 0x0041, kObj = 0x005D, kDimensions = 0x0200,
                          kTxo = 0x01B6;
// Beginnings of the older formats' streams (BIFF2, BIFF3, BIFF4), and the
// records Excel 3 and 4 number otherwise than later versions.
inline constexpr uint16_t kBof2 = 0x0009, kBof3 = 0x0209, kBof4 = 0x0409;
inline constexpr uint16_t kFormula3 = 0x0206, kFormula4 = 0x0406, kFont3 = 0x0231, kFormat3 = 0x001E,
                          kXf3 = 0x0243, kXf4 = 0x0443;
inline bool is_bof(uint16_t type) { return type == kBof || type == kBof3 || type == kBof4; }
inline bool is_formula(uint16_t type) { return type == kFormula || type == kFormula3 || type == kFormula4; }
}  // namespace record

struct Record {
    uint16_t type = 0;
    size_t offset = 0;  // in the stream, for messages
    std::vector<uint8_t> data;
    std::vector<size_t> breaks;  // where each joined CONTINUE's data starts
};

class RecordReader {
public:
    explicit RecordReader(std::span<const uint8_t> stream, size_t from = 0) : stream_(stream), at_(from) {}

    // The next record, or false at the end of the stream (a record cut by
    // the end counts as the end).
    bool next(Record &out);
    size_t offset() const { return at_; }

private:
    std::span<const uint8_t> stream_;
    size_t at_;
};

// Thrown by a Cursor that runs out of a record's bytes.
struct RecordTooShort {};

// Reads a record's data in order; a read past its end throws
// RecordTooShort.
class Cursor {
public:
    explicit Cursor(const Record &r) : data_(r.data), breaks_(r.breaks) {}

    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    double f64();
    void skip(size_t n);
    size_t left() const { return data_.size() - at_; }
    size_t at() const { return at_; }

    // Bytes up to the next continuation or the end.
    size_t room() const;
    bool at_break() const;
    std::span<const uint8_t> take(size_t n);

private:
    std::span<const uint8_t> data_;
    std::span<const size_t> breaks_;
    size_t at_ = 0;
};

}  // namespace qrv::import::xls
