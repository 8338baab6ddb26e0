// Hands one element and everything inside it to another handler: a reader
// of a part calls open() at the element's start and then offers it each
// event; forwarded() tells whether the event went to the other handler,
// and closed() whether the element has just ended.
#pragma once

#include <cstdint>

#include "xml_reader.hpp"

namespace qrv::import {

class XmlSubtree {
public:
    void open(XmlHandler &handler, const XmlName &name, const XmlAttributes &attributes) {
        handler_ = &handler;
        depth_ = 1;
        closed_ = false;
        handler.start(name, attributes);
    }
    bool active() const { return handler_ != nullptr; }

    bool start(const XmlName &name, const XmlAttributes &attributes) {
        if (!handler_) return false;
        ++depth_;
        handler_->start(name, attributes);
        return true;
    }
    // True when the end went to the handler; closed() then says whether it
    // was the element's own.
    bool end(const XmlName &name) {
        if (!handler_) return false;
        handler_->end(name);
        if (--depth_ == 0) {
            handler_ = nullptr;
            closed_ = true;
        }
        return true;
    }
    bool text(std::string_view chars) {
        if (!handler_) return false;
        handler_->text(chars);
        return true;
    }
    // True once, right after the element's own end.
    bool closed() {
        const bool was = closed_;
        closed_ = false;
        return was;
    }

private:
    XmlHandler *handler_ = nullptr;
    uint32_t depth_ = 0;
    bool closed_ = false;
};

}  // namespace qrv::import
