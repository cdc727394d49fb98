#include "gage/model/d2_star.h"

#include <algorithm>
#include <array>

namespace kpa::gage {
namespace {

constexpr int kRows = 16;
constexpr int kSizes = 14;

// Rows g = 1..15 and 16-or-more; columns m = 2..15.
constexpr std::array<std::array<float, kSizes>, kRows> kTable = {{
    {1.41f, 1.91f, 2.24f, 2.48f, 2.67f, 2.83f, 2.96f, 3.08f, 3.18f, 3.27f, 3.35f, 3.42f, 3.49f,
     3.55f},
    {1.28f, 1.81f, 2.15f, 2.40f, 2.60f, 2.77f, 2.91f, 3.02f, 3.13f, 3.22f, 3.30f, 3.38f, 3.45f,
     3.51f},
    {1.23f, 1.77f, 2.12f, 2.38f, 2.58f, 2.75f, 2.89f, 3.01f, 3.11f, 3.21f, 3.29f, 3.37f, 3.43f,
     3.50f},
    {1.21f, 1.75f, 2.11f, 2.37f, 2.57f, 2.74f, 2.88f, 3.00f, 3.10f, 3.20f, 3.28f, 3.36f, 3.43f,
     3.49f},
    {1.19f, 1.74f, 2.10f, 2.36f, 2.56f, 2.73f, 2.87f, 2.99f, 3.10f, 3.19f, 3.28f, 3.35f, 3.42f,
     3.49f},
    {1.18f, 1.73f, 2.09f, 2.35f, 2.56f, 2.73f, 2.87f, 2.99f, 3.10f, 3.19f, 3.27f, 3.35f, 3.42f,
     3.49f},
    {1.17f, 1.73f, 2.09f, 2.35f, 2.55f, 2.72f, 2.87f, 2.99f, 3.10f, 3.19f, 3.27f, 3.35f, 3.42f,
     3.48f},
    {1.17f, 1.72f, 2.08f, 2.35f, 2.55f, 2.72f, 2.87f, 2.98f, 3.09f, 3.19f, 3.27f, 3.35f, 3.42f,
     3.48f},
    {1.16f, 1.72f, 2.09f, 2.34f, 2.55f, 2.72f, 2.86f, 2.98f, 3.09f, 3.18f, 3.27f, 3.35f, 3.42f,
     3.48f},
    {1.16f, 1.72f, 2.09f, 2.34f, 2.55f, 2.72f, 2.86f, 2.98f, 3.09f, 3.18f, 3.27f, 3.34f, 3.42f,
     3.48f},
    {1.16f, 1.71f, 2.09f, 2.34f, 2.55f, 2.72f, 2.86f, 2.98f, 3.09f, 3.18f, 3.27f, 3.34f, 3.41f,
     3.48f},
    {1.15f, 1.71f, 2.07f, 2.34f, 2.55f, 2.72f, 2.85f, 2.98f, 3.09f, 3.18f, 3.27f, 3.34f, 3.41f,
     3.48f},
    {1.15f, 1.71f, 2.07f, 2.34f, 2.55f, 2.71f, 2.85f, 2.98f, 3.09f, 3.18f, 3.27f, 3.34f, 3.41f,
     3.48f},
    {1.15f, 1.71f, 2.07f, 2.34f, 2.54f, 2.71f, 2.85f, 2.98f, 3.08f, 3.18f, 3.27f, 3.34f, 3.41f,
     3.48f},
    {1.15f, 1.71f, 2.07f, 2.34f, 2.54f, 2.71f, 2.85f, 2.98f, 3.08f, 3.18f, 3.26f, 3.34f, 3.41f,
     3.48f},
    {1.13f, 1.69f, 2.06f, 2.33f, 2.53f, 2.70f, 2.85f, 2.97f, 3.08f, 3.17f, 3.26f, 3.34f, 3.41f,
     3.47f},
}};

}  // namespace

double D2Star(std::int64_t m, std::int64_t g) {
  const std::int64_t column = std::clamp<std::int64_t>(m, kD2StarFirstSize, kD2StarLastSize) - 2;
  const std::int64_t row = std::clamp<std::int64_t>(g, 1, kRows) - 1;
  return static_cast<double>(
      kTable[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
}

}  // namespace kpa::gage
