#include "comments.hpp"

#include <charconv>
#include <optional>
#include <vector>

#include "package/optional_part.hpp"
#include "package/related_parts.hpp"
#include "package/root_check.hpp"
#include "sheet/comment_text.hpp"
#include "cell_ref.hpp"
#include "escapes.hpp"

namespace qrv::import::xlsx {
namespace {

// UTF-8 bytes of one comment's text or author kept, enough for the most
// characters a comment holds.
constexpr size_t kMostBytes = 4 * kMostCommentChars;
constexpr unsigned kMostWarnings = 3;

std::optional<size_t> author_index(std::string_view text) {
    size_t n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

std::string plain_text(std::string_view escaped) {
    std::u16string chars;
    append_unescaped(escaped, chars);
    return comment_lines(chars);
}

class CommentsReader final : public XmlHandler {
public:
    CommentsReader(Package &package, SheetBuilder &sheet) : diagnostics_(package.diagnostics()), sheet_(sheet) {}

    void start(const XmlName &name, const XmlAttributes &a) override {
        if (name.ns != Ns::Spreadsheet) return;
        if (name.local == "author") {
            start_capture();
        } else if (name.local == "comment") {
            start_comment(a);
        } else if (name.local == "rPh" || name.local == "phoneticPr") {
            ++phonetic_depth_;
        } else if (name.local == "t" && in_comment_ && phonetic_depth_ == 0) {
            capturing_ = true;
        }
    }

    void end(const XmlName &name) override {
        if (name.ns != Ns::Spreadsheet) return;
        if (name.local == "author") {
            authors_.push_back(plain_text(captured_));
            capturing_ = false;
        } else if (name.local == "comment") {
            end_comment();
        } else if ((name.local == "rPh" || name.local == "phoneticPr") && phonetic_depth_ > 0) {
            --phonetic_depth_;
        } else if (name.local == "t") {
            capturing_ = false;
        }
    }

    void text(std::string_view chars) override {
        if (capturing_ && captured_.size() < kMostBytes) captured_.append(chars.substr(0, kMostBytes - captured_.size()));
    }

private:
    void start_capture() {
        captured_.clear();
        capturing_ = true;
    }

    void start_comment(const XmlAttributes &a) {
        captured_.clear();
        in_comment_ = true;
        phonetic_depth_ = 0;
        const std::string_view ref = a.get(Ns::None, "ref");
        cell_ = parse_cell(ref);
        if (!cell_) warn("a comment's cell '" + std::string(ref.substr(0, 20)) + "' is no cell; the comment is left out");
        author_ = author_index(a.get(Ns::None, "authorId"));
    }

    void end_comment() {
        in_comment_ = capturing_ = false;
        if (!cell_) return;
        std::string_view author;
        if (author_ && *author_ < authors_.size())
            author = authors_[*author_];
        else
            warn("a comment names author " + std::to_string(author_.value_or(0)) + " of " +
                 std::to_string(authors_.size()) + "; its text is kept without one");
        sheet_.comment(cell_->row, cell_->column, author, plain_text(captured_));
    }

    void warn(const std::string &what) {
        if (warnings_++ < kMostWarnings) diagnostics_.warn(what);
    }

    Diagnostics &diagnostics_;
    SheetBuilder &sheet_;
    unsigned warnings_ = 0;
    std::vector<std::string> authors_;
    std::string captured_;
    bool capturing_ = false, in_comment_ = false;
    unsigned phonetic_depth_ = 0;
    std::optional<CellRef> cell_;
    std::optional<size_t> author_;
};

}  // namespace

void read_sheet_comments(Package &package, const std::string &sheet_part, SheetBuilder &sheet) {
    const Relationship *r = related_part(package, sheet_part, "comments");
    if (!r || r->target == sheet_part || !package.has(r->target)) return;
    CommentsReader reader(package, sheet);
    RootCheck comments(reader, Ns::Spreadsheet, "comments", "SpreadsheetML");
    read_optional_part(package, r->target, comments, "the sheet's comments from there are");
}

}  // namespace qrv::import::xlsx
