// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/app/application.h"
#include "platform/app/dynamic_library.h"
#include "platform/app/form.h"
#include "platform/app/keys.h"
#include "platform/app/shell.h"

// clang-format off
#include "platform/win32/windows_api.h"
// clang-format on

namespace lunvale::platform {
namespace {

HWND WindowOf(const TForm& form) {
  return reinterpret_cast<HWND>(form.Window());
}

// An ended loop stays ended for the process, so the tests that end it run in a child process, which
// reports through its exit code.
[[noreturn]] void SynchronizeAcrossTheLoopsEnd() {
  Application& app = Application::Instance();
  app.Initialize();
  const std::thread::id main_id = std::this_thread::get_id();
  std::thread::id ran_on;
  bool first = false;
  bool second = true;
  bool late_ran = false;
  std::thread worker([&] {
    // The loop is asleep in its wait when this comes: the wake-up must end the wait.
    first = app.Synchronize([&] {
      ran_on = std::this_thread::get_id();
      app.Terminate();
    });
    second = app.Synchronize([&] { late_ran = true; });
  });
  app.Run();
  worker.join();
  std::_Exit((first ? 0 : 1) | (ran_on == main_id ? 0 : 2) | (second ? 4 : 0) | (late_ran ? 8 : 0));
}

TEST(ApplicationWin32DeathTest, SynchronizeRunsOnTheMainThreadAndIsRefusedOnceTheLoopHasEnded) {
  EXPECT_EXIT(SynchronizeAcrossTheLoopsEnd(), ::testing::ExitedWithCode(0), "");
}

struct CloseCase {
  const char* name;
  bool main_form;
  bool handler;
  UINT message;
  WPARAM wparam;
  int expected;
};

// The exit code tells which of the quit request handler (1), the form's own Close (2) and the end of
// the loop (4) happened.
[[noreturn]] void SendCloseRequest(const CloseCase& c) {
  TForm form(nullptr);
  if (c.main_form) form.MakeMainForm();
  int seen = 0;
  if (c.handler) Application::Instance().SetOnQuitRequest([&] { seen |= 1; });
  form.HandleNeeded();
  ::SendMessageW(WindowOf(form), c.message, c.wparam, 0);
  if (form.Closed()) seen |= 2;
  if (Application::Instance().Terminated()) seen |= 4;
  std::_Exit(seen);
}

TEST(FormWin32DeathTest, ACloseRequestFromTheSystemTakesTheMainFormsExitPath) {
  const CloseCase cases[] = {
      {"close, main form with handler", true, true, WM_CLOSE, 0, 1},
      {"close, main form without handler", true, false, WM_CLOSE, 0, 2 | 4},
      {"session ends, main form", true, true, WM_ENDSESSION, TRUE, 1},
      {"session goes on", true, true, WM_ENDSESSION, FALSE, 0},
      {"close, another form", false, true, WM_CLOSE, 0, 2},
  };
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EXIT(SendCloseRequest(c), ::testing::ExitedWithCode(c.expected), "");
  }
}

class FormWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.HandleNeeded();
    ASSERT_NE(WindowOf(form_), nullptr);
    form_.OnKeyDown = [this](uint16_t& key, unsigned) { seen_ += "down " + std::to_string(key) + ";"; };
    form_.OnKeyUp = [this](uint16_t& key, unsigned) { seen_ += "up " + std::to_string(key) + ";"; };
    form_.OnKeyPress = [this](char& key) {
      seen_ += "char " + std::to_string(static_cast<unsigned char>(key)) + ";";
    };
    form_.OnMouseMove = [this](unsigned shift, int x, int y) {
      seen_ += "move " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(shift) + ";";
    };
    form_.OnMouseDown = [this](int button, unsigned, int x, int y) {
      seen_ += "click " + std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y) + ";";
    };
    Application::Instance().SetActive(false);  // whatever ran before
    Application::Instance().SetOnActivate([this] { seen_ += "active;"; });
    Application::Instance().SetOnDeactivate([this] { seen_ += "inactive;"; });
  }
  void TearDown() override {
    Application::Instance().SetOnActivate(nullptr);
    Application::Instance().SetOnDeactivate(nullptr);
  }

  TForm form_{nullptr};
  std::string seen_;
};

