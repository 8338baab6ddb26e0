// Writes the parts of a benchmark's package with libzip: each part's bytes
// are handed to the archive, which compresses them when it is closed.
#pragma once

#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace qrv::bench {

// Adds a part; stored (not compressed) when asked, as an OpenDocument
// package's mimetype must be.
inline bool add_part(zip_t *archive, const char *name, const std::string &content, bool stored = false) {
    // libzip reads the bytes when the archive is closed; they must live until then.
    char *copy = static_cast<char *>(std::malloc(content.size() ? content.size() : 1));
    if (!copy) return false;
    std::copy(content.begin(), content.end(), copy);
    zip_source_t *source = zip_source_buffer(archive, copy, content.size(), 1);
    if (!source) return false;
    const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8);
    if (index < 0) return false;
    return !stored || zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0) == 0;
}

}  // namespace qrv::bench
