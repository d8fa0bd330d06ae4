// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;

namespace lunvale::testing {

// Skips the current test when no X server is reachable (scripts/test starts Xvfb).
#define LUNVALE_REQUIRE_DISPLAY()                                           \
  do {                                                                      \
    if (!::lunvale::testing::HaveDisplay()) GTEST_SKIP() << "no X display"; \
  } while (0)

bool HaveDisplay();

class ChildProcess;

// An Xvfb of the test's own on a free display number, up when constructed (empty Name() if it did not
// come up). -noreset: what a test sets in the server survives its clients leaving. `more_screens`: the
// geometries of screens 1, 2, ... besides screen 0.
class PrivateXServer {
 public:
  explicit PrivateXServer(const std::string& geometry, const std::vector<std::string>& more_screens = {});
  ~PrivateXServer();
  const std::string& Name() const { return name_; }
  std::string Stderr() const;

 private:
  std::unique_ptr<ChildProcess> process_;
  std::string name_;
};

// A plain top-level window of the test's own, standing in for another program's window.
class TestWindow {
 public:
  TestWindow(int width, int height, uint32_t background = 0xFFFFFF);
  ~TestWindow();
  unsigned long Id() const { return id_; }
  void Map();
  void Resize(int width, int height);
  void Destroy();
  // The window's pixels as 0x00RRGGBB, row by row.
  std::vector<uint32_t> Capture(int x, int y, int width, int height);

 private:
  ::_XDisplay* display_ = nullptr;
  unsigned long id_ = 0;
};

// Top-level windows whose name is exactly `name`, polled until one shows or the time is up.
std::optional<unsigned long> WaitForWindow(const std::string& name, std::chrono::milliseconds timeout);
// Focuses the window and types the key (xdotool key names: "Escape", "Return").
void SendKey(unsigned long window, const std::string& key);
// Geometry of a window as xwininfo reports it.
struct Geometry {
  int x = 0, y = 0, width = 0, height = 0;
  bool viewable = false;
};
std::optional<Geometry> WindowGeometry(unsigned long window);
// Splits the screen of the server `display` into these monitors, as `xrandr --setmonitor` does (the
// first over the screen's output); true when the server then lists them. The server's -noreset keeps
// them after this connection leaves.
bool SetMonitors(const std::string& display, const std::vector<Geometry>& monitors);
// Takes screenshots until no pixel of the rectangle is near black (the picture is up), or the time is
// out; slow builds (sanitizers) take seconds to decode and cut the pictures.
bool WaitUntilLit(int x, int y, int width, int height, std::chrono::milliseconds timeout);
// The pixels of a rectangle of a screenshot `width` pixels wide, row by row.
std::vector<uint32_t> Crop(const std::vector<uint32_t>& shot, int width, int x, int y, int cw, int ch);
// A screenshot of the root window through ImageMagick's import, returned as 0x00RRGGBB pixels.
std::vector<uint32_t> ScreenshotRoot(int& width, int& height, const std::string& png_path = {});

}  // namespace lunvale::testing
