// Neat axis scales with 1-2-5 steps.
#include "host/impl/render/axis_scale.h"

#include <algorithm>
#include <cmath>

namespace kpa::host::render {
namespace {

// Relative slack when deciding whether a bound sits on a multiple of the step: data that
// lie a rounding error beyond a round number should not open a whole extra interval.
constexpr double kBoundSlack = 1e-9;

// k * mantissa * 10^exponent, computed so that round numbers come out exactly (0.3, not
// 0.30000000000000004): the integer part is exact and one division by an exact power of ten
// is correctly rounded.
double Multiple(double k, double mantissa, int exponent) {
  if (exponent >= 0) return k * mantissa * std::pow(10.0, exponent);
  return k * mantissa / std::pow(10.0, -exponent);
}

void SplitStep(double step, double& mantissa, int& exponent) {
  exponent = static_cast<int>(std::floor(std::log10(step)));
  mantissa = std::round(step / std::pow(10.0, exponent));
  if (mantissa >= 10.0) {
    mantissa /= 10.0;
    ++exponent;
  }
}

}  // namespace

double NiceStep(double raw) {
  if (!(raw > 0) || !std::isfinite(raw)) return 1.0;
  const int exponent = static_cast<int>(std::floor(std::log10(raw)));
  const double unit = std::pow(10.0, exponent);
  const double fraction = raw / unit;  // in [1, 10)
  for (const double mantissa : {1.0, 2.0, 5.0})
    if (fraction <= mantissa * (1 + kBoundSlack)) return Multiple(1, mantissa, exponent);
  return Multiple(1, 1.0, exponent + 1);
}

AxisScale NiceScale(double minimum, double maximum, int intervals) {
  if (!std::isfinite(minimum) || !std::isfinite(maximum)) return {0.0, 1.0, 0.1};
  if (minimum > maximum) std::swap(minimum, maximum);
  if (minimum == maximum) {
    const double pad = minimum == 0 ? 1.0 : std::fabs(minimum) / 10;
    minimum -= pad;
    maximum += pad;
  }
  intervals = std::max(intervals, 1);
  double step = NiceStep((maximum - minimum) / intervals);
  // Rounding the bounds outward can add an interval; take the next step when it does.
  for (int attempt = 0; attempt < 3; ++attempt) {
    double mantissa = 1;
    int exponent = 0;
    SplitStep(step, mantissa, exponent);
    const double lo_k = std::floor(minimum / step + kBoundSlack);
    const double hi_k = std::ceil(maximum / step - kBoundSlack);
    if (hi_k - lo_k <= intervals || attempt == 2)
      return {Multiple(lo_k, mantissa, exponent), Multiple(hi_k, mantissa, exponent), step};
    step = NiceStep(step * 1.5);
  }
  return {minimum, maximum, step};
}

std::vector<double> AxisTicks(double minimum, double maximum, double step) {
  std::vector<double> ticks;
  if (!(step > 0) || !std::isfinite(minimum) || !std::isfinite(maximum) || maximum < minimum)
    return ticks;
  const double span = maximum - minimum;
  if (span / step > 1000) return ticks;  // a step far too small for the range
  double mantissa = 1;
  int exponent = 0;
  SplitStep(step, mantissa, exponent);
  const bool round_step = std::fabs(Multiple(1, mantissa, exponent) - step) <= step * 1e-12;
  const double slack = step * kBoundSlack * 1000;
  const double first = std::ceil((minimum - slack) / step);
  for (double k = first;; k += 1) {
    const double value = round_step ? Multiple(k, mantissa, exponent) : k * step;
    if (value > maximum + slack) break;
    ticks.push_back(std::fabs(value) < step * 1e-9 ? 0.0 : value);
  }
  return ticks;
}

std::vector<double> LogAxisTicks(double minimum, double maximum) {
  std::vector<double> ticks;
  if (!(minimum > 0) || !(maximum >= minimum) || !std::isfinite(maximum)) return ticks;
  const int low = static_cast<int>(std::floor(std::log10(minimum) + kBoundSlack));
  const int high = static_cast<int>(std::ceil(std::log10(maximum) - kBoundSlack));
  const bool fine = high - low < 4;
  for (int e = low; e <= high; ++e) {
    for (const double mantissa : {1.0, 2.0, 5.0}) {
      if (mantissa != 1.0 && !fine) continue;
      const double value = Multiple(1, mantissa, e);
      if (value >= minimum * (1 - kBoundSlack) && value <= maximum * (1 + kBoundSlack))
        ticks.push_back(value);
    }
  }
  return ticks;
}

int TickDecimals(double step) {
  step = std::fabs(step);
  if (!(step > 0) || !std::isfinite(step)) return 0;
  for (int d = 0; d < 10; ++d) {
    const double scaled = step * std::pow(10.0, d);
    if (std::fabs(scaled - std::round(scaled)) <= scaled * 1e-9) return d;
  }
  return 10;
}

}  // namespace kpa::host::render
