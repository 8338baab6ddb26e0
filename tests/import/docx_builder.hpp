// Word documents built at test time: a few lines of WordprocessingML for
// the body and the parts a test needs, zipped into a package, imported
// through QRVIM; and what a filter would then see: the attribute records
// in force at a text run, the export through the reference filters.
#pragma once

#include <gtest/gtest.h>
#include <qrvch.h>
#include <qrvda.h>
#include <qrvex/changes.h>
#include <qrvex/export.h>
#include <qrvex/gather.h>
#include <qrvex/navigate.h>
#include <qrvex/styles.h>
#include <qrvfa.h>
#include <qrvfilters.h>
#include <qrvim.h>

#include <string>
#include <vector>

#include <flow.hpp>

#include "package_builder.hpp"

namespace qrv::test {

inline const char *const kWordNamespaces =
    " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\""
    " xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\""
    " xmlns:wps=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\""
    " xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\""
    " xmlns:v=\"urn:schemas-microsoft-com:vml\""
    " xmlns:m=\"http://schemas.openxmlformats.org/officeDocument/2006/math\"";

// The parts of a document; empty parts are left out of the package.
struct Docx {
    std::string body{};       // content of w:body
    std::string styles{};     // content of w:styles
    std::string numbering{};  // content of w:numbering
    std::string footnotes{};  // content of w:footnotes
    std::string endnotes{};   // content of w:endnotes
    std::string comments{};   // content of w:comments
    std::string theme{};      // a whole theme part
    std::string core{};       // content of cp:coreProperties
    // Further relationships of the main part: id, target, external.
    struct Link {
        std::string id, target;
        bool external = true;
    };
    std::vector<Link> links{};
    std::vector<Part> extra_parts{};
    std::string main_type = "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";

    std::string bytes() const {
        std::vector<Part> parts = package_frame("word/document.xml", main_type);
        std::string rels = "<?xml version=\"1.0\"?><Relationships "
                           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
        const std::string type = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
        auto add = [&](const std::string &name, const std::string &root, const std::string &content,
                       const std::string &rel_type) {
            if (content.empty()) return;
            parts.push_back({"word/" + name, "<?xml version=\"1.0\"?><w:" + root + kWordNamespaces + ">" + content +
                                                 "</w:" + root + ">"});
            rels += "<Relationship Id=\"r" + rel_type + "\" Type=\"" + type + rel_type + "\" Target=\"" + name + "\"/>";
        };
        add("styles.xml", "styles", styles, "styles");
        add("numbering.xml", "numbering", numbering, "numbering");
        add("footnotes.xml", "footnotes", footnotes, "footnotes");
        add("endnotes.xml", "endnotes", endnotes, "endnotes");
        add("comments.xml", "comments", comments, "comments");
        if (!theme.empty()) {
            parts.push_back({"word/theme/theme1.xml", theme});
            rels += "<Relationship Id=\"rtheme\" Type=\"" + type + "theme\" Target=\"theme/theme1.xml\"/>";
        }
        for (const auto &l : links)
            rels += "<Relationship Id=\"" + l.id + "\" Type=\"" + type + "hyperlink\" Target=\"" + l.target + "\"" +
                    (l.external ? " TargetMode=\"External\"" : "") + "/>";
        parts.push_back({"word/_rels/document.xml.rels", rels + "</Relationships>"});
        parts.push_back({"word/document.xml", "<?xml version=\"1.0\"?><w:document" + std::string(kWordNamespaces) +
                                                  "><w:body>" + body + "</w:body></w:document>"});
        if (!core.empty()) {
            parts.push_back(
                {"docProps/core.xml",
                 "<?xml version=\"1.0\"?><cp:coreProperties "
                 "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
                 "xmlns:dc=\"http://purl.org/dc/elements/1.1/\">" + core + "</cp:coreProperties>"});
            parts[1].content.replace(parts[1].content.find("</Relationships>"), 0,
                                     "<Relationship Id=\"rcore\" Type=\"http://schemas.openxmlformats.org/package/"
                                     "2006/relationships/metadata/core-properties\" Target=\"docProps/core.xml\"/>");
        }
        for (const auto &p : extra_parts) parts.push_back(p);
        return zip_of(parts);
    }
};

// A paragraph of plain text, with paragraph properties.
inline std::string para(const std::string &text, const std::string &ppr = "") {
    return "<w:p>" + (ppr.empty() ? "" : "<w:pPr>" + ppr + "</w:pPr>") + "<w:r><w:t xml:space=\"preserve\">" + text +
           "</w:t></w:r></w:p>";
}

// A paragraph style with properties.
inline std::string style(const std::string &id, const std::string &name, const std::string &inside,
                         const std::string &type = "paragraph") {
    return "<w:style w:type=\"" + type + "\" w:styleId=\"" + id + "\"><w:name w:val=\"" + name + "\"/>" + inside +
           "</w:style>";
}

// An imported document, closed at the end of the test.
class Imported {
public:
    explicit Imported(const std::string &bytes, const char *name = "test.docx") {
        char message[1024] = {};
        result_ = IMImportMemory(bytes.data(), bytes.size(), name, nullptr, &handle_, message, sizeof message);
        message_ = message;
    }
    explicit Imported(const Docx &docx) : Imported(docx.bytes()) {}
    ~Imported() {
        if (sheet_) CUDestroyStyleSheet(&sheet_);
        if (handle_) {
            EXPECT_EQ(CHCloseDocument(handle_), 0u);
        }
    }
    Imported(const Imported &) = delete;
    Imported &operator=(const Imported &) = delete;

