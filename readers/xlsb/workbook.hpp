// The binary workbook part (xl/workbook.bin): its sheets in order, each
// with its name, relationship and whether it is hidden, and its date
// system.
#pragma once

#include "package/package.hpp"
#include "xlsx/workbook.hpp"

namespace qrv::import::xlsb {

// Reads the package's main part; throws ImportError when it is missing.
xlsx::Workbook read_workbook(Package &package);

}  // namespace qrv::import::xlsb
