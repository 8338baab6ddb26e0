#include "xml_reader.hpp"

#include "xml_parser.hpp"
#include "xml_read_ahead.hpp"

namespace qrv::import {
namespace {

bool worth_a_thread(const ByteSource &source) {
    return source.reads_on_its_own() && source.expected_bytes() >= read_ahead_from();
}

}  // namespace

const std::string_view *XmlAttributes::find(Ns ns, std::string_view local) const {
    for (const auto &a : *this)
        if (a.name.ns == ns && a.name.local == local) return &a.value;
    return nullptr;
}

std::string_view XmlAttributes::get(Ns ns, std::string_view local, std::string_view fallback) const {
    const std::string_view *value = find(ns, local);
    return value ? *value : fallback;
}

void read_xml(ByteSource &source, XmlHandler &handler, const Limits &limits) {
    if (worth_a_thread(source)) return read_xml_ahead(source, handler, limits);
    XmlParser parser(handler, limits);
    parser.parse(source);
}

}  // namespace qrv::import
