#include "capability/model/within_sigma.h"

#include <cmath>

#include "shell/probability/control_constants.h"

namespace kpa::capability {
namespace {

WithinSigma MovingRanges(std::span<const CapabilitySample> samples) {
  WithinSigma result;
  result.mean_size_all = 1.0;
  result.small_sample = true;
  if (samples.size() < 2) {
    result.status = SigmaStatus::kMeanSizeOne;
    return result;
  }
  double sum = 0.0;
  for (std::size_t j = 1; j < samples.size(); ++j)
    sum += std::fabs(samples[j].mean - samples[j - 1].mean);
  result.dispersion_mean = sum / static_cast<double>(samples.size() - 1);
  result.sigma = result.dispersion_mean / probability::D2(2);
  result.mean_size = 2.0;
  result.moving_ranges = true;
  return result;
}

}  // namespace

WithinSigma EstimateWithinSigma(std::span<const CapabilitySample> samples, SigmaMethod method,
                                bool given_dispersions) {
  WithinSigma result;
  if (samples.empty()) {
    result.status = SigmaStatus::kMeanSizeOne;
    return result;
  }
  if (!given_dispersions) {
    bool all_single = true;
    for (const auto& sample : samples) {
      if (sample.count <= 0.0) {
        result.status = SigmaStatus::kEmptySample;
        return result;
      }
      if (sample.count != 1.0) all_single = false;
    }
    if (all_single) {
      if (method == SigmaMethod::kRanges) return MovingRanges(samples);
      result.status = SigmaStatus::kMeanSizeOne;
      result.small_sample = true;
      result.mean_size_all = 1.0;
      return result;
    }
  }

  const double first_size = samples.front().count;
  double sigma_sum = 0.0;       // ranges and standard deviations: sum of the unbiased terms
  double pooled_squares = 0.0;  // variances: sum of (n - 1) v
  double dispersion_sum = 0.0;
  // The mean sizes from sums of the counts (whole numbers, so the sums are exact) rather
  // than running means, whose divisions would each wait on the one before.
  double size_sum_all = 0.0;
  double size_sum = 0.0;
  for (const auto& sample : samples) {
    size_sum_all += sample.count;
    if (sample.count != first_size) result.sizes_vary = true;
    if (sample.count < 2.0) {
      result.small_sample = true;
      continue;
    }
    ++result.k2;
    const std::int64_t size = std::llround(sample.count);
    result.sum_n2 += size;
    size_sum += sample.count;
    switch (method) {
      case SigmaMethod::kRanges: {
        if (size > probability::kD2LastSize) {
          result.status = SigmaStatus::kSampleOver25;
          return result;
        }
        const double range =
            given_dispersions ? sample.dispersion : sample.maximum - sample.minimum;
        dispersion_sum += range;
        sigma_sum += range / probability::D2(static_cast<int>(size));
        break;
      }
      case SigmaMethod::kStandardDeviations: {
        const double sd = given_dispersions ? sample.dispersion
                                            : std::sqrt(sample.sum_squares / (sample.count - 1.0));
        dispersion_sum += sd;
        sigma_sum += sd / probability::C4(sample.count);
        break;
      }
      case SigmaMethod::kVariances: {
        const double variance =
            given_dispersions ? sample.dispersion : sample.sum_squares / (sample.count - 1.0);
        dispersion_sum += variance;
        pooled_squares += (sample.count - 1.0) * variance;
        break;
      }
    }
  }
  result.mean_size_all = size_sum_all / static_cast<double>(samples.size());
  if (result.k2 > 0) result.mean_size = size_sum / static_cast<double>(result.k2);
  if (result.k2 == 0 || result.mean_size <= 1.0) {
    result.status = SigmaStatus::kMeanSizeOne;
    return result;
  }
  const auto k2 = static_cast<double>(result.k2);
  result.dispersion_mean = dispersion_sum / k2;
  if (method == SigmaMethod::kVariances)
    result.sigma = std::sqrt(pooled_squares / static_cast<double>(result.sum_n2 - result.k2));
  else
    result.sigma = sigma_sum / k2;
  return result;
}

}  // namespace kpa::capability
