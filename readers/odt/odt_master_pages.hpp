// The running headers and footers of an OpenDocument text: those of its
// first master page (<style:master-page> in <office:master-styles>), each
// read as blocks of text into a recording, for the text document's last
// section.  <style:header> and <style:footer> stand on every page, the
// -left ones on even pages, the -first ones on the first.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "package/xml_reader.hpp"
#include "textdoc/recording.hpp"
#include "odt_body_reader.hpp"

namespace qrv::import::odf {

class OdtMasterPages final : public XmlHandler {
public:
    OdtMasterPages(const OdtStyleSheet &sheet, const textdoc::TextDocument &doc, ListInstances &lists,
                   Diagnostics &diagnostics)
        : sheet_(sheet), doc_(doc), lists_(lists), diagnostics_(diagnostics) {}

    void start(const XmlName &name, const XmlAttributes &a) override;
    void end(const XmlName &name) override;
    void text(std::string_view piece) override;

    // Hands each header and footer read to sink.
    void write(textdoc::TextSink &sink) const;

private:
    struct Running {
        model::RunningKind kind;
        model::RunningPages pages;
        textdoc::Recording text;
    };

    const OdtStyleSheet &sheet_;
    const textdoc::TextDocument &doc_;
    ListInstances &lists_;
    Diagnostics &diagnostics_;
    std::vector<std::unique_ptr<Running>> read_;
    std::optional<OdtBodyReader> body_;  // of the header or footer in hand
    size_t depth_ = 0;                    // elements open inside it
    size_t skipped_ = 0;                  // of those, the ones of a page number passed over
    size_t pages_seen_ = 0;               // master pages begun
};

}  // namespace qrv::import::odf
