// SPDX-License-Identifier: MIT
#include "platform/display/tracked_surface.h"

#include <algorithm>
#include <string_view>

namespace lunvale::platform {

namespace {

constexpr uint32_t kColorMask = 0x00FFFFFF;

RECT Intersect(const RECT& a, const RECT& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const RECT& r) {
  return r.left >= r.right || r.top >= r.bottom;
}

bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// What of `a` lies outside `b`: at most four rectangles.
void Subtract(const RECT& a, const RECT* b, std::vector<RECT>& out) {
  out.clear();
  const RECT cut = b != nullptr ? Intersect(a, *b) : RECT{};
  if (IsEmpty(cut)) {
    out.push_back(a);
    return;
  }
  if (a.top < cut.top) out.push_back({a.left, a.top, a.right, cut.top});
  if (cut.bottom < a.bottom) out.push_back({a.left, cut.bottom, a.right, a.bottom});
  if (a.left < cut.left) out.push_back({a.left, cut.top, cut.left, cut.bottom});
  if (cut.right < a.right) out.push_back({cut.right, cut.top, a.right, cut.bottom});
}

}  // namespace

bool TrackedSurface::Call::operator==(const Call& o) const {
  if (kind != o.kind || !Same(area, o.area) || color != o.color) return false;
  switch (kind) {
    case Kind::kFill:
    case Kind::kPixel:
      return true;
    case Kind::kCopy:
      return source == o.source && version == o.version && Same(copy.from, o.copy.from) &&
             copy.keyed == o.copy.keyed && copy.key_low == o.copy.key_low && copy.key_high == o.copy.key_high;
    case Kind::kText:
      return font == o.font && bk_mode == o.bk_mode && bk_color == o.bk_color && x == o.x && y == o.y &&
             options == o.options && has_rect == o.has_rect &&
             (!has_rect || (rect.left == o.rect.left && rect.top == o.rect.top &&
                            rect.right == o.rect.right && rect.bottom == o.rect.bottom)) &&
             text == o.text;
  }
  return false;
}

bool TrackedSurface::Call::Opaque() const {
  return kind == Kind::kFill || kind == Kind::kPixel || (kind == Kind::kCopy && !copy.keyed);
}

// The device context of the back buffer: its drawing becomes calls of the frame; the rest (fonts, colours,
// measuring) is the plain context's.
class TrackedSurface::Context : public DeviceContext {
 public:
  Context(TrackedSurface* owner, PixelView target) : DeviceContext(target), owner_(owner) {}

  PixelView Target() override {
    owner_->GiveUpTracking();
    return DeviceContext::Target();
  }

  bool TextOut(int x, int y, const char* text, int length) override {
    if (length < 0 || (text == nullptr && length > 0)) return false;
    return Text(x, y, 0, nullptr, std::string_view(text, static_cast<size_t>(length)));
  }

  bool ExtTextOut(int x, int y, uint32_t options, const Rect* rect, const char* text, int length) override {
    if (length < 0 || (text == nullptr && length > 0)) return false;
    return Text(x, y, options, rect, std::string_view(text, static_cast<size_t>(length)));
  }

  uint32_t SetPixel(int x, int y, uint32_t color) override {
    if (!Inside(x, y)) return CLR_INVALID;
    Call call;
    call.kind = Call::Kind::kPixel;
    call.area = {x, y, x + 1, y + 1};
    call.color = color & kColorMask;
    owner_->Track(std::move(call));
    return color & kColorMask;
  }

  uint32_t GetPixel(int x, int y) override {
    // The pixel as the frame has it so far.
    if (Inside(x, y)) owner_->Refresh({x, y, x + 1, y + 1}, nullptr);
    return DeviceContext::GetPixel(x, y);
  }

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < owner_->Width() && y < owner_->Height(); }

  bool Text(int x, int y, uint32_t options, const Rect* rect, std::string_view text) {
    Call call;
    call.kind = Call::Kind::kText;
    call.font = CurrentFont();
    if (call.font == nullptr) return false;
    const Rect area = TextArea(x, y, options, rect, text);
    call.area = {area.left, area.top, area.right, area.bottom};
    call.color = GetTextColor();
    call.bk_mode = GetBkMode();
    call.bk_color = GetBkColor();
    call.x = x;
    call.y = y;
    call.options = options;
    call.has_rect = rect != nullptr;
    if (rect != nullptr) call.rect = *rect;
    call.text.assign(text);
    owner_->Track(std::move(call));
    return true;
  }

  TrackedSurface* owner_;
};

