// SPDX-License-Identifier: MIT
// Windows: TForm as a top-level window of a class of its own. Bounds are the client area's, as on
// Linux. Keys arrive as the virtual-key codes of WM_KEYDOWN/WM_SYSKEYDOWN and typed characters as
// WM_CHAR; a close request from the system (WM_CLOSE, the session ending) runs the main form's exit
// path, as a quit signal does on Linux. SetHostWindow only keeps its value: a host's preview is drawn
// by the host code.
#include <stdexcept>
#include <string>

#include "platform/app/application.h"
#include "platform/app/form.h"
#include "platform/app/keys.h"
#include "platform/app/wide_text.h"

// clang-format off
#include "platform/win32/windows_api.h"
// clang-format on

namespace lunvale::platform {

namespace {

HWND AsHwnd(NativeWindow* window) {
  return reinterpret_cast<HWND>(window);
}

const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

std::string LastErrorText() {
  const DWORD code = ::GetLastError();
  wchar_t* buffer = nullptr;
  const DWORD n = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::u16string text(reinterpret_cast<const char16_t*>(buffer != nullptr ? buffer : L""), n);
  if (buffer != nullptr) ::LocalFree(buffer);
  while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u'.'))
    text.pop_back();
  return text.empty() ? "error " + std::to_string(code) : Utf8FromUtf16(text);
}

DWORD StyleFor(TBorderStyle style) {
  switch (style) {
    case TBorderStyle::bsNone:
      return WS_POPUP;
    case TBorderStyle::bsSingle:
      return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case TBorderStyle::bsSizeable:
      break;
  }
  return WS_OVERLAPPEDWINDOW;
}

// The outer rectangle whose client area is the given one.
RECT OuterRect(HWND window, int left, int top, int width, int height) {
  RECT rect{left, top, left + (width > 0 ? width : 1), top + (height > 0 ? height : 1)};
  const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
  const DWORD ex_style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
  ::AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  return rect;
}

bool Down(int virtual_key) {
  return (::GetKeyState(virtual_key) & 0x8000) != 0;
}

unsigned ShiftNow() {
  unsigned shift = 0;
  if (Down(VK_SHIFT)) shift |= ssShift;
  if (Down(VK_MENU)) shift |= ssAlt;
  if (Down(VK_CONTROL)) shift |= ssCtrl;
  if (Down(VK_LBUTTON)) shift |= ssLeft;
  if (Down(VK_RBUTTON)) shift |= ssRight;
  if (Down(VK_MBUTTON)) shift |= ssMiddle;
  return shift;
}

// Mouse messages carry the buttons and Shift and Ctrl; Alt is read from the keyboard state.
unsigned ShiftFromMouse(WPARAM flags) {
  unsigned shift = Down(VK_MENU) ? static_cast<unsigned>(ssAlt) : 0u;
  if (flags & MK_SHIFT) shift |= ssShift;
  if (flags & MK_CONTROL) shift |= ssCtrl;
  if (flags & MK_LBUTTON) shift |= ssLeft;
  if (flags & MK_RBUTTON) shift |= ssRight;
  if (flags & MK_MBUTTON) shift |= ssMiddle;
  return shift;
}

POINT ClientPoint(LPARAM lparam) {
  return POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

// A character past U+FFFF comes as two WM_CHARs; the first half waits here for the second.
thread_local char16_t g_high_surrogate = 0;

}  // namespace

// The window class of every form, registered once; its procedure hands each message to the form.
struct FormWindowClass {
  static constexpr const wchar_t* kName = L"LunvaleForm";

  static void Register() {
    static const bool registered = [] {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof wc;
      wc.style = CS_HREDRAW | CS_VREDRAW;
      wc.lpfnWndProc = &Procedure;
      wc.hInstance = ::GetModuleHandleW(nullptr);
      wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
      wc.lpszClassName = kName;
      return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    if (!registered) throw std::runtime_error("Cannot create a window: " + LastErrorText());
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
      auto* form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
      ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
      form->window_ = reinterpret_cast<NativeWindow*>(window);
    }
    auto* form = reinterpret_cast<TForm*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    intptr_t result = 0;
    if (form != nullptr && form->HandleMessage(message, wparam, lparam, result)) return result;
    return ::DefWindowProcW(window, message, wparam, lparam);
  }
};

void TForm::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (window_ != nullptr) ::SetWindowTextW(AsHwnd(window_), Wide(Utf16FromText(caption_)));
}

void TForm::SetBorderStyle(TBorderStyle style) {
  border_style_ = style;
  if (window_ == nullptr) return;
  HWND window = AsHwnd(window_);
  const LONG_PTR kept = ::GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE;
  ::SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(StyleFor(style)) | kept);
  HWND order = HWND_TOP;
  if (style != TBorderStyle::bsNone) {
    // Only a borderless form that covers the desktop stays on top and out of the task bar.
    const LONG_PTR ex_style = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    ::SetWindowLongPtrW(window, GWL_EXSTYLE, ex_style & ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW));
    order = HWND_NOTOPMOST;
  }
  const RECT rect = OuterRect(window, Left(), Top(), Width(), Height());
  ::SetWindowPos(window, order, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOACTIVATE | SWP_FRAMECHANGED | (order == HWND_TOP ? SWP_NOZORDER : 0));
}

void TForm::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (window_ == nullptr) return;
  HWND window = AsHwnd(window_);
  const RECT rect = OuterRect(window, left, top, width, height);
  ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOACTIVATE | SWP_NOZORDER);
}

