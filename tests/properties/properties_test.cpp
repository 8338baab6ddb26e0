// Property strings, font names, object and link locators and document
// properties.
#include "navigate/chunk_doc.hpp"

#include <qrvex/properties.h>

#include <string>
#include <vector>

namespace {

using qrv::chunktest::ChunkDoc;

constexpr uint32_t kTwoByte = 0x14b00000u;

// A string item: its characters in store 9, data1 the attribute.
uint32_t add_string(ChunkDoc &d, const std::u16string &s, uint32_t attribute) {
    uint32_t id = 0;
    EXPECT_EQ(CHAppendString(d.h(), reinterpret_cast<const QRVWCHAR *>(s.data()), static_cast<uint32_t>(s.size()),
                             attribute, &id),
              0u);
    return id;
}

TEST(PropertyString, CutTo511CharactersWithAZeroAfter) {
    ChunkDoc d;
    const struct {
        size_t length;
        uint16_t copied;
    } cases[] = {{600, 511}, {511, 511}, {3, 3}, {0, 0}};
    for (const auto &c : cases) {
        const std::u16string text(c.length, u'q');
        const uint32_t id = add_string(d, text, 0x55);
        CUPropertyString ps;
        std::fill(std::begin(ps.Chars), std::end(ps.Chars), QRVWCHAR{0xEEEE});
        ps.Data = 0;
        EXPECT_EQ(CUGetPropertyString(id, &ps, d.h()), c.copied) << c.length;
        if (c.copied == 0) continue;
        EXPECT_EQ(ps.Chars[c.copied - 1], u'q');
        EXPECT_EQ(ps.Chars[c.copied], 0);
        EXPECT_EQ(ps.Data, 0x55u);
    }
    CUPropertyString ps{};
    EXPECT_EQ(CUGetPropertyString(0x7FFF0000u, &ps, d.h()), 0);
}

TEST(FontName, LookupByIdWithAttributeAndValueAlsoForAnEmptyName) {
    ChunkDoc d;
    const std::u16string arial = u"Arial", mono = u"Mono";
    CHAppendFont(d.h(), 3, 0x12340005, reinterpret_cast<const QRVWCHAR *>(arial.data()), 5, 77, nullptr);
    CHAppendFont(d.h(), 9, 0x00000002, reinterpret_cast<const QRVWCHAR *>(mono.data()), 4, 88, nullptr);
    // Font 6 has an empty name; a later font of the same id is never reached.
    CHAppendFont(d.h(), 6, 0x00010001, reinterpret_cast<const QRVWCHAR *>(mono.data()), 0, 55, nullptr);
    CHAppendFont(d.h(), 6, 0x00000003, reinterpret_cast<const QRVWCHAR *>(mono.data()), 4, 66, nullptr);
    const struct {
        uint32_t id;
        uint16_t length;
        uint16_t attribute;
        uint32_t value;
        std::u16string name;
    } cases[] = {{3, 5, 0x0005, 77, u"Arial"},
                 {9, 4, 0x0002, 88, u"Mono"},
                 {6, 0, 0x0001, 55, u""},
                 {4, 0, 0xAAAA, 0xBBBB, u""}};
    for (const auto &c : cases) {
        CUPropertyString ps;
        std::fill(std::begin(ps.Chars), std::end(ps.Chars), QRVWCHAR{0xEEEE});
        ps.Data = 0xBBBB;
        uint16_t attribute = 0xAAAA;
        EXPECT_EQ(CUMapFontIdToName(c.id, &ps, &attribute, d.h()), c.length) << c.id;
        EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t *>(ps.Chars)), c.name) << c.id;
        EXPECT_EQ(attribute, c.attribute) << c.id;
        EXPECT_EQ(ps.Data, c.value) << c.id;
    }
}

TEST(ObjectLocator, PartsFillTheirWords) {
    const ChunkDoc d(R"(
@intro: item 8 2 1
        item 193 128 11 0
        item 193 2 12 0
        item 8 2 1
        item 193 8 13 14
        item 193 16 15 16
        item 193 32 99 99
        item 193 256 17 18
        item 194
        item 193 1 19 0
@alone: item 8 2 1
        item 194
        item 193 1 19 0
)");
    CUObjectLocator locator;
    std::fill_n(reinterpret_cast<uint32_t *>(&locator), 13, 0xCCCCCCCCu);
    ASSERT_EQ(CUGetObjectLocator(&locator, d["intro"], d.h()), 0u);
    EXPECT_EQ(locator.Parts, 128u | 2 | 8 | 16 | 32 | 256);
    const struct {
        uint32_t got, expected;
        const char *word;
    } words[] = {
        {locator.Part128Data1, 11, "128"},
        {locator.Part2Data1, 12, "2"},
        {locator.Part8Data1, 13, "8 data1"},
        {locator.Part8Data2, 14, "8 data2"},
        {locator.Part16Data1, 15, "16 data1"},
        {locator.Part16Data2, 16, "16 data2"},
        {locator.Part256Data1, 17, "256 a"},
        {locator.Part256Data2, 18, "256 b"},
        {locator.Part1Data1, 0xCCCCCCCCu, "part 1 after the end item keeps its word"},
    };
    for (const auto &w : words) EXPECT_EQ(w.got, w.expected) << w.word;

    EXPECT_EQ(CUGetObjectLocator(&locator, d["alone"], d.h()), uint32_t{QRV_E_NOT_FOUND});
    EXPECT_EQ(locator.Parts, 0u);
    EXPECT_EQ(CUGetObjectLocator(&locator, CH_NO_ITEM, d.h()), uint32_t{QRV_E_NOT_FOUND});
}

