// The resources an imported document keeps (its pictures), each with its
// name, media type and bytes, in the order the document lists them.
#pragma once

#include <gtest/gtest.h>
#include <qrvch.h>

#include <string>
#include <vector>

#include "imported_document.hpp"

namespace qrv::test {

struct Resource {
    std::string name, media_type, bytes;
};

inline std::vector<Resource> resources_of(const Imported &doc) {
    std::vector<Resource> out;
    uint32_t count = 0;
    EXPECT_EQ(CHGetResourceCount(doc.handle(), &count), 0u);
    for (uint32_t i = 0; i < count; ++i) {
        const char *name = nullptr, *type = nullptr;
        const void *bytes = nullptr;
        size_t length = 0;
        EXPECT_EQ(CHGetResourceAt(doc.handle(), i, &name, &bytes, &length, &type), 0u);
        out.push_back({name, type, std::string(static_cast<const char *>(bytes), length)});
    }
    return out;
}

}  // namespace qrv::test
