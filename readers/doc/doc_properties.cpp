#include "doc_properties.hpp"

#include "cfb/property_set.hpp"

namespace qrv::import::doc {
namespace {

std::optional<textdoc::Property> property_of(SummaryField field) {
    switch (field) {
    case SummaryField::Title: return model::kPropertyTitle;
    case SummaryField::Subject: return model::kPropertySubject;
    case SummaryField::Author: return model::kPropertyAuthor;
    case SummaryField::Keywords: return model::kPropertyKeywords;
    case SummaryField::Comments: return model::kPropertyDescription;
    case SummaryField::LastAuthor: return model::kPropertyLastAuthor;
    }
    return std::nullopt;
}

}  // namespace

void read_properties(const CompoundFile &file, textdoc::TextDocument &doc) {
    const auto stream = file.stream(kSummaryStream);
    if (!stream) return;
    for (auto &[field, value] : summary_strings(*stream))
        if (auto id = property_of(field)) doc.add_property(*id, std::move(value));
}

}  // namespace qrv::import::doc