TEST(LinkLocator, BothCharacterFormsAndBuffersOneByteShort) {
    ChunkDoc d;
    const std::u16string ascii = u"abc", wide = u"a\u0142c";
    const struct {
        const char *what;
        const std::u16string *text;
        uint32_t attribute;
        bool through_part_128;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"two-byte form", &ascii, kTwoByte, false, {0, 'a', 0, 'b', 0, 'c', 0, 0}},
        {"narrow, high bytes zero", &ascii, 0, true, {'a', 'b', 'c', 0}},
        {"narrow, a high byte set", &wide, 7, false, {'a', 0x01, 0x42, 'c', 0}},
    };
    for (const auto &c : cases) {
        const uint32_t item = add_string(d, *c.text, c.attribute);
        CUObjectLocator locator{};
        locator.Parts = c.through_part_128 ? CU_LOCATOR_PART_128 : CU_LOCATOR_PART_2 | CU_LOCATOR_PART_128;
        (c.through_part_128 ? locator.Part128Data1 : locator.Part2Data1) = item;
        const auto size = static_cast<uint32_t>(c.bytes.size());
        std::vector<uint8_t> buffer(size + 4, 0xEE);
        uint32_t attribute = 0;
        EXPECT_EQ(CUGetLinkLocatorString(&locator, reinterpret_cast<char *>(buffer.data()), size, &attribute, d.h()),
                  0u)
            << c.what;
        EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + size), c.bytes) << c.what;
        EXPECT_EQ(buffer[size], 0xEE) << c.what;
        EXPECT_EQ(attribute, c.attribute) << c.what;
        EXPECT_EQ(
            CUGetLinkLocatorString(&locator, reinterpret_cast<char *>(buffer.data()), size - 1, &attribute, d.h()),
            uint32_t{QRV_E_TOO_SMALL})
            << c.what;
    }
}

TEST(LinkLocator, NoLinkPartReadsNoItem) {
    const ChunkDoc d("item 8 2 1\n");
    CUObjectLocator locator{};
    locator.Parts = CU_LOCATOR_PART_4;
    char buffer[8];
    uint32_t attribute = 0;
    EXPECT_NE(CUGetLinkLocatorString(&locator, buffer, sizeof buffer, &attribute, d.h()), 0u);
}

// Property tags carry the store-3 offset of their 4-byte id in data2.
constexpr const char *kProperties = R"(
@id1: property-id 0x11
@id2: property-id 0x22
@start: item 8 2 1
        item 67 0x20050000
          item 67 0xa0010004 0 @id1
          item 68 0xa0010004
        item 68 0x20050000
@p1:    item 67 0xa0010004 0 @id1
@p1in:    item 8 2 1
        item 68 0xa0010004
@p2:    item 67 0xa0010004 0 @id2
@p2in:    item 67 0x201c0000
            item 8 2 1
            text "Author"
          item 68 0x201c0000
        item 68 0xa0010004
        break 1
@p3:    item 67 0xa0010004 0 @id2
        item 68 0xa0010004
)";

TEST(DocProperty, FoundFirstOrById) {
    const ChunkDoc d(kProperties);
    const struct {
        uint32_t wanted;
        uint32_t result;
        const char *found;  // nullptr: not found
        uint32_t property;
    } cases[] = {{0, 0, "p1in", 0x11}, {0x22, 0, "p2in", 0x22}, {0x33, QRV_E_NOT_FOUND, nullptr, 0x33}};
    for (const auto &c : cases) {
        uint32_t found = 0xFFFF, property = c.wanted;
        EXPECT_EQ(CUFindDocPropertyId(d["start"], 1, &found, &property, d.h()), c.result) << c.wanted;
        EXPECT_EQ(found, c.found ? d[c.found] : 0u) << c.wanted;
        EXPECT_EQ(property, c.property) << c.wanted;
    }
}

TEST(DocProperty, CustomPropertyNameIsTheFirstRunAfterItsTag) {
    const ChunkDoc d(kProperties);
    const struct {
        const char *start;
        uint32_t size;
        uint32_t result;
        std::u16string name;
    } cases[] = {
        {"p2in", 16, 0, u"Author"},
        {"p2in", 3, 0, u"Aut"},               // cut to the buffer, no terminator written
        {"p1in", 16, QRV_E_NOT_FOUND, u""},   // the property's end comes first
        {"start", 16, QRV_E_NOT_FOUND, u""},  // property tags are skippable: passed over whole
    };
    for (const auto &c : cases) {
        std::u16string buffer(16, u'#');
        EXPECT_EQ(CUFindCustomDocPropName(d[c.start], 1, reinterpret_cast<QRVWCHAR *>(buffer.data()), c.size, d.h()),
                  c.result)
            << c.start << " " << c.size;
        EXPECT_EQ(buffer.substr(0, c.name.size()), c.name);
        EXPECT_EQ(buffer[c.name.size()], u'#');
    }
    std::u16string buffer(16, u'#');
    EXPECT_EQ(CUFindCustomDocPropName(d.after(d["p2in"]), 1, reinterpret_cast<QRVWCHAR *>(buffer.data()), 16, d.h()),
              uint32_t{QRV_E_NOT_FOUND})
        << "a run before the custom tag begin is not its name";
}

}  // namespace
