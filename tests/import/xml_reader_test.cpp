// The streaming XML reader: events by namespace whatever the prefix,
// faults named by part and line, hostile XML refused.
#include <gtest/gtest.h>

#include <string>

#include "core/error.hpp"
#include "package/xml_reader.hpp"

namespace qrv::import {
namespace {

// Writes every event as text: "+ns:name(a=v)" "-name" "'text'".
class Recorder final : public XmlHandler {
public:
    std::string log;
    void start(const XmlName &name, const XmlAttributes &attributes) override {
        log += "+" + std::to_string(static_cast<int>(name.ns)) + ":" + std::string(name.local);
        for (const auto &a : attributes) log += "(" + std::string(a.name.local) + "=" + std::string(a.value) + ")";
    }
    void end(const XmlName &name) override { log += "-" + std::string(name.local); }
    void text(std::string_view chars) override { log += "'" + std::string(chars) + "'"; }
};

std::string events(const std::string &xml) {
    MemorySource source({reinterpret_cast<const uint8_t *>(xml.data()), xml.size()}, "part.xml");
    Recorder recorder;
    read_xml(source, recorder, Limits{});
    return recorder.log;
}

std::string fault(const std::string &xml, const Limits &limits = Limits{}) {
    MemorySource source({reinterpret_cast<const uint8_t *>(xml.data()), xml.size()}, "part.xml");
    Recorder recorder;
    try {
        read_xml(source, recorder, limits);
    } catch (const ImportError &e) {
        return e.what();
    }
    return "no fault";
}

constexpr const char *kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char *kStrict = "http://purl.oclc.org/ooxml/spreadsheetml/main";

TEST(XmlReader, NamesAreKnownByNamespaceNotByPrefix) {
    const int sheet = static_cast<int>(Ns::Spreadsheet);
    const std::string expected = "+" + std::to_string(sheet) + ":c(r=A1)'x'-c";
    EXPECT_EQ(events(std::string("<c xmlns=\"") + kMain + "\" r=\"A1\">x</c>"), expected);
    EXPECT_EQ(events(std::string("<x:c xmlns:x=\"") + kMain + "\" r=\"A1\">x</x:c>"), expected);
    EXPECT_EQ(events(std::string("<c xmlns=\"") + kStrict + "\" r=\"A1\">x</c>"), expected);
    EXPECT_EQ(events("<c xmlns=\"urn:unknown\"/>"), "+1:c-c");
    EXPECT_EQ(events("<c/>"), "+0:c-c");
}

TEST(XmlReader, CharactersAndEntities) {
    EXPECT_EQ(events("<t>a&amp;b&#x263A;<![CDATA[<c>]]></t>"), "+0:t'a''&''b''\xE2\x98\xBA''<c>'-t");
    // An external subset is never loaded, so its entities stay unknown and
    // nothing of the named file comes in.
    EXPECT_EQ(events("<!DOCTYPE a SYSTEM \"file:///etc/passwd\"><a>&ext;</a>"), "+0:a-a");
}

TEST(XmlReader, FaultsNamePartAndLine) {
    struct Case {
        std::string xml;
        std::string message;
    } cases[] = {
        {"<a>\n<b>\n</a>", "part.xml: line 3: not well-formed XML (mismatched tag)"},
        {"", "part.xml: line 1: not well-formed XML (no element found)"},
        {"<a/><b/>", "part.xml: line 1: not well-formed XML (junk after document element)"},
        {"<!DOCTYPE a [<!ENTITY x \"xx\">]><a>&x;</a>",
         "part.xml: line 1: an entity declaration (entities are not read)"},
        {"<a>&ext;</a>", "part.xml: line 1: not well-formed XML (undefined entity)"},
        {"<a>\x01</a>", "part.xml: line 1: not well-formed XML (invalid token)"},
        {"<a b='1' b='2'/>", "part.xml: line 1: not well-formed XML (duplicate attribute)"},
    };
    for (const auto &c : cases) EXPECT_EQ(fault(c.xml), c.message) << c.xml;
}

TEST(XmlReader, EntityBombIsRefusedAtItsFirstDeclaration) {
    std::string bomb = "<!DOCTYPE lolz [<!ENTITY lol \"lol\">";
    for (int i = 1; i < 10; ++i) bomb += "<!ENTITY lol" + std::to_string(i) + " \"" + std::string(10, '&') + "\">";
    bomb += "]><lolz>&lol9;</lolz>";
    EXPECT_EQ(fault(bomb), "part.xml: line 1: an entity declaration (entities are not read)");
}

TEST(XmlReader, NestingIsBounded) {
    Limits limits;
    limits.max_depth = 50;
    std::string deep;
    for (int i = 0; i < 51; ++i) deep += "<a>";
    EXPECT_EQ(fault(deep, limits), "part.xml: line 1: elements nested deeper than 50");
    // A deep but allowed document reads to its end.
    std::string fine;
    for (int i = 0; i < 50; ++i) fine += "<a>";
    for (int i = 0; i < 50; ++i) fine += "</a>";
    EXPECT_EQ(fault(fine, limits), "no fault");
}

// A handler's own fault travels out of the parser with the line it was on.
class Refuser final : public XmlHandler {
public:
    void start(const XmlName &name, const XmlAttributes &) override {
        if (name.local == "bad") throw ImportError(IM_ERR_BROKEN, "a bad element");
        if (name.local == "stop") throw StopReading{};
    }
    void end(const XmlName &) override {}
};

TEST(XmlReader, HandlerFaultsAndEarlyStops) {
    auto run = [](const std::string &xml) -> std::string {
        MemorySource source({reinterpret_cast<const uint8_t *>(xml.data()), xml.size()}, "p");
        Refuser refuser;
        try {
            read_xml(source, refuser, Limits{});
        } catch (const ImportError &e) {
            return e.what();
        }
        return "done";
    };
    EXPECT_EQ(run("<a>\n\n<bad/></a>"), "p: line 3: a bad element");
    EXPECT_EQ(run("<a><stop/>not even well-formed <<<"), "done");
}

TEST(XmlReader, LongPartsStreamInPieces) {
    std::string xml = "<r>";
    for (int i = 0; i < 100000; ++i) xml += "<c v=\"" + std::to_string(i) + "\"/>";
    xml += "</r>";
    MemorySource source({reinterpret_cast<const uint8_t *>(xml.data()), xml.size()}, "big");
    struct Counter final : XmlHandler {
        long long sum = 0;
        void start(const XmlName &n, const XmlAttributes &a) override {
            if (n.local == "c") sum += std::stoll(std::string(a.get(Ns::None, "v")));
        }
        void end(const XmlName &) override {}
    } counter;
    read_xml(source, counter, Limits{});
    EXPECT_EQ(counter.sum, 99999LL * 100000LL / 2);
}

}  // namespace
}  // namespace qrv::import
