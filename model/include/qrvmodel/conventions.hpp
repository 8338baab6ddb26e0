// The document model that readers write and filters read: what the items
// of a QRVCH document mean beyond what the library itself defines.  Each
// header holds one part; filters/README.md lists the same for document
// authors.
#pragma once

#include "paragraphs.hpp"
#include "properties.hpp"
#include "sheets.hpp"
#include "slides.hpp"
#include "tags.hpp"
#include "text_attributes.hpp"
