// Tells the format of a file from its content, and from its name where
// the content cannot tell (delimited text).
#pragma once

#include <cstdint>
#include <string>

#include "core/input.hpp"
#include "writer/limits.hpp"

namespace qrv::import {

struct Detection {
    uint32_t format = 0;   // IM_FORMAT_*, IM_FORMAT_AUTO when unknown
    uint32_t refusal = 0;  // an IM_ERR_* for a file known and refused
    std::string why;       // the reason of a refusal
};

// Never throws for broken input: a package too damaged to look into is
// told by its extension, or not at all.
Detection detect_format(const Input &input, const Limits &limits);

}  // namespace qrv::import
