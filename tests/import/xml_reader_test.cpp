// The streaming XML reader: events by namespace whatever the prefix,
// faults named by part and line, hostile XML refused; all of it the same
// whether the parse runs on the handler's thread or ahead on its own.
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>

#include "core/error.hpp"
#include "package/xml_parser.hpp"
#include "package/xml_read_ahead.hpp"
#include "package/xml_reader.hpp"
#include "package/xml_tape.hpp"

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

// Writes elements with their namespace, and attributes with theirs when
// they have any: "+ns:name(ns:a=v)" "-name".
class NamespaceRecorder final : public XmlHandler {
public:
    std::string log;
    void start(const XmlName &name, const XmlAttributes &attributes) override {
        log += "+" + std::to_string(static_cast<int>(name.ns)) + ":" + std::string(name.local);
        for (const auto &a : attributes)
            log += "(" + std::to_string(static_cast<int>(a.name.ns)) + ":" + std::string(a.name.local) + "=" +
                   std::string(a.value) + ")";
    }
    void end(const XmlName &name) override { log += "-" + std::string(name.local); }
};

enum class Way { Here, Ahead };
void PrintTo(Way way, std::ostream *out) { *out << (way == Way::Here ? "here" : "ahead"); }

void read_by(Way way, ByteSource &source, XmlHandler &handler, const Limits &limits) {
    if (way == Way::Ahead) return read_xml_ahead(source, handler, limits);
    XmlParser parser(handler, limits);
    parser.parse(source);
}

MemorySource source_of(const std::string &xml, std::string name = "part.xml") {
    return MemorySource({reinterpret_cast<const uint8_t *>(xml.data()), xml.size()}, std::move(name));
}

class XmlReader : public ::testing::TestWithParam<Way> {
protected:
    void read(ByteSource &source, XmlHandler &handler, const Limits &limits = Limits{}) {
        read_by(GetParam(), source, handler, limits);
    }
    std::string events(const std::string &xml) {
        MemorySource source = source_of(xml);
        Recorder recorder;
        read(source, recorder);
        return recorder.log;
    }
    // What the handler saw, then the fault.
    std::string fault(const std::string &xml, XmlHandler &handler, const Limits &limits = Limits{}) {
        MemorySource source = source_of(xml, "p");
        try {
            read(source, handler, limits);
        } catch (const ImportError &e) {
            return e.what();
        }
        return "done";
    }
    std::string fault(const std::string &xml, const Limits &limits = Limits{}) {
        MemorySource source = source_of(xml);
        Recorder recorder;
        try {
            read(source, recorder, limits);
        } catch (const ImportError &e) {
            return e.what();
        }
        return "no fault";
    }
};

INSTANTIATE_TEST_SUITE_P(BothWays, XmlReader, ::testing::Values(Way::Here, Way::Ahead),
                         [](const auto &info) { return info.param == Way::Here ? "Here" : "Ahead"; });

constexpr const char *kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char *kStrict = "http://purl.oclc.org/ooxml/spreadsheetml/main";

TEST_P(XmlReader, NamesAreKnownByNamespaceNotByPrefix) {
    const int sheet = static_cast<int>(Ns::Spreadsheet);
    const std::string expected = "+" + std::to_string(sheet) + ":c(r=A1)'x'-c";
    EXPECT_EQ(events(std::string("<c xmlns=\"") + kMain + "\" r=\"A1\">x</c>"), expected);
    EXPECT_EQ(events(std::string("<x:c xmlns:x=\"") + kMain + "\" r=\"A1\">x</x:c>"), expected);
    EXPECT_EQ(events(std::string("<c xmlns=\"") + kStrict + "\" r=\"A1\">x</c>"), expected);
    EXPECT_EQ(events("<c xmlns=\"urn:unknown\"/>"), "+1:c-c");
    EXPECT_EQ(events("<c/>"), "+0:c-c");
}

