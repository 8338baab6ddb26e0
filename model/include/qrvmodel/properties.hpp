// Document properties in the document model: DOC_PROPERTY tags before the
// first section (data2 the store-3 offset of the property id), each around
// a text run holding the value.  Every format has the first eight; text
// documents also give the rest, the language where the document names one.
#pragma once

#include <qrvex/items.h>

#include <cstddef>
#include <cstdint>

namespace qrv::model {

enum PropertyId : uint32_t {
    kPropertyTitle = 1,
    kPropertySubject = 2,
    kPropertyAuthor = 3,
    kPropertyKeywords = 4,
    kPropertyDescription = 5,
    kPropertyLastAuthor = 6,
    kPropertyCreated = 7,  // ISO 8601 text
    kPropertyModified = 8,
    kPropertyCategory = 9,
    kPropertyCompany = 10,
    kPropertyManager = 11,
    kPropertyApplication = 12,
    kPropertyRevision = 13,
    kPropertyPages = 14,
    kPropertyWords = 15,
    kPropertyCharacters = 16,
    kPropertyLanguage = 17  // a language tag: "en-GB", "de"
};
inline constexpr size_t kStandardPropertyCount = kPropertyModified;
static_assert(sizeof(PropertyId) == CH_SIZE_PROPERTY_ID, "the id is stored as it is");

}  // namespace qrv::model