    uint32_t result() const { return result_; }
    const std::string &message() const { return message_; }
    CHHandle handle() const { return handle_; }
    CUStyleSheet *sheet() {
        if (!sheet_) CUCreateStyleSheet(&sheet_, 16, handle_);
        return sheet_;
    }

    std::vector<std::pair<uint32_t, CHItem>> items() const {
        std::vector<std::pair<uint32_t, CHItem>> out;
        uint32_t id = 0;
        if (CHGetItemId(handle_, CH_STORE_ITEMS, 0, &id) != 0) return out;
        while (id != CH_NO_ITEM) {
            CHItem item{};
            uint32_t next = CH_NO_ITEM;
            if (CHGetItem(handle_, CH_STORE_ITEMS, id, &item, &next) != 0) break;
            out.emplace_back(id, item);
            id = next;
        }
        return out;
    }

    std::u16string text_of(const CHItem &run) const {
        std::u16string chars(run.data1, u'\0');
        CHGetItems(handle_, CH_STORE_TEXT, run.value, run.data1, chars.data());
        return chars;
    }

    // The id of the first text run holding words, CH_NO_ITEM for none.
    uint32_t text_id(const std::u16string &words) const {
        for (const auto &[id, item] : items())
            if (item.type == CH_ITEM_TEXT && text_of(item).find(words) != std::u16string::npos) return id;
        return CH_NO_ITEM;
    }

    // The records a filter holds when it reaches the item: every change
    // item of the section up to it gathered, the paragraph record cleared
    // at each paragraph break, skippable tags passed over.
    struct Records {
        CUParaChangeInfo para{};
        CUTextChangeInfo text{};
    };
    Records records_at(uint32_t target) {
        Records r;
        r.para.ListStyleIndex = -1;
        CHSectionInfo section{};
        uint32_t id = 0;
        if (CHGetSectionInfo(handle_, CH_STORE_SECTIONS, 0, &section) == 0) id = section.FirstItemId;
        CUCellChangeInfo cell{};
        while (id != CH_NO_ITEM && id < target) {
            CHItem item{};
            uint32_t next = CH_NO_ITEM;
            if (CHGetItem(handle_, CH_STORE_ITEMS, id, &item, &next) != 0) break;
            if (item.type == CH_ITEM_BREAK && (item.value == CH_BREAK_PARAGRAPH || item.value == CH_BREAK_PAGE)) {
                r.para = CUParaChangeInfo{};
                r.para.ListStyleIndex = -1;
            } else if (item.type == CH_ITEM_TAG_BEGIN && (item.value & CH_TAG_SKIPPABLE_BIT)) {
                next = CUSkipTag(next, handle_);
            } else if (filters::is_change_item(item.type)) {
                uint32_t go_on = next;
                CUGatherChangeInfo(sheet(), &r.para, &r.text, &cell, item, &go_on, target, handle_);
                if (go_on > id) next = go_on;
            }
            id = next;
        }
        return r;
    }
    Records records_at(const std::u16string &words) { return records_at(text_id(words)); }

    // The document exported through a reference filter.
    std::string exported(uint32_t output = QRV_OUTPUT_HTML, uint32_t option_word = 0) const {
        uint32_t options = 0, document = 0, sink = 0, hExport = 0;
        std::string page;
        uint32_t rc = DACreateOptions(&options);
        if (rc == 0) rc = DAOpenDocument(handle_, options, &document);
        if (rc == 0) rc = QRVRegisterHtmlFilter() | QRVRegisterTextFilter();
        if (rc == 0) rc = FACreateMemorySink(&sink);
        if (rc == 0) rc = EXOpenExport(document, output, sink, option_word, 0, 0, nullptr, 0, &hExport);
        if (rc == 0) {
            rc = EXRunExport(hExport);
            EXCloseExport(hExport);
        }
        const char *data = nullptr;
        size_t length = 0;
        if (rc == 0 && FAGetMemorySinkData(sink, &data, &length) == 0) page.assign(data, length);
        if (sink) FADestroySink(sink);
        if (document) DACloseDocument(document);
        if (options) DADestroyOptions(options);
        EXPECT_EQ(rc, 0u);
        return page;
    }
    std::string text() const { return exported(QRV_OUTPUT_TEXT, QRV_FILTER_NO_NOTES); }

private:
    CHHandle handle_ = 0;
    uint32_t result_ = 0;
    std::string message_;
    CUStyleSheet *sheet_ = nullptr;
};

}  // namespace qrv::test
