#include "workbook.hpp"

#include "core/error.hpp"
#include "package/related_parts.hpp"
#include "package/root_check.hpp"
#include "package/xml_boolean.hpp"

namespace qrv::import::xlsx {
namespace {

class WorkbookReader final : public XmlHandler {
public:
    explicit WorkbookReader(Workbook &book) : book_(book) {}
    void start(const XmlName &name, const XmlAttributes &a) override {
        if (name.ns != Ns::Spreadsheet) return;
        if (name.local == "sheet") {
            const std::string_view state = a.get(Ns::None, "state");
            book_.sheets.push_back({std::string(a.get(Ns::None, "name")), std::string(a.get(Ns::Relationships, "id")),
                                    state == "hidden" || state == "veryHidden"});
        } else if (name.local == "workbookPr") {
            book_.date1904 = xml_true(a.get(Ns::None, "date1904"));
        }
    }
    void end(const XmlName &) override {}

private:
    Workbook &book_;
};

}  // namespace

Workbook Workbook::read(Package &package) {
    Workbook book;
    book.part = main_part_of(package, "xl/workbook.xml");
    if (!package.has(book.part)) broken(book.part + ": the workbook part is missing from the package");
    WorkbookReader reader(book);
    RootCheck workbook(reader, Ns::Spreadsheet, "workbook", "SpreadsheetML");
    package.read(book.part, workbook);
    return book;
}

}  // namespace qrv::import::xlsx
