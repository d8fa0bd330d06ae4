// SPDX-License-Identifier: MIT
// A stand-in for the display settings' preview: a 154 x 116 window of its own process at (40, 40),
// whose handle it prints in decimal; it closes its window when a line arrives on standard input (or at
// end of input), then waits a moment and ends, so that a test sees the preview end with it.
#include <cstdio>
#include <thread>

#include "platform/win32/windows_api.h"

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int main() {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = HostProc;
  window_class.hInstance = ::GetModuleHandleW(nullptr);
  window_class.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  window_class.lpszClassName = L"LunvalePreviewHost";
  ::RegisterClassW(&window_class);
  RECT frame{0, 0, 154, 116};
  ::AdjustWindowRect(&frame, WS_OVERLAPPED | WS_CAPTION, FALSE);
  HWND window = ::CreateWindowExW(
      WS_EX_TOPMOST, L"LunvalePreviewHost", L"Preview host", WS_OVERLAPPED | WS_CAPTION, 40, 40,
      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, window_class.hInstance, nullptr);
  if (window == nullptr) return 1;
  ::ShowWindow(window, SW_SHOWNORMAL);
  ::UpdateWindow(window);
  std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)));
  std::fflush(stdout);
  // Standard input is read on a thread of its own, so that the window stays served meanwhile.
  const DWORD main_thread = ::GetCurrentThreadId();
  std::thread([main_thread] {
    char line[16];
    (void)std::fgets(line, sizeof line, stdin);
    ::PostThreadMessageW(main_thread, WM_APP, 0, 0);
  }).detach();
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.hwnd == nullptr && message.message == WM_APP) ::DestroyWindow(window);
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}
