#include "xml_event_line.hpp"

namespace qrv::import {
namespace {
thread_local const XmlLineSource *t_source = nullptr;
}

XmlLineScope::XmlLineScope(const XmlLineSource &source) : before_(t_source) { t_source = &source; }

XmlLineScope::~XmlLineScope() { t_source = before_; }

uint64_t xml_event_line() { return t_source ? t_source->line() : 0; }

}  // namespace qrv::import
