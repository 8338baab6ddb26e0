// read_xml with the inflating and parsing on a thread of its own: that
// thread records what the parse meets as events, a few pieces ahead, and
// the calling thread hands them to the handler in the same order, with the
// same faults at the same places.  The source must read on its own (its
// reads touch nothing the calling thread uses meanwhile).
#pragma once

#include "writer/limits.hpp"
#include "byte_source.hpp"
#include "xml_reader.hpp"

namespace qrv::import {

void read_xml_ahead(ByteSource &source, XmlHandler &handler, const Limits &limits);

}  // namespace qrv::import
