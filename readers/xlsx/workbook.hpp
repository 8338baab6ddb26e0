// The workbook part: its sheets in order and its date system.
#pragma once

#include <string>
#include <vector>

#include "package/package.hpp"

namespace qrv::import::xlsx {

struct SheetEntry {
    std::string name;  // UTF-8
    std::string relationship_id;
    bool hidden = false;  // hidden or very hidden by its owner
};

struct Workbook {
    std::string part;  // "xl/workbook.xml"
    std::vector<SheetEntry> sheets;
    bool date1904 = false;

    // Reads the package's main part; throws ImportError when it is missing.
    static Workbook read(Package &package);
};

}  // namespace qrv::import::xlsx
