#include "cell_annotation.hpp"

#include "sheet/comment_text.hpp"
#include "writer/utf16.hpp"

namespace qrv::import::odf {

void CellAnnotation::begin() {
    author_.clear();
    depth_ = annotation_depth_ = 0;
    seen_ = in_author_ = false;
}

void CellAnnotation::start(const XmlName &name, const XmlAttributes &a) {
    ++depth_;
    if (annotation_depth_) {
        if (name.is(Ns::DublinCore, "creator") && depth_ == annotation_depth_ + 1) in_author_ = true;
        text_.start(name, a);
    } else if (name.is(Ns::Office, "annotation") && !seen_) {
        annotation_depth_ = depth_;
        seen_ = true;
        text_.begin(styles_.plain().text);
    }
}

void CellAnnotation::end(const XmlName &name) {
    if (annotation_depth_ == depth_) {
        annotation_depth_ = 0;
    } else if (annotation_depth_) {
        in_author_ = false;
        text_.end(name);
    }
    --depth_;
}

void CellAnnotation::text(std::string_view chars) {
    constexpr size_t kLongestAuthor = 256;
    if (in_author_) {
        if (author_.size() < kLongestAuthor) author_.append(chars);
    } else if (annotation_depth_)
        text_.text(chars);
}

std::string CellAnnotation::lines() const { return comment_lines(utf16_of(text_.plain())); }

}  // namespace qrv::import::odf