TrackedSurface::TrackedSurface(int width, int height, bool shared)
    : MemorySurface(width, height, shared),
      tiles_x_((width + kTile - 1) / kTile),
      tiles_y_((height + kTile - 1) / kTile),
      fresh_(static_cast<size_t>(tiles_x_) * static_cast<size_t>(tiles_y_), 0),
      painter_(std::make_unique<DeviceContext>(Raw())) {}

TrackedSurface::~TrackedSurface() = default;

HRESULT TrackedSurface::Blt(const RECT* dest_rect, IDirectDrawSurface* src, const RECT* src_rect,
                            uint32_t flags, const DDBLTFX* fx) {
  if (!(flags & DDBLT_COLORFILL) || src != nullptr || fx == nullptr)
    return MemorySurface::Blt(dest_rect, src, src_rect, flags, fx);
  const RECT r = dest_rect ? *dest_rect : RECT{0, 0, Width(), Height()};
  if (r.left < 0 || r.top < 0 || r.left > r.right || r.top > r.bottom || r.right > Width() ||
      r.bottom > Height())
    return DDERR_INVALIDRECT;
  Call call;
  call.kind = Call::Kind::kFill;
  call.area = r;
  call.color = fx->dwFillColor;
  Track(std::move(call));
  return DD_OK;
}

HRESULT TrackedSurface::BltFast(int x, int y, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags) {
  Copy copy;
  const HRESULT hr = CheckBltFast(x, y, src, src_rect, flags, copy);
  if (hr != DD_OK) return hr;
  Call call;
  call.kind = Call::Kind::kCopy;
  call.source = copy.source;
  call.source_ref = copy.source->weak_from_this();
  // A copy within the surface, or from a surface that is not counted (no later frame can draw it again),
  // is drawn as it comes.
  if (copy.source == this || call.source_ref.expired()) {
    GiveUpTracking();
    inexact_ = true;
    return MemorySurface::BltFast(x, y, src, src_rect, flags);
  }
  call.version = copy.source->Version();
  call.copy = copy;
  call.area = {x, y, x + (copy.from.right - copy.from.left), y + (copy.from.bottom - copy.from.top)};
  Track(std::move(call));
  return DD_OK;
}

void TrackedSurface::Settle() {
  GiveUpTracking();
}

std::unique_ptr<DeviceContext> TrackedSurface::MakeContext() {
  return std::make_unique<Context>(this, Raw());
}

void TrackedSurface::GiveUpTracking() {
  if (!everything_) Refresh({0, 0, Width(), Height()}, nullptr);
  everything_ = true;
  // Whoever reaches the memory may write to it unseen: the next frame must not take this one as known.
  inexact_ = true;
}

void TrackedSurface::Track(Call call) {
  Touch();
  const size_t index = current_.size();
  const Call* before = index < previous_.size() ? &previous_[index] : nullptr;
  call.same = before != nullptr && *before == call;
  if (!call.same) {
    const RECT* cover = call.Opaque() ? &call.area : nullptr;
    Refresh(call.area, cover);
    if (before != nullptr) Refresh(before->area, cover);
  } else {
    call.tiles = before->tiles;
  }
  for (const RECT& part : Runs(call.area, true)) Draw(call, part);
  current_.push_back(std::move(call));
}

void TrackedSurface::Refresh(const RECT& area, const RECT* cover) {
  const RECT tiles = TileRange(area);
  if (IsEmpty(tiles)) return;
  std::vector<RECT> pieces;
  for (const RECT& run :
       Runs({tiles.left * kTile, tiles.top * kTile, tiles.right * kTile, tiles.bottom * kTile}, false)) {
    for (int ty = run.top / kTile; ty * kTile < run.bottom; ++ty)
      for (int tx = run.left / kTile; tx * kTile < run.right; ++tx)
        fresh_[static_cast<size_t>(ty) * tiles_x_ + tx] = 1;
    Subtract(run, cover, pieces);
    for (const RECT& piece : pieces) {
      // From the last call that paints the whole piece over (a fill under the background, say).
      size_t first = current_.size();
      while (first > 0) {
        const Call& call = current_[--first];
        const bool drawn = call.kind != Call::Kind::kCopy || !call.source_ref.expired();
        if (call.Opaque() && drawn && Same(Intersect(call.area, piece), piece)) break;
      }
      for (size_t i = first; i < current_.size(); ++i) {
        const RECT part = Intersect(current_[i].area, piece);
        if (!IsEmpty(part)) Draw(current_[i], part);
      }
    }
  }
}

