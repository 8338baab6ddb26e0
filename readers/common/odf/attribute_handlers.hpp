// Formatting attributes read through a table: each attribute the table
// knows has a handler that sets what it means on the targets.
#pragma once

#include <string_view>

#include "package/xml_reader.hpp"

namespace qrv::import::odf {

template <class... Targets>
struct AttributeHandler {
    Ns ns;
    std::string_view local;
    void (*apply)(std::string_view value, Targets &...targets);
};

// Hands each attribute the table knows to its handler, in the order the
// element gives them.
template <class Table, class... Targets>
void apply_known_attributes(const Table &table, const XmlAttributes &attributes, Targets &...targets) {
    for (const auto &attribute : attributes)
        for (const auto &known : table)
            if (attribute.name.is(known.ns, known.local)) known.apply(attribute.value, targets...);
}

}  // namespace qrv::import::odf
