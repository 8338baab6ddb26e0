#include "workbook_parts.hpp"

#include "core/error.hpp"

namespace qrv::import::xlsx {
namespace {

bool has_relationships(Package &package, const Workbook &book) {
    try {
        package.relationships(book.part);
        return true;
    } catch (const ImportError &e) {
        if (e.code() != IM_ERR_BROKEN) throw;
        package.diagnostics().warn(std::string(e.what()) + "; parts are looked for by their usual names");
        return false;
    }
}

}  // namespace

WorkbookParts::WorkbookParts(Package &package, const Workbook &book, std::string_view extension)
    : package_(package), book_(book), extension_(extension), related_(has_relationships(package, book)) {}

std::string WorkbookParts::of_type(std::string_view type, std::string_view usual, std::string_view extension) const {
    if (!related_) return "xl/" + std::string(usual) + "." + std::string(extension);
    const Relationship *r = package_.first_of_type(book_.part, type);
    return r && !r->external ? r->target : std::string();
}

SheetPart WorkbookParts::sheet(size_t index) const {
    const SheetEntry &sheet = book_.sheets[index];
    std::string part = "xl/worksheets/sheet" + std::to_string(index + 1) + "." + extension_;
    const Relationship *r = related_ ? package_.relationship(book_.part, sheet.relationship_id) : nullptr;
    if (related_ && r && !r->external) part = r->target;
    if ((related_ && (!r || r->external)) || !package_.has(part)) {
        package_.diagnostics().warn("sheet '" + sheet.name + "': its part is missing; it is left empty");
        return {};
    }
    if (r && relationship_type_is(*r, "chartsheet")) return {part, false};
    if (r && !relationship_type_is(*r, "worksheet")) return {};
    return {part, true};
}

}  // namespace qrv::import::xlsx
