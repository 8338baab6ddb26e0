#include "pictures.hpp"

#include <qrvda.h>
#include <qrvex/properties.h>
#include <qrvfilters.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "chars.hpp"
#include "chart_resource.hpp"
#include "model.hpp"
#include "outline.hpp"

namespace qrv::filters {
namespace {

constexpr size_t kLongestDescription = 1024;  // in characters

// The folder as a URL path: each step percent-encoded.
std::string folder_option(uint32_t hOptions) {
    char folder[1024];
    uint32_t size = sizeof folder;
    if (DAGetOption(hOptions, QRV_OPTION_PICTURE_FOLDER, folder, &size) != 0) return {};
    const std::string_view given(folder, strnlen(folder, size));
    std::string path;
    for (size_t start = 0; start <= given.size();) {
        const size_t slash = std::min(given.find('/', start), given.size());
        if (!path.empty()) path += '/';
        path += url_path_step(given.substr(start, slash - start));
        start = slash + 1;
    }
    return path;
}

std::string string_item_text(CHHandle h, uint32_t id) {
    CUPropertyString text{};
    const uint16_t length = CUGetPropertyString(id, &text, h);
    return utf8_of(std::u16string_view(reinterpret_cast<const char16_t *>(text.Chars), length));
}

// Addresses of files the host writes: media types a page may embed are
// pictures only, so a data: address can never hold a page or a script.
bool embeddable(std::string_view media_type) { return media_type.starts_with("image/"); }

}  // namespace

PictureLinks::PictureLinks(uint32_t hOptions, bool embed) : folder_(folder_option(hOptions)), embed_(embed) {}

void PictureLinks::place(CHHandle h, std::string_view resource, ObjectInfo &object) const {
    if (resource.empty() || (!embed_ && folder_.empty())) return;
    const std::string name(resource);
    const void *bytes = nullptr;
    size_t length = 0;
    const char *media_type = nullptr;
    if (CHGetResource(h, name.c_str(), &bytes, &length, &media_type) != 0) return;
    object.media_type = media_type;
    if (!embed_) {
        object.address = folder_ + "/" + url_path_step(name);
    } else if (embeddable(object.media_type)) {
        object.address = "data:" + std::string(object.media_type) + ";base64,";
        append_base64({static_cast<const char *>(bytes), length}, object.address);
    }
}

ObjectTag read_object_tag(CHHandle h, const CHItem &begin, uint32_t next, uint32_t end) {
    ObjectTag tag{begin.data1, object_width(begin.data2), object_height(begin.data2), {}, {}};
    CHItem item{};
    for (uint32_t id = next; id != CH_NO_ITEM && id < end;) {
        uint32_t after = CH_NO_ITEM;
        if (CHGetItem(h, CH_STORE_ITEMS, id, &item, &after) != 0) break;
        if (item.type == CH_ITEM_STRING && item.data1 == kObjectResourceAttribute)
            tag.resource = string_item_text(h, id);
        if (item.type == CH_ITEM_STRING && item.data1 == kObjectNameAttribute) tag.name = string_item_text(h, id);
        if (item.type == CH_ITEM_TEXT) break;  // the description follows the strings
        id = after;
    }
    return tag;
}

const char *object_word(unsigned kind) {
    switch (kind) {
    case kPictureObject: return "Image";
    case kChartObject: return "Chart";
    default: return "Object";
    }
}

const std::string &object_alt(const ObjectInfo &object) {
    return object.description.empty() ? object.name : object.description;
}

std::string object_label(const ObjectInfo &object) {
    std::string label = object_word(object.kind);
    if (!object_alt(object).empty()) label += ": " + object_alt(object);
    return label;
}

bool browsers_show(std::string_view media_type) {
    constexpr std::string_view kShown[] = {"image/png", "image/jpeg", "image/gif",   "image/svg+xml",
                                           "image/bmp", "image/webp", "image/x-icon"};
    for (const std::string_view shown : kShown)
        if (media_type == shown) return true;
    return false;
}

ObjectInfo object_of_tag(CHHandle h, const PictureLinks &pictures, const CHItem &begin, uint32_t next, uint32_t end) {
    const ObjectTag tag = read_object_tag(h, begin, next, end);
    ObjectInfo object{tag.kind, plain_text_between(h, next, end, kLongestDescription),
                      tag.name, {}, {}, tag.width_pt, tag.height_pt, nullptr};
    if (tag.kind == kChartObject)
        object.chart = chart_of_resource(h, tag.resource);
    else
        pictures.place(h, tag.resource, object);
    return object;
}

void append_base64(std::string_view bytes, std::string &out) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    out.reserve(out.size() + (bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const uint32_t v = static_cast<uint8_t>(bytes[i]) << 16 | static_cast<uint8_t>(bytes[i + 1]) << 8 |
                           static_cast<uint8_t>(bytes[i + 2]);
        for (int shift = 18; shift >= 0; shift -= 6) out += kDigits[(v >> shift) & 63];
    }
    if (const size_t rest = bytes.size() - i) {
        uint32_t v = static_cast<uint8_t>(bytes[i]) << 16;
        if (rest == 2) v |= static_cast<uint8_t>(bytes[i + 1]) << 8;
        out += kDigits[(v >> 18) & 63];
        out += kDigits[(v >> 12) & 63];
        out += rest == 2 ? kDigits[(v >> 6) & 63] : '=';
        out += '=';
    }
}

std::string url_path_step(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string step;
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (std::isalnum(b) || c == '-' || c == '.' || c == '_' || c == '~') {
            step += c;
        } else {
            step += '%';
            step += kHex[b >> 4];
            step += kHex[b & 15];
        }
    }
    return step;
}

}  // namespace qrv::filters
