// Charts: the readers take a chart's cached values from its chart part, the
// model carries them as the object's resource, and the filters draw them
// (HTML) or list their data (text, Markdown, JSON).  Charts are built at
// test time as a workbook's drawing or a document's w:drawing.
#include <gtest/gtest.h>
#include <qrvch.h>
#include <qrvmodel/chart_codec.hpp>

#include <cmath>
#include <string>
#include <vector>

#include "chart_scale.hpp"
#include "docx_builder.hpp"
#include "imported_document.hpp"
#include "slides_builder.hpp"
#include "workbook_builder.hpp"

namespace qrv::test {
namespace {

const std::string kChartNs = "http://schemas.openxmlformats.org/drawingml/2006/chart";
const std::string kDrawingNs = "http://schemas.openxmlformats.org/drawingml/2006/main";

size_t count_of(const std::string &text, const std::string &piece) {
    size_t n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size())) ++n;
    return n;
}

std::string svg_of(const std::string &page) {
    const size_t begin = page.find("<svg class=\"chart\"");
    if (begin == std::string::npos) return {};
    return page.substr(begin, page.find("</svg>", begin) + 6 - begin);
}

std::string points(const std::string &cache, const std::vector<std::string> &values) {
    std::string xml = "<c:" + cache + "><c:ptCount val=\"" + std::to_string(values.size()) + "\"/>";
    for (size_t i = 0; i < values.size(); ++i)
        xml += "<c:pt idx=\"" + std::to_string(i) + "\"><c:v>" + values[i] + "</c:v></c:pt>";
    return xml + "</c:" + cache + ">";
}

// A series named name with categories and values from their caches.
std::string series(const std::string &name, const std::vector<std::string> &values, const std::string &colour = "",
                   const std::vector<std::string> &categories = {"North", "South", "East"}) {
    std::string xml = "<c:ser><c:idx val=\"0\"/><c:tx><c:strRef><c:f>S!$B$1</c:f>" + points("strCache", {name}) +
                      "</c:strRef></c:tx>";
    if (!colour.empty()) xml += "<c:spPr><a:solidFill><a:srgbClr val=\"" + colour + "\"/></a:solidFill></c:spPr>";
    if (!categories.empty()) xml += "<c:cat><c:strRef>" + points("strCache", categories) + "</c:strRef></c:cat>";
    return xml + "<c:val><c:numRef>" + points("numCache", values) + "</c:numRef></c:val></c:ser>";
}

std::string scatter_series(const std::string &name, const std::vector<std::string> &x,
                           const std::vector<std::string> &y) {
    return "<c:ser><c:tx><c:v>" + name + "</c:v></c:tx><c:xVal><c:numRef>" + points("numCache", x) +
           "</c:numRef></c:xVal><c:yVal><c:numRef>" + points("numCache", y) + "</c:numRef></c:yVal></c:ser>";
}

std::string rich_title(const std::string &text) {
    return "<c:title><c:tx><c:rich><a:bodyPr/><a:p><a:r><a:t>" + text + "</a:t></a:r></a:p></c:rich></c:tx></c:title>";
}

std::string axis(const char *element, const char *position, const std::string &title) {
    return "<c:" + std::string(element) + "><c:axId val=\"1\"/><c:axPos val=\"" + position + "\"/>" +
           (title.empty() ? "" : rich_title(title)) + "</c:" + element + ">";
}

// A chart part of one chart group with a title, axes and a legend.
std::string chart_part(const std::string &group, const std::string &title = "Sales",
                       const std::string &legend = "<c:legend><c:legendPos val=\"r\"/></c:legend>") {
    return "<c:chartSpace xmlns:c=\"" + kChartNs + "\" xmlns:a=\"" + kDrawingNs + "\"><c:chart>" +
           (title.empty() ? "" : rich_title(title)) + "<c:plotArea>" + group + axis("catAx", "b", "Region") +
           axis("valAx", "l", "Units") + "</c:plotArea>" + legend + "</c:chart></c:chartSpace>";
}

std::string group(const std::string &element, const std::string &settings, const std::string &series_xml) {
    return "<c:" + element + ">" + settings + series_xml + "</c:" + element + ">";
}

