// SPDX-License-Identifier: MIT
#include "platform/display/sdl_display.h"

#include "platform/display/scaling.h"
#include "platform/display/x11_output.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <thread>
#include <tuple>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace lunvale::platform {
namespace {

DDGAMMARAMP Brightness(int v) {
  DDGAMMARAMP ramp;
  uint16_t sum = 0;
  for (int i = 0; i < 256; ++i, sum = static_cast<uint16_t>(sum + v))
    ramp.red[i] = ramp.green[i] = ramp.blue[i] = sum;
  return ramp;
}

TEST(Gamma, SoftwareRampFollowsTheHighByteOfEachLevel) {
  EXPECT_TRUE(MakeGammaLut(IdentityGammaRamp()).identity);
  EXPECT_TRUE(MakeGammaLut(Brightness(256)).identity);  // 0, 256, ..., 65280 leaves the picture alone

  const GammaLut half = MakeGammaLut(Brightness(128));
  EXPECT_FALSE(half.identity);
  const uint32_t src[3] = {0xFFFFFF, 0x804020, 0};
  uint32_t out[3] = {};
  ApplyGammaRow(out, src, 3, half);
  EXPECT_EQ(out[0], 0x7F7F7Fu);  // 255 * 128 = 32640
  EXPECT_EQ(out[1], 0x402010u);
  EXPECT_EQ(out[2], 0u);

  const GammaLut black = MakeGammaLut(Brightness(0));
  ApplyGammaRow(out, src, 3, black);
  EXPECT_EQ(out[0], 0u);

  // One channel differing is enough to leave the fast path.
  DDGAMMARAMP red_only = IdentityGammaRamp();
  red_only.red[200] = 0;
  const GammaLut lut = MakeGammaLut(red_only);
  EXPECT_FALSE(lut.identity);
  const uint32_t p = 0xC8C8C8;
  ApplyGammaRow(out, &p, 1, lut);
  EXPECT_EQ(out[0], 0x00C8C8u);
}

TEST(Presentation, PictureFitsWithItsAspectKept) {
  EXPECT_EQ(FitPicture(1024, 768, 1280, 1024), (FitBox{0, 32, 1280, 960}));
  EXPECT_EQ(FitPicture(1024, 768, 1920, 1080), (FitBox{240, 0, 1440, 1080}));
  EXPECT_EQ(FitPicture(1024, 768, 1024, 768), (FitBox{0, 0, 1024, 768}));
  // A canvas composed at the output's aspect fills it, though the widths were rounded.
  EXPECT_EQ(FitPicture(1365, 768, 1920, 1080), (FitBox{0, 0, 1920, 1080}));
  EXPECT_EQ(FitPicture(1229, 768, 1920, 1200), (FitBox{0, 0, 1920, 1200}));
  EXPECT_EQ(FitPicture(1024, 768, 0, 0), FitBox{});
  EXPECT_TRUE(DisplayModeOffered(1024, 768, 32));
  EXPECT_TRUE(DisplayModeOffered(320, 200, 32));
  EXPECT_FALSE(DisplayModeOffered(1024, 768, 24));
  EXPECT_FALSE(DisplayModeOffered(319, 200, 32));
  EXPECT_FALSE(DisplayModeOffered(4097, 768, 32));
}

TEST(Presentation, OnlyWhatNoBoxCoversIsClearedAroundThem) {
  std::vector<uint32_t> out(10 * 4, 7);
  ClearAround(PixelView{out.data(), 10, 4, 10}, {FitBox{1, 1, 3, 2}, FitBox{3, 0, 4, 2}, FitBox{8, 3, 5, 5}});
  const char* kept[] = {"...####...", ".######...", ".###......", "........##"};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 10; ++x)
      EXPECT_EQ(out[static_cast<size_t>(y * 10 + x)], kept[y][x] == '#' ? 7u : 0u) << x << "," << y;
}

TEST(Presentation, EachOutputShowsItsCanvasOfTheFrameAndWhatChangedInIt) {
  std::vector<uint32_t> frame(2325 * 768);
  const PixelView whole{frame.data(), 2325, 768, 2325};
  const struct {
    FrameView view;
    int offset, width, height;  // of the part shown; a width of 0: nothing
  } cases[] = {
      {{0, 1024}, 0, 1024, 768},      // 4:3: whole
      {{0, 1365}, 0, 1364, 767},      // composed for its output: without the last column and row
      {{1365, 960}, 1365, 959, 767},  // beside it
      {{1366, 960}, 0, 0, 0},         // reaching out of the frame
      {{-1, 960}, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const PixelView part = ViewOf(whole, c.view);
    EXPECT_EQ(part.width, c.width) << c.view.left;
    if (c.width == 0) continue;
    EXPECT_EQ(part.pixels, frame.data() + c.offset);
    EXPECT_EQ(part.height, c.height);
    EXPECT_EQ(part.pitch, 2325);
  }
  std::vector<RECT> parts;
  const RECT changed[] = {{1300, 10, 1400, 20}, {0, 0, 1365, 768}, {2000, 700, 2400, 800}};
  PartsIn(changed, 1365, ViewOf(whole, {1365, 960}), parts);
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0].left, 0);
  EXPECT_EQ(parts[0].right, 35);
  EXPECT_EQ(parts[1].left, 635);
  EXPECT_EQ(parts[1].right, 959);
  EXPECT_EQ(parts[1].bottom, 767);
}

