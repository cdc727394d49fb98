#include "shell/probability/selection.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace kpa::probability {
namespace {

// Ranges longer than this first select within a sample around the expected position.
constexpr std::ptrdiff_t kSampleAbove = 600;
// Fewer values than this are left to SELECT alone; more are distributed into about one
// bucket per four values, at most this many.
constexpr std::size_t kDistributeFrom = 256;
constexpr std::size_t kMaxBuckets = 4096;

void Select(double* a, std::ptrdiff_t left, std::ptrdiff_t right, std::ptrdiff_t k) {
  while (right > left) {
    if (right - left > kSampleAbove) {
      // A sample of size s about n^(2/3) around k, shifted by a fraction of its spread so
      // that the element wanted falls inside it with high probability.
      const auto n = static_cast<double>(right - left + 1);
      const auto i = static_cast<double>(k - left + 1);
      const double z = std::log(n);
      const double s = 0.5 * std::exp(2.0 * z / 3.0);
      const double sd = 0.5 * std::sqrt(z * s * (n - s) / n) * (i < n / 2.0 ? -1.0 : 1.0);
      const auto kd = static_cast<double>(k);
      const auto sample_left =
          std::max(left, static_cast<std::ptrdiff_t>(std::floor(kd - i * s / n + sd)));
      const auto sample_right =
          std::min(right, static_cast<std::ptrdiff_t>(std::floor(kd + (n - i) * s / n + sd)));
      Select(a, sample_left, sample_right, k);
    }
    // Partition around t = a[k], with t itself at one end as the sentinel of both scans.
    const double t = a[k];
    std::ptrdiff_t i = left;
    std::ptrdiff_t j = right;
    std::swap(a[left], a[k]);
    if (a[right] > t) std::swap(a[right], a[left]);
    while (i < j) {
      std::swap(a[i], a[j]);
      ++i;
      --j;
      while (a[i] < t) ++i;
      while (a[j] > t) --j;
    }
    if (a[left] == t) {
      std::swap(a[left], a[j]);
    } else {
      ++j;
      std::swap(a[j], a[right]);
    }
    // a[j] is t in its final place: continue on the side that holds k.
    if (j <= k) left = j + 1;
    if (k <= j) right = j - 1;
  }
}

}  // namespace

void SelectOrderStatistic(std::span<double> values, std::size_t k) {
  if (k >= values.size()) return;
  Select(values.data(), 0, static_cast<std::ptrdiff_t>(values.size()) - 1,
         static_cast<std::ptrdiff_t>(k));
}

void SelectOrderStatistics(std::span<double> values, std::span<const std::size_t> positions) {
  const std::size_t n = values.size();
  const auto select_each = [&] {
    std::size_t from = 0;  // each selection leaves only greater values after its position
    for (const std::size_t k : positions) {
      if (k < from || k >= n) continue;
      SelectOrderStatistic(values.subspan(from), k - from);
      from = k + 1;
    }
  };
  if (n < kDistributeFrom) return select_each();
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  const double minimum = *low;
  const double width = *high - minimum;
  if (!(width > 0.0) || !std::isfinite(width)) return select_each();
  const std::size_t buckets = std::min(kMaxBuckets, n / 4);
  // (x - minimum) * scale never decreases as x grows (each rounded operation is monotone),
  // so every value of a bucket is at most every value of the next one.
  const double scale = static_cast<double>(buckets) / width;
  std::vector<std::uint16_t> bucket_of(n);
  std::vector<std::size_t> starts(buckets + 1, 0);
  for (std::size_t i = 0; i < n; ++i) {
    const auto b = std::min(static_cast<std::size_t>((values[i] - minimum) * scale), buckets - 1);
    bucket_of[i] = static_cast<std::uint16_t>(b);
    ++starts[b + 1];
  }
  for (std::size_t b = 0; b < buckets; ++b) starts[b + 1] += starts[b];
  std::vector<double> distributed(n);
  std::vector<std::size_t> next(starts.begin(), starts.end() - 1);
  for (std::size_t i = 0; i < n; ++i) distributed[next[bucket_of[i]]++] = values[i];
  std::copy(distributed.begin(), distributed.end(), values.begin());
  // Each position is finished inside its bucket, after the position before it when both
  // fall in the same bucket, so as not to undo it.
  std::size_t b = 0;
  std::size_t from = 0;
  for (const std::size_t k : positions) {
    if (k < from || k >= n) continue;
    while (starts[b + 1] <= k) ++b;
    from = std::max(from, starts[b]);
    SelectOrderStatistic(values.subspan(from, starts[b + 1] - from), k - from);
    from = k + 1;
  }
}

}  // namespace kpa::probability
