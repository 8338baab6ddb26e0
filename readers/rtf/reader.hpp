// Reads an RTF document's tokens with an explicit stack of group states
// (groups deeper than kMaxDepth are read as part of the group at that
// depth): the header's tables into Definitions and the text document, the
// body into the sink that start_body() hands out when the first thing of
// the body comes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "writer/picture_store.hpp"
#include "picture.hpp"
#include "writer/diagnostics.hpp"
#include "textdoc/recording.hpp"
#include "textdoc/text_document.hpp"
#include "body_output.hpp"
#include "code_pages.hpp"
#include "definitions.hpp"
#include "group_state.hpp"
#include "rtf_tokenizer.hpp"

namespace qrv::import::rtf {

class Reader {
public:
    using BodyStart = std::function<textdoc::TextSink &()>;

    Reader(textdoc::TextDocument &doc, Diagnostics &diagnostics, BodyStart start_body);

    void read(std::string_view input);
    // Pictures of the body are kept in pictures (else shown as placeholders).
    void keep_pictures(PictureStore &pictures) { pictures_ = &pictures; }
    const Definitions &definitions() const { return defs_; }

    static constexpr size_t kMaxDepth = 512;
    static constexpr size_t kMaxFields = 64;

private:
    // What a group does when it closes.
    enum class Closing : uint8_t {
        Nothing,
        Font,
        Style,
        List,
        ListLevel,
        Override,
        Info,
        Field,
        Result,
        Note,
        Picture,
        Bookmark,
        Author,
        Initials,
        Comment,
        Running,
        Label,
        TextBox
    };
    struct Group {
        GroupState state;
        Closing closing = Closing::Nothing;
    };
    struct Field {
        std::string instruction;
        bool link = false;
    };
    // A footnote, endnote, comment (\annotation), header or footer or text
    // box being read.
    struct Note {
        textdoc::Recording body;
        BodyOutput out{body};
        textdoc::NoteKind kind = textdoc::NoteKind::Footnote;
        model::RunningKind running = model::kRunningHeader;
        model::RunningPages pages = model::kEveryPage;
        bool running_text = false;  // a header or footer
    };

    void token(const Token &t);
    void open_group();
    void close_group();
    void close(const Group &group);
    static bool starts_with_header(std::string_view input);
    bool skipping_fallback(const Token &t);

    // Text.
    void flush_text();
    void deliver(std::string_view utf8);
    void deliver_unicode(int32_t value);
    int32_t code_page() const;

    // Control words and symbols.
    void word(const Token &t);
    void symbol(char c);
    bool destination_word(std::string_view name);
    bool document_word(const Token &t);
    bool character_word(const Token &t);
    bool paragraph_word(const Token &t);
    bool tab_word(const Token &t);
    bool table_word(const Token &t);
    bool special_word(const Token &t);
    bool header_word(const Token &t);
    bool list_word(const Token &t);
    void override_word(const Token &t);
    void set_font(int32_t number);
    bool body_destination_word(const Token &t);
    void begin_destination(Destination d, Closing closing);
    void begin_field_result();
    void begin_note(Closing closing = Closing::Note);
    bool begin_running(std::string_view word);
    bool shape_word(std::string_view word);
    void end_note(Closing closing);
    void begin_label();
    void end_label(const GroupState &state);
    textdoc::ObjectRef picture_object();

    GroupState &state() { return groups_.back().state; }
    BodyOutput &output();
    void body_text(std::string_view utf8);

    textdoc::TextDocument &doc_;
    Diagnostics &diagnostics_;
    BodyStart start_body_;
    std::unique_ptr<BodyOutput> body_;
    Definitions defs_;
    CodePages pages_;
    std::vector<Group> groups_;
    size_t beyond_depth_ = 0;
    bool warned_depth_ = false, warned_braces_ = false;
    bool ignorable_ = false;  // after \*
    int32_t skip_ = 0;        // fallback characters of \uN still to skip
    char32_t high_surrogate_ = 0;  // of a \uN pair, waiting for its low half
    std::string pending_;     // bytes of text not yet decoded
    int32_t document_page_ = kDefaultCodePage;
    int32_t default_font_ = -1;

    // The tables' entries in hand.
    int32_t font_number_ = -1;
    Font font_;
    std::string name_;  // of a style, bookmark, property or comment author
    std::string author_, initials_;  // of the comment to come
    std::string label_;              // of the paragraph to come
    bool shape_text_ = false;        // the drawing in hand has a text box
    model::PropertyId property_ = model::kPropertyTitle;
    int32_t time_[5] = {};
    textdoc::TabStop tab_;
    RowDefinition rows_[2];  // the outer table's, the nested tables'
    CellDefinition cell_;
    std::vector<Field> fields_;
    std::vector<std::unique_ptr<Note>> notes_;
    Picture picture_;
    PictureStore *pictures_ = nullptr;
    uint32_t pictures_read_ = 0;
};

}  // namespace qrv::import::rtf