TEST(VisualLayout, PacksEachChannelIntoItsMaskAtItsWidth) {
  const VisualLayout rgb565(0xF800, 0x07E0, 0x001F);
  EXPECT_EQ(rgb565.Pack(0xFFFFFF), 0xFFFFu);
  EXPECT_EQ(rgb565.Pack(0x808080), 0x8410u);
  const VisualLayout bgr(0x0000FF, 0x00FF00, 0xFF0000);
  EXPECT_EQ(bgr.Pack(0x123456), 0x563412u);
  const VisualLayout rgb30(0x3FF00000, 0x000FFC00, 0x000003FF);
  EXPECT_EQ(rgb30.Pack(0xFF0001), (0x3FCul << 20) | 0x4ul);
}

// What the X server shows at (x, y) of the screen.
uint32_t ScreenPixel(int x, int y) {
  ::Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) return 0xFFFFFFFF;
  XImage* image = XGetImage(d, DefaultRootWindow(d), x, y, 1, 1, AllPlanes, ZPixmap);
  uint32_t pixel = 0xFFFFFFFF;
  if (image != nullptr) {
    pixel = static_cast<uint32_t>(XGetPixel(image, 0, 0)) & 0xFFFFFF;
    XDestroyImage(image);
  }
  XCloseDisplay(d);
  return pixel;
}

class SdlDisplayOnX : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    window_ = SDL_CreateWindow("display test", 0, 0, 320, 240, SDL_WINDOW_SHOWN);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
  }
  void TearDown() override {
    // Video stays initialised: the process may use it again, and quitting unloads libraries whose
    // allocations would then look leaked.
    if (window_ != nullptr) SDL_DestroyWindow(window_);
  }

  // The main thread's queue: calls posted by the display, run by RunQueued.
  SdlDisplayBackend::PostToMain Post() {
    return [this](std::function<void()> call) {
      std::lock_guard lock(mutex_);
      queued_.push_back(std::move(call));
    };
  }
  size_t Queued() {
    std::lock_guard lock(mutex_);
    return queued_.size();
  }
  void RunQueued() {
    std::vector<std::function<void()>> calls;
    {
      std::lock_guard lock(mutex_);
      calls.swap(queued_);
    }
    for (auto& call : calls) call();
  }
  // Waits until the screen shows `colour` at (x, y), as presenting reaches the server a little later.
  bool ScreenShows(int x, int y, uint32_t colour) {
    for (int i = 0; i < 100; ++i) {
      SDL_PumpEvents();
      if (ScreenPixel(x, y) == colour) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ADD_FAILURE() << std::hex << "screen at " << x << "," << y << " shows " << ScreenPixel(x, y) << ", not "
                  << colour;
    return false;
  }

  SDL_Window* window_ = nullptr;
  std::mutex mutex_;
  std::vector<std::function<void()>> queued_;
};

