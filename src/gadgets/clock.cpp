// SPDX-License-Identifier: MIT
#include "gadgets/clock.h"

#include "gadgets/gadget_font.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

namespace lunvale::gadgets {

using namespace platform;

namespace {

constexpr uint32_t kWhite = Rgb(255, 255, 255);
constexpr uint32_t kGrey = Rgb(128, 128, 128);
// What the system's time formatting writes at most; a longer time is no time at all.
constexpr size_t kTimeBuffer = 256;

int Extent(DeviceContext* dc, const char* text, size_t length) {
  Size size;
  if (!dc->GetTextExtentPoint32(text, static_cast<int>(length), &size)) return 0;
  return size.cx;
}

std::tm LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  platform::LocalTime(now, local);
  return local;
}

}  // namespace

TQGC::TQGC(TComponent* owner) : TQIM(owner), time_format_(TimeFormat::ForLocale()) {}

void TQGC::Parse1(std::string_view source, std::string_view open, std::string_view close,
                  std::string_view& found, std::string_view& rest) {
  std::string_view text = source;
  if (open != "BEGIN") {
    const size_t start = source.find(open);
    if (open.empty() || start == std::string_view::npos) {
      found = {};
      rest = source;
      return;
    }
    text = source.substr(start + open.size());
  }
  if (close == "END") {
    found = text;
    rest = {};
    return;
  }
  const size_t end = close.empty() ? std::string_view::npos : text.find(close);
  if (end == std::string_view::npos) {
    found = {};
    rest = source;
    return;
  }
  found = text.substr(0, end);
  rest = text.substr(end + close.size());
}

void TQGC::SetTimeSource(TimeSource source) {
  std::lock_guard lock(source_mutex_);
  time_source_ = std::move(source);
}

void TQGC::SetTimeFormat(std::shared_ptr<const TimeFormat> format) {
  if (!format) format = TimeFormat::ForLocale();
  std::lock_guard lock(source_mutex_);
  time_format_ = std::move(format);
}

std::shared_ptr<const TimeFormat> TQGC::GetTimeFormat() const {
  std::lock_guard lock(source_mutex_);
  return time_format_;
}

std::tm TQGC::Now(std::shared_ptr<const TimeFormat>& format) {
  std::lock_guard lock(source_mutex_);
  format = time_format_;
  return time_source_ ? time_source_() : LocalNow();
}

void TQGC::DrawGadgetClock() {
  const sprites::DisplayPanel* qss = Panel();
  if (qss == nullptr) return;
  const int x0 = qss->CanvasRight() - kOriginRight;
  const int y0 = qss->GetHeightScreen() - kOriginBottom;

  // One reading of the clock serves the text and the blinking, so that both agree.
  std::shared_ptr<const TimeFormat> format;
  const std::tm now = Now(format);
  char time_text[kTimeBuffer];
  const size_t n = format ? format->Format(now, time_text, sizeof time_text) : 0;
  const std::string_view text(time_text, n);

  const std::shared_ptr<IDirectDrawSurface> back = qss->FDDBACK();
  if (!back) return;
  DeviceContext* dc = nullptr;
  if (Failed(back->GetDC(&dc)) || dc == nullptr) return;

  if (font_)
    dc->SelectFont(font_);
  else
    font_ = MyCreateFont("Arial", 22, dc, FW_BOLD);
  dc->SetBkMode(TRANSPARENT);
  dc->SetTextColor(kWhite);

  const int x = x0 + (kBoxWidth - Extent(dc, text.data(), text.size())) / 2;
  std::string_view hours, rest;
  Parse1(text, "BEGIN", ":", hours, rest);
  dc->TextOut(x, y0, hours);
  int w = Extent(dc, hours.data(), hours.size());

  // The separator shows from the frame in which the second changed, for half a second's frames; at
  // least in that one frame, so that a slow frame period does not lose it altogether.
  // A frame that draws several canvases counts once.
  int32_t count = blink_count_.load(std::memory_order_relaxed);
  if (!qss->RepeatedCanvas()) {
    if (count < INT32_MAX) ++count;
    if (now.tm_sec != last_second_.load(std::memory_order_relaxed)) count = 0;
    blink_count_.store(count, std::memory_order_relaxed);
    last_second_.store(now.tm_sec, std::memory_order_relaxed);
  }
  const int32_t period = std::max<int32_t>(1, qss->GetInterval());
  if (std::max<int32_t>(1, kBlinkMs / period) > count) dc->TextOut(x + w, y0, ":");

  // The minutes go after hours plus separator whether it shows or not, so they never move.
  char line[kTimeBuffer + 2];
  size_t length = hours.size();
  if (length != 0) std::memcpy(line, hours.data(), length);  // an empty view may have no data at all
  line[length++] = ':';
  w = Extent(dc, line, length);
  if (n > 5) {
    std::string_view minutes, suffix;
    Parse1(rest, "BEGIN", " ", minutes, suffix);
    dc->TextOut(x + w, y0, minutes);
    dc->SetTextColor(kGrey);
    if (!minutes.empty()) std::memcpy(line + length, minutes.data(), minutes.size());
    length += minutes.size();
    w = Extent(dc, line, length);
    line[0] = ' ';
    if (!suffix.empty()) std::memcpy(line + 1, suffix.data(), suffix.size());
    dc->TextOut(x + w, y0, line, static_cast<int>(suffix.size() + 1));
  } else {
    dc->TextOut(x + w, y0, rest);
  }
  back->ReleaseDC(dc);
}

}  // namespace lunvale::gadgets
