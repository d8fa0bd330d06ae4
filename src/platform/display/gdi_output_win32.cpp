// SPDX-License-Identifier: MIT
#include "platform/display/gdi_output_win32.h"

#include <utility>

#include "platform/display/placement.h"
#include "platform/display/scaling.h"
#include "platform/display/smooth_scale.h"

#include "platform/win32/windows_api.h"

namespace lunvale::platform {

namespace {

class GdiOutput : public FrameOutput {
 public:
  GdiOutput(HWND window, std::vector<RECT> monitors, std::vector<FrameView> views,
            std::function<void(int, int)> resized)
      : window_(window),
        monitors_(std::move(monitors)),
        views_(std::move(views)),
        resized_(std::move(resized)) {
    PairViews(views_, monitors_.size());
  }

  ~GdiOutput() override {
    FreeImage();
    if (memory_dc_ != nullptr) ::DeleteDC(memory_dc_);
  }

  bool Init(std::string& error) {
    if (window_ == nullptr || !::IsWindow(window_)) {
      error = "no such window";
      return false;
    }
    memory_dc_ = ::CreateCompatibleDC(nullptr);
    if (memory_dc_ == nullptr) {
      error = "the window cannot be drawn into";
      return false;
    }
    ReadSize();
    // The image is there before the first frame, which the frame thread draws into it.
    MakeImage();
    return true;
  }

  void Follow() override {
    if (gone_) return;
    // The window may go before the display is released; from then on nothing is sent to its handle.
    if (!::IsWindow(window_)) {
      gone_ = true;
      return;
    }
    ReadSize();
    if (bitmap_ == nullptr || image_w_ != width_ || image_h_ != height_) {
      if (bitmap_ != nullptr && resized_) resized_(width_, height_);
      FreeImage();
      touched_.clear();
      // The new image waits for a whole frame; until then there is nothing to send.
      if (MakeImage()) whole_ = true;
    } else if (::GetUpdateRect(window_, nullptr, FALSE)) {
      // The system lost part of the window (it was uncovered): the image holds it all, so it goes again.
      ::ValidateRect(window_, nullptr);
      touched_.assign(1, RECT{0, 0, canvas_.width, canvas_.height});
    }
  }

  bool WantsWhole() const override { return whole_; }

  void Draw(const PixelView& frame, const std::vector<RECT>* changed, const GammaLut& lut) override {
    if (bitmap_ == nullptr) return;
    if (whole_ || changed == nullptr) {
      DrawPlaced(canvas_, Placements(frame), scaler_, lut);
      touched_.assign(1, RECT{0, 0, canvas_.width, canvas_.height});
      whole_ = false;
      return;
    }
    for (const Placement& p : Placements(frame)) {
      PartsIn(*changed, p.left, p.part, parts_);
      scaler_.DrawParts(canvas_, p.box, p.part, parts_, lut, touched_);
    }
    if (touched_.size() > kMostTouched) touched_.assign(1, RECT{0, 0, canvas_.width, canvas_.height});
  }

  void Collect() override {
    if (gone_ || bitmap_ == nullptr || touched_.empty()) return;
    HDC dc = ::GetDC(window_);
    if (dc == nullptr) {
      // Gone between two looks at it; anything else is sent again with the next frame.
      if (!::IsWindow(window_)) gone_ = true;
      return;
    }
    for (const RECT& r : touched_) {
      const int w = r.right - r.left, h = r.bottom - r.top;
      if (w > 0 && h > 0) ::BitBlt(dc, r.left, r.top, w, h, memory_dc_, r.left, r.top, SRCCOPY);
    }
    // GDI may batch the copies; the next frame must not draw into the image while they still read it.
    ::GdiFlush();
    ::ReleaseDC(window_, dc);
    touched_.clear();
  }

  bool Flush() override { return !gone_; }
  bool SendsWhereDrawn() const override { return true; }

 private:
  std::vector<Placement> Placements(const PixelView& frame) const {
    return Place(frame, monitors_, views_, width_, height_);
  }

  void ReadSize() {
    ::RECT client{};
    if (!::GetClientRect(window_, &client)) return;
    width_ = client.right - client.left;
    height_ = client.bottom - client.top;
  }

  bool MakeImage() {
    if (width_ <= 0 || height_ <= 0) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down: rows in the order of ours
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;  // blue, green, red, unused: an XRGB word, little-endian
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = ::CreateDIBSection(memory_dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr || bits == nullptr) {
      FreeImage();
      return false;
    }
    old_bitmap_ = ::SelectObject(memory_dc_, bitmap_);
    image_w_ = width_;
    image_h_ = height_;
    // Rows of 32-bit pixels are never padded.
    canvas_ = PixelView{static_cast<uint32_t*>(bits), width_, height_, width_};
    return true;
  }

  void FreeImage() {
    if (old_bitmap_ != nullptr) ::SelectObject(memory_dc_, old_bitmap_);
    old_bitmap_ = nullptr;
    if (bitmap_ != nullptr) ::DeleteObject(bitmap_);
    bitmap_ = nullptr;
    canvas_ = {};
  }

  HWND window_;
  std::vector<RECT> monitors_;
  std::vector<FrameView> views_;  // one for each monitor (or for the window), or none
  std::function<void(int, int)> resized_;
  int width_ = 0;
  int height_ = 0;
  HDC memory_dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_bitmap_ = nullptr;
  int image_w_ = 0;
  int image_h_ = 0;
  PixelView canvas_;
  SmoothScaler scaler_;  // under the presenter's lock, as Draw is
  static constexpr size_t kMostTouched = 256;
  std::vector<RECT> touched_;  // drawn and not yet sent
  std::vector<RECT> parts_;    // what changed in one monitor's part
  bool whole_ = true;
  bool gone_ = false;
};

}  // namespace

std::unique_ptr<FrameOutput> OpenGdiOutput(uintptr_t window, std::vector<RECT> monitors,
                                           std::vector<FrameView> views, std::string& error,
                                           std::function<void(int, int)> resized) {
  auto output = std::make_unique<GdiOutput>(reinterpret_cast<HWND>(window), std::move(monitors),
                                            std::move(views), std::move(resized));
  if (!output->Init(error)) return nullptr;
  return output;
}

}  // namespace lunvale::platform
