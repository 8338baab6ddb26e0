#include "meta_properties.hpp"

namespace qrv::import::odf {
namespace {

// dc:creator is the last person who changed the document; the first is
// meta:initial-creator.  Each keyword has an element of its own.  The
// standard properties come first.
constexpr PropertyElement kElements[] = {
    {Ns::DublinCore, "title", model::kPropertyTitle},
    {Ns::DublinCore, "subject", model::kPropertySubject},
    {Ns::Meta, "initial-creator", model::kPropertyAuthor},
    {Ns::Meta, "keyword", model::kPropertyKeywords},
    {Ns::DublinCore, "description", model::kPropertyDescription},
    {Ns::DublinCore, "creator", model::kPropertyLastAuthor},
    {Ns::Meta, "creation-date", model::kPropertyCreated},
    {Ns::DublinCore, "date", model::kPropertyModified},
    {Ns::Meta, "generator", model::kPropertyApplication},
    {Ns::Meta, "editing-cycles", model::kPropertyRevision},
    {Ns::DublinCore, "language", model::kPropertyLanguage},
};

}  // namespace

std::span<const PropertyElement> meta_elements() { return kElements; }

}  // namespace qrv::import::odf