void TrackedSurface::Draw(const Call& call, const RECT& clip) {
  const PixelView to = Raw();
  switch (call.kind) {
    case Call::Kind::kFill:
      FillPixels(to, clip, call.color);
      return;
    case Call::Kind::kPixel:
      to.Row(clip.top)[clip.left] = call.color;
      return;
    case Call::Kind::kCopy: {
      const std::shared_ptr<MemorySurface> source = call.source_ref.lock();
      if (source == nullptr) {
        inexact_ = true;
        return;
      }
      // Drawn again after its source changed: the picture it had is gone, and the newest one stands in.
      if (source->Version() != call.version) inexact_ = true;
      const PixelView from = source->Pixels();
      // Worked out for a call that stays as it is (the panel, the trees), not for one that moves (a gull),
      // and only while the source holds the picture they were worked out from.
      const KeyedTiles* tiles =
          call.copy.keyed && source->Version() == call.version && (call.tiles || call.same) ? TilesOf(call)
                                                                                            : nullptr;
      if (tiles == nullptr) {
        CopyPixels(to, call.area.left, call.area.top, from, call.copy.from, clip, call.copy.keyed,
                   call.copy.key_low, call.copy.key_high);
        return;
      }
      // A keyed picture is mostly what it leaves out (a panel's frame, a cut-out's edges): runs of tiles
      // in which it draws nothing are passed over.
      const RECT range = TileRange(clip);
      for (int ty = range.top; ty < range.bottom; ++ty)
        for (int tx = range.left, end; tx < range.right; tx = end) {
          end = tx + 1;
          if ((tiles->At(tx, ty) & kDraws) == 0) continue;
          while (end < range.right && (tiles->At(end, ty) & kDraws) != 0) ++end;
          const RECT part = Intersect(clip, {tx * kTile, ty * kTile, end * kTile, (ty + 1) * kTile});
          CopyPixels(to, call.area.left, call.area.top, from, call.copy.from, part, true, call.copy.key_low,
                     call.copy.key_high);
        }
      return;
    }
    case Call::Kind::kText:
      painter_->SelectFont(call.font);
      painter_->SetBkMode(call.bk_mode);
      painter_->SetBkColor(call.bk_color);
      painter_->SetTextColor(call.color);
      painter_->SetClip({clip.left, clip.top, clip.right, clip.bottom});
      painter_->DrawText(call.x, call.y, call.options, call.has_rect ? &call.rect : nullptr, call.text);
      return;
  }
}

RECT TrackedSurface::TileRange(const RECT& area) const {
  const RECT r = Intersect(area, {0, 0, Width(), Height()});
  if (IsEmpty(r)) return {};
  return {r.left / kTile, r.top / kTile, (r.right + kTile - 1) / kTile, (r.bottom + kTile - 1) / kTile};
}

std::vector<RECT> TrackedSurface::Runs(const RECT& area, bool fresh) const {
  std::vector<RECT> out;
  const RECT tiles = TileRange(area);
  // The rectangles that reach down to the row being read: a run with the same columns extends one.
  std::vector<size_t> open, next;
  for (int ty = tiles.top; ty < tiles.bottom; ++ty) {
    next.clear();
    const uint8_t* flags = fresh_.data() + static_cast<size_t>(ty) * tiles_x_;
    for (int tx = tiles.left; tx < tiles.right;) {
      if ((flags[tx] != 0) != fresh) {
        ++tx;
        continue;
      }
      const int start = tx;
      while (tx < tiles.right && (flags[tx] != 0) == fresh) ++tx;
      const RECT r = Intersect({start * kTile, ty * kTile, tx * kTile, (ty + 1) * kTile}, area);
      const auto above = std::find_if(open.begin(), open.end(), [&](size_t i) {
        return out[i].left == r.left && out[i].right == r.right && out[i].bottom == r.top;
      });
      if (above != open.end()) {
        out[*above].bottom = r.bottom;
        next.push_back(*above);
      } else {
        next.push_back(out.size());
        out.push_back(r);
      }
    }
    open.swap(next);
  }
  return out;
}

