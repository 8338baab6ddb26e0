#include "properties.hpp"

#include <qrvex/items.h>

namespace qrv::import {

void write_properties(DocumentWriter &writer,
                      const std::vector<std::pair<model::PropertyId, std::string>> &properties) {
    for (const auto &[property, value] : properties) {
        const uint32_t id = property;
        const uint32_t offset =
            writer.store_data(CH_STORE_STYLE_DATA, {reinterpret_cast<const uint8_t *>(&id), sizeof id});
        writer.tag_begin(CH_TAG_DOC_PROPERTY, 0, offset);
        writer.text(value);
        writer.tag_end(CH_TAG_DOC_PROPERTY);
    }
}

}  // namespace qrv::import
