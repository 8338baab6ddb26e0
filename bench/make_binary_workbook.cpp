// Writes the binary workbook (.xlsb) of the export benchmark: the cells of
// bench_make_workbook's XLSX (ROWS rows of ten columns: numbers, dates,
// shared strings, percentages, two decimals) as .xlsb records, so the two
// encodings of one workbook can be timed side by side.
// Usage: bench_make_binary_workbook OUT.xlsb [ROWS]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "import/xlsb_builder.hpp"

namespace {

using namespace qrv::test::xlsb;

constexpr int kColumns = 10;
constexpr int kDistinctStrings = 1000;

std::string cells_of_row(int r) {
    std::string out = row(static_cast<uint32_t>(r - 1));
    for (int c = 0; c < kColumns; ++c) {
        const auto column = static_cast<uint32_t>(c);
        switch (c % 5) {
        case 0: out += real(column, r * 7 + c); break;
        case 1: out += real(column, 40000 + r % 3650, 1); break;
        case 2: out += shared(column, static_cast<uint32_t>((r * 31 + c) % kDistinctStrings)); break;
        case 3: out += real(column, (r % 1000) / 1000.0, 2); break;
        default: out += real(column, r * 1.125 - c, 3); break;
        }
    }
    return out;
}

std::string shared_strings() {
    std::vector<std::u16string> strings;
    for (int i = 0; i < kDistinctStrings; ++i) {
        const std::string s = "Item " + std::to_string(i) + " of the ledger";
        strings.emplace_back(s.begin(), s.end());
    }
    return sst(strings);
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.xlsb [ROWS]\n", argv[0]);
        return 2;
    }
    const int rows = argc > 2 ? std::atoi(argv[2]) : 100000;
    std::string cells;
    for (int r = 1; r <= rows; ++r) cells += cells_of_row(r);
    BinaryBookSpec book({BinarySheet("Data", sheet_data(cells))});
    // Cell formats: 0 general, 1 a date (built-in 14), 2 a percentage (10),
    // 3 two decimals (2).
    book.styles = font() + cell_xfs({xf(0), xf(14), xf(10), xf(2)});
    book.shared = shared_strings();
    const std::string bytes = binary_workbook(book);
    FILE *out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() || std::fclose(out) != 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d rows x %d columns\n", argv[1], rows, kColumns);
    return 0;
}
