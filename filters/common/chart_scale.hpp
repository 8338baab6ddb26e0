// A nice-number axis for a chart: from a range of values, a low and high
// end and a step of 1, 2 or 5 times a power of ten, about five steps in
// all, and the ticks' labels with as many decimals as the step needs.
#pragma once

#include <string>
#include <vector>

namespace qrv::filters {

struct ChartScale {
    double low = 0, high = 1, step = 0.2;
    int decimals = 1;

    // Where a value falls between from (low) and to (high).
    double at(double value, double from, double to) const;
    std::vector<double> ticks() const;
    std::string label(double value) const;
};

// The scale of values from low to high (NaN or infinite ends: 0 to 1);
// with include_zero the scale reaches 0.
ChartScale nice_scale(double low, double high, bool include_zero);

}  // namespace qrv::filters
