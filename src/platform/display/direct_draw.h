// SPDX-License-Identifier: MIT
#pragma once

// platform/display: the full-screen display: surfaces, fills, colour-keyed blits, flips and gamma,
// the SDL window and the outputs that show them (the pixel views are platform/pixels').

// The display library's stand-in: result codes, flags, records and the interfaces of the display object,
// its surfaces and its gamma control, with a memory surface that both the real display and the test
// fakes are made of. The callers keep the display library's names and numbers.
//
// Lifetime: every object is held by std::shared_ptr, the counted reference it stands for; dropping the
// last reference releases it. Releasing the display object closes the display: its primary surface is lost
// from then on, and the gamma ramp is dropped. A component that only borrows another's references (the
// sprites' copies of the engine's three) should keep std::weak_ptr, so that it never keeps a display open.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/display/surface_memory.h"
#include "platform/pixels/pixels.h"
#include "platform/text/device_context.h"  // also CLR_INVALID

// The window a display shows itself in, as the platform knows it: an SDL_Window on Linux, a window
// handle (HWND) on Windows. Only the platform's own files look inside.
struct NativeWindow;

namespace lunvale::platform {

using HRESULT = int32_t;

constexpr HRESULT MakeResult(uint32_t code) {
  return static_cast<HRESULT>(code);
}
constexpr HRESULT MakeDDResult(uint32_t code) {
  return MakeResult(0x88760000u | code);
}
constexpr bool Failed(HRESULT hr) {
  return hr < 0;
}
constexpr bool Succeeded(HRESULT hr) {
  return hr >= 0;
}

inline constexpr HRESULT DD_OK = 0;
inline constexpr HRESULT E_FAIL = MakeResult(0x80004005u);
inline constexpr HRESULT E_NOTIMPL = MakeResult(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = MakeResult(0x80004002u);
inline constexpr HRESULT E_INVALIDARG = MakeResult(0x80070057u);
inline constexpr HRESULT E_OUTOFMEMORY = MakeResult(0x8007000Eu);

// The blit error table, with the names its messages append.
inline constexpr HRESULT DDERR_EXCEPTION = MakeDDResult(55);       // 0x88760037
inline constexpr HRESULT DDERR_GENERIC = E_FAIL;                   // 0x80004005
inline constexpr HRESULT DDERR_INVALIDOBJECT = MakeDDResult(130);  // 0x88760082
inline constexpr HRESULT DDERR_INVALIDPARAMS = E_INVALIDARG;       // 0x80070057
inline constexpr HRESULT DDERR_INVALIDRECT = MakeDDResult(150);    // 0x88760096
inline constexpr HRESULT DDERR_NOBLTHW = MakeDDResult(575);        // 0x8876023F
inline constexpr HRESULT DDERR_SURFACEBUSY = MakeDDResult(430);    // 0x887601AE
inline constexpr HRESULT DDERR_UNSUPPORTED = E_NOTIMPL;            // 0x80004001
// Codes the callers tell apart.
inline constexpr HRESULT DDERR_WASSTILLDRAWING = MakeDDResult(540);  // 0x8876021C
inline constexpr HRESULT DDERR_SURFACELOST = MakeDDResult(450);      // 0x887601C2
// Further codes the stand-in returns.
inline constexpr HRESULT DDERR_OUTOFMEMORY = E_OUTOFMEMORY;
inline constexpr HRESULT DDERR_INVALIDCAPS = MakeDDResult(100);
inline constexpr HRESULT DDERR_INVALIDMODE = MakeDDResult(120);
inline constexpr HRESULT DDERR_NOCOOPERATIVELEVELSET = MakeDDResult(212);
inline constexpr HRESULT DDERR_NOEXCLUSIVEMODE = MakeDDResult(225);
inline constexpr HRESULT DDERR_NOTFOUND = MakeDDResult(255);
inline constexpr HRESULT DDERR_INVALIDDIRECTDRAWGUID = MakeDDResult(561);
inline constexpr HRESULT DDERR_PRIMARYSURFACEALREADYEXISTS = MakeDDResult(564);
inline constexpr HRESULT DDERR_NOTFLIPPABLE = MakeDDResult(582);
inline constexpr HRESULT DDERR_NOTLOCKED = MakeDDResult(584);
inline constexpr HRESULT DDERR_CANTCREATEDC = MakeDDResult(585);
inline constexpr HRESULT DDERR_WRONGMODE = MakeDDResult(587);
inline constexpr HRESULT DDERR_UNSUPPORTEDMODE = MakeDDResult(590);
inline constexpr HRESULT DDERR_DCALREADYCREATED = MakeDDResult(620);

// The name a blit failure message appends for `hr`, or "" for a code outside the table. The name of
// DDERR_INVALIDPARAMS is "DERR_INVALIDPARAMS", exactly as the messages have always shown it.
const char* DDErrorName(HRESULT hr);

inline constexpr uint32_t DDSCL_FULLSCREEN = 0x1;
inline constexpr uint32_t DDSCL_NORMAL = 0x8;
inline constexpr uint32_t DDSCL_EXCLUSIVE = 0x10;

inline constexpr uint32_t DDSD_CAPS = 0x1;
inline constexpr uint32_t DDSD_HEIGHT = 0x2;
inline constexpr uint32_t DDSD_WIDTH = 0x4;
inline constexpr uint32_t DDSD_BACKBUFFERCOUNT = 0x20;

inline constexpr uint32_t DDSCAPS_BACKBUFFER = 0x4;
inline constexpr uint32_t DDSCAPS_COMPLEX = 0x8;
inline constexpr uint32_t DDSCAPS_FLIP = 0x10;
inline constexpr uint32_t DDSCAPS_OFFSCREENPLAIN = 0x40;
inline constexpr uint32_t DDSCAPS_PRIMARYSURFACE = 0x200;
inline constexpr uint32_t DDSCAPS_SYSTEMMEMORY = 0x800;

inline constexpr uint32_t DDBLT_COLORFILL = 0x400;
inline constexpr uint32_t DDBLT_WAIT = 0x01000000;
inline constexpr uint32_t DDBLTFAST_NOCOLORKEY = 0;
inline constexpr uint32_t DDBLTFAST_SRCCOLORKEY = 1;
inline constexpr uint32_t DDBLTFAST_DESTCOLORKEY = 2;
inline constexpr uint32_t DDBLTFAST_WAIT = 0x10;
inline constexpr uint32_t DDCKEY_SRCBLT = 8;
inline constexpr uint32_t DDCAPS2_PRIMARYGAMMA = 0x00020000;
inline constexpr uint32_t DDENUM_ATTACHEDSECONDARYDEVICES = 1;
inline constexpr int SM_CMONITORS = 80;

struct RECT {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The columns of a frame that one output shows. A scene composed for outputs of several shapes lays one
// canvas for each shape side by side in its frame; each output shows its own. A width of 0: the whole frame.
struct FrameView {
  int left = 0;
  int width = 0;
  bool operator==(const FrameView&) const = default;
};

struct DDSCAPS {
  uint32_t dwCaps = 0;
};

struct DDSURFACEDESC {
  uint32_t dwFlags = 0;
  uint32_t dwHeight = 0;
  uint32_t dwWidth = 0;
  uint32_t dwBackBufferCount = 0;
  DDSCAPS ddsCaps;
};

struct DDCAPS {
  uint32_t dwCaps = 0;
  uint32_t dwCaps2 = 0;
};

struct DDBLTFX {
  uint32_t dwFillColor = 0;
};

struct DDCOLORKEY {
  uint32_t dwColorSpaceLowValue = 0;
  uint32_t dwColorSpaceHighValue = 0;
};

struct DDGAMMARAMP {
  uint16_t red[256] = {};
  uint16_t green[256] = {};
  uint16_t blue[256] = {};
};

// What Lock gives: the pixels (of the locked rectangle) and the surface's bits per pixel.
struct SurfaceLock {
  PixelView view;
  int bits_per_pixel = 0;
};

// A display device as the enumeration reports it: the SDL display index stands in for the GUID.
struct DeviceGuid {
  int display = 0;
  bool operator==(const DeviceGuid&) const = default;
};

class IDirectDrawGammaControl {
 public:
  virtual ~IDirectDrawGammaControl() = default;
  virtual HRESULT GetGammaRamp(uint32_t flags, DDGAMMARAMP* ramp) = 0;
  virtual HRESULT SetGammaRamp(uint32_t flags, const DDGAMMARAMP* ramp) = 0;
};

class IDirectDrawSurface {
 public:
  virtual ~IDirectDrawSurface() = default;
  // Colour fill only (DDBLT_COLORFILL with fx->dwFillColor), of dest_rect or of the whole surface.
  virtual HRESULT Blt(const RECT* dest_rect, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags,
                      const DDBLTFX* fx) = 0;
  // Copies src_rect (null: all) of `src` to (x, y). Nothing is clipped: a rectangle outside the source or
  // a destination outside this surface is refused with DDERR_INVALIDRECT.
  virtual HRESULT BltFast(int x, int y, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags) = 0;
  virtual HRESULT Flip(IDirectDrawSurface* target, uint32_t flags) = 0;
  virtual HRESULT GetAttachedSurface(const DDSCAPS& caps, std::shared_ptr<IDirectDrawSurface>& out) = 0;
  virtual HRESULT IsLost() = 0;
  virtual HRESULT Restore() = 0;
  // One device context at a time; it draws into the surface until ReleaseDC.
  virtual HRESULT GetDC(DeviceContext** dc) = 0;
  virtual HRESULT ReleaseDC(DeviceContext* dc) = 0;
  // DDCKEY_SRCBLT; a null key removes it.
  virtual HRESULT SetColorKey(uint32_t flags, const DDCOLORKEY* key) = 0;
  // rect: null for the whole surface. The view stays valid until Unlock.
  virtual HRESULT Lock(const RECT* rect, SurfaceLock* out, uint32_t flags) = 0;
  virtual HRESULT Unlock(const RECT* rect) = 0;
  // The gamma control of a primary surface (IID_IDirectDrawGammaControl); E_NOINTERFACE elsewhere.
  virtual HRESULT QueryGammaControl(std::shared_ptr<IDirectDrawGammaControl>& out) = 0;
};

class IDirectDraw {
 public:
  virtual ~IDirectDraw() = default;
  virtual HRESULT SetCooperativeLevel(NativeWindow* window, uint32_t flags) = 0;
  virtual HRESULT SetDisplayMode(int width, int height, int bits_per_pixel) = 0;
  virtual HRESULT CreateSurface(const DDSURFACEDESC& desc, std::shared_ptr<IDirectDrawSurface>& out) = 0;
  virtual HRESULT GetCaps(DDCAPS* driver, DDCAPS* emulation) = 0;
};

// Called once per device: the GUID (null for the primary display driver), description, driver name.
// Returns true to go on.
using DDEnumCallbackEx =
    std::function<bool(const DeviceGuid* guid, const std::string& description, const std::string& name)>;
using DirectDrawEnumerateExFn = std::function<HRESULT(const DDEnumCallbackEx& callback, uint32_t flags)>;

// Where the display objects come from; the engine receives one, tests give it a fake.
class DisplayBackend {
 public:
  virtual ~DisplayBackend() = default;
  // device: null for the primary display.
  virtual HRESULT DirectDrawCreate(const DeviceGuid* device, std::shared_ptr<IDirectDraw>& out) = 0;
  // The enumeration entry point, or an empty function when the library does not offer it.
  virtual DirectDrawEnumerateExFn DirectDrawEnumerateExA() = 0;
  // SM_CMONITORS: the number of monitors; 0 for other indices.
  virtual int GetSystemMetrics(int index) = 0;
  // The width and height of each output the primary display's picture fills: every monitor of every X
  // screen (the default screen's first, as the desktop lists them), or a host's window, so that a scene
  // can compose for each shape. Empty when not known.
  virtual std::vector<std::pair<int, int>> OutputSizes() { return {}; }
  // Before the display opens: the part of each frame each output shows, in the order of OutputSizes;
  // empty: each shows the whole frame.
  virtual void SetFrameViews(std::vector<FrameView> views) { (void)views; }
};

// A 32-bit surface in system memory, never lost. Pixels start black. A `shared` one keeps them in a
// shared-memory segment that an X server on this machine can read from (SharedId), where one can be made.
class MemorySurface : public IDirectDrawSurface, public std::enable_shared_from_this<MemorySurface> {
 public:
  MemorySurface(int width, int height, bool shared = false);
  ~MemorySurface() override;
  MemorySurface(const MemorySurface&) = delete;
  MemorySurface& operator=(const MemorySurface&) = delete;

  HRESULT Blt(const RECT* dest_rect, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags,
              const DDBLTFX* fx) override;
  HRESULT BltFast(int x, int y, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags) override;
  HRESULT Flip(IDirectDrawSurface* target, uint32_t flags) override;
  HRESULT GetAttachedSurface(const DDSCAPS& caps, std::shared_ptr<IDirectDrawSurface>& out) override;
  HRESULT IsLost() override;
  HRESULT Restore() override;
  HRESULT GetDC(DeviceContext** dc) override;
  HRESULT ReleaseDC(DeviceContext* dc) override;
  HRESULT SetColorKey(uint32_t flags, const DDCOLORKEY* key) override;
  HRESULT Lock(const RECT* rect, SurfaceLock* out, uint32_t flags) override;
  HRESULT Unlock(const RECT* rect) override;
  HRESULT QueryGammaControl(std::shared_ptr<IDirectDrawGammaControl>& out) override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The System V shared-memory segment that holds the pixels, or -1 for private memory.
  int SharedId() const { return shm_id_; }
  // The pixels, for the display's own use and for tests; not for the components.
  PixelView Pixels() {
    Settle();
    return Raw();
  }
  std::optional<DDCOLORKEY> SourceColorKey() const { return key_; }
  // A device context or a lock is out: the memory must stay where it is.
  bool Busy() const { return dc_ != nullptr || locked_; }
  // Changes whenever the pixels may have changed; never the same for two surfaces of the process, so that
  // a surface and its version tell one picture apart from any other.
  uint64_t Version() const { return version_; }

  // A valid BltFast's pieces: the source and the rectangle copied from it.
  struct Copy {
    MemorySurface* source = nullptr;
    RECT from;
    bool keyed = false;
    uint32_t key_low = 0;
    uint32_t key_high = 0;
  };
  // Checks a BltFast as BltFast does; DD_OK with `copy` filled in when it would copy.
  HRESULT CheckBltFast(int x, int y, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags,
                       Copy& copy);

 protected:
  // Exchanges the memory with a buffer of the same size (page flipping); private memory only.
  void SwapStorage(SurfaceMemory& other) {
    SettleFill();
    std::swap(memory_, other);
    data_ = memory_.Data();
    Touch();
  }
  // The memory as it is, for the surface's own drawing.
  PixelView Raw() { return {data_, width_, height_, width_}; }
  // Brings the memory up to date before anyone outside looks at it or draws into it.
  virtual void Settle() { SettleFill(); }
  // The device context GetDC hands out.
  virtual std::unique_ptr<DeviceContext> MakeContext() { return std::make_unique<DeviceContext>(Pixels()); }
  void Touch();

 private:
  // A fill of the whole surface waits until something looks at the pixels or draws on them: every
  // frame begins with one, and the background picture that follows covers nearly all of it. Settling
  // fills what lies outside `covered`.
  void SettleFill(const RECT& covered = {});

  int width_;
  int height_;
  SurfaceMemory memory_;      // private memory
  uint32_t* data_ = nullptr;  // the pixels, private or shared
  int shm_id_ = -1;
  std::optional<DDCOLORKEY> key_;
  std::optional<uint32_t> pending_fill_;
  std::unique_ptr<DeviceContext> dc_;
  bool locked_ = false;
  std::atomic<uint64_t> version_;
};

// Fills `area` of `to` with `color`.
void FillPixels(PixelView to, const RECT& area, uint32_t color);
// Copies `from` (a rectangle of `source`) to (x, y) of `to`, only where it falls into `clip`; keyed, the
// pixels within the key's range are left out. `to` and `source` must not overlap.
void CopyPixels(PixelView to, int x, int y, const PixelView& source, const RECT& from, const RECT& clip,
                bool keyed, uint32_t key_low, uint32_t key_high);

// The blit kernels for one row of `width` pixels; the two rows must not overlap.
void CopyRow(uint32_t* dst, const uint32_t* src, int width);
void CopyRowKeyed(uint32_t* dst, const uint32_t* src, int width, uint32_t key_low, uint32_t key_high);

}  // namespace lunvale::platform
