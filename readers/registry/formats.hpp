// The table of formats the readers know: each one's short name, what it is,
// the extensions that name it, how its content is told from others', and
// its reader.  A format recognised but not read has no reader: files of it
// are refused by name.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/import_job.hpp"

namespace qrv::import {

// What holds a format's content.
enum class Container : uint8_t { Zip, CompoundFile, Text };

// How a format's content is recognised.  Lists are separated by '|'.
struct Signature {
    Container container;
    // ZIP: fragments of the main part's content type or of the OpenDocument
    // mimetype entry (a flat OpenDocument file names the same in its root).
    std::string_view media_types;
    // ZIP: parts, compound file: streams, whose presence tells the format.
    std::string_view members;
    // Text: how the content starts.
    std::string_view prefix;
};

struct FormatInfo {
    uint32_t id;                   // IM_FORMAT_*; IM_FORMAT_AUTO for a format not read
    std::string_view name;         // "xlsx"
    std::string_view description;  // "an Office Open XML workbook"
    std::string_view extensions;   // "xlsx xlsm"
    Signature signature;
    Importer import;  // null: recognised and refused
};

// Every format, in the order detection tries them.
std::span<const FormatInfo> formats();

// The format read under an id, or null for IM_FORMAT_AUTO and unknown ids.
const FormatInfo *format_info(uint32_t id);
// The format of a short name or of an extension, case ignored, or null.
const FormatInfo *format_named(std::string_view name);
const FormatInfo *format_of_extension(std::string_view extension);

// The first format whose media types name the content type or mimetype.
const FormatInfo *format_of_media_type(std::string_view type);
// The first format in a container that holds one of its members.
template <typename Holds>
const FormatInfo *format_with_member(Container container, Holds holds);

// True when word is one of the separated words of list.
bool word_in(std::string_view word, std::string_view list, char separator);

template <typename Holds>
const FormatInfo *format_with_member(Container container, Holds holds) {
    for (const FormatInfo &f : formats()) {
        if (f.signature.container != container) continue;
        std::string_view list = f.signature.members;
        while (!list.empty()) {
            const size_t bar = list.find('|');
            if (holds(list.substr(0, bar))) return &f;
            if (bar == std::string_view::npos) break;
            list.remove_prefix(bar + 1);
        }
    }
    return nullptr;
}

}  // namespace qrv::import