const std::string kTwoSeries = series("Apples", {"3", "5", "2"}, "FF0000") + series("Pears", {"1", "4", "6"});

// A workbook whose sheet has one chart anchored over B2, its part given.
std::string workbook_with_chart(const std::string &chart_xml) {
    const std::string frame =
        "<xdr:oneCellAnchor><xdr:from><xdr:col>1</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>1</xdr:row>"
        "<xdr:rowOff>0</xdr:rowOff></xdr:from><xdr:ext cx=\"5080000\" cy=\"3175000\"/><xdr:graphicFrame>"
        "<xdr:nvGraphicFramePr><xdr:cNvPr id=\"2\" name=\"Chart 1\"/></xdr:nvGraphicFramePr><a:graphic>"
        "<a:graphicData uri=\"" +
        kChartNs + "\"><c:chart xmlns:c=\"" + kChartNs + "\" r:id=\"rC\"/></a:graphicData></a:graphic>"
                   "</xdr:graphicFrame><xdr:clientData/></xdr:oneCellAnchor>";
    WorkbookSpec book({SheetSpec("S", sheet_data("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Data</t></is></c></row>"),
                                 "<Relationship Id=\"rD\" Type=\"" + kRelType +
                                     "drawing\" Target=\"../drawings/drawing1.xml\"/>")});
    book.extra = {
        {"xl/drawings/drawing1.xml",
         "<xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\" xmlns:a=\"" +
             kDrawingNs + "\" xmlns:r=\"" + kRelNs + "\">" + frame + "</xdr:wsDr>"},
        {"xl/drawings/_rels/drawing1.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
         "Id=\"rC\" Type=\"" +
             kRelType + "chart\" Target=\"../charts/chart1.xml\"/></Relationships>"},
        {"xl/charts/chart1.xml", chart_xml}};
    return workbook_of(book);
}

std::string page_of_chart(const std::string &chart_xml, uint32_t output = QRV_OUTPUT_HTML) {
    Imported doc(workbook_with_chart(chart_xml), "test.xlsx");
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    return doc.exported(output);
}

