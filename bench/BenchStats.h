// Order statistics for the benchmarks' repeated rounds.
#pragma once

#include <algorithm>
#include <vector>

namespace bench {

// The value below which `fraction` of the samples lie (0.5: the median).
inline double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const size_t index = static_cast<size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

inline double Median(const std::vector<double>& values) { return Percentile(values, 0.5); }
inline double Lowest(const std::vector<double>& values) { return Percentile(values, 0.0); }
inline double Highest(const std::vector<double>& values) { return Percentile(values, 1.0); }

}  // namespace bench
