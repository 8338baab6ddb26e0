// The annotation of a cell (<office:annotation> inside <table:table-cell>):
// its author (<dc:creator>) and its paragraphs as lines of plain text.  The
// cell's first annotation counts; its date is not kept.  The reader is fed
// every element inside the cell and picks out the annotation's.
#pragma once

#include <string>

#include "package/xml_reader.hpp"
#include "cell_styles.hpp"
#include "cell_text.hpp"

namespace qrv::import::odf {

class CellAnnotation {
public:
    explicit CellAnnotation(CellStyles &styles) : styles_(styles), text_(styles) {}

    // Starts a cell.
    void begin();
    void start(const XmlName &name, const XmlAttributes &attributes);
    void end(const XmlName &name);
    void text(std::string_view chars);

    bool present() const { return seen_; }
    const std::string &author() const { return author_; }
    // The lines of the annotation, '\n' between them.
    std::string lines() const;

private:
    CellStyles &styles_;
    CellTextReader text_;
    std::string author_;
    uint32_t depth_ = 0;             // elements open inside the cell
    uint32_t annotation_depth_ = 0;  // of the open annotation; 0: none
    bool seen_ = false, in_author_ = false;
};

}  // namespace qrv::import::odf