void TForm::CoverDesktop() {
  // Every monitor: the virtual screen may start left of or above the primary one.
  const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (width <= 0 || height <= 0) throw std::runtime_error("Cannot read the desktop size: " + LastErrorText());
  if (border_style_ == TBorderStyle::bsNone && host_window_ == 0) {
    HandleNeeded();
    HWND window = AsHwnd(window_);
    const LONG_PTR ex_style = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    ::SetWindowLongPtrW(window, GWL_EXSTYLE, ex_style | WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  SetBounds(left, top, width, height);
}

void TForm::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (visible) {
    closed_ = false;
    if (host_window_ != 0) return;
    if (window_ == nullptr) CreateNativeWindow();
    HWND window = AsHwnd(window_);
    ::ShowWindow(window, SW_SHOW);
    ::SetForegroundWindow(window);
    ::UpdateWindow(window);
  } else if (window_ != nullptr) {
    ::ShowWindow(AsHwnd(window_), SW_HIDE);
  }
}

void TForm::CreateNativeWindow() {
  Application::Instance().Initialize();
  FormWindowClass::Register();
  const DWORD style = StyleFor(border_style_);
  RECT rect{Left(), Top(), Left() + (Width() > 0 ? Width() : 320), Top() + (Height() > 0 ? Height() : 240)};
  ::AdjustWindowRectEx(&rect, style, FALSE, 0);
  // The procedure sets window_ as soon as the window exists: messages come before this call returns.
  HWND window = ::CreateWindowExW(0, FormWindowClass::kName, Wide(Utf16FromText(caption_)), style, rect.left,
                                  rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), this);
  if (window == nullptr) {
    window_ = nullptr;
    throw std::runtime_error("Cannot create a window: " + LastErrorText());
  }
  window_ = reinterpret_cast<NativeWindow*>(window);
}

void TForm::DestroyNativeWindow() {
  if (window_ == nullptr) return;
  HWND window = AsHwnd(window_);
  // Messages sent while the window goes (focus, activation) no longer reach a form being destroyed.
  ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  ::DestroyWindow(window);
  window_ = nullptr;
}

unsigned long TForm::Handle() const {
  if (host_window_ != 0) return host_window_;
  return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window_));
}

void TForm::Paint() {
  if (window_ == nullptr || display_attached_) return;
  if (OnPaint) {
    OnPaint();
    return;
  }
  HWND window = AsHwnd(window_);
  HDC dc = ::GetDC(window);
  if (dc == nullptr) return;
  RECT client;
  ::GetClientRect(window, &client);
  const uint32_t c = Color();
  HBRUSH brush = ::CreateSolidBrush(RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
  ::FillRect(dc, &client, brush);
  ::DeleteObject(brush);
  ::ReleaseDC(window, dc);
}

bool TForm::HandleMessage(unsigned message, uintptr_t wparam, intptr_t lparam, intptr_t& result) {
  result = 0;
  switch (message) {
    case WM_CLOSE:
    case WM_ENDSESSION:
      if (message == WM_ENDSESSION && wparam == FALSE) return true;
      // The main form takes the running mode's exit path; the session may end the process as soon as
      // this returns, so it runs now rather than queued.
      if (!main_form_ || !Application::Instance().RunQuitRequest()) Close();
      return true;
    case WM_ACTIVATEAPP:
      Application::Instance().SetActive(wparam != FALSE);
      return true;
    case WM_ERASEBKGND:
      // The fill is WM_PAINT's; a display's frames must not flicker through the class's background.
      result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      ::BeginPaint(AsHwnd(window_), &ps);
      ::EndPaint(AsHwnd(window_), &ps);
      Paint();
      return true;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      uint16_t key = static_cast<uint16_t>(wparam);
      const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
      auto& handler = down ? OnKeyDown : OnKeyUp;
      if (handler) handler(key, ShiftNow());
      // The system keys keep their meaning (Alt+F4 closes through WM_CLOSE).
      return message == WM_KEYDOWN || message == WM_KEYUP;
    }
    case WM_CHAR: {
      const auto unit = static_cast<char16_t>(wparam);
      if (unit >= 0xD800 && unit < 0xDC00) {
        g_high_surrogate = unit;
        return true;
      }
      std::u16string units;
      if (unit >= 0xDC00 && unit < 0xE000 && g_high_surrogate != 0) units.push_back(g_high_surrogate);
      g_high_surrogate = 0;
      units.push_back(unit);
      // Typed text reaches OnKeyPress as UTF-8 bytes, one call each, as on Linux.
      if (OnKeyPress) {
        for (char typed : Utf8FromUtf16(units)) OnKeyPress(typed);
      }
      return true;
    }
    case WM_MOUSEMOVE: {
      POINT at = ClientPoint(lparam);
      POINT on_screen = at;
      ::ClientToScreen(AsHwnd(window_), &on_screen);
      // Windows repeats the last position when a window appears or moves under a still pointer.
      if (mouse_seen_ && on_screen.x == mouse_x_ && on_screen.y == mouse_y_) return true;
      mouse_seen_ = true;
      mouse_x_ = on_screen.x;
      mouse_y_ = on_screen.y;
      if (OnMouseMove) OnMouseMove(ShiftFromMouse(wparam), at.x, at.y);
      return true;
    }
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN: {
      // Buttons are numbered 1 left, 2 middle, 3 right, as on Linux.
      const int button = message == WM_LBUTTONDOWN ? 1 : message == WM_MBUTTONDOWN ? 2 : 3;
      const POINT at = ClientPoint(lparam);
      if (OnMouseDown) OnMouseDown(button, ShiftFromMouse(wparam), at.x, at.y);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace lunvale::platform
