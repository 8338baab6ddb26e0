// The bullets of the nine text levels as a list style states them
// (<a:lstStyle>, the master's title, body and other text styles, a
// paragraph's own <a:pPr>).  A level left unset takes the level of the
// style below: the placeholder of the layout, then of the master, then the
// master's text style.
#pragma once

#include <array>
#include <optional>

#include "package/xml_reader.hpp"
#include "slides/bullets.hpp"

namespace qrv::import::pptx {

using slides::Bullet;
using ListStyle = std::array<std::optional<Bullet>, slides::kSlideLevels>;

// Lays top over base: each level top sets replaces base's.
void overlay(ListStyle &base, const ListStyle &top);

// Reads a bullet element (<a:buNone>, <a:buChar>, <a:buAutoNum>) into
// bullet; false for any other element.
bool read_bullet(const XmlName &name, const XmlAttributes &attributes, std::optional<Bullet> &bullet);

// The 0-based level of a level's properties element (<a:lvl3pPr> is 2).
std::optional<unsigned> level_element(const XmlName &name);

// Reads the elements inside a list style into a ListStyle.
class ListStyleReader final : public XmlHandler {
public:
    explicit ListStyleReader(ListStyle &style) : style_(style) {}
    void start(const XmlName &name, const XmlAttributes &attributes) override;
    void end(const XmlName &name) override;

private:
    ListStyle &style_;
    std::optional<unsigned> level_;
};

}  // namespace qrv::import::pptx
