// The C interface of a document's resources.
#include "registry.hpp"

#include <cstring>

using namespace qrv::ch;

namespace {

void hand_out(const Resource &r, const void **pBytes, size_t *pLength, const char **pMediaType) {
    if (pBytes) *pBytes = r.bytes.data();
    if (pLength) *pLength = r.bytes.size();
    if (pMediaType) *pMediaType = r.media_type.c_str();
}

}  // namespace

extern "C" uint32_t CHAddResource(CHHandle h, const char *name, const char *mediaType, const void *bytes,
                                  size_t length) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (!name || (!bytes && length)) return CH_ERR_BAD_ARG;
        const std::string_view data(static_cast<const char *>(bytes), bytes ? length : 0);
        return doc.resources().add(name, mediaType ? mediaType : "", data);
    });
}

extern "C" uint32_t CHGetResource(CHHandle h, const char *name, const void **pBytes, size_t *pLength,
                                  const char **pMediaType) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (!name) return CH_ERR_BAD_ARG;
        const Resource *r = doc.resources().find(name);
        if (!r) return CH_ERR_NO_ITEM;
        hand_out(*r, pBytes, pLength, pMediaType);
        return 0;
    });
}

extern "C" uint32_t CHGetResourceCount(CHHandle h, uint32_t *pCount) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        if (!pCount) return CH_ERR_BAD_ARG;
        *pCount = doc.resources().count();
        return 0;
    });
}

extern "C" uint32_t CHGetResourceAt(CHHandle h, uint32_t index, const char **pName, const void **pBytes,
                                    size_t *pLength, const char **pMediaType) {
    return with_document(h, [&](Document &doc) -> uint32_t {
        const Resource *r = doc.resources().at(index);
        if (!r) return CH_ERR_NO_ITEM;
        if (pName) *pName = r->name.c_str();
        hand_out(*r, pBytes, pLength, pMediaType);
        return 0;
    });
}