// Where each prefix stands for what: a binding lasts to its element's end,
// an inner one hides an outer one, unprefixed attributes are in no
// namespace, declarations are no attributes.
TEST_P(XmlReader, PrefixesBindForTheirElement) {
    const std::string sheet = std::to_string(static_cast<int>(Ns::Spreadsheet));
    const std::string xml_ns = std::to_string(static_cast<int>(Ns::Xml));
    struct Case {
        std::string xml, seen;
    } cases[] = {
        {std::string("<a xmlns:x=\"") + kMain + "\"><x:b/></a><!-- -->", "+0:a+" + sheet + ":b-b-a"},
        {std::string("<a><x:b xmlns:x=\"") + kMain + "\"/><c/></a>", "+0:a+" + sheet + ":b-b+0:c-c-a"},
        {std::string("<x:a xmlns:x=\"") + kMain + "\"><x:b xmlns:x=\"urn:other\"/><x:c/></x:a>",
         "+" + sheet + ":a+1:b-b+" + sheet + ":c-c-a"},
        {std::string("<a xmlns=\"") + kMain + "\"><b xmlns=\"\"/><c/></a>", "+" + sheet + ":a+0:b-b+" + sheet + ":c-c-a"},
        {"<a xml:space=\"preserve\"/>", "+0:a(" + xml_ns + ":space=preserve)-a"},
        {std::string("<a xmlns=\"") + kMain + "\" r=\"1\"/>", "+" + sheet + ":a(0:r=1)-a"},
    };
    for (const auto &c : cases) {
        MemorySource source = source_of(c.xml);
        NamespaceRecorder recorder;
        read(source, recorder);
        EXPECT_EQ(recorder.log, c.seen) << c.xml;
    }
}

TEST_P(XmlReader, CharactersAndEntities) {
    EXPECT_EQ(events("<t>a&amp;b&#x263A;<![CDATA[<c>]]></t>"), "+0:t'a''&''b''\xE2\x98\xBA''<c>'-t");
    // An external subset is never loaded, so its entities stay unknown and
    // nothing of the named file comes in.
    EXPECT_EQ(events("<!DOCTYPE a SYSTEM \"file:///etc/passwd\"><a>&ext;</a>"), "+0:a-a");
}

TEST_P(XmlReader, FaultsNamePartAndLine) {
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
        {"<a>\n<x:b/></a>", "part.xml: line 2: not well-formed XML (unbound prefix)"},
        {"<a><b xmlns:x='urn:x'/><c x:d='1'/></a>", "part.xml: line 1: not well-formed XML (unbound prefix)"},
    };
    for (const auto &c : cases) EXPECT_EQ(fault(c.xml), c.message) << c.xml;
}

TEST_P(XmlReader, EntityBombIsRefusedAtItsFirstDeclaration) {
    std::string bomb = "<!DOCTYPE lolz [<!ENTITY lol \"lol\">";
    for (int i = 1; i < 10; ++i) bomb += "<!ENTITY lol" + std::to_string(i) + " \"" + std::string(10, '&') + "\">";
    bomb += "]><lolz>&lol9;</lolz>";
    EXPECT_EQ(fault(bomb), "part.xml: line 1: an entity declaration (entities are not read)");
}

TEST_P(XmlReader, NestingIsBounded) {
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
        ++seen;
        if (name.local == "bad") throw ImportError(IM_ERR_BROKEN, "a bad element");
        if (name.local == "stop") throw StopReading{};
        if (name.local == "odd") throw std::runtime_error("odd");
    }
    void end(const XmlName &) override {}
    int seen = 0;
};

// Many pieces of recorded events, far more than wait between the threads.
std::string long_part(const std::string &last) {
    std::string xml = "<r>\n";
    for (int i = 0; i < 50000; ++i) xml += "<c v=\"" + std::to_string(i) + "\">t</c>\n";
    return xml + last;
}

