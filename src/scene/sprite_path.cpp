// SPDX-License-Identifier: MIT
#include "scene/sprite_path.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace lunvale::scene {
namespace {

// The parameter of the point that gives a segment's start heading: 1/30 as a float (0.033333335).
constexpr float kStartT = 1.0f / 30.0f;

// Truncation toward zero that saturates instead of overflowing on points far off any screen.
int32_t Truncate(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kMin = std::numeric_limits<int32_t>::min();
  constexpr double kMax = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(std::trunc(value), kMin, kMax));
}

int32_t Saturate(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int32_t Wrap(int64_t index, int32_t count) {
  const int64_t r = index % count;
  return static_cast<int32_t>(r < 0 ? r + count : r);
}

// Only a ring that fits the point array can be indexed, also when the record was filled by hand.
bool HasRing(const SpritePath& path) {
  return path.pointCount >= 1 && path.pointCount <= SpritePath::kMaxPoints;
}

}  // namespace

int32_t DisplacementHeading(int32_t dx, int32_t dy) {
  if (dx == 0 && dy == 0) return 0;
  if (dx == 0) return dy > 0 ? 90 : 270;
  if (dy == 0) return dx > 0 ? 0 : 180;
  const double a = std::atan(static_cast<double>(dy) / static_cast<double>(dx)) * 180.0 / std::numbers::pi;
  const int32_t whole = static_cast<int32_t>(a);
  const int32_t size = whole < 0 ? -whole : whole;
  if (dx > 0) return dy > 0 ? whole : 360 - size;
  return dy > 0 ? 180 - size : 180 + size;
}

SegmentPolynomial MakeSegmentPolynomial(int32_t q0, int32_t q1, int32_t q2, int32_t q3) {
  // In double: the sums of large coordinates must not overflow before they are rounded to float.
  const double p0 = q0, p1 = q1, p2 = q2, p3 = q3;
  return {static_cast<float>((p0 + 4.0 * p1 + p2) / 6.0), static_cast<float>((p2 - p0) / 2.0),
          static_cast<float>((p0 - 2.0 * p1 + p2) / 2.0),
          static_cast<float>((-p0 + 3.0 * (p1 - p2) + p3) / 6.0)};
}

double PolynomialValue(const SegmentPolynomial& c, float t) {
  const double s = t;
  return ((static_cast<double>(c[3]) * s + c[2]) * s + c[1]) * s + c[0];
}

int32_t StartHeading(const SegmentPolynomial& x, const SegmentPolynomial& y) {
  const int64_t dx = int64_t{Truncate(PolynomialValue(x, kStartT))} - Truncate(x[0]);
  const int64_t dy = int64_t{Truncate(PolynomialValue(y, kStartT))} - Truncate(y[0]);
  return DisplacementHeading(Saturate(dx), Saturate(dy));
}

void SetupSegment(SpritePath& path) {
  if (!HasRing(path)) return;
  const int64_t i = path.segment;
  const auto point = [&path, i](int64_t offset) { return path.points[Wrap(i + offset, path.pointCount)]; };

  const FlightPoint n0 = point(0), n1 = point(1), n2 = point(2), n3 = point(3);
  path.headingNext = StartHeading(MakeSegmentPolynomial(n0.x, n1.x, n2.x, n3.x),
                                  MakeSegmentPolynomial(n0.y, n1.y, n2.y, n3.y));

  const FlightPoint c0 = point(-1);
  path.coefX = MakeSegmentPolynomial(c0.x, n0.x, n1.x, n2.x);
  path.coefY = MakeSegmentPolynomial(c0.y, n0.y, n1.y, n2.y);
  path.headingStart = StartHeading(path.coefX, path.coefY);

  // Turn the short way: across 0 the next heading is counted from 360 on.
  if (path.headingStart > path.headingNext && path.headingNext < 180 && path.headingStart > 180)
    path.headingNext += 360;
  path.turn = path.headingNext - path.headingStart;
  if (path.turn > 180) path.turn -= 360;
}

void InitPath(SpritePath& path, const FlightPoint* table, int32_t count, int32_t frames_per_segment,
              int32_t first_segment) {
  const int32_t n = table == nullptr || count < 1 ? 0 : std::min(count, SpritePath::kMaxPoints);
  path.pointCount = n;
  std::copy_n(table, n, path.points.begin());
  path.stepsPerSegment = std::max(frames_per_segment, 1);
  path.segment = n > 0 ? Wrap(first_segment, n) : 0;
  path.step = 0;
  SetupSegment(path);
}

void ShiftPath(SpritePath& path, int32_t dx) {
  if (dx == 0) return;
  for (int32_t i = 0; i < path.pointCount; ++i) path.points[static_cast<size_t>(i)].x += dx;
  SetupSegment(path);
}

bool AdvancePath(SpritePath& path) {
  if (!HasRing(path) || path.stepsPerSegment < 1) return false;
  ++path.step;
  if (path.step > path.stepsPerSegment) {
    path.step = 0;
    ++path.segment;
    if (path.segment >= path.pointCount) path.segment = 0;
    SetupSegment(path);
    ++path.step;
  }

  // The gull is drawn at t = 1/steps .. 1: t = 0 is the previous segment's t = 1.
  const float t = static_cast<float>(path.step) / static_cast<float>(path.stepsPerSegment);
  path.position = {static_cast<float>(PolynomialValue(path.coefX, t)),
                   static_cast<float>(PolynomialValue(path.coefY, t))};

  // The turn so far as an exact quotient truncated toward zero: a floating product such as
  // 63 / 26 * 26 can land just under the whole number and leave the last frame of a segment a degree
  // short of the next segment's start heading.
  int64_t heading = path.headingStart;
  if (path.step >= 1) heading += int64_t{path.turn} * path.step / path.stepsPerSegment;
  heading %= 360;
  if (heading < 0) heading += 360;
  path.heading = static_cast<int32_t>(heading);
  path.frame = path.heading / 3;
  return true;
}

void DrawPath(const SpritePath& path, sprites::TQMV* strip, int32_t dx) {
  if (strip == nullptr) return;
  strip->SetNumberFrame(path.frame);
  strip->SetShowX(Truncate(path.position.x) + dx);
  strip->SetShowY(Truncate(path.position.y));
  strip->DrawMovie();
}

void StepPath(SpritePath& path, sprites::TQMV* strip) {
  if (AdvancePath(path)) DrawPath(path, strip);
}

}  // namespace lunvale::scene
