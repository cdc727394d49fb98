// Moments of the accepted observations, from the kept values in two passes or updated one
// value at a time, and the sample statistics derived from them.
#pragma once

#include <cstdint>
#include <span>

namespace kpa::capability {

// The count, the mean and the central moment sums M2, M3, M4 (sums of powers of deviations
// from the mean).
struct MomentSums {
  std::int64_t n = 0;
  double mean = 0.0;
  double m2 = 0.0;
  double m3 = 0.0;
  double m4 = 0.0;
  double minimum = 0.0;  // of the stored values (MomentsOf); 0 for none
  double maximum = 0.0;
};

// Two passes over stored values: the mean, then the sums of powers of the deviations from
// it. As accurate as the one-value updates below and several times faster, since no sum
// waits on a division.
[[nodiscard]] MomentSums MomentsOf(std::span<const double> values);

// Running mean and central moment sums M2, M3, M4 (sums of powers of deviations from the
// running mean).
// Reference: Pébay, P. (2008), "Formulas for robust, one-pass parallel computation of
// covariances and arbitrary-order statistical moments", Sandia report SAND2008-6212, eq.
// 1.5; in the one-value form given by Terriberry (2007).
class MomentAccumulator {
 public:
  // Inline, so that a loop over stored values keeps the sums in registers.
  void Add(double x) {
    const auto n1 = static_cast<double>(n_);
    ++n_;
    const auto n = static_cast<double>(n_);
    // The reciprocal of the count does not wait for the running mean, so the division runs
    // beside the chain of updates instead of inside it.
    const double delta = x - mean_;
    const double delta_n = delta * (1.0 / n);
    const double delta_n2 = delta_n * delta_n;
    const double term1 = delta * delta_n * n1;
    mean_ += delta_n;
    m4_ += term1 * delta_n2 * (n * n - 3.0 * n + 3.0) + 6.0 * delta_n2 * m2_ - 4.0 * delta_n * m3_;
    m3_ += term1 * delta_n * (n - 2.0) - 3.0 * delta_n * m2_;
    m2_ += term1;
  }
  std::int64_t Count() const { return n_; }
  double Mean() const { return mean_; }
  double M2() const { return m2_; }
  double M3() const { return m3_; }
  double M4() const { return m4_; }
  MomentSums Sums() const { return {n_, mean_, m2_, m3_, m4_}; }

 private:
  std::int64_t n_ = 0;
  double mean_ = 0.0;
  double m2_ = 0.0;
  double m3_ = 0.0;
  double m4_ = 0.0;
};

struct SampleMoments {
  double sd = 0.0;        // divisor N - 1
  double skewness = 0.0;  // N^2 m3 / ((N-1)(N-2) s^3), m3 with divisor N
  double kurtosis = 0.0;  // N^2 ((N+1) m4 - 3(N-1) m2^2) / ((N-1)(N-2)(N-3) s^4), excess
};

// Sample standard deviation, unbiased skewness and excess kurtosis (the G1 and G2 of Joanes
// and Gill, 1998). Needs N >= 4 and M2 > 0; otherwise the skewness and kurtosis are 0.
SampleMoments FinishMoments(const MomentSums& moments);

}  // namespace kpa::capability
