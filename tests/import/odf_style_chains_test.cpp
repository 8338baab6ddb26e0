// Parent chains of OpenDocument styles as both readers follow them: a
// property or a list style comes from as far up a long chain as it is
// stated, and a chain that loops ends without one.
#include <gtest/gtest.h>

#include "odt_builder.hpp"
#include "ods_builder.hpp"
#include "sheet_log.hpp"

namespace qrv::test {
namespace {

// The name of a link of a chain; the last one's parent is "top".
std::string link_name(size_t link) { return "s" + std::to_string(link); }

// Styles s0, s1, ... each based on the next, the last on `top`: `make`
// gives one from its name and its parent-style-name attribute.
template <typename Make>
std::string chain(size_t length, const std::string &top, Make &&make) {
    std::string styles;
    for (size_t link = 0; link < length; ++link) {
        const std::string parent = link + 1 < length ? link_name(link + 1) : top;
        styles += make(link_name(link), " style:parent-style-name=\"" + parent + "\"");
    }
    return styles;
}

struct ChainCase {
    const char *name;
    size_t length;
    std::string top;  // the parent of the last link: a style stating the property, or the first link
    bool reached;
};

const ChainCase kChains[] = {
    {"a short chain", 3, "top", true},
    {"a chain longer than a few dozen", 40, "top", true},
    {"a chain that loops back to its start", 40, "s0", false},
    {"a style based on itself", 1, "s0", false},
};

std::string cell_style(const std::string &name, const std::string &attributes, const std::string &inside = "") {
    return "<style:style style:name=\"" + name + "\" style:family=\"table-cell\"" + attributes + ">" + inside +
           "</style:style>";
}

TEST(OdfStyleChains, CellStylesTakeTheirPropertiesAlongTheChain) {
    for (const auto &c : kChains) {
        SCOPED_TRACE(c.name);
        OdsSpec spec(ods_table("S", ods_row(ods_cell("office:value-type=\"float\" office:value=\"7\" "
                                                     "table:style-name=\"s0\""))));
        spec.styles = cell_style("top", "", "<style:text-properties fo:font-weight=\"bold\"/>") +
                      chain(c.length, c.top, [](const std::string &name, const std::string &parent) {
                          return cell_style(name, parent);
                      });
        const SheetImport walk = import_and_walk(ods_of(spec), "book.ods");
        expect_clean_walk_showing(walk, {c.reached ? "r1: =*7*|" : "r1: =7|"});
    }
}

TEST(OdfStyleChains, ParagraphsTakeTheirListStyleAlongTheChain) {
    for (const auto &c : kChains) {
        SCOPED_TRACE(c.name);
        Odt odt;
        odt.automatic =
            "<text:list-style style:name=\"N\"><text:list-level-style-number text:level=\"1\" "
            "style:num-format=\"1\" style:num-suffix=\".\"/></text:list-style>";
        odt.styles = odt_style("top", "paragraph", "", " style:list-style-name=\"N\"") +
                     chain(c.length, c.top, [](const std::string &name, const std::string &parent) {
                         return odt_style(name, "paragraph", "", parent);
                     });
        odt.body = "<text:list><text:list-item>" + odt_p("a", "s0") + "</text:list-item><text:list-item>" +
                   odt_p("b", "s0") + "</text:list-item></text:list>";
        EXPECT_EQ(odt_lines(odt), c.reached ? "1. a\n2. b\n" : "a\nb\n");
    }
}

}  // namespace
}  // namespace qrv::test
