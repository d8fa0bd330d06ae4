// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/app/component.h"

struct SDL_Window;
struct NativeWindow;
struct SDL_Renderer;
union SDL_Event;

namespace lunvale::platform {

enum class TBorderStyle { bsNone, bsSingle, bsSizeable };

// A top-level window of the scene's component model, backed by a window of the platform's (an SDL
// window on Linux, a window of its own class on Windows) that exists while the form is shown. The
// first form that registers itself as the main form ends the message loop when it closes.
class TForm : public TControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  std::string_view ClassName() const override { return "TForm"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle style);

  void SetBounds(int left, int top, int width, int height) override;
  void SetColor(uint32_t color) override;
  void SetVisible(bool visible) override;

  // Places the form over the whole desktop of the display it is on; on Windows, over the virtual screen
  // (every monitor), and a borderless form stays on top of other windows.
  void CoverDesktop();

  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Runs OnClose, hides the form and, for the main form, ends the message loop.
  void Close();
  bool Closed() const { return closed_; }

  // Makes this form the one whose closing ends the application's message loop.
  void MakeMainForm() { main_form_ = true; }

  // Makes the window (hidden) when it does not exist yet. Throws when no display can be opened.
  void HandleNeeded();
  // The form lives in another program's window (a screen-saver host's): it makes no window of its own,
  // so it takes no input, and Handle() names the host's window. On Windows the value is only kept.
  void SetHostWindow(unsigned long id) { host_window_ = id; }
  unsigned long HostWindow() const { return host_window_; }
  // Linux: the SDL window.
  SDL_Window* SdlWindow() const { return reinterpret_cast<SDL_Window*>(window_); }
  // The window as the display takes it (platform/display/direct_draw.h).
  NativeWindow* Window() const { return window_; }
  // The X11 window id (on Windows the window handle) of the form's window, 0 while it has none.
  unsigned long Handle() const;

  // Input events, with virtual-key codes and ShiftState bits (platform/app/keys.h).
  std::function<void(uint16_t& key, unsigned shift)> OnKeyDown;
  std::function<void(uint16_t& key, unsigned shift)> OnKeyUp;
  // A typed character: text input, and the control characters of Escape, Return, Backspace and Tab.
  std::function<void(char& key)> OnKeyPress;
  std::function<void(unsigned shift, int x, int y)> OnMouseMove;
  std::function<void(int button, unsigned shift, int x, int y)> OnMouseDown;
  std::function<void()> OnClose;
  std::function<void()> OnPaint;

  // Fills the client area with the form's colour, unless a display draws into the window.
  void Paint();
  // A display presents its frames in this window: the form leaves the client area alone meanwhile.
  void SetDisplayAttached(bool attached) { display_attached_ = attached; }
  bool DisplayAttached() const { return display_attached_; }

 private:
  void CreateNativeWindow();
  void DestroyNativeWindow();
  void HandleEvent(const SDL_Event& event);
  // Windows: a message of the form's window. Returns false to leave it to the default procedure.
  bool HandleMessage(unsigned message, uintptr_t wparam, intptr_t lparam, intptr_t& result);
  friend struct FormWindowClass;

  std::string caption_;
  TBorderStyle border_style_ = TBorderStyle::bsSizeable;
  NativeWindow* window_ = nullptr;
  uint32_t window_id_ = 0;
  int sink_id_ = 0;
  bool main_form_ = false;
  bool closed_ = false;
  bool display_attached_ = false;
  unsigned long host_window_ = 0;
  // Windows: where on the screen the pointer was last reported, to drop the moves that moved nothing.
  int mouse_x_ = -1;
  int mouse_y_ = -1;
  bool mouse_seen_ = false;
};

}  // namespace lunvale::platform