TEST_F(FormWin32Test, MessagesReachTheHandlersWithTheirCodesAndCharactersAsUtf8) {
  struct Message {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
  };
  struct Case {
    const char* name;
    std::vector<Message> messages;
    const char* expected;
  } cases[] = {
      {"escape",
       {{WM_KEYDOWN, VK_ESCAPE, 0}, {WM_CHAR, 27, 0}, {WM_KEYUP, VK_ESCAPE, 0}},
       "down 27;char 27;up 27;"},
      {"a system key", {{WM_SYSKEYDOWN, VK_F2, 0}, {WM_SYSKEYUP, VK_F2, 0}}, "down 113;up 113;"},
      {"a letter past ASCII", {{WM_CHAR, 0xE9, 0}}, "char 195;char 169;"},
      {"a character past U+FFFF",
       {{WM_CHAR, 0xD83D, 0}, {WM_CHAR, 0xDE00, 0}},
       "char 240;char 159;char 152;char 128;"},
      {"a pointer that stays put",
       {{WM_MOUSEMOVE, 0, MAKELPARAM(10, 20)}, {WM_MOUSEMOVE, 0, MAKELPARAM(10, 20)}},
       "move 10,20 0;"},
      {"a pointer that moves with the left button down",
       {{WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(11, 20)}},
       "move 11,20 8;"},
      {"buttons",
       {{WM_RBUTTONDOWN, 0, MAKELPARAM(3, 4)}, {WM_MBUTTONDOWN, 0, MAKELPARAM(5, 6)}},
       "click 3 3,4;click 2 5,6;"},
      {"activation, once per change",
       {{WM_ACTIVATEAPP, TRUE, 0}, {WM_ACTIVATEAPP, TRUE, 0}, {WM_ACTIVATEAPP, FALSE, 0}},
       "active;inactive;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    seen_.clear();
    for (const Message& m : c.messages) ::SendMessageW(WindowOf(form_), m.message, m.wparam, m.lparam);
    EXPECT_EQ(seen_, c.expected);
  }
}

TEST(ShellWin32Test, RefusalsStartNothing) {
  struct Case {
    const char* verb;
    const char* file;
    intptr_t expected;
  } cases[] = {
      {"open", "", SE_ERR_FNF},
      {"open", nullptr, SE_ERR_FNF},
      {"print", "https://example.org/", SE_ERR_NOASSOC},
      {"open", "C:\\Windows\\notepad.exe", SE_ERR_NOASSOC},
      {"open", "file:///C:/Windows/notepad.exe", SE_ERR_NOASSOC},
      {nullptr, "https://example.org/\r\nx", SE_ERR_NOASSOC},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file != nullptr ? c.file : "(null)");
    EXPECT_EQ(lunvale::platform::ShellExecuteA(0, c.verb, c.file, "", "", SW_SHOW), c.expected);
  }
}

TEST(DynamicLibraryWin32Test, LoadsFindsAndFrees) {
  HMODULE missing = lunvale::platform::LoadLibraryA("no-such-library-here.dll");
  EXPECT_EQ(missing, nullptr);
  HMODULE kernel = lunvale::platform::LoadLibraryA("kernel32.dll");
  ASSERT_NE(kernel, nullptr);
  EXPECT_NE(lunvale::platform::GetProcAddress(kernel, "GetTickCount"), nullptr);
  EXPECT_EQ(lunvale::platform::GetProcAddress(kernel, "NoSuchFunctionHere"), nullptr);
  EXPECT_TRUE(lunvale::platform::FreeLibrary(kernel));
  EXPECT_FALSE(lunvale::platform::FreeLibrary(nullptr));
}

}  // namespace
}  // namespace lunvale::platform
