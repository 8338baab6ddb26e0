// One import as the format importers see it: the input, the bounds, and
// where warnings go.  An importer builds a document with a DocumentWriter
// and hands back its released handle, or throws ImportError.
#pragma once

#include <qrvch.h>
#include <qrvim.h>

#include "writer/diagnostics.hpp"
#include "input.hpp"
#include "writer/limits.hpp"

namespace qrv::import {

struct ImportJob {
    const Input &input;
    const Limits &limits;
    Diagnostics &diagnostics;
    uint32_t flags = 0;  // IM_READ_*

    bool keeps_pictures() const { return (flags & IM_READ_NO_PICTURES) == 0; }
};

using Importer = CHHandle (*)(ImportJob &job);

}  // namespace qrv::import
