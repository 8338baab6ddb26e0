// The files of a CSV export.  A CSV file holds one sheet or table: a
// document of several, written to a named file without --sheet, gives a
// file for each, named after the output and the sheet ("book.csv" gives
// "book-Sales.csv", "book-Costs.csv"; a table gives "book-table-2.csv").
// --sheet NAME picks a sheet by its name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.hpp"

namespace qrv::tool {

struct CsvPart {
    bool sheet = false;
    std::string name;  // a sheet's
};

// The parts of the list the CSV filter writes (QRV_FILTER_CSV_LIST).
std::vector<CsvPart> parse_part_list(std::string_view list);

// A name as a file system takes it in a file's name: the characters that
// some system refuses (/ \ : * ? " < > | and control characters) become
// "_", spaces and dots at its ends go; "" stays "".
std::string safe_file_name(std::string_view name);

struct CsvFile {
    std::string output;  // as --output gives it
    uint32_t option_word = 0;
};

// The files to write for the parts, each with the option word that picks
// its part; false with error when there is no part to write or --sheet
// names none.
bool plan_csv_files(const Arguments &args, const std::vector<CsvPart> &parts, std::vector<CsvFile> &files,
                    std::string &error);

}  // namespace qrv::tool
