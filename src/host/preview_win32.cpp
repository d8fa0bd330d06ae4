// SPDX-License-Identifier: MIT
// Preview mode on Windows. The Linux build draws once into the desktop's X11 window; a Windows window
// is not kept by anyone once drawn, so here the picture lives in a child window of the one passed
// (the control panel's preview area), which repaints itself and goes with it. The handle is read as
// on Linux; a window that does not exist ends the mode at once, with status 0.
#include "host/preview.h"

#include <cstdint>
#include <stdexcept>

#include "platform/app/quit_signals.h"
#include "platform/pictures/picture.h"
#include "platform/pixels/pixels.h"
#include "platform/system/conversions.h"

#include "platform/win32/windows_api.h"

namespace lunvale::host {

namespace {

constexpr wchar_t kClassName[] = L"LunvalePreview";
constexpr UINT_PTR kParentCheckTimer = 1;
// The child goes with its parent; the check is for a parent in a process that ends without
// destroying its windows in order.
constexpr UINT kParentCheckMs = 250;

struct PreviewWindow {
  const platform::Bitmap* bitmap = nullptr;
  HWND parent = nullptr;
};

void Paint(HWND window, const platform::Bitmap& bitmap) {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(window, &paint);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = bitmap.Width();
  info.bmiHeader.biHeight = -bitmap.Height();  // top-down, as our rows are
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(bitmap.Width()), static_cast<DWORD>(bitmap.Height()), 0, 0,
                      0, static_cast<UINT>(bitmap.Height()), bitmap.View().pixels, &info, DIB_RGB_COLORS);
  ::EndPaint(window, &paint);
}

LRESULT CALLBACK PreviewProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* preview = reinterpret_cast<PreviewWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_PAINT:
      if (preview != nullptr) {
        Paint(window, *preview->bitmap);
        return 0;
      }
      break;
    case WM_ERASEBKGND:
      return 1;  // the picture covers the whole window
    case WM_TIMER:
      if (preview != nullptr && wparam == kParentCheckTimer &&
          (!::IsWindow(preview->parent) || platform::QuitSignalled())) {
        ::DestroyWindow(window);
      }
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

void RunPreview(std::string_view handle_text) {
  // A handle keeps 32 significant bits and is sign-extended into a 64-bit one.
  const auto parent = reinterpret_cast<HWND>(static_cast<intptr_t>(platform::StrToInt(handle_text)));
  platform::InstallQuitSignals();
  if (parent == nullptr || !::IsWindow(parent)) throw std::runtime_error(NotAWindow(handle_text));
  const platform::Bitmap bitmap = platform::Picture::LoadResource("PREVIEWBMP").GetBitmap();
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = PreviewProc;
  window_class.hInstance = instance;
  window_class.lpszClassName = kClassName;
  ::RegisterClassExW(&window_class);
  PreviewWindow preview{&bitmap, parent};
  // The picture's own size at the parent's corner: the rest of the parent keeps its background.
  HWND window = ::CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_DISABLED, 0, 0,
                                  bitmap.Width(), bitmap.Height(), parent, nullptr, instance, &preview);
  if (window == nullptr) return;  // the parent went away meanwhile
  ::SetTimer(window, kParentCheckTimer, kParentCheckMs, nullptr);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

}  // namespace lunvale::host
