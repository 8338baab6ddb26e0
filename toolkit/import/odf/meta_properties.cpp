#include "meta_properties.hpp"

namespace qrv::import::odf {
namespace {

// dc:creator is the last person who changed the document; the first is
// meta:initial-creator.  Each keyword has an element of its own.
constexpr PropertyElement kElements[] = {
    {Ns::DublinCore, "title", CoreProperty::Title},
    {Ns::DublinCore, "subject", CoreProperty::Subject},
    {Ns::Meta, "initial-creator", CoreProperty::Author},
    {Ns::Meta, "keyword", CoreProperty::Keywords},
    {Ns::DublinCore, "description", CoreProperty::Description},
    {Ns::DublinCore, "creator", CoreProperty::LastAuthor},
    {Ns::Meta, "creation-date", CoreProperty::Created},
    {Ns::DublinCore, "date", CoreProperty::Modified},
};

}  // namespace

std::span<const PropertyElement> meta_elements() { return kElements; }

}  // namespace qrv::import::odf