TEST_F(SdlDisplayOnX, OpensFullScreenFlipsFromAnotherThreadAndPresentsScaledWithGamma) {
  SdlDisplayBackend backend({Post(), {}, {}});
  EXPECT_GE(backend.GetSystemMetrics(SM_CMONITORS), 1);
  std::vector<std::optional<int>> devices;
  auto enumerate = backend.DirectDrawEnumerateExA();
  ASSERT_TRUE(enumerate);
  EXPECT_EQ(enumerate(
                [&](const DeviceGuid* guid, const std::string&, const std::string&) {
                  devices.push_back(guid ? std::optional<int>(guid->display) : std::nullopt);
                  return true;
                },
                DDENUM_ATTACHEDSECONDARYDEVICES),
            DD_OK);
  ASSERT_GE(devices.size(), 2u);
  EXPECT_EQ(devices[0], std::nullopt);
  EXPECT_EQ(devices[1], 0);

  std::shared_ptr<IDirectDraw> dd;
  ASSERT_EQ(backend.DirectDrawCreate(nullptr, dd), DD_OK);
  const DeviceGuid nowhere{99};
  std::shared_ptr<IDirectDraw> none;
  EXPECT_NE(backend.DirectDrawCreate(&nowhere, none), DD_OK);

  ASSERT_EQ(
      dd->SetCooperativeLevel(reinterpret_cast<NativeWindow*>(window_), DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN),
      DD_OK);
  SDL_Rect bounds;
  ASSERT_EQ(SDL_GetDisplayBounds(0, &bounds), 0);
  EXPECT_TRUE(SDL_GetWindowFlags(window_) & SDL_WINDOW_BORDERLESS);
  EXPECT_EQ(dd->SetDisplayMode(1024, 768, 24), DDERR_INVALIDMODE);
  ASSERT_EQ(dd->SetDisplayMode(1024, 768, 32), DD_OK);

  DDSURFACEDESC desc;
  desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  desc.dwBackBufferCount = 1;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  std::shared_ptr<IDirectDrawSurface> primary, back, second;
  ASSERT_EQ(dd->CreateSurface(desc, primary), DD_OK);
  EXPECT_EQ(dd->CreateSurface(desc, second), DDERR_PRIMARYSURFACEALREADYEXISTS);
  ASSERT_EQ(primary->GetAttachedSurface(DDSCAPS{DDSCAPS_BACKBUFFER}, back), DD_OK);
  DDCAPS caps;
  ASSERT_EQ(dd->GetCaps(&caps, nullptr), DD_OK);
  EXPECT_TRUE(caps.dwCaps2 & DDCAPS2_PRIMARYGAMMA);

  // The frame thread flips while the main thread does not serve its queue: an X window is sent to from
  // the thread that flips, so nothing waits for the main thread.
  std::thread frame([&] {
    DDBLTFX fx;
    for (int i = 0; i < 50; ++i) {
      fx.dwFillColor = i == 49 ? 0xFF0000 : 0x00FF00 + static_cast<uint32_t>(i);
      back->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
      EXPECT_EQ(primary->Flip(nullptr, 0), DD_OK);
    }
  });
  frame.join();
  EXPECT_EQ(Queued(), 0u);
  const FitBox box = FitPicture(1024, 768, bounds.w, bounds.h);
  const int cx = bounds.x + bounds.w / 2, cy = bounds.y + bounds.h / 2;
  EXPECT_TRUE(ScreenShows(cx, cy, 0xFF0000));  // the newest frame
  if (box.y > 0) {
    EXPECT_TRUE(ScreenShows(cx, bounds.y + box.y / 2, 0));
  }
  if (box.x > 0) {
    EXPECT_TRUE(ScreenShows(bounds.x + box.x / 2, cy, 0));
  }

  // A part that changed alone lands where it belongs, whether sent scaled or straight from the frame.
  DDBLTFX blue;
  blue.dwFillColor = 0x0000FF;
  RECT part{256, 192, 288, 224};
  ASSERT_EQ(back->Blt(&part, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &blue), DD_OK);
  ASSERT_EQ(primary->Flip(nullptr, 0), DD_OK);
  EXPECT_TRUE(
      ScreenShows(bounds.x + box.x + (272 * box.w / 1024), bounds.y + box.y + (208 * box.h / 768), 0xFF));
  EXPECT_TRUE(ScreenShows(cx, cy, 0xFF0000));

  // A device context or a lock on the back buffer holds its memory in place.
  DeviceContext* dc = nullptr;
  ASSERT_EQ(back->GetDC(&dc), DD_OK);
  EXPECT_EQ(primary->Flip(nullptr, 0), DDERR_SURFACEBUSY);
  back->ReleaseDC(dc);

  // Half brightness shows with the next frame, in software, even one that changes nothing.
  std::shared_ptr<IDirectDrawGammaControl> gamma;
  ASSERT_EQ(primary->QueryGammaControl(gamma), DD_OK);
  DDGAMMARAMP ramp;
  ASSERT_EQ(gamma->GetGammaRamp(0, &ramp), DD_OK);
  EXPECT_EQ(ramp.green[255], 65535);
  const DDGAMMARAMP half = Brightness(128);
  ASSERT_EQ(gamma->SetGammaRamp(0, &half), DD_OK);
  ASSERT_EQ(primary->Flip(nullptr, 0), DD_OK);
  RunQueued();
  EXPECT_TRUE(ScreenShows(cx, cy, 0x7F0000));

  // Releasing the display drops the ramp and loses the screen for whoever still holds it.
  dd.reset();
  EXPECT_EQ(primary->IsLost(), DDERR_SURFACELOST);
  EXPECT_NE(primary->Restore(), DD_OK);
  EXPECT_EQ(primary->Flip(nullptr, 0), DDERR_SURFACELOST);
  EXPECT_LT(gamma->GetGammaRamp(0, &ramp), 0);
  EXPECT_LT(gamma->SetGammaRamp(0, &ramp), 0);
  RunQueued();
  EXPECT_EQ(Queued(), 0u);

  // A new display starts with the identity ramp.
  ASSERT_EQ(backend.DirectDrawCreate(nullptr, dd), DD_OK);
  ASSERT_EQ(
      dd->SetCooperativeLevel(reinterpret_cast<NativeWindow*>(window_), DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN),
      DD_OK);
  ASSERT_EQ(dd->SetDisplayMode(1024, 768, 32), DD_OK);
  primary.reset();
  back.reset();
  ASSERT_EQ(dd->CreateSurface(desc, primary), DD_OK);
  ASSERT_EQ(primary->QueryGammaControl(gamma), DD_OK);
  ASSERT_EQ(gamma->GetGammaRamp(0, &ramp), DD_OK);
  EXPECT_EQ(ramp.red[255], 65535);
  primary.reset();
  dd.reset();
}

}  // namespace
}  // namespace lunvale::platform
