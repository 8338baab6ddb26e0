#include "comments.hpp"

#include <optional>
#include <vector>

#include "core/error.hpp"
#include "package/related_parts.hpp"
#include "sheet/comment_text.hpp"
#include "writer/utf16.hpp"
#include "cell_range.hpp"
#include "record_stream.hpp"
#include "record_types.hpp"
#include "wide_string.hpp"

namespace qrv::import::xlsb {
namespace {

constexpr unsigned kMostWarnings = 3;

class CommentsReader {
public:
    CommentsReader(Diagnostics &diagnostics, const std::string &part, SheetBuilder &sheet)
        : diagnostics_(diagnostics), part_(part), sheet_(sheet) {}

    void take(const Record &r, Cursor &in) {
        switch (r.type) {
        case brt::kCommentAuthor: authors_.push_back(wide_string_utf8(in)); break;
        case brt::kBeginComment: begin(in); break;
        case brt::kCommentText: text(in); break;
        case brt::kEndComment: end(); break;
        default: break;
        }
    }

private:
    struct Open {
        uint32_t author;
        BinaryRange cell;
        std::string text;
    };

    // A record too short for its fields leaves no comment open.
    void begin(Cursor &in) {
        open_.reset();
        const uint32_t author = in.u32();
        open_ = Open{author, BinaryRange::read(in), {}};
    }

    // The text's flags come first; the runs after it are not read.
    void text(Cursor &in) {
        if (!open_) return;
        in.skip(1);
        open_->text = comment_lines(wide_string(in));
    }

    void end() {
        if (!open_) return;
        const Open comment = std::move(*open_);
        open_.reset();
        const BinaryRange &c = comment.cell;
        if (!c.sound() || c.top != c.bottom || c.left != c.right)
            return warn("a comment is on no single cell; it is left out");
        std::string_view author;
        if (comment.author < authors_.size())
            author = authors_[comment.author];
        else
            warn("a comment names author " + std::to_string(comment.author) + " of " + std::to_string(authors_.size()) +
                 "; its text is kept without one");
        sheet_.comment(c.top, c.left, author, comment.text);
    }

    void warn(const std::string &what) {
        if (warnings_++ < kMostWarnings) diagnostics_.warn(part_ + ": " + what);
    }

    Diagnostics &diagnostics_;
    const std::string &part_;
    SheetBuilder &sheet_;
    unsigned warnings_ = 0;
    std::vector<std::string> authors_;
    std::optional<Open> open_;
};

}  // namespace

void read_sheet_comments(Package &package, const std::string &sheet_part, SheetBuilder &sheet) {
    const Relationship *r = related_part(package, sheet_part, "comments");
    if (!r || r->target == sheet_part || !package.has(r->target)) return;
    CommentsReader reader(package.diagnostics(), r->target, sheet);
    try {
        read_records(package, r->target, [&reader](const Record &record, Cursor &in) { reader.take(record, in); });
    } catch (const ImportError &e) {
        if (e.code() != IM_ERR_BROKEN) throw;
        package.diagnostics().warn(std::string(e.what()) + "; the sheet's comments are left out");
    }
}

}  // namespace qrv::import::xlsb
