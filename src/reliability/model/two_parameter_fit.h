// Maximum likelihood for the two-parameter Weibull distribution at a fixed location, on
// right-censored times: Newton-Raphson on the profile equation of the shape, the scale in
// closed form, standard errors from the observed information.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace kpa::reliability {

// Asked once per iteration; true when the user stopped the work.
using CancelPoll = std::function<bool()>;

// Numbers are fixed: the messages are chosen by them.
enum class Weibull2Status : std::int16_t {
  kOk = 0,
  kNoConvergence = 2,     // the iterations ran out on both passes
  kNoStandardErrors = 3,  // estimates stand; the information matrix is not positive definite
  kBadLocation = 4,       // a time at or below the location
  kShapeRunaway = 5,      // the shape ran towards 0 or became meaningless
  kShapeTooLarge = 6,     // the shape grew without bound: the location is likely unsuitable
  kCancelled = 9,
};

struct ShapeScale {
  double shape = 0.0;
  double scale = 0.0;
};

struct Weibull2Result {
  Weibull2Status status = Weibull2Status::kOk;
  double shape = 0.0;
  double scale = 0.0;
  std::optional<double> se_shape;
  std::optional<double> se_scale;
  std::optional<double> cov_shape_scale;
  int iterations = 0;
  // The estimates stand (with or without standard errors).
  bool Estimated() const {
    return status == Weibull2Status::kOk || status == Weibull2Status::kNoStandardErrors;
  }
};

struct Weibull2Options {
  int max_iterations = 50;
  double criterion = 1e-5;
  // Given parameters: only the standard errors are computed at them.
  std::optional<ShapeScale> given;
};

// time[i] and censored[i] (0.0 failure, 1.0 censored) of every case; at least two failures.
[[nodiscard]] Weibull2Result FitWeibull2(std::span<const double> time,
                                         std::span<const double> censored, double location,
                                         const Weibull2Options& options,
                                         const CancelPoll& cancelled = {});

// Standard errors of (shape, scale) from the observed information of the censored sample
// at the given parameters; std::nullopt members when the matrix is not positive definite.
struct ShapeScaleErrors {
  std::optional<double> se_shape;
  std::optional<double> se_scale;
  std::optional<double> cov;
};
[[nodiscard]] ShapeScaleErrors ObservedInformationErrors(std::span<const double> x,
                                                         std::span<const double> censored,
                                                         double shape, double scale);

}  // namespace kpa::reliability
