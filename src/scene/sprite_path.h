// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

#include "scene/flight_paths.h"
#include "sprites/strip_sprite.h"

namespace lunvale::scene {

// Coefficients c0..c3 of one coordinate of a spline segment: ((c3 t + c2) t + c1) t + c0, t in 0..1.
using SegmentPolynomial = std::array<float, 4>;

struct PathPosition {
  float x = 0.0f;
  float y = 0.0f;
};

// One gull's flight: a ring of control points traversed as a closed uniform cubic B-spline, a fixed
// number of frames per segment, the heading turning linearly over each segment. Headings are whole
// degrees clockwise on the screen: 0 right, 90 down, 180 left, 270 up.
//
// Default-constructed as the scene form prepares it before InitPath.
struct SpritePath {
  static constexpr int32_t kMaxPoints = 256;

  std::array<FlightPoint, kMaxPoints> points{};
  int32_t pointCount = 0;
  // Segment i is shaped by the points i - 1 .. i + 2 (modulo pointCount).
  int32_t segment = 0;
  int32_t stepsPerSegment = 32;
  // Frames already spent on the segment: 1..stepsPerSegment once stepped.
  int32_t step = 0;
  SegmentPolynomial coefX{};
  SegmentPolynomial coefY{};
  // Top-left corner of the strip in the last frame.
  PathPosition position;
  // Heading at the segment's start, 0..360.
  int32_t headingStart = 0;
  // Heading at the next segment's start, raised by 360 when the short way round crosses 0.
  int32_t headingNext = 0;
  // Degrees over the segment, -180..180; positive turns clockwise.
  int32_t turn = 0;
  // Drawn in the last frame: heading 0..359 and its strip frame heading / 3 (0..119).
  int32_t heading = 0;
  int32_t frame = 0;
};

// Whole-degree heading of a displacement in pixels, 0..360: 360 when it points up-right by less than a
// degree (StepPath reduces it to 0..359).
int32_t DisplacementHeading(int32_t dx, int32_t dy);

// The B-spline segment shaped by four consecutive control points (one coordinate).
SegmentPolynomial MakeSegmentPolynomial(int32_t q0, int32_t q1, int32_t q2, int32_t q3);
// Evaluated with double intermediates; t is rounded to float first, as every caller holds it.
double PolynomialValue(const SegmentPolynomial& c, float t);
// Heading from the segment's truncated start to its truncated point at t = 1/30.
int32_t StartHeading(const SegmentPolynomial& x, const SegmentPolynomial& y);

// Coefficients, start and next headings and the turn for path.segment.
void SetupSegment(SpritePath& path);

// Fills `path` from `count` points of `table`, on `first_segment`, not yet stepped. A table of more than
// kMaxPoints is cut to its first kMaxPoints; no table (or no points) leaves a path that StepPath never
// moves. Fewer than one frame per segment counts as one; the first segment is taken modulo the count.
void InitPath(SpritePath& path, const FlightPoint* table, int32_t count, int32_t frames_per_segment,
              int32_t first_segment);

// Moves every control point `dx` pixels to the right, keeping the path's place along its ring.
void ShiftPath(SpritePath& path, int32_t dx);

// One frame along the curve: position, heading and strip frame. False (and nothing changed) for a path
// without points or frames.
bool AdvancePath(SpritePath& path);
// Puts the strip at the path's frame and position, `dx` pixels to the right, and draws it.
void DrawPath(const SpritePath& path, sprites::TQMV* strip, int32_t dx = 0);
// Once per frame: advances and draws; a null strip only advances.
void StepPath(SpritePath& path, sprites::TQMV* strip);

}  // namespace lunvale::scene
