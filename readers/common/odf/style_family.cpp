#include "style_family.hpp"

#include "core/named_values.hpp"

namespace qrv::import::odf {
namespace {

constexpr Named<Family> kFamilies[] = {
    {"table-cell", Family::kTableCell},
    {"table-column", Family::kTableColumn},
    {"table-row", Family::kTableRow},
    {"table", Family::kTable},
    {"text", Family::kText},
    {"paragraph", Family::kParagraph},
};

}  // namespace

Family family_of(std::string_view name) { return value_named(kFamilies, name).value_or(Family::kOther); }

}  // namespace qrv::import::odf
