#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

namespace candelor::bench {

// Median, 99th percentile and maximum of a set of samples.
struct Summary {
  double median = 0, p99 = 0, max = 0;
};

inline Summary Summarize(std::vector<double> samples) {
  if (samples.empty()) return {};
  std::sort(samples.begin(), samples.end());
  auto at = [&](double q) {
    std::size_t i = static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[std::min(i, samples.size() - 1)];
  };
  return {at(0.5), at(0.99), samples.back()};
}

}  // namespace candelor::bench
