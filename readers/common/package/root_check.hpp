// A part read as the one thing it must hold: the root element is checked
// before the handler that reads the part sees anything.  A part of another
// vocabulary (a styles part named as the document, a sheet in a namespace
// the importers do not read) is refused with its name, where it would
// otherwise give an empty page.
#pragma once

#include <string>
#include <string_view>

#include "xml_reader.hpp"

namespace qrv::import {

class RootCheck final : public XmlHandler {
public:
    // vocabulary names the namespace in messages ("WordprocessingML").
    RootCheck(XmlHandler &reader, Ns ns, std::string_view local, std::string_view vocabulary)
        : reader_(reader), ns_(ns), local_(local), vocabulary_(vocabulary) {}

    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override { reader_.end(name); }
    void text(std::string_view text) override { reader_.text(text); }

private:
    XmlHandler &reader_;
    Ns ns_;
    std::string local_, vocabulary_;
    bool checked_ = false;
};

}  // namespace qrv::import
