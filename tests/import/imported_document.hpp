// A document imported through QRVIM in a test, and what a filter would then
// see: the items, the attribute records in force at a text run, the export
// through the reference filters.
#pragma once

#include <gtest/gtest.h>
#include <qrvch.h>
#include <qrvda.h>
#include <qrvex/changes.h>
#include <qrvex/export.h>
#include <qrvex/gather.h>
#include <qrvex/navigate.h>
#include <qrvex/properties.h>
#include <qrvex/styles.h>
#include <qrvfa.h>
#include <qrvfilters.h>
#include <qrvim.h>

#include <string>
#include <vector>

#include <flow.hpp>

namespace qrv::test {

// An imported document, closed at the end of the test.
class Imported {
public:
    explicit Imported(const std::string &bytes, const char *name = "test.docx", const IMOptions *options = nullptr) {
        char message[1024] = {};
        result_ = IMImportMemory(bytes.data(), bytes.size(), name, options, &handle_, message, sizeof message);
        message_ = message;
    }
    // A document a test builds: anything with bytes() and a kFileName.
    template <typename Built>
    requires requires(const Built &b) { b.bytes(); }
    explicit Imported(const Built &built, const IMOptions *options = nullptr)
        : Imported(built.bytes(), Built::kFileName, options) {}
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

    // The document in the chunker's text format.
    std::string dump() const {
        char *text = nullptr;
        size_t length = 0;
        std::string out = CHDumpDocumentText(handle_, &text, &length) == 0 ? std::string(text, length) : "no dump";
        CHFreeText(text);
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
    // picture_folder: the folder the page refers to for pictures, "" for none.
    std::string exported(uint32_t output = QRV_OUTPUT_HTML, uint32_t option_word = 0,
                         const std::string &picture_folder = "") const {
        uint32_t options = 0, document = 0, sink = 0, hExport = 0;
        std::string page;
        uint32_t rc = DACreateOptions(&options);
        if (rc == 0 && !picture_folder.empty())
            rc = DASetOption(options, QRV_OPTION_PICTURE_FOLDER, picture_folder.data(),
                             static_cast<uint32_t>(picture_folder.size()));
        if (rc == 0) rc = DAOpenDocument(handle_, options, &document);
        if (rc == 0)
            rc = QRVRegisterHtmlFilter() | QRVRegisterTextFilter() | QRVRegisterMarkdownFilter() |
                 QRVRegisterJsonFilter();
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

// A refused import: its code, one line that starts with `start`, no handle.
inline void expect_refused(const Imported &doc, uint32_t result, const std::string &start) {
    EXPECT_EQ(doc.result(), result);
    EXPECT_EQ(doc.message().rfind(start, 0), 0u) << doc.message();
    EXPECT_EQ(doc.message().find('\n'), std::string::npos) << doc.message();
    EXPECT_EQ(doc.handle(), 0u);
}

// The first font name of a text record, as ASCII.
inline std::string font_name(const CUTextChangeInfo &text) {
    std::string name;
    for (size_t i = 0; i < CU_FONT_NAME_CHARS && text.FontName[0][i]; ++i)
        name += static_cast<char>(text.FontName[0][i]);
    return name;
}

// The name of a style of the imported document.
inline std::u16string style_name_of(Imported &doc, const CUStyleEntry &entry) {
    CUPropertyString name{};
    const uint16_t length = CUGetPropertyString(entry.NameItemId, &name, doc.handle());
    return std::u16string(reinterpret_cast<const char16_t *>(name.Chars), length);
}

// The plain text of a document, one paragraph a line, without blank lines.
inline std::string lines_of(const std::string &text) {
    std::string out;
    for (char c : text)
        if (c != '\n' || (!out.empty() && out.back() != '\n')) out += c;
    return out;
}

// The lines of a presentation's plain text without the label each slide
// starts with ("Slide 2: " before its title, "Slide 2" alone): what its
// shapes say.
inline std::string slide_lines_of(const std::string &text) {
    std::string out;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.starts_with("Slide ")) {
            const size_t digits = line.find_first_not_of("0123456789", 6);
            if (digits == std::string::npos) continue;
            if (digits > 6 && line.compare(digits, 2, ": ") == 0) line.erase(0, digits + 2);
        }
        if (!line.empty()) out += line + '\n';
    }
    return out;
}

}  // namespace qrv::test
