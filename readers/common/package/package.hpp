// A package: a ZIP archive of parts with relationships between them (Office
// Open XML) or a manifest (OpenDocument).  Importers find their parts
// through it and read each as a stream of XML; the format mappings never
// see the archive.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "writer/diagnostics.hpp"
#include "writer/limits.hpp"
#include "xml_reader.hpp"
#include "zip_archive.hpp"

namespace qrv::import {

// One relationship of a part.
struct Relationship {
    std::string id;      // "rId3"
    std::string type;    // the relationship type's URI
    std::string target;  // a part name (resolved), or the target as written when external
    bool external = false;
};

// The type URIs end in a name shared by the transitional and strict forms
// ("/officeDocument", "/worksheet"); types are matched by that last step.
bool relationship_type_is(const Relationship &r, std::string_view last_step);

class Package {
public:
    Package(std::span<const uint8_t> bytes, const Limits &limits, Diagnostics &diagnostics);

    ZipArchive &archive() { return archive_; }
    bool has(std::string_view part) const { return archive_.has(part); }

    // Reads a part as XML into the handler (parsed ahead on a thread of its
    // own where asked and large: see read_xml); the diagnostics name the
    // part while it is read.  Throws ImportError when it is missing or
    // broken.
    void read(std::string_view part, XmlHandler &handler, Parse how = Parse::Here);
    // A small part whole (at most a few megabytes).
    std::string read_all(std::string_view part);

    // The relationships of a part ("" for the package's own); none when
    // the part has no relationships part.  Cached.
    const std::vector<Relationship> &relationships(std::string_view part);
    // The relationship of a part with an id, or null.
    const Relationship *relationship(std::string_view part, std::string_view id);
    // The first relationship of a part of a type (by its last step), or null.
    const Relationship *first_of_type(std::string_view part, std::string_view last_step);

    // The content type of a part from [Content_Types].xml: its override, or
    // the default of its extension; "" when neither is given.
    std::string content_type(std::string_view part);

    const Limits &limits() const { return limits_; }
    Diagnostics &diagnostics() { return diagnostics_; }

private:
    void load_content_types();

    ZipArchive archive_;
    Limits limits_;
    Diagnostics &diagnostics_;
    std::map<std::string, std::vector<Relationship>, std::less<>> relationships_;
    std::map<std::string, std::map<std::string, size_t, std::less<>>, std::less<>> relationship_ids_;
    std::optional<std::vector<std::pair<std::string, std::string>>> overrides_, defaults_;
};

}  // namespace qrv::import
