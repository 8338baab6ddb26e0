// The pictures of an OpenDocument's frames: <draw:image xlink:href> names a
// part of the package ("Pictures/10000000.png"); a link out of the package
// (or any picture of a flat document, which has no parts) stays a name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "package/package.hpp"
#include "writer/picture_store.hpp"

namespace qrv::import::odf {

class FramePictures {
public:
    FramePictures(Package &package, PictureStore &store) : package_(package), store_(store) {}
    // The resource of the picture an href names, "" when it is not kept.
    std::string keep(std::string_view href);
    // The resource of the chart an embedded object's href names ("./Object
    // 1"), read from its content.xml; "" when the object is no chart.
    std::string keep_chart(std::string_view href);

private:
    Package &package_;
    PictureStore &store_;
};

// Points of a frame's svg:width or svg:height ("6.35cm"), 0 for none.
uint32_t points_of_length(std::string_view length);

}  // namespace qrv::import::odf
