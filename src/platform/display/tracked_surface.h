// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/display/direct_draw.h"
#include "platform/text/font.h"

namespace lunvale::platform {

// A back buffer that keeps the last frame and redraws only where the next one differs from it.
//
// Each drawing call of a frame (fill, copy, text, pixel) is compared with the call at the same place in the
// frame before. A different call first brings the area it covers now and the area its counterpart covered
// before up to date (the frame's earlier calls are drawn again there over the last frame) and then draws; an
// equal call draws only over parts already brought up to date. What was brought up to date is kept in
// tiles, and FinishFrame hands it on as the part of the picture that changed: cut down to the areas of the
// differing calls, and without the tiles that an equal call after them paints over wholly. This holds as
// long as a frame that makes the same calls over the same pictures comes to the same picture, as one that
// begins by covering the whole surface always does.
//
// Anything that reaches the memory itself (a lock, a device context's target, the surface read as a source)
// first brings the whole surface up to date, and the frame counts as changed everywhere.
class TrackedSurface : public MemorySurface {
 public:
  static constexpr int kTile = 16;

  TrackedSurface(int width, int height, bool shared = false);
  ~TrackedSurface() override;

  HRESULT Blt(const RECT* dest_rect, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags,
              const DDBLTFX* fx) override;
  HRESULT BltFast(int x, int y, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags) override;

  // Ends the frame: the parts of the surface that changed since the frame before (disjoint rectangles).
  std::vector<RECT> FinishFrame();
  // The memory as it is after FinishFrame, for presenting it.
  PixelView Frame() { return Raw(); }

 protected:
  void Settle() override;
  std::unique_ptr<DeviceContext> MakeContext() override;

 private:
  class Context;

  // What a keyed copy does to each tile of its area: draws pixels of it (kDraws), leaves pixels of it out
  // (kLeavesOut), or both.
  static constexpr uint8_t kDraws = 1, kLeavesOut = 2;
  struct KeyedTiles {
    RECT range;  // TileRange of the call's area
    std::vector<uint8_t> flags;
    uint8_t At(int tx, int ty) const {
      return flags[static_cast<size_t>(ty - range.top) * static_cast<size_t>(range.right - range.left) +
                   static_cast<size_t>(tx - range.left)];
    }
  };

  struct Call {
    enum class Kind { kFill, kCopy, kText, kPixel };
    Kind kind = Kind::kFill;
    RECT area;  // what it may write
    uint32_t color = 0;
    // A copy: its source as it was then.
    const MemorySurface* source = nullptr;
    std::weak_ptr<MemorySurface> source_ref;
    uint64_t version = 0;
    MemorySurface::Copy copy;
    // Text: the device context's state and the call's arguments.
    FontHandle font;
    int bk_mode = 0;
    uint32_t bk_color = 0;
    int x = 0, y = 0;
    uint32_t options = 0;
    bool has_rect = false;
    Rect rect;
    std::string text;

    // A keyed copy: for each tile of TileRange(area), whether the call draws pixels of it (kDraws) and
    // leaves pixels of it out (kLeavesOut), worked out when first needed and handed on to the equal calls
    // of later frames.
    mutable std::shared_ptr<const KeyedTiles> tiles;
    // Equal to the call at the same place in the frame before (set as the call is tracked).
    bool same = false;

    bool operator==(const Call& other) const;
    bool Opaque() const;
  };

  void Track(Call call);
  // Draws the frame's calls so far over every tile of `area` not yet up to date, except where `cover` (a
  // call about to draw opaquely) will be drawn anyway.
  void Refresh(const RECT& area, const RECT* cover);
  void Draw(const Call& call, const RECT& clip);
  // The tiles of `area` that are (or are not) up to date, as rectangles within `area`.
  std::vector<RECT> Runs(const RECT& area, bool fresh) const;
  RECT TileRange(const RECT& area) const;
  // The whole surface up to date, and the frame changed everywhere.
  void GiveUpTracking();
  // Whether `call` draws every pixel of tile (tx, ty).
  bool Covers(const Call& call, int tx, int ty) const;
  // A keyed copy's tiles (see Call::tiles); null while its source is not the picture it had.
  const KeyedTiles* TilesOf(const Call& call) const;
  // Takes out of the tiles brought up to date those that show what they showed: the ones drawn over
  // wholly by a call the same as the frame before's, with only such calls after it.
  void KeepCovered();
  // What the frame's changes may have reached: the areas of its calls that differ from the frame before's.
  std::vector<RECT> Differences() const;

  int tiles_x_;
  int tiles_y_;
  std::vector<uint8_t> fresh_;
  std::vector<uint8_t> open_;  // KeepCovered's scratch: tiles not yet decided
  std::vector<Call> previous_;
  std::vector<Call> current_;
  bool everything_ = false;  // changed everywhere
  bool inexact_ = false;     // a source changed under a call: the next frame cannot rely on this one
  std::unique_ptr<DeviceContext> painter_;
};

}  // namespace lunvale::platform
