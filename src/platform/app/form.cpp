// SPDX-License-Identifier: MIT
#include "platform/app/form.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <stdexcept>

#include "platform/app/application.h"
#include "platform/app/keys.h"

namespace lunvale::platform {

namespace {

unsigned ShiftFromSdl(uint16_t mod, uint32_t buttons) {
  unsigned shift = 0;
  if (mod & KMOD_SHIFT) shift |= ssShift;
  if (mod & KMOD_ALT) shift |= ssAlt;
  if (mod & KMOD_CTRL) shift |= ssCtrl;
  if (buttons & SDL_BUTTON_LMASK) shift |= ssLeft;
  if (buttons & SDL_BUTTON_RMASK) shift |= ssRight;
  if (buttons & SDL_BUTTON_MMASK) shift |= ssMiddle;
  return shift;
}

}  // namespace

void TForm::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (window_ != nullptr) SDL_SetWindowTitle(SdlWindow(), caption_.c_str());
}

void TForm::SetBorderStyle(TBorderStyle style) {
  border_style_ = style;
  if (window_ != nullptr) {
    SDL_SetWindowBordered(SdlWindow(), style == TBorderStyle::bsNone ? SDL_FALSE : SDL_TRUE);
    SDL_SetWindowResizable(SdlWindow(), style == TBorderStyle::bsSizeable ? SDL_TRUE : SDL_FALSE);
  }
}

void TForm::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (window_ != nullptr) {
    SDL_SetWindowPosition(SdlWindow(), left, top);
    SDL_SetWindowSize(SdlWindow(), width > 0 ? width : 1, height > 0 ? height : 1);
  }
}

void TForm::CoverDesktop() {
  SDL_Rect bounds{0, 0, 1024, 768};
  int display = window_ != nullptr ? SDL_GetWindowDisplayIndex(SdlWindow()) : 0;
  if (SDL_GetDisplayBounds(display < 0 ? 0 : display, &bounds) != 0) {
    throw std::runtime_error(std::string("Cannot read the desktop size: ") + SDL_GetError());
  }
  SetBounds(bounds.x, bounds.y, bounds.w, bounds.h);
}

void TForm::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (visible) {
    closed_ = false;
    if (host_window_ != 0) return;
    if (window_ == nullptr) CreateNativeWindow();
    SDL_ShowWindow(SdlWindow());
    SDL_RaiseWindow(SdlWindow());
    Paint();
  } else if (window_ != nullptr) {
    SDL_HideWindow(SdlWindow());
  }
}

void TForm::CreateNativeWindow() {
  Application& app = Application::Instance();
  app.Initialize();
  Uint32 flags = SDL_WINDOW_HIDDEN;
  if (border_style_ == TBorderStyle::bsNone) flags |= SDL_WINDOW_BORDERLESS;
  if (border_style_ == TBorderStyle::bsSizeable) flags |= SDL_WINDOW_RESIZABLE;
  SDL_Window* window = SDL_CreateWindow(caption_.c_str(), Left(), Top(), Width() > 0 ? Width() : 320,
                                        Height() > 0 ? Height() : 240, flags);
  if (window == nullptr) throw std::runtime_error(std::string("Cannot create a window: ") + SDL_GetError());
  window_ = reinterpret_cast<NativeWindow*>(window);
  window_id_ = SDL_GetWindowID(window);
  sink_id_ = app.AddEventSink([this](const SDL_Event& e) { HandleEvent(e); });
}

void TForm::DestroyNativeWindow() {
  if (window_ == nullptr) return;
  Application::Instance().RemoveEventSink(sink_id_);
  if (SDL_Renderer* renderer = SDL_GetRenderer(SdlWindow())) SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(SdlWindow());
  window_ = nullptr;
  window_id_ = 0;
}

unsigned long TForm::Handle() const {
  if (host_window_ != 0) return host_window_;
  if (window_ == nullptr) return 0;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(SdlWindow(), &info) || info.subsystem != SDL_SYSWM_X11) return 0;
  return info.info.x11.window;
}

void TForm::Paint() {
  if (window_ == nullptr || display_attached_) return;
  if (OnPaint) {
    OnPaint();
    return;
  }
  SDL_Renderer* renderer = SDL_GetRenderer(SdlWindow());
  if (renderer == nullptr) renderer = SDL_CreateRenderer(SdlWindow(), -1, SDL_RENDERER_SOFTWARE);
  if (renderer == nullptr) return;
  uint32_t c = Color();
  SDL_SetRenderDrawColor(renderer, (c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF, 255);
  SDL_RenderClear(renderer);
  SDL_RenderPresent(renderer);
}

void TForm::HandleEvent(const SDL_Event& e) {
  switch (e.type) {
    case SDL_WINDOWEVENT:
      if (e.window.windowID != window_id_) return;
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
        Close();
      } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SHOWN) {
        Paint();
      }
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      if (e.key.windowID != window_id_) return;
      uint16_t key = VirtualKeyFromSdl(e.key.keysym.sym);
      if (key == 0) return;
      unsigned shift = ShiftFromSdl(e.key.keysym.mod, SDL_GetMouseState(nullptr, nullptr));
      auto& handler = e.type == SDL_KEYDOWN ? OnKeyDown : OnKeyUp;
      if (handler) handler(key, shift);
      // The control characters that typing these keys produces; printable ones come as text input.
      if (e.type == SDL_KEYDOWN && OnKeyPress && key != 0) {
        char typed = key == VK_ESCAPE   ? 27
                     : key == VK_RETURN ? 13
                     : key == VK_BACK   ? 8
                     : key == VK_TAB    ? 9
                                        : 0;
        if (typed != 0) OnKeyPress(typed);
      }
      break;
    }
    case SDL_TEXTINPUT:
      if (e.text.windowID != window_id_ || !OnKeyPress) return;
      for (const char* c = e.text.text; *c != '\0'; ++c) {
        char typed = *c;
        OnKeyPress(typed);
      }
      break;
    case SDL_MOUSEMOTION:
      if (e.motion.windowID != window_id_) return;
      if (OnMouseMove) OnMouseMove(ShiftFromSdl(SDL_GetModState(), e.motion.state), e.motion.x, e.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (e.button.windowID != window_id_) return;
      if (OnMouseDown)
        OnMouseDown(e.button.button, ShiftFromSdl(SDL_GetModState(), SDL_GetMouseState(nullptr, nullptr)),
                    e.button.x, e.button.y);
      break;
    default:
      break;
  }
}

}  // namespace lunvale::platform
