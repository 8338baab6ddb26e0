// Word 97-2003 documents built at test time: inline pictures at the size
// their header in the Data stream gives (cropped, then scaled), floating
// shapes at their rectangle's, and the headers and shapes that give none:
// placed past the stream, cut short, of another kind, with no Data stream
// or one that cannot be read.
// An inline PNG or JPEG picture's file, in the drawing records after its
// header, is the document's resource.
#include <string>
#include <vector>

#include "doc_builder.hpp"
#include "document_resources.hpp"
#include "imported_document.hpp"

namespace qrv::test::doc {
namespace {

// A picture mark between two words; its run places its header at offset.
DocBuilder inline_picture(std::optional<uint32_t> offset) {
    DocBuilder b = text_doc(u"a\x01z\r");
    b.runs = {{1, 2, change(0x0855, u8(1)) + (offset ? change(0x6A03, u32(*offset)) : "")}};
    return b;
}

DocPicture sized_picture(int16_t width, int16_t height, uint16_t scale_x = 1000, uint16_t scale_y = 1000) {
    DocPicture p;
    p.width = width, p.height = height, p.scale_x = scale_x, p.scale_y = scale_y;
    return p;
}

// The first object of the JSON export, from its kind to the end of its
// record ("" for none).
std::string first_object(const Imported &doc) {
    const std::string json = doc.exported(QRV_OUTPUT_JSON);
    const size_t kind = json.find("\"kind\":\"picture\""), other = json.find("\"kind\":\"object\"");
    const size_t at = std::min(kind, other);
    if (at == std::string::npos) return "";
    return json.substr(at, json.find('}', at) - at);
}

TEST(DocPictures, AnInlinePictureTakesTheSizeOfItsHeader) {
    const DocPicture sound = sized_picture(2880, 1440);
    DocPicture scaled_and_cropped = sized_picture(4000, 2000, 500, 2000);
    scaled_and_cropped.crop[0] = 400, scaled_and_cropped.crop[1] = 200, scaled_and_cropped.crop[2] = 600;
    DocPicture cropped_away = sound;
    cropped_away.crop[0] = 2000, cropped_away.crop[2] = 1000;
    DocPicture longer_than_the_stream = sound;
    longer_than_the_stream.length = 69;
    const DocPicture flat = sized_picture(2880, 0);
    const std::string padding(100, '\x7f');
    const struct {
        const char *name;
        std::optional<std::string> data;
        std::optional<uint32_t> offset;
        const char *shown;  // the object's record after its kind and description
    } cases[] = {
        {"a sound header", sound.bytes(), 0, ",\"width\":144,\"height\":72"},
        {"cropped, then scaled", scaled_and_cropped.bytes(), 0, ",\"width\":75,\"height\":180"},
        {"a header after others", padding + sound.bytes(), 100, ",\"width\":144,\"height\":72"},
        {"an offset past the stream", sound.bytes(), 69, ""},
        {"an offset far past the stream", sound.bytes(), 0xFFFFFFF0u, ""},
        {"a header cut short", sound.bytes().substr(0, 40), 0, ""},
        {"a length past the stream", longer_than_the_stream.bytes(), 0, ""},
        {"a header of another length", u32(68) + u16(0x40) + std::string(62, '\0'), 0, ""},
        {"data of a form field (no size)", u32(68) + u16(0x44) + std::string(62, '\0'), 0, ""},
        {"cropped to nothing", cropped_away.bytes(), 0, ""},
        {"a side unknown", flat.bytes(), 0, ""},
        {"no Data stream", std::nullopt, 0, ""},
        {"no place for the header", sound.bytes(), std::nullopt, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocBuilder b = inline_picture(c.offset);
        b.data = c.data;
        Imported doc(b);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(first_object(doc), std::string("\"kind\":\"picture\",\"alt\":\"\"") + c.shown);
        EXPECT_EQ(doc.message(), "");
        EXPECT_EQ(lines_of(doc.text()), "a[image]z\n");
    }
}

TEST(DocPictures, AFloatingShapeTakesTheSizeOfItsRectangle) {
    const struct {
        const char *name;
        DocShape shape;
        const char *shown;
    } cases[] = {
        {"its rectangle", {1, 1440, 720, 4320, 2160}, ",\"width\":144,\"height\":72"},
        {"left of the column and above the paragraph", {1, -1440, -400, 1440, 1000}, ",\"width\":144,\"height\":70"},
        {"turned round", {1, 4320, 720, 1440, 2160}, ""},
        {"empty", {1, 1440, 720, 1440, 2160}, ""},
        {"anchored at another character", {0, 1440, 720, 4320, 2160}, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocBuilder b = text_doc(u"a\x08z\r");
        b.runs = {{1, 2, change(0x0855, u8(1))}};
        b.shapes = {c.shape};
        Imported doc(b);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        EXPECT_EQ(first_object(doc), std::string("\"kind\":\"object\",\"alt\":\"\"") + c.shown);
    }
}

// The shapes' table serves text boxes and shapes alike: a box keeps its
// anchor beside a shape drawn alone.
TEST(DocPictures, ShapesBesideATextBox) {
    DocBuilder b = text_doc(u"a\x08 b\x08z\r");
    b.runs = {{1, 2, change(0x0855, u8(1))}, {4, 5, change(0x0855, u8(1))}};
    b.text_boxes = {{4, u"boxed\r"}};
    b.shapes = {{1, 0, 0, 2880, 1440}};
    Imported doc(b);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(first_object(doc), "\"kind\":\"object\",\"alt\":\"\",\"width\":144,\"height\":72");
    EXPECT_EQ(lines_of(doc.text()), "a[object] bz\nboxed\n");
}

// A Data stream whose chain of sectors loops leaves the pictures without a
// size, with one warning; the text is read as ever.
TEST(DocPictures, ABrokenDataStreamWarnsOnce) {
    DocBuilder b = text_doc(u"a\x01z\x01\r");
    b.runs = {{1, 2, change(0x0855, u8(1)) + change(0x6A03, u32(0))},
              {3, 4, change(0x0855, u8(1)) + change(0x6A03, u32(0))}};
    DocPicture header = sized_picture(2880, 1440);
    header.records = std::string(5000, '\0');
    CompoundFileBuilder file;
    file.add("WordDocument", b.main_stream());
    file.add("1Table", b.table_stream());
    file.add("Data", header.bytes());
    const uint32_t data = file.first_sector(2);
    file.patch_fat(data + 1, data);
    Imported doc(file.bytes(), DocBuilder::kFileName);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_EQ(first_object(doc), "\"kind\":\"picture\",\"alt\":\"\"");
    EXPECT_EQ(lines_of(doc.text()), "a[image]z[image]\n");
    const std::string message = doc.message();
    const size_t warning = message.find("the Data stream cannot be read");
    ASSERT_NE(warning, std::string::npos) << message;
    EXPECT_EQ(message.find("the Data stream", warning + 1), std::string::npos) << message;
}

// A drawing record: version and instance, type, length, body.
std::string drawing_record(uint16_t type, uint16_t instance, const std::string &body) {
    return u16(static_cast<uint16_t>(instance << 4)) + u16(type) + u32(static_cast<uint32_t>(body.size())) + body;
}

// A store entry holding the picture's record after a name of that length.
std::string store_entry(const std::string &picture, uint8_t name_length = 0) {
    std::string fixed = std::string(33, '\0') + u8(name_length) + std::string(2, '\0');
    return drawing_record(0xF007, 6, fixed + std::string(name_length, 'n') + picture);
}

const std::string kShape = drawing_record(0xF004, 0, drawing_record(0xF00A, 0x4B, std::string(8, '\0')));
const std::string kUid(16, '\x11');
const std::string kPngFile = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + std::string(40, '\xee');
const std::string kJpegFile = std::string("\xFF\xD8\xFF\xE0", 4) + std::string(40, '\x01');

std::vector<std::string> resource_bytes(const Imported &doc) {
    std::vector<std::string> out;
    for (const Resource &r : resources_of(doc)) out.push_back(r.bytes);
    return out;
}

TEST(DocPictures, AnInlinePngOrJpegIsKept) {
    const std::string png = drawing_record(0xF01E, 0x6E0, kUid + u8(0xFF) + kPngFile);
    const struct {
        const char *name;
        std::string records;
        std::string kept;  // "" for no resource
        const char *shown;
    } cases[] = {
        {"a PNG in its store entry", kShape + store_entry(png), kPngFile, "src=\"f/image0.png\""},
        {"after the entry's name", kShape + store_entry(png, 5), kPngFile, "src=\"f/image0.png\""},
        {"a JPEG record alone, with two identifiers",
         kShape + drawing_record(0xF01D, 0x46B, kUid + kUid + u8(0xFF) + kJpegFile), kJpegFile, "src=\"f/image0.jpg\""},
        {"a metafile", kShape + store_entry(drawing_record(0xF01B, 0x216, kUid + std::string(40, '\0'))), "",
         "class=\"object\""},
        {"a PNG record without a PNG", kShape + store_entry(drawing_record(0xF01E, 0x6E0, kUid + u8(0xFF) + kJpegFile)),
         "", "class=\"object\""},
        {"an entry longer than the records", kShape + store_entry(png).substr(0, 60), "", "class=\"object\""},
        {"a name past its entry", kShape + store_entry("", 40), "", "class=\"object\""},
        {"no records", "", "", "class=\"object\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocPicture header = sized_picture(2880, 1440);
        header.records = c.records;
        DocBuilder b = inline_picture(0);
        b.data = header.bytes();
        Imported doc(b);
        ASSERT_EQ(doc.result(), 0u) << doc.message();
        const auto kept = resource_bytes(doc);
        EXPECT_EQ(kept, c.kept.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.kept});
        const std::string html = doc.exported(QRV_OUTPUT_HTML, 0, "f");
        EXPECT_NE(html.find(c.shown), std::string::npos) << html;
        EXPECT_NE(doc.exported(QRV_OUTPUT_JSON).find("\"width\":144,\"height\":72"), std::string::npos);
    }
}

// The same picture placed twice is kept once; none is kept when the host
// asks for no pictures.
TEST(DocPictures, APictureIsKeptOnceAndOnlyWhenAskedFor) {
    DocPicture header = sized_picture(2880, 1440);
    header.records = kShape + store_entry(drawing_record(0xF01E, 0x6E0, kUid + u8(0xFF) + kPngFile));
    DocBuilder b = text_doc(u"a\x01z\x01\r");
    b.runs = {{1, 2, change(0x0855, u8(1)) + change(0x6A03, u32(0))},
              {3, 4, change(0x0855, u8(1)) + change(0x6A03, u32(0))}};
    b.data = header.bytes();
    Imported twice(b);
    ASSERT_EQ(twice.result(), 0u) << twice.message();
    EXPECT_EQ(resource_bytes(twice).size(), 1u);
    const std::string html = twice.exported(QRV_OUTPUT_HTML, 0, "f");
    const size_t first = html.find("src=\"f/image0.png\"");
    ASSERT_NE(first, std::string::npos) << html;
    EXPECT_NE(html.find("src=\"f/image0.png\"", first + 1), std::string::npos) << html;

    IMOptions options{};
    options.StructSize = sizeof options;
    options.Flags = IM_READ_NO_PICTURES;
    Imported none(b, &options);
    ASSERT_EQ(none.result(), 0u) << none.message();
    EXPECT_TRUE(resource_bytes(none).empty());
}

}  // namespace
}  // namespace qrv::test::doc
