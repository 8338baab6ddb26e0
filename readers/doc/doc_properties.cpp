#include "doc_properties.hpp"

#include "cfb/summary_properties.hpp"

namespace qrv::import::doc {

void read_properties(const CompoundFile &file, textdoc::TextDocument &doc) {
    for (auto &[id, value] : summary_properties(file)) doc.add_property(id, std::move(value));
}

}  // namespace qrv::import::doc
