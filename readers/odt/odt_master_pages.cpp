#include "odt_master_pages.hpp"

namespace qrv::import::odf {
namespace {

struct RunningElement {
    std::string_view name;
    model::RunningKind kind;
    model::RunningPages pages;
};

constexpr RunningElement kRunningElements[] = {
    {"header", model::kRunningHeader, model::kEveryPage},      {"footer", model::kRunningFooter, model::kEveryPage},
    {"header-left", model::kRunningHeader, model::kEvenPages}, {"footer-left", model::kRunningFooter, model::kEvenPages},
    {"header-first", model::kRunningHeader, model::kFirstPage}, {"footer-first", model::kRunningFooter, model::kFirstPage}};

const RunningElement *running_element(const XmlName &name) {
    if (name.ns != Ns::Style) return nullptr;
    for (const RunningElement &e : kRunningElements)
        if (name.local == e.name) return &e;
    return nullptr;
}

// Page numbers and counts are those of printed pages, which a converted
// document does not have: they are left out with what they hold.
bool is_page_number(const XmlName &name) {
    return name.ns == Ns::Text && (name.local == "page-number" || name.local == "page-count");
}

}  // namespace

void OdtMasterPages::start(const XmlName &name, const XmlAttributes &a) {
    if (body_) {
        ++depth_;
        if (skipped_ || is_page_number(name)) return void(++skipped_);
        return body_->start(name, a);
    }
    if (name.is(Ns::Style, "master-page")) ++pages_seen_;
    const RunningElement *running = pages_seen_ == 1 ? running_element(name) : nullptr;
    if (!running) return;
    read_.push_back(std::make_unique<Running>(Running{running->kind, running->pages, {}}));
    body_.emplace(sheet_, doc_, lists_, diagnostics_, read_.back()->text);
    body_->read_as_blocks();
    depth_ = 0;
}

void OdtMasterPages::end(const XmlName &name) {
    if (!body_) return;
    if (depth_ == 0) {
        body_.reset();
        return;
    }
    --depth_;
    if (skipped_) return void(--skipped_);
    body_->end(name);
}

void OdtMasterPages::text(std::string_view piece) {
    if (body_ && !skipped_) body_->text(piece);
}

void OdtMasterPages::write(textdoc::TextSink &sink) const {
    for (const auto &running : read_) sink.running(running->kind, running->pages, running->text);
}

}  // namespace qrv::import::odf
