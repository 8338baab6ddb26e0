#include "summary_properties.hpp"

#include <optional>

#include "property_set.hpp"

namespace qrv::import {
namespace {

std::optional<model::PropertyId> property_of(SummaryField field) {
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

std::vector<std::pair<model::PropertyId, std::string>> summary_properties(const CompoundFile &file) {
    std::vector<std::pair<model::PropertyId, std::string>> out;
    const auto stream = file.stream(kSummaryStream);
    if (!stream) return out;
    for (auto &[field, value] : summary_strings(*stream))
        if (auto id = property_of(field)) out.emplace_back(*id, std::move(value));
    return out;
}

}  // namespace qrv::import