// Each kind drawn: its shapes (one per point, per series, or per slice), its
// labels, its legend.
TEST(Charts, EachKindIsDrawnFromItsCache) {
    struct Case {
        const char *name;
        std::string group;
        const char *shape;
        size_t shapes;
        std::vector<std::string> texts;
    };
    const std::string col = "<c:barDir val=\"col\"/>";
    const Case cases[] = {
        {"clustered columns", group("barChart", col + "<c:grouping val=\"clustered\"/>", kTwoSeries), "class=\"bar\"",
         6, {">North<", ">East<", ">Apples<", ">Pears<", ">Sales<", ">Region<", ">Units<", "#ff0000", ">6<"}},
        {"stacked bars", group("barChart", "<c:barDir val=\"bar\"/><c:grouping val=\"stacked\"/>", kTwoSeries),
         "class=\"bar\"", 6, {">South<", ">10<"}},  // the stacks reach 9
        {"percent columns", group("barChart", col + "<c:grouping val=\"percentStacked\"/>", kTwoSeries),
         "class=\"bar\"", 6, {">100<", ">0<"}},
        {"lines", group("lineChart", "<c:grouping val=\"standard\"/>", kTwoSeries), "class=\"point\"", 6,
         {"class=\"line\"", ">Pears<"}},
        {"areas", group("areaChart", "<c:grouping val=\"stacked\"/>", kTwoSeries), "class=\"area\"", 2, {">East<"}},
        {"pie", group("pieChart", "", series("Share", {"1", "2", "3"})), "class=\"slice\"", 3,
         {">North<", ">South<", ">East<"}},
        {"doughnut", group("doughnutChart", "", series("Share", {"4", "0", "4"})), "class=\"slice\"", 2,
         {">South<"}},  // a slice of 0 is not drawn, yet named in the legend
        {"scatter", group("scatterChart", "", scatter_series("Trial", {"1", "2.5", "4"}, {"10", "20", "15"})),
         "class=\"point\"", 3, {">Trial<", ">20<"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string svg = svg_of(page_of_chart(chart_part(c.group)));
        ASSERT_FALSE(svg.empty());
        EXPECT_EQ(count_of(svg, c.shape), c.shapes) << svg;
        for (const std::string &text : c.texts) EXPECT_NE(svg.find(text), std::string::npos) << text << "\n" << svg;
        EXPECT_EQ(svg.find("<script"), std::string::npos);
    }
}

// The legend stands where the chart puts it: a column on the right or the
// left, a row along the top or the bottom.
TEST(Charts, TheLegendStandsWhereTheChartPutsIt) {
    struct Case {
        const char *position;
        bool (*where)(double x, double y);
    };
    const Case cases[] = {
        {"r", [](double x, double) { return x > 300; }},
        {"l", [](double x, double) { return x < 100; }},
        {"t", [](double, double y) { return y < 50; }},
        {"b", [](double, double y) { return y > 300; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.position);
        const std::string legend = "<c:legend><c:legendPos val=\"" + std::string(c.position) + "\"/></c:legend>";
        const std::string svg = svg_of(page_of_chart(chart_part(group("lineChart", "", kTwoSeries), "Sales", legend)));
        const size_t at = svg.find("<g class=\"legend\"><rect x=\"");
        ASSERT_NE(at, std::string::npos) << svg;
        const double x = std::stod(svg.substr(svg.find("x=\"", at) + 3));
        const double y = std::stod(svg.substr(svg.find("y=\"", at) + 3));
        EXPECT_TRUE(c.where(x, y)) << x << ", " << y;
    }
}

// A point's own colour (c:dPt) paints its slice or bar and its legend entry.
TEST(Charts, PointsKeepTheirOwnColours) {
    const std::string points = "<c:dPt><c:idx val=\"2\"/><c:spPr><a:solidFill><a:srgbClr val=\"445566\"/></a:solidFill>"
                               "</c:spPr></c:dPt><c:dPt><c:idx val=\"0\"/><c:spPr><a:ln><a:solidFill><a:srgbClr "
                               "val=\"112233\"/></a:solidFill></a:ln></c:spPr></c:dPt>";
    std::string pie = series("Share", {"1", "2", "3"});
    pie.insert(pie.find("<c:cat>"), points);
    const std::string part = chart_part(group("pieChart", "", pie));
    const std::string svg = svg_of(page_of_chart(part));
    EXPECT_EQ(count_of(svg, "fill=\"#445566\""), 2u) << svg;  // the slice and its legend entry
    EXPECT_EQ(count_of(svg, "fill=\"#112233\""), 2u) << svg;
    EXPECT_EQ(count_of(svg, "fill=\"#ed7d31\""), 2u) << svg;  // the palette's second colour
    const std::string json = page_of_chart(part, QRV_OUTPUT_JSON);
    EXPECT_NE(json.find(R"("point_colours":["#112233",null,"#445566"])"), std::string::npos) << json;
}

// A kind that is not drawn shows its title and its data as a table; a
// sheet's charts follow its table.
TEST(Charts, OtherKindsShowTheirData) {
    const std::string page = page_of_chart(chart_part(group("radarChart", "", kTwoSeries), "Reach"));
    EXPECT_TRUE(svg_of(page).empty());
    EXPECT_NE(page.find("</table>\n<div class=\"sheet-charts\">\n<table class=\"chart-data\"><caption>Reach</caption>"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("<tr><th>Region</th><th>Apples</th><th>Pears</th></tr>"), std::string::npos) << page;
    EXPECT_NE(page.find("<tr><td>East</td><td>2</td><td>6</td></tr>"), std::string::npos) << page;
}

// A chart anchored where the sheet holds nothing (here B2 of a sheet whose
// only cell is A1) adds no rows or columns to the table it follows.
TEST(Charts, ASheetsChartsAddNoEmptyCells) {
    const std::string page = page_of_chart(chart_part(group("pieChart", "", series("Share", {"1", "3"})), "Mix"));
    const std::string table = page.substr(page.find("<table class=\"sheet"), page.find("</table>") - page.find("<table"));
    EXPECT_EQ(count_of(table, "<tr"), 1u) << table;
    EXPECT_EQ(count_of(table, "<td"), 1u) << table;
    EXPECT_LT(page.find("</table>"), page.find("<svg class=\"chart\""));
}

// Text and Markdown give the chart's title and its data after the sheet,
// and no label in the cell it is anchored over.
TEST(Charts, TextAndMarkdownListTheData) {
    const std::string chart = chart_part(group("barChart", "<c:barDir val=\"col\"/>", kTwoSeries), "Q1 | Q2");
    struct Case {
        uint32_t output;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {QRV_OUTPUT_TEXT, {"S\n-\n\nData\n\nChart: Q1 | Q2\n", "Region | Apples | Pears\n",
                           "North  |      3 |     1\n", "East   |      2 |     6\n"}},
        {QRV_OUTPUT_MARKDOWN, {"| Data |\n| --- |\n\n**Chart: Q1 | Q2**\n\n", "| Region | Apples | Pears |\n",
                               "| --- | ---: | ---: |\n", "| South | 5 | 4 |\n"}},
    };
    for (const auto &c : cases) {
        const std::string page = page_of_chart(chart, c.output);
        for (const std::string &line : c.lines) EXPECT_NE(page.find(line), std::string::npos) << line << "\n" << page;
    }
}

TEST(Charts, JsonHasTheChartBlock) {
    const std::string json = page_of_chart(
        chart_part(group("barChart", "<c:barDir val=\"bar\"/><c:grouping val=\"stacked\"/>", kTwoSeries)),
        QRV_OUTPUT_JSON);
    EXPECT_NE(json.find(R"("chart":{"kind":"bar","grouping":"stacked","title":"Sales","category_title":"Region",)"
                        R"("value_title":"Units","legend":"right","series":[{"name":"Apples","colour":"#ff0000",)"
                        R"("categories":["North","South","East"],"values":[3,5,2]})"),
              std::string::npos)
        << json;
}

// A title element without text over a chart of one series is the series'
// name, unless the chart deleted its automatic title.
TEST(Charts, AnEmptyTitleIsTheSeriesName) {
    const std::string pie = group("pieChart", "", series("Share", {"1", "2"}));
    const std::string shown = "<c:title><c:overlay val=\"0\"/><c:txPr><a:p><a:endParaRPr/></a:p></c:txPr></c:title>";
    struct Case {
        std::string settings;
        const char *expected;
    };
    const Case cases[] = {
        {shown + "<c:autoTitleDeleted val=\"0\"/>", R"("chart":{"kind":"pie","grouping":"clustered","title":"Share",)"},
        {shown + "<c:autoTitleDeleted val=\"1\"/>", R"("chart":{"kind":"pie","grouping":"clustered","legend")"},
    };
    for (const auto &c : cases) {
        const std::string part = "<c:chartSpace xmlns:c=\"" + kChartNs + "\" xmlns:a=\"" + kDrawingNs + "\"><c:chart>" +
                                 c.settings + "<c:plotArea>" + pie + "</c:plotArea></c:chart></c:chartSpace>";
        const std::string json = page_of_chart(part, QRV_OUTPUT_JSON);
        EXPECT_NE(json.find(c.expected), std::string::npos) << json;
    }
}

// Hostile or broken chart parts give what could be read, never a crash.
TEST(Charts, BrokenPartsGiveWhatTheyHold) {
    std::string many;
    for (int i = 0; i < 300; ++i) many += series("s" + std::to_string(i), {"1"}, "", {});
    struct Case {
        const char *name;
        std::string part;
        std::string expected;  // in the JSON
    };
    const Case cases[] = {
        {"no caches", chart_part(group("barChart", "", "<c:ser><c:val><c:numRef><c:f>S!A1</c:f></c:numRef></c:val></c:ser>")),
         R"("series":[{"name":"","values":[]}])"},
        {"a huge ptCount",
         chart_part(group("lineChart", "",
                          "<c:ser><c:val><c:numCache><c:ptCount val=\"99999999999999\"/><c:pt idx=\"1\"><c:v>7</c:v>"
                          "</c:pt></c:numCache></c:val></c:ser>")),
         R"("values":[null,7])"},
        {"a far index",
         chart_part(group("lineChart", "",
                          "<c:ser><c:val><c:numCache><c:pt idx=\"4000000000\"><c:v>7</c:v></c:pt><c:pt idx=\"x\">"
                          "<c:v>8</c:v></c:pt><c:pt idx=\"0\"><c:v>9</c:v></c:pt></c:numCache></c:val></c:ser>")),
         R"("values":[9])"},
        {"no numbers", chart_part(group("barChart", "", series("A", {"ten", "1e999", "", "2"}))),
         R"("values":[null,null,null,2])"},
        {"too many series", chart_part(group("barChart", "", many)), R"({"name":"s255","values":[1]}]})"},
        {"no chart at all", "<nothing/>", R"("chart":{"kind":"other","grouping":"clustered","legend":"none","series":[]})"},
        {"broken XML", "<c:chartSpace xmlns:c=\"" + kChartNs + "\"><c:chart>", R"("kind":"chart","alt":"","name":"Chart 1")"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string json = page_of_chart(c.part, QRV_OUTPUT_JSON);
        EXPECT_NE(json.find(c.expected), std::string::npos) << json;
        EXPECT_FALSE(page_of_chart(c.part).empty());
    }
}

// A document's chart (w:drawing, graphicData chart) is read from its part
// as a workbook's is.
TEST(Charts, DocumentChartsAreDrawn) {
    Docx docx;
    docx.body = "<w:p><w:r><w:t>Before</w:t></w:r><w:r><w:drawing><wp:inline><wp:extent cx=\"3810000\" "
                "cy=\"2540000\"/><wp:docPr id=\"1\" name=\"Chart 1\"/><a:graphic><a:graphicData uri=\"" +
                kChartNs + "\"><c:chart xmlns:c=\"" + kChartNs +
                "\" r:id=\"rChart\"/></a:graphicData></a:graphic></wp:inline></w:drawing></w:r></w:p>";
    docx.links = {{"rChart", "charts/chart1.xml", false, "chart"}};
    docx.extra_parts = {{"word/charts/chart1.xml", chart_part(group("pieChart", "", series("Share", {"1", "3"})), "Mix")}};
    Imported doc(docx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const std::string svg = svg_of(doc.exported(QRV_OUTPUT_HTML));
    EXPECT_EQ(count_of(svg, "class=\"slice\""), 2u) << svg;
    EXPECT_NE(svg.find("width=\"400\" height=\"266.7\""), std::string::npos) << svg;
    const std::string text = doc.exported(QRV_OUTPUT_TEXT);
    EXPECT_NE(text.find("Before[chart: Mix]\n\nChart: Mix\n"), std::string::npos) << text;
}

TEST(Charts, SlideChartsAreDrawn) {
    Pptx pptx;
    pptx.slides = {{"<p:graphicFrame><p:nvGraphicFramePr><p:cNvPr id=\"4\" name=\"Chart 3\"/></p:nvGraphicFramePr>"
                    "<p:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"3810000\" cy=\"2540000\"/></p:xfrm><a:graphic>"
                    "<a:graphicData uri=\"" +
                        kChartNs + "\"><c:chart xmlns:c=\"" + kChartNs +
                        "\" r:id=\"rChart\"/></a:graphicData></a:graphic></p:graphicFrame>",
                    {}, false, {}, relationship("rChart", "chart", "../charts/chart1.xml")}};
    pptx.extra_parts = {{"ppt/charts/chart1.xml", chart_part(group("pieChart", "", series("Share", {"1", "3"})), "Mix")}};
    Imported doc(pptx);
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const std::string svg = svg_of(doc.exported(QRV_OUTPUT_HTML));
    EXPECT_EQ(count_of(svg, "class=\"slice\""), 2u) << svg;
    EXPECT_NE(doc.exported(QRV_OUTPUT_TEXT).find("Chart: Mix\n"), std::string::npos);
}

// Text in a chart is text on the page, never markup.
TEST(Charts, TextIsEscaped) {
    const std::string hostile = "&lt;script&gt;alert(1)&lt;/script&gt; &amp; \"q\"";
    const std::string page = page_of_chart(chart_part(
        group("barChart", "", series(hostile, {"1"}, "", {hostile})), hostile));
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_NE(svg_of(page).find("&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;q&quot;"), std::string::npos)
        << svg_of(page);
}

// The value axis: ends and a step of 1, 2 or 5 times a power of ten, about
// five steps, labels with the decimals the step needs.
TEST(Charts, ValueAxesHaveNiceNumbers) {
    struct Case {
        double low, high;
        bool zero;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {0, 6, true, {"0", "2", "4", "6"}},
        {-3, 20, true, {"-5", "0", "5", "10", "15", "20"}},
        {0.12, 0.87, false, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {5, 5, false, {"2", "3", "4", "5", "6", "7", "8"}},
        {0, 0, true, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {NAN, 1, true, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {2, 1, true, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {1e6, 5e6, true, {"0", "1000000", "2000000", "3000000", "4000000", "5000000"}},
        {-1e300, INFINITY, false, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {-1e300, 1e300, false, {"-1e+300", "-5e+299", "0", "5e+299", "1e+300"}},
        {-0.003, -0.001, false, {"-0.0030", "-0.0025", "-0.0020", "-0.0015", "-0.0010"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.low) + " " + std::to_string(c.high));
        const filters::ChartScale scale = filters::nice_scale(c.low, c.high, c.zero);
        std::vector<std::string> labels;
        for (const double tick : scale.ticks()) labels.push_back(scale.label(tick));
        EXPECT_EQ(labels, c.labels);
        EXPECT_DOUBLE_EQ(scale.at(scale.low, 100, 0), 100);
        EXPECT_DOUBLE_EQ(scale.at(scale.high, 100, 0), 0);
    }
}

// The model's description of a chart reads back as written, and bytes
// that are no description give no chart or a bounded one.
TEST(Charts, DescriptionReadsBackWithinBounds) {
    model::Chart chart;
    chart.kind = model::ChartKind::Scatter;
    chart.title = "Tab\there\nand \\ back";
    chart.legend = model::LegendPosition::Bottom;
    chart.series.push_back(
        {"One", 0x00FF00, {"a", ""}, {1.5, model::kNoChartValue, -1e300}, {0.1}, {model::kNoChartColour, 0x0000FF}});
    model::Chart back;
    ASSERT_TRUE(model::parse_chart(model::serialise_chart(chart), back));
    EXPECT_EQ(back.title, chart.title);
    EXPECT_EQ(back.kind, chart.kind);
    EXPECT_EQ(back.legend, chart.legend);
    ASSERT_EQ(back.series.size(), 1u);
    EXPECT_EQ(back.series[0].colour, 0x00FF00u);
    EXPECT_EQ(back.series[0].categories, chart.series[0].categories);
    ASSERT_EQ(back.series[0].values.size(), 3u);
    EXPECT_TRUE(std::isnan(back.series[0].values[1]));
    EXPECT_EQ(back.series[0].values[2], -1e300);
    EXPECT_EQ(back.series[0].x_values, chart.series[0].x_values);
    EXPECT_EQ(back.series[0].point_colours, chart.series[0].point_colours);

    struct Case {
        const char *name;
        std::string bytes;
        bool parsed;
        size_t series, values;
    };
    using namespace std::string_literals;
    std::string flood = "qrvex-chart 1\nseries\tA\n";
    for (int i = 0; i < 200000; ++i) flood += "v\t1\n";
    std::string crowd = "qrvex-chart 1\n";
    for (int i = 0; i < 1000; ++i) crowd += "series\tS\n";
    const Case cases[] = {
        {"empty", "", false, 0, 0},
        {"another header", "qrvex-chart 2\nkind\t1\n", false, 0, 0},
        {"nonsense lines", "qrvex-chart 1\nkind\t99\nv\t1\n\0\t\t\nseries\t\nv\tx\ncolour\tzzzzzz\n"s, true, 1, 1},
        {"too many points", flood, true, 1, model::kMaxChartPoints},
        {"too many series", crowd, true, model::kMaxChartSeries, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        model::Chart parsed;
        EXPECT_EQ(model::parse_chart(c.bytes, parsed), c.parsed);
        EXPECT_EQ(parsed.series.size(), c.series);
        if (!parsed.series.empty()) {
            EXPECT_EQ(parsed.series[0].values.size(), c.values);
        }
        EXPECT_EQ(parsed.kind, model::ChartKind::Other);
    }
}

}  // namespace
}  // namespace qrv::test
