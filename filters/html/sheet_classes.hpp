// The style classes of a page's sheets: each distinct set of declarations
// gets one class and one rule, so that a sheet of a million cells in a few
// looks carries a few rules, not a style per cell.  Classes are named by
// what they are for (c a cell, s a span of a cell's text, h a row) and a
// number: "c1", "s2", "h1".
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

namespace qrv::filters::html {

class SheetClasses {
public:
    enum Kind : uint8_t { kCell, kSpan, kRow, kKinds };

    // The class of declarations (not empty) for an element of a kind.
    const std::string &class_of(Kind kind, const std::string &css);
    // The rules of the classes handed out, one a line.
    const std::string &rules() const { return rules_; }

private:
    std::unordered_map<std::string, std::string> classes_[kKinds];  // declarations -> class
    const std::string *last_css_[kKinds] = {};                      // cells mostly look like the one before
    const std::string *last_class_[kKinds] = {};
    std::string rules_;
};

}  // namespace qrv::filters::html
