#include "sheet_classes.hpp"

namespace qrv::filters::html {
namespace {

struct KindNames {
    const char *selector;  // of the rule, up to the class
    char letter;           // of the class names
};

// The sheet's own selectors (table.sheet td.num) give way to the classes.
constexpr KindNames kKindNames[SheetClasses::kKinds] = {
    {"table.sheet td.", 'c'}, {"table.sheet span.", 's'}, {"table.sheet tr.", 'h'}};

}  // namespace

const std::string &SheetClasses::class_of(Kind kind, const std::string &css) {
    if (last_css_[kind] && *last_css_[kind] == css) return *last_class_[kind];
    auto &classes = classes_[kind];
    auto found = classes.find(css);
    if (found == classes.end()) {
        const std::string name = kKindNames[kind].letter + std::to_string(classes.size() + 1);
        found = classes.emplace(css, name).first;
        rules_ += kKindNames[kind].selector + name + "{" + css + "}\n";
    }
    last_css_[kind] = &found->first;
    last_class_[kind] = &found->second;
    return found->second;
}

}  // namespace qrv::filters::html
