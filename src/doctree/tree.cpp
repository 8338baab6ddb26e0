// The current section and lists made on first use.
#include "tree.hpp"

namespace qrv::doctree {
namespace {

constexpr uint32_t kListCapacity = 4;
constexpr uint32_t kListGrowBy = 4;

}  // namespace

EXDTSection *current_section(const EXDTTree &tree) {
    if (!tree.Sections || tree.CurrentSection - 1 >= count(tree.Sections)) return nullptr;
    return &lists::item_at<EXDTSection>(*tree.Sections, tree.CurrentSection - 1);
}

bool ensure_list(LUList *&list, uint32_t item_size) {
    if (!list) list = lists::create(item_size, kListCapacity, kListGrowBy);
    return list != nullptr;
}

}  // namespace qrv::doctree
