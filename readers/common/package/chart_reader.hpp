// A DrawingML chart part (c:chartSpace, "xl/charts/chart1.xml" and the
// like) read into the model's chart from the values it caches: the kind of
// its first chart group, its titles, its legend and its series (names,
// categories, values, colours).  The caches are trusted for nothing: a
// missing one gives a series without values, a point that is no number a
// missing value, and the chart's bounds (qrvmodel/chart.hpp) cap series
// and points whatever ptCount says.
#pragma once

#include <qrvmodel/chart.hpp>

#include <cstddef>
#include <memory>

#include "xml_reader.hpp"

namespace qrv::import {

class ChartReader final : public XmlHandler {
public:
    ChartReader();
    ~ChartReader() override;

    void start(const XmlName &name, const XmlAttributes &a) override;
    void end(const XmlName &name) override;
    void text(std::string_view piece) override;

    // The chart as read so far.
    model::Chart take();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The fill colour a DrawingML colour element names: srgbClr's value, a
// system colour's last colour, a theme accent from the default palette;
// kNoChartColour for any other.
uint32_t drawing_colour(const XmlName &name, const XmlAttributes &a);

}  // namespace qrv::import
