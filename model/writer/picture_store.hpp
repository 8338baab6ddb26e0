// The pictures of a document being built, kept as the document's resources
// (CHAddResource) under names a page can use as file names: the source's
// last step, made safe and unique ("image1.png", "image1-2.png").  The same
// source twice is kept once.  Pictures are read only when first placed, and
// not at all when the host asked for none.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include <qrvmodel/chart.hpp>

#include "diagnostics.hpp"
#include "document_writer.hpp"
#include "limits.hpp"

namespace qrv::import {

class PictureStore {
public:
    // Reads a picture's bytes; throws ImportError when they cannot be had.
    using ReadBytes = std::function<std::string()>;

    PictureStore(DocumentWriter &out, const Limits &limits, Diagnostics &diagnostics, bool keep_pictures);

    // The resource name of the picture from source (a part name, say), or
    // "" when pictures are not kept, the bytes cannot be read or the
    // document's pictures passed their bound (each of the last two with a
    // warning).  media_type "" takes the one the name's extension implies.
    std::string keep(std::string_view source, std::string_view media_type, const ReadBytes &read);

    // The resource name of a chart read from source (a part name), kept
    // as the chart's description (qrvmodel/chart_codec.hpp) whether or not
    // pictures are kept: "chart:" and the source.  The same source twice is
    // kept once; a chart past the pictures' bound is "" with a warning.
    std::string keep_chart(std::string_view source, const model::Chart &chart);

    bool keeps_pictures() const { return keep_; }
    // The bytes the pictures may still take.
    uint64_t bound() const { return limits_.max_picture_bytes - bytes_; }

private:
    std::string unique_name(std::string_view source);

    DocumentWriter &out_;
    Limits limits_;
    Diagnostics &diagnostics_;
    bool keep_;
    uint64_t bytes_ = 0;
    std::map<std::string, std::string, std::less<>> by_source_;  // "" for one that failed
    std::set<std::string, std::less<>> names_;
    std::map<std::string, unsigned, std::less<>> next_number_;  // of a file name's next namesake
};

// The media type of a picture file by its extension, "" for one not known.
std::string_view picture_media_type(std::string_view name);

}  // namespace qrv::import
