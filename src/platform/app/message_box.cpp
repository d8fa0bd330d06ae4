// SPDX-License-Identifier: MIT
#include "platform/app/message_box.h"

#include <SDL.h>
#include <pthread.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <atomic>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/app/application.h"
#include "platform/system/x11_window.h"
#include "platform/text/code_page.h"

namespace lunvale::platform {

namespace {

// SDL shows an X11 message box from a child process of its own, which a killed saver would leave on
// the screen. A child forked while a box is being shown dies with the thread that waits for it.
std::atomic<pid_t> box_owner{0};

void TieBoxToOwner() {
  const pid_t owner = box_owner.load();
  if (owner == 0) return;
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != owner) ::_exit(1);  // the owner died before the line above took effect
}

const int tie_registered = ::pthread_atfork(nullptr, nullptr, TieBoxToOwner);

}  // namespace

int MessageBoxA(unsigned long owner, std::string_view text, std::string_view caption, unsigned type) {
  const std::string utf8_text = AnsiToUtf8(text);
  const std::string utf8_caption = AnsiToUtf8(caption);

  std::vector<SDL_MessageBoxButtonData> buttons;
  const auto add = [&](int id, const char* label, bool is_default, bool is_cancel) {
    Uint32 flags = 0;
    if (is_default) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    if (is_cancel) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    buttons.push_back({flags, id, label});
  };
  switch (type & 0x0F) {
    case MB_OKCANCEL:
      add(IDOK, "OK", true, false);
      add(IDCANCEL, "Cancel", false, true);
      break;
    case MB_YESNO:
      add(IDYES, "Yes", true, false);
      add(IDNO, "No", false, true);
      break;
    default:
      add(IDOK, "OK", true, true);
      break;
  }
  Uint32 flags = SDL_MESSAGEBOX_INFORMATION;
  if ((type & 0xF0) == MB_ICONSTOP) flags = SDL_MESSAGEBOX_ERROR;
  if ((type & 0xF0) == MB_ICONWARNING) flags = SDL_MESSAGEBOX_WARNING;

  // The owner is another program's window: borrow it only while the box is up, and only when it is
  // really there (an SDL window made from a stale id would fail every call).
  // With no display named at all, or none that answers, asking SDL would only add its own complaints to
  // standard error.
  const char* x_display = std::getenv("DISPLAY");
  const char* wayland_display = std::getenv("WAYLAND_DISPLAY");
  const bool named = (x_display != nullptr && *x_display != '\0') ||
                     (wayland_display != nullptr && *wayland_display != '\0');
  bool video = named && DisplayReachable() &&
               (SDL_WasInit(SDL_INIT_VIDEO) != 0 || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0);
  SDL_Window* parent = nullptr;
  if (video && owner != 0 && QueryWindowState(owner) != WindowState::kMissing) {
    parent = SDL_CreateWindowFrom(reinterpret_cast<const void*>(owner));
  }
  SDL_MessageBoxData data{};
  data.flags = flags;
  data.window = parent;
  data.title = utf8_caption.c_str();
  data.message = utf8_text.c_str();
  data.numbuttons = static_cast<int>(buttons.size());
  data.buttons = buttons.data();
  int pressed = -1;
  box_owner.store(::getpid());
  int rc = video ? SDL_ShowMessageBox(&data, &pressed) : -1;
  box_owner.store(0);
  if (parent != nullptr) SDL_DestroyWindow(parent);
  if (rc != 0) {
    std::fprintf(stderr, "%s: %s\n", utf8_caption.c_str(), utf8_text.c_str());
    return buttons.front().buttonid;
  }
  return pressed < 0 ? buttons.back().buttonid : pressed;
}

}  // namespace lunvale::platform
