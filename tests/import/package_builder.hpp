// Small packages built at test time: parts given as text are zipped in
// memory with libzip, so each importer test states its package in a few
// lines of XML.
#pragma once

#include <zip.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace qrv::test {

struct Part {
    std::string name;
    std::string content;
    bool stored = false;     // no compression
    bool encrypted = false;  // AES with the password "secret"
};

// The bytes of a ZIP archive holding the parts in order.
inline std::string zip_of(const std::vector<Part> &parts) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer) throw std::runtime_error("zip_source_buffer_create");
    zip_source_keep(buffer);
    zip_t *archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!archive) throw std::runtime_error("zip_open_from_source");
    for (const auto &p : parts) {
        zip_source_t *s = zip_source_buffer(archive, p.content.data(), p.content.size(), 0);
        const zip_int64_t index = zip_file_add(archive, p.name.c_str(), s, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) throw std::runtime_error("zip_file_add " + p.name);
        if (p.stored) zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
        if (p.encrypted) zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256, "secret");
    }
    if (zip_close(archive) != 0) throw std::runtime_error("zip_close");
    std::string bytes;
    if (zip_source_open(buffer) == 0) {
        zip_source_seek(buffer, 0, SEEK_END);
        bytes.resize(static_cast<size_t>(zip_source_tell(buffer)));
        zip_source_seek(buffer, 0, SEEK_SET);
        zip_source_read(buffer, bytes.data(), bytes.size());
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    return bytes;
}

// The same parts with the one named name holding content instead.
inline std::string with_part(std::vector<Part> parts, const std::string &name, const std::string &content) {
    for (auto &p : parts)
        if (p.name == name) p.content = content;
    return zip_of(parts);
}

// [Content_Types].xml and _rels/.rels of a package whose main part has
// the given name and content type.
inline std::vector<Part> package_frame(const std::string &main_part, const std::string &main_type) {
    return {
        {"[Content_Types].xml",
         "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/" +
             main_part + "\" ContentType=\"" + main_type + "\"/></Types>"},
        {"_rels/.rels",
         "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
         "Target=\"" +
             main_part + "\"/></Relationships>"},
    };
}

// Adds docProps/core.xml holding the given content of cp:coreProperties to
// parts made by package_frame, with its relationship from the package.
inline void add_core_properties(std::vector<Part> &parts, const std::string &core) {
    parts.push_back({"docProps/core.xml",
                     "<?xml version=\"1.0\"?><cp:coreProperties "
                     "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
                     "xmlns:dc=\"http://purl.org/dc/elements/1.1/\">" +
                         core + "</cp:coreProperties>"});
    parts[1].content.replace(parts[1].content.find("</Relationships>"), 0,
                             "<Relationship Id=\"rcore\" Type=\"http://schemas.openxmlformats.org/package/"
                             "2006/relationships/metadata/core-properties\" Target=\"docProps/core.xml\"/>");
}

}  // namespace qrv::test