const TrackedSurface::KeyedTiles* TrackedSurface::TilesOf(const Call& call) const {
  if (!call.tiles) {
    const std::shared_ptr<MemorySurface> source = call.source_ref.lock();
    if (source == nullptr || source->Version() != call.version) return nullptr;
    const PixelView from = source->Pixels();
    const RECT range = TileRange(call.area);
    auto tiles = std::make_shared<KeyedTiles>(
        KeyedTiles{range, std::vector<uint8_t>(static_cast<size_t>(range.right - range.left) *
                                                   static_cast<size_t>(range.bottom - range.top),
                                               0)});
    // The copy's own test for a pixel it leaves out.
    const uint32_t low = call.copy.key_low, span = call.copy.key_high - call.copy.key_low;
    const RECT area = Intersect(call.area, {0, 0, Width(), Height()});
    for (int y = area.top; y < area.bottom; ++y) {
      const uint32_t* row =
          from.Row(call.copy.from.top + y - call.area.top) + call.copy.from.left - call.area.left;
      uint8_t* flags =
          tiles->flags.data() + static_cast<size_t>(y / kTile - range.top) * (range.right - range.left);
      for (int x = area.left; x < area.right; ++x)
        flags[x / kTile - range.left] |= row[x] - low <= span ? kLeavesOut : kDraws;
    }
    call.tiles = std::move(tiles);
  }
  return call.tiles.get();
}

bool TrackedSurface::Covers(const Call& call, int tx, int ty) const {
  const RECT tile =
      Intersect({tx * kTile, ty * kTile, (tx + 1) * kTile, (ty + 1) * kTile}, {0, 0, Width(), Height()});
  if (tile.left < call.area.left || tile.top < call.area.top || tile.right > call.area.right ||
      tile.bottom > call.area.bottom)
    return false;
  if (call.kind == Call::Kind::kText) return false;  // its glyphs blend over what is there
  if (call.Opaque()) return true;
  const KeyedTiles* tiles = TilesOf(call);
  return tiles != nullptr && (tiles->At(tx, ty) & kLeavesOut) == 0;
}

void TrackedSurface::KeepCovered() {
  open_ = fresh_;
  size_t undecided = static_cast<size_t>(std::count(open_.begin(), open_.end(), 1));
  // From the last call back: a tile that a differing call reaches changed; one that an equal call draws
  // over wholly before that shows what it showed.
  for (size_t i = std::max(current_.size(), previous_.size()); i-- > 0 && undecided > 0;) {
    const Call* now = i < current_.size() ? &current_[i] : nullptr;
    const Call* then = i < previous_.size() ? &previous_[i] : nullptr;
    const bool same = now != nullptr && now->same;
    for (const Call* call : {now, then}) {
      if (call == nullptr || (same && call == then)) continue;
      const RECT tiles = TileRange(call->area);
      for (int ty = tiles.top; ty < tiles.bottom; ++ty)
        for (int tx = tiles.left; tx < tiles.right; ++tx) {
          const size_t t = static_cast<size_t>(ty) * tiles_x_ + tx;
          if (open_[t] == 0 || (same && !Covers(*call, tx, ty))) continue;
          open_[t] = 0;
          --undecided;
          if (same) fresh_[t] = 0;
        }
    }
  }
}

std::vector<RECT> TrackedSurface::Differences() const {
  std::vector<RECT> out;
  for (size_t i = 0; i < std::max(current_.size(), previous_.size()); ++i) {
    const Call* now = i < current_.size() ? &current_[i] : nullptr;
    const Call* then = i < previous_.size() ? &previous_[i] : nullptr;
    if (now != nullptr && now->same) continue;
    for (const Call* call : {now, then})
      if (call != nullptr) out.push_back(Intersect(call->area, {0, 0, Width(), Height()}));
  }
  return out;
}

std::vector<RECT> TrackedSurface::FinishFrame() {
  // What the frame before drew with calls that did not come this time shows what lies under it now.
  for (size_t i = current_.size(); i < previous_.size(); ++i) Refresh(previous_[i].area, nullptr);
  // Unless the memory was reached, only the calls that differ changed anything, and only where no equal
  // call drew over them.
  const bool known = !everything_ && !inexact_;
  if (known) KeepCovered();
  std::vector<RECT> changed = Runs({0, 0, Width(), Height()}, true);
  if (known) {
    // Each run cut down to what the differences reach of it.
    const std::vector<RECT> differences = Differences();
    size_t n = 0;
    for (const RECT& run : changed) {
      RECT reach{run.right, run.bottom, run.left, run.top};
      for (const RECT& d : differences) {
        const RECT part = Intersect(run, d);
        if (IsEmpty(part)) continue;
        reach = {std::min(reach.left, part.left), std::min(reach.top, part.top),
                 std::max(reach.right, part.right), std::max(reach.bottom, part.bottom)};
      }
      if (!IsEmpty(reach)) changed[n++] = reach;
    }
    changed.resize(n);
  }
  previous_.swap(current_);
  current_.clear();
  if (inexact_) previous_.clear();
  std::fill(fresh_.begin(), fresh_.end(), 0);
  everything_ = false;
  inexact_ = false;
  return changed;
}

}  // namespace lunvale::platform
