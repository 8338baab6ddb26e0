#include "object_ref.hpp"

#include <qrvmodel/tags.hpp>

namespace qrv::import {

void write_object(DocumentWriter &out, const ObjectRef &object) {
    using namespace model;
    out.tag_begin(kObjectTag, static_cast<uint32_t>(object.kind), object_size(object.width_pt, object.height_pt));
    if (!object.resource.empty()) out.string(object.resource, kObjectResourceAttribute);
    if (object.description.empty() && !object.name.empty()) out.string(object.name, kObjectNameAttribute);
    if (!object.description.empty()) out.text(object.description);
    out.tag_end(kObjectTag);
}

}  // namespace qrv::import
