// An OpenDocument chart object (the content.xml of an embedded object
// whose body is office:chart) read into the model's chart: its class,
// title, axis titles, legend, and the series from the chart's own table
// (the cell ranges each series names in it).  The table is kept within the
// chart's bounds (qrvmodel/chart.hpp); ranges outside it, or of another
// table, give missing values.
#pragma once

#include <qrvmodel/chart.hpp>

#include <memory>

#include "package/xml_reader.hpp"

namespace qrv::import::odf {

class ChartObjectReader final : public XmlHandler {
public:
    ChartObjectReader();
    ~ChartObjectReader() override;

    void start(const XmlName &name, const XmlAttributes &a) override;
    void end(const XmlName &name) override;
    void text(std::string_view piece) override;

    // Whether the object's body was a chart.
    bool is_chart() const;
    // The chart, its series filled in from the table.
    model::Chart take();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// A cell range of a chart ("local-table.$B$2:$B$4", "Table.A1:Table.A3",
// "local-table.B1"): its first and last column and row from 0; false for
// one that is none.
struct CellRange {
    uint32_t first_column = 0, first_row = 0, last_column = 0, last_row = 0;
};
bool parse_cell_range(std::string_view text, CellRange &range);

}  // namespace qrv::import::odf
