#include "host/impl/render/chart_axes.h"

#include <fmt/format.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

#include "host/impl/render/axis_scale.h"
#include "host/impl/render/chart_style.h"

namespace kpa::host::render {
namespace {

// The probabilities of the usual probability papers, from 0.1 % to 99.9 %.
constexpr std::array kProbabilityTicks = {0.001, 0.005, 0.01, 0.02,  0.05, 0.1, 0.2,
                                          0.3,   0.4,   0.5,  0.6,   0.7,  0.8, 0.9,
                                          0.95,  0.98,  0.99, 0.995, 0.999};
constexpr double kSmallestProbability = 1e-9;

bool IsProbability(AxisScaleKind scale) {
  return scale == AxisScaleKind::kNormalProbability || scale == AxisScaleKind::kWeibullProbability;
}

// The standard normal quantile, by Newton's method on Phi(z) = erfc(-z / sqrt 2) / 2 from
// the logistic start; ample for placing a point on a page (error below 1e-12).
double NormalQuantile(double p) {
  double z = std::log(p / (1.0 - p)) / 1.702;
  for (int i = 0; i < 50; ++i) {
    const double phi = 0.5 * std::erfc(-z / std::sqrt(2.0));
    const double density = std::exp(-0.5 * z * z) / std::sqrt(2.0 * std::numbers::pi);
    const double step = (phi - p) / density;
    z -= step;
    if (std::fabs(step) < 1e-13) break;
  }
  return z;
}

double Scaled(AxisScaleKind scale, double value) {
  switch (scale) {
    case AxisScaleKind::kLinear:
      return value;
    case AxisScaleKind::kLogarithmic:
      return std::log10(value);
    case AxisScaleKind::kNormalProbability:
      return NormalQuantile(value);
    case AxisScaleKind::kWeibullProbability:
      return std::log(-std::log1p(-value));
  }
  return value;
}

bool InScale(AxisScaleKind scale, double value) {
  if (!Usable(value)) return false;
  if (scale == AxisScaleKind::kLogarithmic) return value > 0;
  if (IsProbability(scale)) return value > 0 && value < 1;
  return true;
}

std::string NeatLabel(double value, int decimals, double magnitude) {
  std::string text = magnitude >= 1e9 || decimals > 6 ? fmt::format("{:g}", value)
                                                      : fmt::format("{:.{}f}", value, decimals);
  if (text.size() > 1 && text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
    text.erase(0, 1);
  return text;
}

// A probability labelled in percent: "0.1", "5", "50", "99.9".
std::string PercentLabel(double p) { return fmt::format("{:g}", std::round(p * 1e6) / 1e4); }

}  // namespace

bool ResolvedAxis::Shows(double value) const { return InScale(scale, value); }

double ResolvedAxis::ToPixel(double value) const {
  const double lo = Scaled(scale, minimum);
  const double hi = Scaled(scale, maximum);
  return pixel_from + (Scaled(scale, value) - lo) / (hi - lo) * (pixel_to - pixel_from);
}

ResolvedAxis ResolveAxis(const ChartAxis& spec, const std::vector<double>& data, int intervals) {
  ResolvedAxis axis;
  axis.scale = spec.scale;
  const bool logarithmic = spec.scale == AxisScaleKind::kLogarithmic;
  const bool probability = IsProbability(spec.scale);
  std::vector<double> usable;
  for (const double v : data)
    if (InScale(spec.scale, v)) usable.push_back(v);
  auto fixable = [&spec](const std::optional<double>& bound) {
    return bound.has_value() && InScale(spec.scale, *bound);
  };
  const bool fixed_min = fixable(spec.minimum);
  const bool fixed_max = fixable(spec.maximum);

  double empty_min = 0.0;
  double empty_max = 1.0;
  if (logarithmic) {
    empty_min = 1.0;
    empty_max = 10.0;
  } else if (probability) {
    empty_min = 0.01;
    empty_max = 0.99;
  }
  double data_min = usable.empty() ? empty_min : *std::min_element(usable.begin(), usable.end());
  double data_max = usable.empty() ? empty_max : *std::max_element(usable.begin(), usable.end());
  if (fixed_min) data_min = spec.minimum.value_or(data_min);
  if (fixed_max) data_max = spec.maximum.value_or(data_max);
  if (data_min > data_max) std::swap(data_min, data_max);

  std::vector<AxisTick> given;
  for (const AxisTick& tick : spec.ticks)
    if (InScale(spec.scale, tick.value)) given.push_back(tick);
  auto finish = [&axis, &given](std::vector<double> ticks, auto label) {
    if (!given.empty()) {
      ticks.clear();
      for (const AxisTick& tick : given)
        if (tick.value >= axis.minimum && tick.value <= axis.maximum) {
          ticks.push_back(tick.value);
          axis.labels.push_back(tick.label);
        }
    } else {
      for (const double t : ticks) axis.labels.push_back(label(t));
    }
    axis.ticks = std::move(ticks);
    return axis;
  };

  if (probability) {
    // The range reaches out to the paper's lines on either side of the data.
    axis.minimum = data_min;
    axis.maximum = data_max;
    if (!fixed_min) {
      axis.minimum = kProbabilityTicks.front();
      for (const double p : kProbabilityTicks)
        if (p <= data_min) axis.minimum = p;
      axis.minimum = std::min(axis.minimum, data_min);
    }
    if (!fixed_max) {
      axis.maximum = kProbabilityTicks.back();
      for (auto it = kProbabilityTicks.rbegin(); it != kProbabilityTicks.rend(); ++it)
        if (*it >= data_max) axis.maximum = *it;
      axis.maximum = std::max(axis.maximum, data_max);
    }
    if (axis.maximum <= axis.minimum)
      axis.maximum = std::min(1.0 - kSmallestProbability, axis.minimum * 2);
    std::vector<double> ticks;
    for (const double p : kProbabilityTicks)
      if (p >= axis.minimum * (1 - 1e-12) && p <= axis.maximum * (1 + 1e-12)) ticks.push_back(p);
    return finish(std::move(ticks), PercentLabel);
  }

  if (logarithmic) {
    axis.minimum = fixed_min ? data_min : std::pow(10.0, std::floor(std::log10(data_min)));
    axis.maximum = fixed_max ? data_max : std::pow(10.0, std::ceil(std::log10(data_max)));
    if (axis.maximum <= axis.minimum) axis.maximum = axis.minimum * 10;
    return finish(LogAxisTicks(axis.minimum, axis.maximum),
                  [](double value) { return fmt::format("{:g}", value); });
  }

  const AxisScale scale = NiceScale(data_min, data_max, intervals);
  double step = scale.step;
  axis.minimum = fixed_min ? data_min : scale.minimum;
  axis.maximum = fixed_max ? data_max : scale.maximum;
  if (axis.maximum <= axis.minimum) axis.maximum = axis.minimum + 1;
  if (spec.step && Usable(*spec.step) && *spec.step > 0) {
    step = *spec.step;
    if (!fixed_min) axis.minimum = std::floor(data_min / step + 1e-9) * step;
    if (!fixed_max) axis.maximum = std::ceil(data_max / step - 1e-9) * step;
    if (axis.maximum <= axis.minimum) axis.maximum = axis.minimum + step;
  } else if (fixed_min || fixed_max) {
    step = NiceStep((axis.maximum - axis.minimum) / intervals);
  }
  // A given step far too small for the range would flood the axis with ticks.
  if ((axis.maximum - axis.minimum) / step > 100)
    step = NiceStep((axis.maximum - axis.minimum) / intervals);
  const int decimals = TickDecimals(step);
  const double magnitude = std::max(std::fabs(axis.minimum), std::fabs(axis.maximum));
  return finish(AxisTicks(axis.minimum, axis.maximum, step), [decimals, magnitude](double value) {
    return NeatLabel(value, decimals, magnitude);
  });
}

std::size_t LabelStride(const std::vector<double>& positions, const std::vector<double>& sizes,
                        double gap) {
  for (std::size_t stride = 1; stride < positions.size(); ++stride) {
    bool clear = true;
    for (std::size_t i = stride; i < positions.size() && clear; i += stride) {
      const double distance = std::fabs(positions[i] - positions[i - stride]);
      if (distance < (sizes[i] + sizes[i - stride]) / 2 + gap) clear = false;
    }
    if (clear) return stride;
  }
  return std::max<std::size_t>(positions.size(), 1);
}

std::vector<std::size_t> DrawnLabels(const std::vector<double>& positions,
                                     const std::vector<double>& sizes,
                                     const std::vector<std::string>& labels, double gap) {
  std::vector<std::size_t> labelled;
  std::vector<double> labelled_positions;
  std::vector<double> labelled_sizes;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    if (i < labels.size() && labels[i].empty()) continue;
    labelled.push_back(i);
    labelled_positions.push_back(positions[i]);
    labelled_sizes.push_back(sizes[i]);
  }
  const std::size_t stride = LabelStride(labelled_positions, labelled_sizes, gap);
  std::vector<std::size_t> drawn;
  for (std::size_t k = 0; k < labelled.size(); k += stride) drawn.push_back(labelled[k]);
  return drawn;
}

}  // namespace kpa::host::render