TEST_P(XmlReader, HandlerFaultsAndEarlyStops) {
    struct Case {
        std::string xml;
        std::string result;
        int seen;
    } cases[] = {
        {"<a>\n\n<bad/></a>", "p: line 3: a bad element", 2},
        {"<a><stop/>not even well-formed <<<", "done", 2},
        // Far into a long part, and before a fault of the XML further on.
        {long_part("<bad/><<<"), "p: line 50002: a bad element", 50002},
        {long_part("<stop/><<<"), "done", 50002},
        {long_part("<<<"), "p: line 50002: not well-formed XML (invalid token)", 50001},
    };
    for (const auto &c : cases) {
        Refuser refuser;
        EXPECT_EQ(fault(c.xml, refuser), c.result) << c.xml.substr(0, 40);
        EXPECT_EQ(refuser.seen, c.seen) << c.xml.substr(0, 40);
    }
}

TEST_P(XmlReader, OtherExceptionsTravelAsTheyAre) {
    Refuser refuser;
    EXPECT_THROW(fault(long_part("<odd/></r>"), refuser), std::runtime_error);
    EXPECT_EQ(refuser.seen, 50002);
}

// A tape kept while a part is read plays its events again without the
// part: the same events, and a handler's faults at the lines the parse
// would have named; one that outgrows its bound is let go.
TEST_P(XmlReader, TapesPlayWhatThePartGave) {
    struct Case {
        std::string xml;
        size_t bound;
        std::string result;  // of playing the tape to a Refuser
        int seen;
    } cases[] = {
        {"<a>\n\n<bad/></a>", XmlTape::kBound, "p: line 3: a bad element", 2},
        {long_part("<bad/></r>"), XmlTape::kBound, "p: line 50002: a bad element", 50002},
        {long_part("<stop/></r>"), XmlTape::kBound, "done", 50002},
        {long_part("<bad/></r>"), 64 * 1024, "done", 0},
    };
    for (const auto &c : cases) {
        XmlTape tape("p", c.bound);
        Recorder first, again;
        XmlTapeRecorder recorder(tape, first);
        MemorySource source = source_of(c.xml);
        read(source, recorder);
        EXPECT_EQ(tape.whole(), c.seen > 0) << c.xml.substr(0, 40);
        tape.play(again);
        EXPECT_EQ(again.log, tape.whole() ? first.log : "") << c.xml.substr(0, 40);
        Refuser refuser;
        std::string result = "done";
        try {
            tape.play(refuser);
        } catch (const ImportError &e) {
            result = e.what();
        }
        EXPECT_EQ(result, c.result) << c.xml.substr(0, 40);
        EXPECT_EQ(refuser.seen, c.seen) << c.xml.substr(0, 40);
    }
}

TEST_P(XmlReader, LongPartsGiveTheSameEvents) {
    std::string xml = "<r xmlns:x=\"" + std::string(kMain) + "\">";
    for (int i = 0; i < 50000; ++i)
        xml += "<x:c r=\"A" + std::to_string(i) + "\" x:t=\"s\">text " + std::to_string(i) + " &amp; more</x:c>";
    xml += "</r>";
    MemorySource source = source_of(xml);
    Recorder here, there;
    read_by(Way::Here, source, here, Limits{});
    MemorySource again = source_of(xml);
    read(again, there);
    EXPECT_EQ(there.log, here.log);
}

TEST_P(XmlReader, LongPartsStreamInPieces) {
    std::string xml = "<r>";
    for (int i = 0; i < 100000; ++i) xml += "<c v=\"" + std::to_string(i) + "\"/>";
    xml += "</r>";
    MemorySource source = source_of(xml, "big");
    struct Counter final : XmlHandler {
        long long sum = 0;
        void start(const XmlName &n, const XmlAttributes &a) override {
            if (n.local == "c") sum += std::stoll(std::string(a.get(Ns::None, "v")));
        }
        void end(const XmlName &) override {}
    } counter;
    read(source, counter);
    EXPECT_EQ(counter.sum, 99999LL * 100000LL / 2);
}

}  // namespace
}  // namespace qrv::import
