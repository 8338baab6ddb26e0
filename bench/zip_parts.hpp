// The command line of the benchmarks' package generators: OUT [ROWS] in,
// the parts of a package of that many rows zipped with libzip to OUT.
#pragma once

#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace qrv::bench {

struct PackagePart {
    const char *name;
    std::string content;
    bool stored = false;  // not compressed, as an OpenDocument package's mimetype must be
};

inline bool add_part(zip_t *archive, const PackagePart &part) {
    // libzip reads the bytes when the archive is closed; they must live until then.
    char *copy = static_cast<char *>(std::malloc(std::max<size_t>(part.content.size(), 1)));
    if (!copy) return false;
    std::copy(part.content.begin(), part.content.end(), copy);
    zip_source_t *source = zip_source_buffer(archive, copy, part.content.size(), 1);
    if (!source) return false;
    const zip_int64_t index = zip_file_add(archive, part.name, source, ZIP_FL_ENC_UTF_8);
    if (index < 0) return false;
    return !part.stored || zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0) == 0;
}

// Runs a generator: parts_of gives the parts of a package of `rows` rows
// of `columns` columns (100,000 rows unless the command line says).
template <typename PartsOf>
int generate_package(int argc, char **argv, const char *extension, int columns, PartsOf parts_of) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.%s [ROWS]\n", argv[0], extension);
        return 2;
    }
    const int rows = argc > 2 ? std::atoi(argv[2]) : 100000;
    int error = 0;
    zip_t *archive = zip_open(argv[1], ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (const PackagePart &part : parts_of(rows)) ok = ok && add_part(archive, part);
    if (!ok || zip_close(archive) != 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d rows x %d columns\n", argv[1], rows, columns);
    return 0;
}

}  // namespace qrv::bench
