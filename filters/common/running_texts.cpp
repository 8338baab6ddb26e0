#include "running_texts.hpp"

#include <qrvmodel/tags.hpp>

namespace qrv::filters {

void RunningTexts::take(const RunningText &running) {
    if (running.text.find_first_not_of(" \t\n") == std::string::npos) return;
    Slot &slot = running.footer ? footer_ : header_;
    const bool every_page = running.pages == model::kEveryPage;
    if (slot.taken && (slot.every_page || !every_page)) return;
    slot = {running.text, true, every_page};
}

}  // namespace qrv::filters
