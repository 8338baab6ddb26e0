// A picture, chart or other object as a document places it, and its tag in
// the items (qrvmodel/tags.hpp): text documents write it where it stands,
// sheets at the start of the cell it is anchored over.
#pragma once

#include <cstdint>
#include <string>

#include "document_writer.hpp"

namespace qrv::import {

enum class ObjectKind : uint8_t { Picture = 1, Chart = 2, Other = 3 };

struct ObjectRef {
    ObjectKind kind = ObjectKind::Other;
    std::string description;  // its alternative text, as the document's author wrote it
    std::string name;         // the name the program gave it ("Picture 3"), shown where it has no description
    std::string resource;     // the document's resource with its picture (PictureStore), "" for none
    uint32_t width_pt = 0;    // its size as shown, 0 where unknown
    uint32_t height_pt = 0;

    // An object known by its kind alone.
    static ObjectRef of(ObjectKind kind) {
        ObjectRef object;
        object.kind = kind;
        return object;
    }

    bool operator==(const ObjectRef &) const = default;
};

// The object's tag: its kind and size, its resource's name, its name when
// it has no description, its description.
void write_object(DocumentWriter &out, const ObjectRef &object);

}  // namespace qrv::import
