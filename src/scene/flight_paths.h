// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace lunvale::scene {

// A control point of a flight path in screen pixels (y grows downward).
struct FlightPoint {
  int32_t x;
  int32_t y;
};

inline constexpr int32_t kFlightPathACount = 44;
inline constexpr int32_t kFlightPathBCount = 32;

// The large gull's ring of control points.
extern const FlightPoint FlightPathA[kFlightPathACount];
// The ring both small gulls fly, at different speeds and from different segments.
extern const FlightPoint FlightPathB[kFlightPathBCount];

}  // namespace lunvale::scene
