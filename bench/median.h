#pragma once
// The median of a set of timings: steadier than the mean on a shared machine.
#include <algorithm>
#include <vector>

inline double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}
