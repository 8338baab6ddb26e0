// Fields of Word documents (DOCX w:fldChar begin, instruction, separate,
// result, end; the .doc field marks alike):
// what a document shows of a field is its result as last computed, so text
// between a field's begin and its separator is not shown, and text after
// the separator is.  A HYPERLINK field becomes a link around its result.
// Fields nest; nesting beyond kMaxDepth is counted, not kept.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qrv::import::fields {

class FieldStack {
public:
    static constexpr size_t kMaxDepth = 32;

    void begin();
    void instruction(std::string_view piece);
    // The link target of the field whose result begins, when it is a
    // HYPERLINK field that names one.
    std::optional<std::string> separate();
    // True when the field ending had opened a link.
    bool end();
    // A paragraph ends: a field still in its instruction was never
    // finished (an instruction holds no paragraph mark) and is dropped, so
    // that it does not hide the rest of the document.
    void end_paragraph();
    // No field is in its instruction: text is shown.
    bool showing() const { return hiding_ == 0; }
    // From now on page-number fields (PAGE, NUMPAGES, SECTIONPAGES) show
    // no result: in a header or footer the number is that of a printed
    // page, which a converted document does not have.
    void hide_page_numbers() { hide_page_numbers_ = true; }
    bool hides(std::string_view instruction) const;

private:
    struct Field {
        std::string instruction;
        bool in_result = false;
        bool link = false;
        bool result_hidden = false;
    };
    std::vector<Field> fields_;
    size_t beyond_ = 0;  // fields begun beyond kMaxDepth
    size_t hiding_ = 0;  // fields in their instruction, or in a result not shown
    bool hide_page_numbers_ = false;
};

// The target of a HYPERLINK instruction: the URL, with "#anchor" for a \l
// switch, or "#anchor" alone; nothing for other instructions.
std::optional<std::string> hyperlink_target(std::string_view instruction);

}  // namespace qrv::import::fields
