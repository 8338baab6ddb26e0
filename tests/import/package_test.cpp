// Packages: parts found without regard to case, relationships resolved,
// content types, and the bounds that stop archive bombs.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/error.hpp"
#include "package/package.hpp"
#include "package/part_names.hpp"
#include "byte_span.hpp"
#include "package_builder.hpp"

namespace qrv::import {
namespace {

using qrv::test::bytes_of;
using qrv::test::zip_of;

TEST(PartNames, TargetsResolveFromTheirSourcePart) {
    struct Case {
        const char *source, *target, *part;
    } cases[] = {
        {"xl/workbook.xml", "worksheets/sheet1.xml", "xl/worksheets/sheet1.xml"},
        {"xl/workbook.xml", "/xl/styles.xml", "xl/styles.xml"},
        {"xl/worksheets/sheet1.xml", "../drawings/d1.xml", "xl/drawings/d1.xml"},
        {"xl/workbook.xml", "../../../../etc/passwd", "etc/passwd"},
        {"", "xl/workbook.xml", "xl/workbook.xml"},
        {"word/document.xml", "./media/a%20b.png#frag", "word/media/a b.png"},
        {"word/document.xml", "media\\x.png", "word/media/x.png"},
        {"a.xml", "%zz%2", "%zz%2"},
    };
    for (const auto &c : cases) EXPECT_EQ(resolve_target(c.source, c.target), c.part) << c.target;
    EXPECT_EQ(relationships_part("xl/workbook.xml"), "xl/_rels/workbook.xml.rels");
    EXPECT_EQ(relationships_part(""), "_rels/.rels");
}

constexpr const char *kRels =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
    "Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"http://purl.oclc.org/ooxml/officeDocument/relationships/hyperlink\" "
    "Target=\"https://example.com/a b\" TargetMode=\"External\"/></Relationships>";

TEST(Package, RelationshipsAndContentTypes) {
    const std::string zip = zip_of({
        {"[Content_Types].xml",
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"XML\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/xl/Workbook.xml\" ContentType=\"main\"/></Types>"},
        {"xl/_rels/workbook.xml.rels", kRels},
        {"xl/workbook.xml", "<workbook/>"},
    });
    Diagnostics diagnostics;
    Package package(bytes_of(zip), Limits{}, diagnostics);
    EXPECT_TRUE(package.has("/XL/WORKBOOK.XML"));
    EXPECT_FALSE(package.has("xl/styles.xml"));
    EXPECT_EQ(package.content_type("xl/workbook.xml"), "main");
    EXPECT_EQ(package.content_type("xl/other.xml"), "application/xml");
    EXPECT_EQ(package.content_type("xl/image.png"), "");
    const auto &rels = package.relationships("xl/workbook.xml");
    ASSERT_EQ(rels.size(), 2u);
    EXPECT_EQ(rels[0].target, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(relationship_type_is(rels[1], "hyperlink"));  // the strict form names the same type
    EXPECT_TRUE(rels[1].external);
    EXPECT_EQ(rels[1].target, "https://example.com/a b");
    EXPECT_EQ(package.relationship("xl/workbook.xml", "rId2"), &rels[1]);
    EXPECT_EQ(package.relationship("xl/workbook.xml", "rId9"), nullptr);
    EXPECT_TRUE(package.relationships("xl/other.xml").empty());
}

std::string fault_of(const std::function<void()> &fn) {
    try {
        fn();
    } catch (const ImportError &e) {
        return std::to_string(e.code()) + " " + e.what();
    }
    return "no fault";
}

std::string read_part(const std::string &zip, const std::string &part, const Limits &limits = Limits{}) {
    return fault_of([&] {
        ZipArchive archive(bytes_of(zip), limits);
        archive.read_all(part, SIZE_MAX);
    });
}

TEST(Package, ArchiveFaults) {
    const std::string zeros(1 << 20, '\0');
    const std::string bomb = zip_of({{"a.xml", zeros}, {"b.xml", zeros}});
    Limits small;
    small.max_part_bytes = 100000;
    EXPECT_EQ(read_part(bomb, "a.xml", small),
              std::to_string(IM_ERR_LIMIT) + " a.xml: more than 100000 bytes when decompressed (an archive bomb?)");
    // A part that shrinks as much as XML does may inflate past that bound,
    // up to 64 times its compressed size.
    std::string cells;
    for (int i = 0; cells.size() < 300000; ++i)
        cells.append("<c r=\"A").append(std::to_string(i)).append("\"><v>").append(std::to_string(i * 7919 % 100003))
            .append("</v></c>");
    EXPECT_EQ(read_part(zip_of({{"a.xml", cells}}), "a.xml", small), "no fault");
    Limits total;
    total.max_total_bytes = (1 << 20) + 10;
    EXPECT_EQ(fault_of([&] {
                  ZipArchive archive(bytes_of(bomb), total);
                  archive.read_all("a.xml", SIZE_MAX);
                  archive.read_all("b.xml", SIZE_MAX);
              }),
              std::to_string(IM_ERR_LIMIT) +
                  " the package holds more than 1048586 bytes when decompressed (an "
                  "archive bomb?)");
    EXPECT_EQ(read_part(bomb, "c.xml"), std::to_string(IM_ERR_BROKEN) + " c.xml: the part is missing from the package");

    std::string noise;
    for (uint32_t x = 1; noise.size() < 5000; x = x * 1103515245u + 12345u)
        noise += static_cast<char>('a' + (x >> 16) % 26);
    std::string damaged = zip_of({{"a.xml", noise}});
    damaged[200] = static_cast<char>(damaged[200] ^ 0x55);  // inside the deflated data
    EXPECT_TRUE(read_part(damaged, "a.xml").starts_with(std::to_string(IM_ERR_BROKEN) + " a.xml: damaged data"))
        << read_part(damaged, "a.xml");

    const std::string secret = zip_of({{"a.xml", "<a/>", false, true}});
    EXPECT_EQ(read_part(secret, "a.xml"),
              std::to_string(IM_ERR_ENCRYPTED) + " a.xml: the part is encrypted (password-protected)");

    std::string truncated = zip_of({{"a.xml", "<a/>"}});
    truncated.resize(truncated.size() / 2);
    EXPECT_TRUE(read_part(truncated, "a.xml").starts_with(std::to_string(IM_ERR_BROKEN) + " not a sound ZIP archive"))
        << read_part(truncated, "a.xml");

    Limits few;
    few.max_entries = 2;
    EXPECT_EQ(read_part(zip_of({{"a", ""}, {"b", ""}, {"c", ""}}), "a", few),
              std::to_string(IM_ERR_LIMIT) + " the archive has more than 2 entries");
}


// A part large enough to be parsed on a thread of its own, while the
// handler reads other parts of the same package on this one.
TEST(Package, LargePartsParseAheadWhileOtherPartsAreRead) {
    std::string big = "<r>";
    long long elements = 0;
    for (; big.size() < 2 * kReadAheadFrom; ++elements) big += "<c n=\"" + std::to_string(elements) + "\"/>";
    big += "</r>";
    const std::string zip = zip_of({{"big.xml", big}, {"small.xml", "<s>x</s>"}});
    Diagnostics diagnostics;
    Package package(bytes_of(zip), Limits{}, diagnostics);
    struct Reader final : XmlHandler {
        Package &package;
        long long sum = 0, seen = 0;
        int small_reads = 0;
        explicit Reader(Package &p) : package(p) {}
        void start(const XmlName &name, const XmlAttributes &a) override {
            if (name.local != "c") return;
            const long long n = std::stoll(std::string(a.get(Ns::None, "n")));
            sum += n;
            ++seen;
            if (n % 10000 == 0 && package.read_all("small.xml") == "<s>x</s>") ++small_reads;
        }
        void end(const XmlName &) override {}
    } reader(package);
    package.read("big.xml", reader, Parse::AheadWhenLarge);
    EXPECT_EQ(reader.seen, elements);
    EXPECT_EQ(reader.sum, elements * (elements - 1) / 2);
    EXPECT_EQ(reader.small_reads, (elements + 9999) / 10000);

    // A bound passed on that thread stops the parse, after the events
    // before it were handled.
    Limits small;
    small.max_part_bytes = 100000;
    small.part_bytes_by_ratio = false;
    Package bounded(bytes_of(zip), small, diagnostics);
    Reader counted(bounded);
    EXPECT_TRUE(fault_of([&] { bounded.read("big.xml", counted, Parse::AheadWhenLarge); })
                    .starts_with(std::to_string(IM_ERR_LIMIT) + " big.xml: more than "));
    EXPECT_GT(counted.seen, 0);
}

}  // namespace
}  // namespace qrv::import
