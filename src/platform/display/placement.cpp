// SPDX-License-Identifier: MIT
#include "platform/display/placement.h"

#include <algorithm>

namespace lunvale::platform {

void PairViews(std::vector<FrameView>& views, size_t monitors) {
  if (views.size() != std::max<size_t>(monitors, 1)) views.clear();
}

std::vector<Placement> Place(const PixelView& frame, std::span<const RECT> monitors,
                             std::span<const FrameView> views, int width, int height) {
  std::vector<Placement> placements;
  const auto place = [&](size_t i, int x, int y, int w, int h) {
    const FrameView view = i < views.size() ? views[i] : FrameView{};
    Placement p{{}, ViewOf(frame, view), view.width == 0 ? 0 : view.left};
    if (p.part.Empty()) return;
    p.box = FitPicture(p.part.width, p.part.height, w, h);
    p.box.x += x;
    p.box.y += y;
    placements.push_back(p);
  };
  if (monitors.empty()) place(0, 0, 0, width, height);
  for (size_t i = 0; i < monitors.size(); ++i) {
    const RECT& m = monitors[i];
    place(i, m.left, m.top, m.right - m.left, m.bottom - m.top);
  }
  return placements;
}

void DrawPlaced(PixelView canvas, const std::vector<Placement>& placements, SmoothScaler& scaler,
                const GammaLut& lut) {
  std::vector<FitBox> boxes;
  for (const Placement& p : placements) boxes.push_back(p.box);
  ClearAround(canvas, boxes);
  for (const Placement& p : placements)
    scaler.Draw(canvas, p.box, p.part, {0, 0, p.part.width, p.part.height}, lut);
}

}  // namespace lunvale::platform
