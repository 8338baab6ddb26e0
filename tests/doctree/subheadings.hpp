// A document tree body's sub-headings, by index.
#pragma once

#include <qrvex/doctree.h>

#include <cstdint>

namespace qrv::doctreetest {

inline const EXDTHeading &heading(const EXDTBody &body, uint32_t index) {
    return static_cast<const EXDTHeading *>(body.SubHeadings->Items)[index];
}

}  // namespace qrv::doctreetest
