#include "host/preview.h"

#include <SDL.h>

#include <memory>
#include <stdexcept>

#include "platform/app/application.h"
#include "platform/app/quit_signals.h"
#include "platform/app/resources.h"
#include "platform/display/pixels.h"
#include "platform/system/conversions.h"
#include "platform/system/x11_window.h"

namespace lunvale::host {

namespace {

struct SurfaceDeleter {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

SurfacePtr LoadPreviewBitmap() {
  auto bytes = platform::FindResource("PREVIEWBMP");
  if (!bytes) throw std::runtime_error("Resource PREVIEWBMP not found");
  SDL_RWops* rw = SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size()));
  SurfacePtr loaded(SDL_LoadBMP_RW(rw, 1));
  if (!loaded) throw std::runtime_error(std::string("Resource PREVIEWBMP: ") + SDL_GetError());
  SurfacePtr converted(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
  if (!converted) throw std::runtime_error(std::string("Resource PREVIEWBMP: ") + SDL_GetError());
  return converted;
}

}  // namespace

void RunPreview(std::string_view handle_text) {
  const auto handle = static_cast<unsigned long>(static_cast<uint32_t>(platform::StrToInt(handle_text)));
  platform::InstallQuitSignals();
  platform::RequireDisplay(true);  // the preview window is an X11 window
  platform::X11Window window(handle);
  // The desktop maps the preview window when it is ready; waiting on the X connection instead of
  // spinning keeps the wait from eating a core while it lasts.
  for (;;) {
    if (platform::QuitSignalled()) return;
    platform::WindowState state = window.State();
    if (state == platform::WindowState::kMissing) return;
    if (state == platform::WindowState::kViewable) break;
    window.WaitForEvents(20);
  }
  SurfacePtr bitmap = LoadPreviewBitmap();
  platform::PixelView view{static_cast<uint32_t*>(bitmap->pixels), bitmap->w, bitmap->h, bitmap->pitch / 4};
  window.PutPixels(view, 0, 0);
}

}  // namespace lunvale::host
