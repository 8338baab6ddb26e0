// Lists of OpenDocument texts: list styles as list styles of the library,
// and the numbers the reference filters count with its counter track and
// write with its numerals, as an office suite shows them: formats,
// prefixes and suffixes, the levels a number shows, bullets, lists that
// continue others and numbering that starts over.
#include "odt_builder.hpp"

namespace qrv::test {
namespace {

std::string number_level(int level, const std::string &format, const std::string &more = "") {
    return "<text:list-level-style-number text:level=\"" + std::to_string(level) + "\" style:num-format=\"" + format +
           "\" " + more + "/>";
}

std::string bullet_level(int level, const std::string &bullet) {
    return "<text:list-level-style-bullet text:level=\"" + std::to_string(level) + "\" text:bullet-char=\"" + bullet +
           "\"/>";
}

std::string list_style(const std::string &name, const std::string &levels) {
    return "<text:list-style style:name=\"" + name + "\">" + levels + "</text:list-style>";
}

std::string list_item(const std::string &inside, const std::string &attributes = "") {
    return "<text:list-item" + attributes + ">" + inside + "</text:list-item>";
}

std::string list(const std::string &items, const std::string &attributes = "") {
    return "<text:list" + attributes + ">" + items + "</text:list>";
}

std::string items(std::initializer_list<const char *> words) {
    std::string out;
    for (const char *w : words) out += list_item(odt_p(w));
    return out;
}

const std::string kNumberedListStyle =
    list_style("N", number_level(1, "1", "style:num-suffix=\".\"") + number_level(2, "a", "style:num-suffix=\")\"") +
                        number_level(3, "i", "style:num-prefix=\"(\" style:num-suffix=\")\"") +
                        number_level(4, "1", "text:display-levels=\"3\" style:num-suffix=\".\""));
const std::string kStyled = " text:style-name=\"N\"";

TEST(OdtLists, NumbersAsTheDocumentShowsThem) {
    struct Case {
        const char *name;
        std::string automatic;
        std::string body;
        std::string shown;
    } cases[] = {
        {"levels restart under a new outer item", "",
         list(list_item(odt_p("a") + list(items({"b", "c"}) + list_item(odt_p("d") + list(items({"e"}))))) +
                  items({"f"}) + list_item(odt_p("g") + list(items({"h"}))),
              kStyled),
         "1. a\n  a) b\n  b) c\n  c) d\n    (i) e\n2. f\n3. g\n  a) h\n"},
        {"display levels show the numbers above", "",
         list(list_item(odt_p("a") +
                        list(list_item(odt_p("b") + list(list_item(odt_p("c") + list(items({"d", "e"}))))))),
              kStyled),
         "1. a\n  a) b\n    (i) c\n      a.i.1. d\n      a.i.2. e\n"},
        {"formats: upper letters and Roman numerals, none",
         list_style("F", number_level(1, "A", "style:num-suffix=\".\"") +
                             number_level(2, "I", "style:num-suffix=\".\"") +
                             number_level(3, "", "style:num-prefix=\"-\"")),
         list(list_item(odt_p("a") + list(list_item(odt_p("b") + list(items({"c"}))) + items({"d"}))) + items({"e"}),
              " text:style-name=\"F\""),
         "A. a\n  I. b\n    - c\n  II. d\nB. e\n"},
        {"a start value", list_style("S", number_level(1, "1", "text:start-value=\"7\" style:num-suffix=\")\"")),
         list(items({"a", "b"}), " text:style-name=\"S\""), "7) a\n8) b\n"},
        {"bullets", list_style("B", bullet_level(1, "•") + bullet_level(2, "–")),
         list(list_item(odt_p("a") + list(items({"b"}))), " text:style-name=\"B\""), "• a\n  – b\n"},
        // A font's private bullet character shows as the usual bullet.
        {"a private bullet", list_style("B", bullet_level(1, "\xEE\x80\x8A")),
         list(items({"a"}), " text:style-name=\"B\""), "• a\n"},
        {"a symbol font's bullet and the letter o",
         list_style("W",
                    "<text:list-level-style-bullet text:level=\"1\" text:bullet-char=\"\xEF\x82\xB7\">"
                    "<style:text-properties style:font-name=\"Symbol\"/></text:list-level-style-bullet>" +
                        bullet_level(2, "o")),
         list(list_item(odt_p("a") + list(items({"b"}))), " text:style-name=\"W\""), "• a\n  ◦ b\n"},
        {"levels the style does not state are decimal", list_style("D", number_level(1, "i", "style:num-suffix=\".\"")),
         list(list_item(odt_p("a") + list(items({"b"}))), " text:style-name=\"D\""), "i. a\n  1. b\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Odt odt;
        odt.automatic = c.automatic.empty() ? kNumberedListStyle : c.automatic;
        odt.body = c.body;
        EXPECT_EQ(odt_lines(odt), c.shown);
    }
}

TEST(OdtLists, ContinuedAndRestartedNumbering) {
    const std::string between = odt_p("between");
    struct Case {
        const char *name;
        std::string body;
        std::string shown;
    } cases[] = {
        {"a new list starts afresh", list(items({"a", "b"}), kStyled) + between + list(items({"c"}), kStyled),
         "1. a\n2. b\nbetween\n1. c\n"},
        {"continue-numbering goes on from the last list of the style",
         list(items({"a", "b"}), kStyled) + between + list(items({"c"}), kStyled + " text:continue-numbering=\"true\""),
         "1. a\n2. b\nbetween\n3. c\n"},
        {"continue-list names the list",
         list(items({"a"}), kStyled + " xml:id=\"first\"") + list(items({"b"}), kStyled) +
             list(items({"c"}), kStyled + " text:continue-list=\"first\""),
         "1. a\n1. b\n2. c\n"},
        {"a start value at an item starts over",
         list(items({"a"}) + list_item(odt_p("b"), " text:start-value=\"5\"") + items({"c"}), kStyled),
         "1. a\n5. b\n6. c\n"},
        {"a list continuing a restarted one counts on from it",
         list(list_item(odt_p("a"), " text:start-value=\"9\""), kStyled + " xml:id=\"x\"") + between +
             list(items({"b"}), kStyled + " text:continue-list=\"x\""),
         "9. a\nbetween\n10. b\n"},
        {"a start value deeper down restarts that level only",
         list(list_item(odt_p("a") + list(list_item(odt_p("b"), " text:start-value=\"4\"") + items({"c"}))) +
                  items({"d"}) + list_item(odt_p("e") + list(items({"f"}))),
              kStyled),
         "1. a\n  d) b\n  e) c\n2. d\n3. e\n  a) f\n"},
        {"a list header and a second paragraph are not numbered",
         list("<text:list-header>" + odt_p("head") + "</text:list-header>" + list_item(odt_p("a") + odt_p("more")) +
                  items({"b"}),
              kStyled),
         "head\n1. a\nmore\n2. b\n"},
        {"a list without a style takes its paragraph style's",
         list(list_item(odt_p("a", "Listed")) + list_item(odt_p("b", "Listed"))), "1. a\n2. b\n"},
        {"a list in a table cell is a list of its own",
         list(list_item(odt_p("a") + "<table:table><table:table-row><table:table-cell>" + list(items({"x"}), kStyled) +
                        "</table:table-cell></table:table-row></table:table>") +
                  items({"b"}),
              kStyled),
         "1. a\n1. x\n2. b\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Odt odt;
        odt.automatic = kNumberedListStyle;
        odt.styles = odt_style("Listed", "paragraph", "", " style:list-style-name=\"N\"");
        odt.body = c.body;
        EXPECT_EQ(odt_lines(odt), c.shown);
    }
}

// Headings take their numbers from the outline numbering, where it numbers
// their level.
TEST(OdtLists, OutlineNumbering) {
    Odt odt;
    odt.styles =
        "<text:outline-style style:name=\"Outline\">"
        "<text:outline-level-style text:level=\"1\" style:num-format=\"1\" style:num-suffix=\".\"/>"
        "<text:outline-level-style text:level=\"2\" style:num-format=\"1\" text:display-levels=\"2\"/>"
        "<text:outline-level-style text:level=\"3\" style:num-format=\"\"/>"
        "</text:outline-style>";
    odt.body = odt_h("One", 1) + odt_h("Sub", 2) + odt_h("Plain", 3) + odt_h("Two", 1) + odt_h("Sub", 2) +
               "<text:h text:outline-level=\"1\" text:is-list-header=\"true\">Unnumbered</text:h>" +
               // Headings in a list of the outline's name count on with the others.
               list(list_item(odt_h("Three", 1)), " text:style-name=\"Outline\"");
    EXPECT_EQ(odt_lines(odt), "1. One\n1.1 Sub\nPlain\n2. Two\n2.1 Sub\nUnnumbered\n3. Three\n");
}

// In the HTML, lists are lists with the numbers the library computed.
TEST(OdtLists, HtmlLists) {
    Odt odt;
    odt.automatic = kNumberedListStyle + list_style("B", bullet_level(1, "•"));
    odt.body = list(items({"one", "two"}), kStyled) + list(items({"dot"}), " text:style-name=\"B\"");
    Imported doc(odt);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const std::string html = doc.exported();
    EXPECT_NE(html.find("<ol"), std::string::npos) << html;
    EXPECT_NE(html.find("<ul"), std::string::npos) << html;
    EXPECT_NE(html.find("two"), std::string::npos) << html;
}

}  // namespace
}  // namespace qrv::test
