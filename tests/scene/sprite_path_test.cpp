// SPDX-License-Identifier: MIT
#include "scene/sprite_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "scene/flight_paths.h"
#include "sprites/sprite_fixture.h"

namespace lunvale::scene {
namespace {

struct SceneRun {
  const char* bird;
  const FlightPoint* table;
  int32_t count;
  int32_t frames_per_segment;
  int32_t first_segment;
  int32_t loop_frames;
};

// The three gulls of the scene.
const SceneRun kSceneRuns[] = {
    {"large", FlightPathA, kFlightPathACount, 26, 0, 1144},
    {"small", FlightPathB, kFlightPathBCount, 32, 0, 1024},
    {"third", FlightPathB, kFlightPathBCount, 40, 12, 1280},
};

SpritePath Started(const FlightPoint* table, int32_t count, int32_t frames, int32_t first) {
  SpritePath path;
  InitPath(path, table, count, frames, first);
  return path;
}

// Everything but the point table, which stepping never changes.
void ExpectSameState(const SpritePath& a, const SpritePath& b) {
  EXPECT_EQ(a.pointCount, b.pointCount);
  EXPECT_EQ(a.segment, b.segment);
  EXPECT_EQ(a.stepsPerSegment, b.stepsPerSegment);
  EXPECT_EQ(a.step, b.step);
  EXPECT_EQ(a.coefX, b.coefX);
  EXPECT_EQ(a.coefY, b.coefY);
  EXPECT_EQ(a.position.x, b.position.x);
  EXPECT_EQ(a.position.y, b.position.y);
  EXPECT_EQ(a.headingStart, b.headingStart);
  EXPECT_EQ(a.headingNext, b.headingNext);
  EXPECT_EQ(a.turn, b.turn);
  EXPECT_EQ(a.heading, b.heading);
  EXPECT_EQ(a.frame, b.frame);
}

TEST(HeadingTest, AxesAndNoDisplacement) {
  EXPECT_EQ(DisplacementHeading(0, 0), 0);
  EXPECT_EQ(DisplacementHeading(7, 0), 0);
  EXPECT_EQ(DisplacementHeading(0, 7), 90);
  EXPECT_EQ(DisplacementHeading(-7, 0), 180);
  EXPECT_EQ(DisplacementHeading(0, -7), 270);
}

TEST(HeadingTest, QuadrantsTruncateTowardTheNearestHorizontal) {
  // atan(1/2) is 26.57 degrees.
  EXPECT_EQ(DisplacementHeading(2, 1), 26);
  EXPECT_EQ(DisplacementHeading(-2, 1), 154);
  EXPECT_EQ(DisplacementHeading(-2, -1), 206);
  EXPECT_EQ(DisplacementHeading(2, -1), 334);
  // Diagonals are whole degrees and must not come out a degree short.
  for (int32_t d = 1; d <= 2000; ++d) {
    ASSERT_EQ(DisplacementHeading(d, d), 45) << d;
    ASSERT_EQ(DisplacementHeading(-d, d), 135) << d;
    ASSERT_EQ(DisplacementHeading(-d, -d), 225) << d;
    ASSERT_EQ(DisplacementHeading(d, -d), 315) << d;
  }
}

TEST(HeadingTest, UpRightUnderOneDegreeGives360) {
  EXPECT_EQ(DisplacementHeading(57, -1), 359);  // 1.005 degrees
  EXPECT_EQ(DisplacementHeading(58, -1), 360);  // 0.988 degrees
  EXPECT_EQ(DisplacementHeading(1000, -1), 360);
  // The other quadrants stay within 0..359 under a degree.
  EXPECT_EQ(DisplacementHeading(58, 1), 0);
  EXPECT_EQ(DisplacementHeading(-58, 1), 180);
  EXPECT_EQ(DisplacementHeading(-58, -1), 180);
}

TEST(SpritePathTest, DefaultIsReadyForInitPathAndDoesNotMove) {
  SpritePath path;
  EXPECT_EQ(path.stepsPerSegment, 32);
  EXPECT_EQ(path.step, 0);
  EXPECT_EQ(path.segment, 0);
  EXPECT_EQ(path.headingStart, 0);
  EXPECT_EQ(path.position.x, 0.0f);
  EXPECT_EQ(path.position.y, 0.0f);
  EXPECT_EQ(path.pointCount, 0);
  // Without points there is no curve to follow.
  EXPECT_FALSE(AdvancePath(path));
  StepPath(path, nullptr);
  ExpectSameState(path, SpritePath{});
}

TEST(SpritePathTest, LargeGullStartsAndTurnsAsPlanned) {
  SpritePath path = Started(FlightPathA, kFlightPathACount, 26, 0);
  EXPECT_EQ(path.pointCount, 44);
  EXPECT_EQ(path.points[43].x, 1081);
  EXPECT_EQ(path.points[43].y, 406);
  EXPECT_EQ(path.segment, 0);
  EXPECT_EQ(path.stepsPerSegment, 26);
  EXPECT_EQ(path.step, 0);
  EXPECT_EQ(path.headingStart, 198);
  EXPECT_EQ(path.headingNext, 514);  // 154 + 360: the turn goes the short way, through 180
  EXPECT_EQ(path.turn, -44);

  struct Frame {
    int32_t x, y, heading, frame;
  };
  const Frame expected[] = {{969, 278, 197, 65}, {965, 277, 195, 65}, {961, 277, 193, 64}};
  for (const Frame& e : expected) {
    ASSERT_TRUE(AdvancePath(path));
    EXPECT_EQ(static_cast<int32_t>(path.position.x), e.x);
    EXPECT_EQ(static_cast<int32_t>(path.position.y), e.y);
    EXPECT_EQ(path.heading, e.heading);
    EXPECT_EQ(path.frame, e.frame);
    EXPECT_EQ(path.segment, 0);
  }
  EXPECT_EQ(path.step, 3);
}

TEST(SpritePathTest, ThirdGullStartsOnSegmentTwelveTurningThroughZero) {
  const SpritePath path = Started(FlightPathB, kFlightPathBCount, 40, 12);
  EXPECT_EQ(path.segment, 12);
  EXPECT_EQ(path.headingStart, 270);
  EXPECT_EQ(path.headingNext, 360);
  EXPECT_EQ(path.turn, 90);
}

TEST(SpritePathTest, SceneLoopsAreSmoothClosedAndRepeat) {
  for (const SceneRun& run : kSceneRuns) {
    SCOPED_TRACE(run.bird);
    ASSERT_EQ(run.count * run.frames_per_segment, run.loop_frames);
    SpritePath path = Started(run.table, run.count, run.frames_per_segment, run.first_segment);
    const SegmentPolynomial start_x = path.coefX, start_y = path.coefY;

    std::vector<SpritePath> lap;
    float largest_step = 0.0f;
    for (int32_t i = 0; i < run.loop_frames; ++i) {
      const int32_t segment_before = path.segment;
      const int32_t heading_before = path.heading;
      const PathPosition before = path.position;
      ASSERT_TRUE(AdvancePath(path));
      ASSERT_GE(path.heading, 0);
      ASSERT_LE(path.heading, 359);
      ASSERT_EQ(path.frame, path.heading / 3);
      if (i > 0) {
        largest_step =
            std::max(largest_step, std::hypot(path.position.x - before.x, path.position.y - before.y));
        // The heading arrives where the new segment starts.
        if (path.segment != segment_before) {
          EXPECT_EQ(heading_before, path.headingStart % 360) << i;
        }
      }
      lap.push_back(path);
    }
    // A whole loop ends where the curve started: at t = 1 of the segment before the first.
    EXPECT_EQ(path.segment, (run.first_segment + run.count - 1) % run.count);
    EXPECT_EQ(path.step, run.frames_per_segment);
    EXPECT_NEAR(path.position.x, start_x[0], 1e-3);
    EXPECT_NEAR(path.position.y, start_y[0], 1e-3);

    // Across the ring's end into the next lap there is no jump.
    const PathPosition last = path.position;
    ASSERT_TRUE(AdvancePath(path));
    EXPECT_LE(std::hypot(path.position.x - last.x, path.position.y - last.y), largest_step);
    EXPECT_GT(largest_step, 0.0f);

    // The next lap repeats the first one exactly.
    ExpectSameState(path, lap[0]);
    for (int32_t i = 1; i < run.loop_frames; ++i) {
      ASSERT_TRUE(AdvancePath(path));
      ASSERT_EQ(path.position.x, lap[i].position.x) << i;
      ASSERT_EQ(path.position.y, lap[i].position.y) << i;
      ASSERT_EQ(path.heading, lap[i].heading) << i;
    }
    ExpectSameState(path, lap.back());
  }
}

TEST(SpritePathTest, TablesAndCountsOutsideTheRangeAreMadeSafe) {
  // More points than the record holds: the first 256 are used and nothing beyond the array is written.
  std::vector<FlightPoint> big(300);
  for (size_t i = 0; i < big.size(); ++i)
    big[i] = {static_cast<int32_t>(100 + i), static_cast<int32_t>(300 + (i % 7) * 20)};
  SpritePath wide = Started(big.data(), 300, 4, 0);
  EXPECT_EQ(wide.pointCount, 256);
  EXPECT_EQ(wide.points[255].x, 355);
  EXPECT_EQ(wide.stepsPerSegment, 4);
  for (int i = 0; i < 256 * 4 + 1; ++i) ASSERT_TRUE(AdvancePath(wide));
  EXPECT_EQ(wide.segment, 0);
  EXPECT_EQ(wide.step, 1);

  // No table or no points: the path stays where it is.
  for (const SpritePath& empty :
       {Started(nullptr, 44, 26, 0), Started(FlightPathA, 0, 26, 0), Started(FlightPathA, -3, 26, 0)}) {
    SpritePath moved = empty;
    EXPECT_EQ(moved.pointCount, 0);
    EXPECT_FALSE(AdvancePath(moved));
    StepPath(moved, nullptr);
    EXPECT_EQ(moved.step, 0);
  }

  // Fewer than one frame per segment counts as one: each frame ends a segment.
  SpritePath quick = Started(FlightPathA, kFlightPathACount, 0, 0);
  EXPECT_EQ(quick.stepsPerSegment, 1);
  for (int32_t i = 1; i <= kFlightPathACount; ++i) {
    ASSERT_TRUE(AdvancePath(quick));
    EXPECT_EQ(quick.segment, i - 1);
    EXPECT_TRUE(std::isfinite(quick.position.x) && std::isfinite(quick.position.y));
  }

  // A first segment outside the ring is taken around it.
  const SpritePath twelve = Started(FlightPathA, kFlightPathACount, 26, 12);
  ExpectSameState(Started(FlightPathA, kFlightPathACount, 26, 12 + 2 * kFlightPathACount), twelve);
  ExpectSameState(Started(FlightPathA, kFlightPathACount, 26, 12 - kFlightPathACount), twelve);
  EXPECT_EQ(Started(FlightPathA, kFlightPathACount, 26, -1).segment, 43);
}

class SpritePathDrawTest : public sprites::testing_support::SpriteDisplay {};

TEST_F(SpritePathDrawTest, StripGetsTheFrameAndPositionAndIsDrawn) {
  Open();
  auto* strip = Make<sprites::TQMV>(sprites::testing_support::Plain(68, 43 * 121, 0x808080));
  strip->SetYOffsetFrame(43);
  strip->CreateDXMovie();
  ASSERT_EQ(strip->FrameCount(), 121);
  std::string frame65;
  for (const auto& surface : backend_->Offscreen())
    if (static_cast<platform::IDirectDrawSurface*>(surface.get()) == strip->FrameSurface(65))
      frame65 = surface->Name();
  ASSERT_FALSE(frame65.empty());
  backend_->ClearCalls();

  SpritePath path = Started(FlightPathA, kFlightPathACount, 26, 0);
  StepPath(path, strip);
  EXPECT_EQ(strip->GetNumberFrame(), 65);
  EXPECT_EQ(strip->GetShowX(), 969);
  EXPECT_EQ(strip->GetShowY(), 278);
  // One blit at the gull's place, of its frame, clipped at the screen's right edge.
  EXPECT_EQ(backend_->CountCalls("back.BltFast"), 1);
  EXPECT_EQ(backend_->CountCalls("back.BltFast(969,278," + frame65 + ","), 1);
  EXPECT_EQ(errors_, 0);
}

}  // namespace
}  // namespace lunvale::scene
