// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/display/native_display.h"

#include "platform/win32/windows_api.h"

namespace lunvale::platform {
namespace {

class DisplayWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LunvaleDisplayTest";
    ::RegisterClassW(&wc);  // fails harmlessly when an earlier test registered it
    window_ = ::CreateWindowExW(0, wc.lpszClassName, L"display test", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240,
                                nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window_, nullptr);
    Pump();
  }
  void TearDown() override {
    if (window_ != nullptr) ::DestroyWindow(window_);
  }

  static void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  }
  MainThreadCalls Calls() {
    return {
        [](std::function<void()>) { ADD_FAILURE() << "GDI sends where it draws"; }, [this] { ++quits_; }, {}};
  }
  NativeWindow* Native() const { return reinterpret_cast<NativeWindow*>(window_); }
  unsigned long Handle() const { return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window_)); }

  // Opens a 320 x 240 display with a back buffer through `backend`, shown in the test's window.
  void Open(DisplayBackend& backend, std::shared_ptr<IDirectDraw>& dd,
            std::shared_ptr<IDirectDrawSurface>& primary, std::shared_ptr<IDirectDrawSurface>& back) {
    ASSERT_EQ(backend.DirectDrawCreate(nullptr, dd), DD_OK);
    ASSERT_EQ(dd->SetCooperativeLevel(Native(), DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
    ASSERT_EQ(dd->SetDisplayMode(320, 240, 32), DD_OK);
    DDSURFACEDESC desc;
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.dwBackBufferCount = 1;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    ASSERT_EQ(dd->CreateSurface(desc, primary), DD_OK);
    ASSERT_EQ(primary->GetAttachedSurface(DDSCAPS{DDSCAPS_BACKBUFFER}, back), DD_OK);
  }
  // Fills the back buffer's left half with `left`, the rest with `right`, and flips on another thread,
  // as the frame timer does.
  static HRESULT FlipFromAnotherThread(IDirectDrawSurface& primary, IDirectDrawSurface& back, uint32_t left,
                                       uint32_t right) {
    HRESULT result = E_FAIL;
    std::thread frame([&] {
      DDBLTFX fx;
      fx.dwFillColor = right;
      back.Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
      fx.dwFillColor = left;
      const RECT half{0, 0, 160, 240};
      back.Blt(&half, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
      result = primary.Flip(nullptr, 0);
    });
    frame.join();
    return result;
  }
  // The window's pixel at (x, y) as XRGB.
  uint32_t WindowPixel(int x, int y) {
    HDC dc = ::GetDC(window_);
    const COLORREF c = ::GetPixel(dc, x, y);
    ::ReleaseDC(window_, dc);
    return Rgb(GetRValue(c), GetGValue(c), GetBValue(c));
  }

  HWND window_ = nullptr;
  std::atomic<int> quits_{0};
};

// Enumerating lists the primary driver, then one device per monitor that OutputSizes also lists; a
// device that is not there cannot be opened.
TEST_F(DisplayWin32, EnumeratesOneDevicePerMonitor) {
  auto backend = MakeDisplayBackend(Calls());
  const int monitors = backend->GetSystemMetrics(SM_CMONITORS);
  ASSERT_GE(monitors, 1);
  EXPECT_EQ(backend->GetSystemMetrics(SM_CXSCREEN), 0);
  std::vector<int> devices;
  std::vector<std::string> names;
  ASSERT_EQ(backend->DirectDrawEnumerateExA()(
                [&](const DeviceGuid* guid, const std::string&, const std::string& name) {
                  devices.push_back(guid ? guid->display : -1);
                  names.push_back(name);
                  return true;
                },
                DDENUM_ATTACHEDSECONDARYDEVICES),
            DD_OK);
  ASSERT_EQ(devices.size(), static_cast<size_t>(monitors) + 1);
  for (int i = 0; i <= monitors; ++i) EXPECT_EQ(devices[i], i - 1);
  EXPECT_EQ(names[1].rfind("\\\\.\\DISPLAY", 0), 0u) << names[1];
  const auto sizes = backend->OutputSizes();
  ASSERT_EQ(sizes.size(), static_cast<size_t>(monitors));
  EXPECT_EQ(sizes[0], std::make_pair(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));

  std::shared_ptr<IDirectDraw> dd;
  const DeviceGuid last{monitors - 1}, nowhere{monitors};
  EXPECT_EQ(backend->DirectDrawCreate(&last, dd), DD_OK);
  EXPECT_EQ(backend->DirectDrawCreate(&nowhere, dd), DDERR_INVALIDDIRECTDRAWGUID);
  EXPECT_EQ(dd, nullptr);
}

// Only the offered modes are taken, with the codes of the Linux display, and none changes the screen's.
TEST_F(DisplayWin32, OffersTheModesOfLinuxAndNeverChangesTheScreens) {
  auto backend = MakeDisplayBackend(Calls());
  std::shared_ptr<IDirectDraw> dd;
  ASSERT_EQ(backend->DirectDrawCreate(nullptr, dd), DD_OK);
  EXPECT_EQ(dd->SetDisplayMode(640, 480, 32), DDERR_NOEXCLUSIVEMODE);
  EXPECT_EQ(dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DDERR_INVALIDPARAMS);
  EXPECT_EQ(dd->SetCooperativeLevel(Native(), DDSCL_NORMAL), DDERR_INVALIDPARAMS);
  const int screen_w = ::GetSystemMetrics(SM_CXSCREEN), screen_h = ::GetSystemMetrics(SM_CYSCREEN);
  ASSERT_EQ(dd->SetCooperativeLevel(Native(), DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
  struct Case {
    int w, h, bpp;
    HRESULT expected;
  };
  for (const Case& c : {Case{1024, 768, 24, DDERR_INVALIDMODE}, Case{319, 200, 32, DDERR_INVALIDMODE},
                        Case{320, 199, 32, DDERR_INVALIDMODE}, Case{4097, 768, 32, DDERR_INVALIDMODE},
                        Case{1024, 4097, 32, DDERR_INVALIDMODE}, Case{320, 200, 32, DD_OK},
                        Case{4096, 4096, 32, DD_OK}, Case{640, 480, 32, DD_OK}}) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + "x" + std::to_string(c.bpp));
    EXPECT_EQ(dd->SetDisplayMode(c.w, c.h, c.bpp), c.expected);
  }
  EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), screen_w);
  EXPECT_EQ(::GetSystemMetrics(SM_CYSCREEN), screen_h);
  // The form's window became a borderless, topmost cover of every monitor.
  ::RECT r{};
  ASSERT_TRUE(::GetWindowRect(window_, &r));
  EXPECT_EQ(r.left, ::GetSystemMetrics(SM_XVIRTUALSCREEN));
  EXPECT_EQ(r.top, ::GetSystemMetrics(SM_YVIRTUALSCREEN));
  EXPECT_EQ(r.right - r.left, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
  EXPECT_EQ(r.bottom - r.top, ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
  EXPECT_FALSE(::GetWindowLongPtrW(window_, GWL_STYLE) & WS_CAPTION);
  EXPECT_TRUE(::GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  // Another window is refused while the first is shown.
  EXPECT_EQ(dd->SetCooperativeLevel(reinterpret_cast<NativeWindow*>(::GetDesktopWindow()),
                                    DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN),
            DDERR_INVALIDPARAMS);
}

// In a host's window the picture fills the window as it is; a frame flipped on another thread reaches
// its pixels, through the gamma ramp, and leaves the screen's ramp alone once released.
TEST_F(DisplayWin32, AFlippedFrameReachesTheWindowThroughTheRamp) {
  auto backend = MakeDisplayBackend(Calls(), Handle());
  EXPECT_EQ(backend->OutputSizes(), (std::vector<std::pair<int, int>>{{320, 240}}));
  std::shared_ptr<IDirectDraw> dd;
  std::shared_ptr<IDirectDrawSurface> primary, back;
  ASSERT_NO_FATAL_FAILURE(Open(*backend, dd, primary, back));
  ::RECT r{};
  ASSERT_TRUE(::GetClientRect(window_, &r));
  EXPECT_EQ(r.right, 320);  // a host's window keeps its place and size

  ASSERT_EQ(FlipFromAnotherThread(*primary, *back, Rgb(255, 0, 0), Rgb(0, 0, 255)), DD_OK);
  EXPECT_EQ(WindowPixel(10, 10), Rgb(255, 0, 0));
  EXPECT_EQ(WindowPixel(310, 230), Rgb(0, 0, 255));

  std::shared_ptr<IDirectDrawGammaControl> gamma;
  ASSERT_EQ(primary->QueryGammaControl(gamma), DD_OK);
  DDGAMMARAMP half;
  for (int i = 0; i < 256; ++i)
    half.red[i] = half.green[i] = half.blue[i] = static_cast<uint16_t>(i * 257 / 2);
  ASSERT_EQ(gamma->SetGammaRamp(0, &half), DD_OK);
  // Only the right half changes, but a new ramp redraws everything.
  ASSERT_EQ(FlipFromAnotherThread(*primary, *back, Rgb(255, 0, 0), Rgb(0, 255, 0)), DD_OK);
  EXPECT_EQ(WindowPixel(10, 10), Rgb(127, 0, 0));
  EXPECT_EQ(WindowPixel(310, 230), Rgb(0, 127, 0));
  EXPECT_EQ(quits_, 0);
}

// A window that goes before the display is released ends the run and is never drawn into again.
TEST_F(DisplayWin32, AWindowThatGoesEndsTheRun) {
  auto backend = MakeDisplayBackend(Calls(), Handle());
  std::shared_ptr<IDirectDraw> dd;
  std::shared_ptr<IDirectDrawSurface> primary, back;
  ASSERT_NO_FATAL_FAILURE(Open(*backend, dd, primary, back));
  ASSERT_EQ(FlipFromAnotherThread(*primary, *back, 1, 2), DD_OK);
  ::DestroyWindow(window_);
  window_ = nullptr;
  for (int i = 0; i < 3; ++i) FlipFromAnotherThread(*primary, *back, 3 + i, 4);
  EXPECT_EQ(quits_, 1);
  dd.reset();
  EXPECT_EQ(primary->IsLost(), DDERR_SURFACELOST);
}

}  // namespace
}  // namespace lunvale::platform
