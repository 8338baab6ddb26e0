// How a page shows the pictures of its document: as files in a folder the
// host writes beside the page (the address "FOLDER/NAME"), embedded in the
// page as data: addresses, or by name only (no address).
#pragma once

#include <qrvch.h>

#include <qrvmodel/chart.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qrv::filters {

// A picture, chart or other object as the walk found it.
struct ObjectInfo {
    unsigned kind = 0;        // qrvmodel/tags.hpp ObjectKind
    std::string description;  // its alternative text
    std::string name;         // its program's name for it, where it has no description
    std::string address;      // where a page finds its picture; "" for none
    std::string media_type;   // of the picture, "" when unknown
    uint32_t width_pt = 0;    // its size as the document shows it, 0 where unknown
    uint32_t height_pt = 0;
    std::shared_ptr<const model::Chart> chart;  // a chart's cached values, null where it has none
};

class PictureLinks {
public:
    // The folder from the export's options (QRV_OPTION_PICTURE_FOLDER);
    // embed (QRV_FILTER_EMBED_PICTURES) outweighs it.
    PictureLinks(uint32_t hOptions, bool embed);

    // Fills in the object's address and media type for the document's
    // resource of that name; nothing for a resource the document lacks.
    void place(CHHandle h, std::string_view resource, ObjectInfo &object) const;

private:
    std::string folder_;
    bool embed_ = false;
};

// The object tag that begins at id and ends at end (CUFindTagEndId): its
// kind, size and the name of its picture's resource ("" for none).
struct ObjectTag {
    unsigned kind = 0;
    uint32_t width_pt = 0, height_pt = 0;
    std::string resource, name;
};
ObjectTag read_object_tag(CHHandle h, const CHItem &begin, uint32_t next, uint32_t end);

// The object whose tag begins with begin, its content from next to end:
// kind, size, description and where the page finds its picture.
ObjectInfo object_of_tag(CHHandle h, const PictureLinks &pictures, const CHItem &begin, uint32_t next, uint32_t end);

// What an object is called where its picture is not shown: "Image",
// "Chart" or "Object".
const char *object_word(unsigned kind);
// The object's label: its word, and its description (else its name) after ": ".
std::string object_label(const ObjectInfo &object);
// The description, else the name.
const std::string &object_alt(const ObjectInfo &object);
// Whether browsers show pictures of this media type in an <img>.
bool browsers_show(std::string_view media_type);

// RFC 4648 base64 of bytes, appended to out.
void append_base64(std::string_view bytes, std::string &out);
// A file name as one step of a URL path: bytes other than letters, digits
// and "-._~" percent-encoded.
std::string url_path_step(std::string_view name);

}  // namespace qrv::filters
