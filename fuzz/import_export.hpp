// Imports a file through QRVIM and exports what imports, for the importer
// harnesses: a refused import must hand out no handle and a message, and a
// document that imports must export and close with no range left locked.
#pragma once

#include <qrvim.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "export_document.hpp"

namespace qrv::fuzz {

[[noreturn]] inline void fail(const char *what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

inline void import_and_export(const std::string &file, const char *name, uint32_t output_id) {
    CHHandle h = 0;
    char message[512];
    const uint32_t rc = IMImportMemory(file.data(), file.size(), name, nullptr, &h, message, sizeof message);
    if (rc != 0) {
        if (h != 0 || message[0] == 0) fail("a refused import handed out a handle or no message");
        return;
    }
    export_document(h, output_id);
    if (CHCloseDocument(h) != 0) fail("the export left an item range locked");
}

}  // namespace qrv::fuzz
