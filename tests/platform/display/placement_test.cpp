// SPDX-License-Identifier: MIT
#include "platform/display/placement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lunvale::platform {
namespace {

struct Placed {
  FitBox box;
  int left;  // the first column of the frame shown
  bool operator==(const Placed&) const = default;
};

TEST(PlacementTest, EachMonitorShowsItsViewFittedAtItsPlace) {
  struct Case {
    std::string name;
    std::vector<RECT> monitors;
    std::vector<FrameView> views;
    std::vector<Placed> want;
  };
  const std::vector<Case> cases = {
      {"the whole window, a wider frame without its far column and row", {}, {}, {{{0, 245, 800, 299}, 0}}},
      {"a view per monitor, the second offset by its monitor",
       {{0, 0, 1024, 768}, {1024, 100, 1824, 700}},
       {{0, 640}, {640, 640}},
       {{{0, 0, 1024, 768}, 0}, {{1024, 100, 800, 600}, 640}}},
      {"no views: every monitor shows the whole frame",
       {{0, 0, 640, 240}, {640, 0, 1280, 240}},
       {},
       {{{0, 0, 640, 239}, 0}, {{640, 0, 640, 239}, 0}}},
      {"a view outside the frame shows nothing",
       {{0, 0, 100, 100}, {100, 0, 200, 100}},
       {{0, 640}, {700, 640}},
       {{{0, 12, 100, 75}, 0}}},
  };
  std::vector<uint32_t> pixels(1280 * 480);
  const PixelView frame{pixels.data(), 1280, 480, 1280};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Placed> got;
    for (const Placement& p : Place(frame, c.monitors, c.views, 800, 790)) {
      got.push_back({p.box, p.left});
      EXPECT_EQ(p.part.pixels, frame.pixels + p.left);
    }
    EXPECT_EQ(got, c.want);
  }
}

TEST(PlacementTest, ViewsThatDoNotPairWithTheMonitorsAreDropped) {
  const struct {
    size_t views, monitors, kept;
  } cases[] = {{1, 0, 1}, {1, 1, 1}, {2, 2, 2}, {2, 0, 0}, {1, 2, 0}, {3, 2, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.views) + " views, " + std::to_string(c.monitors) + " monitors");
    std::vector<FrameView> views(c.views, FrameView{0, 640});
    PairViews(views, c.monitors);
    EXPECT_EQ(views.size(), c.kept);
  }
}

}  // namespace
}  // namespace lunvale::platform
