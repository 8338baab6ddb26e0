#include "properties.hpp"

#include <qrvex/items.h>

#include "conventions.hpp"

namespace qrv::import {
namespace {

uint32_t id_of(CoreProperty p) {
    using namespace qrv::filters;
    switch (p) {
    case CoreProperty::Title: return kPropertyTitle;
    case CoreProperty::Subject: return kPropertySubject;
    case CoreProperty::Author: return kPropertyAuthor;
    case CoreProperty::Keywords: return kPropertyKeywords;
    case CoreProperty::Description: return kPropertyDescription;
    case CoreProperty::LastAuthor: return kPropertyLastAuthor;
    case CoreProperty::Created: return kPropertyCreated;
    case CoreProperty::Modified: return kPropertyModified;
    }
    return 0;
}

}  // namespace

void write_properties(DocumentWriter &writer, const std::vector<std::pair<CoreProperty, std::string>> &properties) {
    for (const auto &[property, value] : properties) {
        const uint32_t id = id_of(property);
        const uint32_t offset =
            writer.store_data(CH_STORE_STYLE_DATA, {reinterpret_cast<const uint8_t *>(&id), sizeof id});
        writer.tag_begin(CH_TAG_DOC_PROPERTY, 0, offset);
        writer.text(value);
        writer.tag_end(CH_TAG_DOC_PROPERTY);
    }
}

}  // namespace qrv::import
