// Broken and hostile OpenDocument texts: a one-line error naming the file,
// the part and the line, or a best-effort document with a warning, and an
// export of it; never a crash or a hang, whatever the nesting.
#include "odt_builder.hpp"
#include "nested_markup.hpp"

namespace qrv::test {
namespace {

std::vector<Part> without(const Odt &odt, const std::string &name) {
    std::vector<Part> parts = {{"mimetype", kOdtMediaType, true}, {"content.xml", odt.content()}};
    std::erase_if(parts, [&](const Part &p) { return p.name == name; });
    return parts;
}

TEST(OdtFaults, RefusalsNameTheFileThePartAndTheLine) {
    Odt good;
    good.body = odt_p("x");
    Odt broken;
    broken.body = odt_p("x") + "\n<text:p>";
    Odt encrypted;
    encrypted.body = odt_p("x");
    encrypted.manifest_entries =
        "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\">"
        "<manifest:encryption-data manifest:checksum-type=\"SHA1/1K\" manifest:checksum=\"x\">"
        "<manifest:algorithm manifest:algorithm-name=\"Blowfish CFB\" manifest:initialisation-vector=\"x\"/>"
        "</manifest:encryption-data></manifest:file-entry>";
    std::string not_text = good.flat();
    not_text.replace(not_text.find("office:text>"), 12, "office:drawing>");
    not_text.replace(not_text.rfind("office:text>"), 12, "office:drawing>");
    struct Case {
        const char *name;
        std::string bytes;
        const char *file;
        uint32_t result;
        const char *message;
    } cases[] = {
        {"no content", zip_of(without(good, "content.xml")), "test.odt", IM_ERR_BROKEN,
         "test.odt: content.xml: the part is missing from the package"},
        {"content cut short", broken.bytes(), "test.odt", IM_ERR_BROKEN, "test.odt: content.xml: line 3: "},
        {"password-protected", encrypted.bytes(), "test.odt", IM_ERR_ENCRYPTED, "test.odt: the file is encrypted"},
        {"a flat document cut short", broken.flat(), "test.fodt", IM_ERR_BROKEN, "test.fodt: line 3: "},
        {"no text in the body", not_text, "test.fodt", IM_ERR_BROKEN, "test.fodt: the document holds no text"},
        {"a truncated archive", good.bytes().substr(0, 300), "test.odt", IM_ERR_BROKEN, "test.odt: "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.bytes, c.file);
        expect_refused(doc, c.result, c.message);
    }
}

// Parts the document can do without are left out with a warning; names
// that lead nowhere are passed over.
TEST(OdtFaults, BestEffort) {
    struct Case {
        const char *name;
        Odt odt;
        const char *warning;
        const char *shown;
    } cases[] = {
        {"styles not well-formed",
         {.body = odt_p("text"), .styles = "<style:style>"},
         "styles.xml: line 1: ",
         "text\n"},
        {"properties not well-formed", {.body = odt_p("text"), .meta = "<dc:title>"}, "meta.xml: line 1: ", "text\n"},
        {"a list style that is not defined",
         {.body =
              "<text:list text:style-name=\"Gone\"><text:list-item>" + odt_p("item") + "</text:list-item></text:list>"},
         "a list names a list style the document does not define",
         "item\n"},
        {"a repeat beyond bounds",
         {.body = "<table:table><table:table-row><table:table-cell table:number-columns-repeated=\"4000000000\">" +
                  odt_p("") + "</table:table-cell></table:table-row></table:table>"},
         "repeated more than 1024 times",
         nullptr},
        {"styles that name nothing",
         {.body = odt_p("<text:span text:style-name=\"Nothing\">text</text:span>", "Nowhere")},
         "",
         "text\n"},
    };
    for (auto &c : cases) {
        SCOPED_TRACE(c.name);
        Imported doc(c.odt);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_NE(doc.message().find(c.warning), std::string::npos) << doc.message();
        if (c.shown) {
            EXPECT_EQ(doc.text(), c.shown);
        }
    }
}

// Nesting of any depth the XML reader lets through is read without
// recursion and bounded where the items would nest.
TEST(OdtFaults, AbsurdNesting) {
    struct Case {
        const char *name;
        std::string body;
        const char *warning;
    } cases[] = {
        {"spans", odt_p(nested("<text:span>", "</text:span>", "deep", 50000)), ""},
        {"lists", nested("<text:list><text:list-item>", "</text:list-item></text:list>", odt_p("deep"), 20000), ""},
        {"sections", nested("<text:section>", "</text:section>", odt_p("deep"), 30000), ""},
        {"tables",
         nested("<table:table><table:table-row><table:table-cell>",
                "</table:table-cell></table:table-row></table:table>", odt_p("deep"), 2000),
         "tables nested deeper than 64"},
        {"notes in notes",
         odt_p(nested("<text:note><text:note-body><text:p>", "</text:p></text:note-body></text:note>", "deep", 100)),
         "nested deeper than 8 are left out"},
        {"text boxes in text boxes",
         odt_p(nested("<draw:frame><draw:text-box><text:p>", "</text:p></draw:text-box></draw:frame>", "deep", 100)),
         "nested deeper than 8 are left out"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Odt odt;
        odt.body = c.body;
        Imported doc(odt);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_NE(doc.message().find(c.warning), std::string::npos) << doc.message();
        EXPECT_FALSE(doc.exported().empty());
    }
    // Deeper than the reader's bound: refused with the bound's message.
    Odt deepest;
    deepest.body = odt_p(nested("<text:span>", "</text:span>", "x", 200000));
    Imported doc(deepest);
    EXPECT_EQ(doc.result(), uint32_t{IM_ERR_LIMIT});
    EXPECT_NE(doc.message().find("test.odt: content.xml: line 2: elements nested deeper than"), std::string::npos)
        << doc.message();
}

}  // namespace
}  // namespace qrv::test
