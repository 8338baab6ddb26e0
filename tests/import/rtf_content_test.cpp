// RTF documents as small strings: what their text export shows, and that
// broken or hostile input still imports with the text it holds.
#include <string>

#include "imported_document.hpp"

namespace qrv::test {
namespace {

std::string rtf_text(const std::string &rtf) {
    Imported doc(rtf, "test.rtf");
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    return doc.result() == 0 ? lines_of(doc.text()) : "";
}

std::string rtf_html(const std::string &rtf) {
    Imported doc(rtf, "test.rtf");
    EXPECT_EQ(doc.result(), 0u) << doc.message();
    return doc.result() == 0 ? doc.exported() : "";
}

// An RTF string and the text it shows.
struct TextCase {
    const char *name;
    std::string rtf;
    std::string shown;
};

template <size_t N>
void expect_texts(const TextCase (&cases)[N]) {
    for (const auto &c : cases) EXPECT_EQ(rtf_text(c.rtf), c.shown) << c.name;
}

TEST(RtfContent, WhatTheTextShows) {
    const TextCase cases[] = {
        {"paragraphs", "{\\rtf1 one\\par two\\par}", "one\ntwo\n"},
        {"a control word eats one space", "{\\rtf1 a\\b  b\\b0 c}", "a bc\n"},
        {"escaped braces and backslash", "{\\rtf1 \\{x\\}\\\\}", "{x}\\\n"},
        {"line ends are not text", "{\\rtf1 ab\r\ncd}", "abcd\n"},
        {"ignorable destinations skipped", "{\\rtf1 {\\*\\generator Foo;}kept}", "kept\n"},
        {"unknown words ignored", "{\\rtf1 \\zorglub12 text}", "text\n"},
        {"header tables are not text", "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}x}", "x\n"},
        {"cp1252 bytes", "{\\rtf1\\ansi caf\\'e9 \\'93q\\'94}", "café “q”\n"},
        {"the document code page", "{\\rtf1\\ansi\\ansicpg1251 \\'c4\\'e0}", "Да\n"},
        {"a font's charset", "{\\rtf1{\\fonttbl{\\f1\\fcharset161 G;}}\\f1 \\'e1}", "α\n"},
        {"a double-byte code page", "{\\rtf1\\ansicpg932 \\'82\\'a0}", "あ\n"},
        {"an ANSI font's bytes in cp1252 whatever the document's page", "{\\rtf1\\ansicpg950{\\fonttbl\\f0\\fcharset0 L;}\\f0 \\'a9 x}",
         "\u00a9 x\n"},
        {"\\u skips one fallback by default", "{\\rtf1 \\u8364?x}", "€x\n"},
        {"\\uc2 skips two, a hex byte counts as one", "{\\rtf1\\uc2 \\u8364\\'80?x}", "€x\n"},
        {"\\uc0 skips none", "{\\rtf1\\uc0\\u8364 x}", "€x\n"},
        {"negative \\u values", "{\\rtf1 \\u-3913?}", "\uF0B7\n"},
        {"a surrogate pair", "{\\rtf1 a\\u55357?\\u56832?b}", "a\U0001F600b\n"},
        {"a surrogate pair as negative values", "{\\rtf1\\uc2 \\u-10179??\\u-8704??}", "\U0001F600\n"},
        {"lone surrogates are no characters", "{\\rtf1 a\\u55357?b\\u56832?c\\u55357?\\u65?}", "abcA\n"},
        {"a group ends the fallback", "{\\rtf1\\uc3 {\\u8364}x}", "€x\n"},
        {"special characters", "{\\rtf1 a\\emdash b\\endash c\\~d\\lquote e\\rquote}", "a—b–c\u00A0d‘e’\n"},
        {"\\bin data is not text", "{\\rtf1 a{\\bin3 }}}b}", "ab\n"},
        {"hidden text", "{\\rtf1 a{\\v hidden}b}", "ab\n"},
        {"field results shown", "{\\rtf1 {\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}}", "7\n"},
        {"headers stand beside the text", "{\\rtf1 {\\header head}body}", "body\n"},
        {"\\upr shows its \\ud text", "{\\rtf1 {\\upr{8-bit}{\\*\\ud{caf\\u233?}}} x}", "caf\u00e9 x\n"},
        {"a comment is not in the text",
         "{\\rtf1 text{\\*\\atnid JD}{\\*\\atnauthor Jane}\\chatn{\\*\\annotation\\pard check\\par} more}", "text more\n"},
        {"a fragment without \\rtf", "{\\pard hi\\par}", "hi\n"},
        {"tracked changes shown as accepted", "{\\rtf1 a{\\deleted\\revauth1 gone}{\\revised new}b}", "anewb\n"},
        {"\\deleted0 and \\plain end a deletion", "{\\rtf1 \\deleted x\\deleted0 a\\deleted y\\plain b}", "ab\n"},
    };
    expect_texts(cases);
}

TEST(RtfContent, BadInputStillImports) {
    const TextCase cases[] = {
        {"an empty document", "{\\rtf1}", ""},
        {"truncated inside a group", "{\\rtf1 abc{\\b def", "abcdef\n"},
        {"a stray close brace in a fragment", "{\\b a}}b", "ab\n"},
        {"what follows the document's group", "{\\rtf1 a}}b", "a\n"},
        {"absurd parameters", "{\\rtf1\\fs99999999999999 \\li-99999999999 x}", "x\n"},
        {"\\bin longer than the file", "{\\rtf1 a\\bin999999 xyz", "a\n"},
        {"a cut \\'", "{\\rtf1 a\\'", "a\n"},
        {"a million open groups", "{\\rtf1 " + std::string(1000000, '{') + "deep", "deep\n"},
        {"cells without a row definition", "{\\rtf1 x\\cell\\cell\\row\\nestrow}", "x\n"},
    };
    expect_texts(cases);
}

TEST(RtfContent, RefusesWhatIsNoGroup) {
    Imported doc(std::string("plain words"), "test.rtf");
    expect_refused(doc, IM_ERR_BROKEN, "test.rtf");
}

TEST(RtfContent, StructureInTheHtml) {
    struct Case {
        const char *name;
        std::string rtf;
        std::string contains;
    } cases[] = {
        {"a link", "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x.org/\"}{\\fldrslt site}}}", "href=\"http://x.org/\""},
        {"a link to a bookmark", "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \\\\l \"b1\"}{\\fldrslt here}}}", "href=\"#bm-b1\""},
        {"bold", "{\\rtf1 {\\b strong}}", "strong"},
        {"a footnote's body", "{\\rtf1 text{\\footnote \\pard note body\\par}}", "note body"},
        {"a comment with its author",
         "{\\rtf1 text{\\*\\atnid JD}{\\*\\atnauthor Jane}\\chatn{\\*\\annotation{\\*\\atndate 1}\\pard check this\\par}}",
         "<b>Jane:</b> check this</li>"},
        {"a comment by its initials", "{\\rtf1 text{\\*\\atnid JD}\\chatn{\\*\\annotation\\pard ok\\par}}",
         "<b>JD:</b> ok</li>"},
        {"a table's cells", "{\\rtf1\\trowd\\cellx1000\\cellx2000\\intbl A\\cell B\\cell\\row}", "<td"},
        {"a nested table", "{\\rtf1\\trowd\\cellx5000\\intbl\\itap2 in\\nestcell{\\*\\nesttableprops\\trowd\\cellx4000\\nestrow}\\itap1 out\\cell\\row}", "<table"},
        {"a horizontal merge", "{\\rtf1\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\cellx3000\\intbl AB\\cell\\cell C\\cell\\row}", "colspan=\"2\""},
        {"a vertical merge", "{\\rtf1\\trowd\\clvmgf\\cellx1000\\cellx2000\\intbl A\\cell B\\cell\\row\\trowd\\clvmrg\\cellx1000\\cellx2000\\intbl\\cell D\\cell\\row}", "rowspan=\"2\""},
    };
    for (const auto &c : cases)
        EXPECT_NE(rtf_html(c.rtf).find(c.contains), std::string::npos) << c.name << "\n" << rtf_html(c.rtf);
}

TEST(RtfContent, ListsNumberTheirParagraphs) {
    const std::string lists =
        "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0\\levelstartat3{\\leveltext\\'02\\'00.;}}\\listid7}}"
        "{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}}";
    const std::string html = rtf_html(lists + "\\pard\\ls1 first\\par\\pard\\ls1 second\\par}");
    EXPECT_NE(html.find("3."), std::string::npos) << html;
    EXPECT_NE(html.find("4."), std::string::npos) << html;
}

// One list of one level over the paragraph "one": the level's \\leveltext
// and the words before it in the \\listlevel group (its number kind, font).
std::string one_item_list(const std::string &level, const std::string &text) {
    return "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}{\\f2 Wingdings;}{\\f3 Courier New;}}"
           "{\\*\\listtable{\\list{\\listlevel" + level + "{\\leveltext" + text + ";}}\\listid7}}"
           "{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}}\\pard\\ls1\\f0 one\\par}";
}

TEST(RtfContent, ListLabelsShowWhatTheLevelDraws) {
    const TextCase cases[] = {
        {"a Symbol bullet", one_item_list("\\levelnfc23\\f1", "\\'01\\u-3913 ?"), "\u2022 one\n"},
        {"a Wingdings square", one_item_list("\\levelnfc23\\f2", "\\'01\\u-3929 ?"), "\u25AA one\n"},
        {"the letter o in Courier New", one_item_list("\\levelnfc23\\f3", "\\'01o"), "\u25E6 one\n"},
        {"a bullet as written", one_item_list("\\levelnfc23\\f0", "\\'01\\u8259 ?"), "\u2043 one\n"},
        {"a bullet level that places a number", one_item_list("\\levelnfc23", "\\'02\\'05."), "\u2022 one\n"},
        {"a number", one_item_list("\\levelnfc0", "\\'02\\'00)"), "1) one\n"},
        {"a Symbol font outside the level is not the level's",
         "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}\\f1{\\*\\listtable{\\list{\\listlevel\\levelnfc23"
         "{\\leveltext\\'01a;}}\\listid7}}{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}}\\pard\\ls1 one\\par}",
         "a one\n"},
    };
    expect_texts(cases);
}

// Documents without list tables (WordPad's, Word 6's) number their
// paragraphs with the labels they state.
TEST(RtfContent, StatedLabelsWithoutListTables) {
    const TextCase cases[] = {
        {"a number", "{\\rtf1 {\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}item\\par}", "1.\titem\n"},
        {"a Symbol bullet",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}{\\pntext\\f1\\'b7\\tab}"
         "{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}\\f0 item\\par}",
         "\u2022\titem\n"},
        {"in a note's paragraph", "{\\rtf1 x{\\footnote {\\pntext 2.\\tab}in note}\\par}", "x[1]\n"},
        {"a label of a merged cell's content goes with it",
         "{\\rtf1\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\intbl A\\cell{\\pntext 1.\\tab}B\\cell\\row\\pard C\\par}",
         "A\nC\n"},
        {"read past where list tables number the paragraphs",
         "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}}\\listid7}}"
         "{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}}{\\listtext 1.\\tab}\\pard\\ls1 item\\par}",
         "1. item\n"},
    };
    expect_texts(cases);
    // The paragraph's properties often follow its label: they are the label's too.
    const std::string html = rtf_html("{\\rtf1 {\\listtext a)\\tab}\\pard\\qc item\\par}");
    EXPECT_NE(html.find("<p style=\"text-align:center\">a)\titem</p>"), std::string::npos) << html;
}

// A drawing's text box (\\shptxt) in its \\shpinst; the \\shprslt after it
// draws the same for readers without drawings.
TEST(RtfContent, TextBoxesOfDrawings) {
    const std::string props = "{\\sp{\\sn shapeType}{\\sv 202}}";
    const TextCase cases[] = {
        {"a text box and its copy",
         "{\\rtf1 before {\\shp{\\*\\shpinst\\shpleft0" + props + "{\\shptxt \\pard boxed\\par}}"
         "{\\shprslt\\pard\\pvpara boxed\\par}} after\\par}",
         "before  after\nboxed\n"},
        {"a drawing without text shows its result",
         "{\\rtf1 a{\\shp{\\*\\shpinst" + props + "}{\\shprslt drawn}}b\\par}", "adrawnb\n"},
        {"properties are not text", "{\\rtf1 a{\\*\\shpinst" + props + "{\\sp{\\sn wzName}{\\sv Box 1}}}b\\par}", "ab\n"},
        {"a text box in a note is read past", "{\\rtf1 a{\\footnote n{\\*\\shpinst{\\shptxt t\\par}}}\\par}", "a[1]\n"},
    };
    expect_texts(cases);
}

// A header or footer numbers printed pages, which a converted document
// does not have: its page-number fields show nothing, as in Word's formats.
TEST(RtfContent, PageNumbersOfRunningTexts) {
    const std::string html = rtf_html(
        "{\\rtf1 {\\header Page {\\field{\\*\\fldinst PAGE}{\\fldrslt 7}} of {\\field{\\*\\fldinst { NUMPAGES }}"
        "{\\fldrslt 9}} {\\field{\\*\\fldinst DATE}{\\fldrslt today}}}body {\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}\\par}");
    EXPECT_NE(html.find("<p>Page  of  today</p>"), std::string::npos) << html;
    EXPECT_NE(html.find("<p>body 3</p>"), std::string::npos) << html;
}

TEST(RtfContent, PropertiesFromInfo) {
    Imported doc(std::string("{\\rtf1{\\info{\\title The Title}{\\author Ann}{\\creatim\\yr2020\\mo2\\dy3\\hr4\\min5}}x}"),
                 "test.rtf");
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    const std::string dump = doc.dump();
    EXPECT_NE(dump.find("The Title"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Ann"), std::string::npos) << dump;
    EXPECT_NE(dump.find("2020-02-03T04:05"), std::string::npos) << dump;
}

TEST(RtfContent, StylesReachTheDocument) {
    Imported doc(std::string("{\\rtf1{\\stylesheet{\\s0 Normal;}{\\s1\\sbasedon0\\outlinelevel0 heading 1;}}"
                             "\\pard\\s1 Title\\par}"),
                 "test.rtf");
    ASSERT_EQ(doc.result(), 0u) << doc.message();
    EXPECT_NE(doc.dump().find("heading 1"), std::string::npos) << doc.dump();
}

}  // namespace
}  // namespace qrv::test
