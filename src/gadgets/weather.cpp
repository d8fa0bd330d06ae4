// SPDX-License-Identifier: MIT
#include "gadgets/weather.h"

#include "gadgets/gadget_font.h"

#include <algorithm>

#include "platform/text/code_page.h"

namespace lunvale::gadgets {

using namespace platform;

namespace {

constexpr uint32_t kWhite = Rgb(255, 255, 255);

// The degree sign in the text's own encoding: byte 176 for 8-bit text, as the feeds' code page has
// it, but two bytes after text that is UTF-8, which a lone byte 176 would turn into a code page text.
void AppendDegree(std::string& text) {
  const bool wide = std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
  text += wide && IsValidUtf8(text) ? "\xC2\xB0" : "\xB0";
}

bool Store(std::mutex& mutex, std::string& slot, std::string_view value) {
  std::lock_guard lock(mutex);
  if (slot == value) return false;
  slot.assign(value);
  return true;
}

}  // namespace

TQGW::TQGW(TComponent* owner) : TQIM(owner) {}

void TQGW::SetTodayCode(int32_t value) {
  std::lock_guard lock(values_mutex_);
  today_code_ = value;
}

int32_t TQGW::GetTodayCode() const {
  std::lock_guard lock(values_mutex_);
  return today_code_;
}

void TQGW::SetTomorrowCode(int32_t value) {
  std::lock_guard lock(values_mutex_);
  tomorrow_code_ = value;
}

int32_t TQGW::GetTomorrowCode() const {
  std::lock_guard lock(values_mutex_);
  return tomorrow_code_;
}

void TQGW::SetTodayNow(std::string_view value) {
  Store(values_mutex_, today_now_, value);
}

std::string TQGW::GetTodayNow() const {
  std::lock_guard lock(values_mutex_);
  return today_now_;
}

void TQGW::SetTomorrowHi(std::string_view value) {
  Store(values_mutex_, tomorrow_hi_, value);
}

std::string TQGW::GetTomorrowHi() const {
  std::lock_guard lock(values_mutex_);
  return tomorrow_hi_;
}

void TQGW::SetTomorrowLow(std::string_view value) {
  Store(values_mutex_, tomorrow_low_, value);
}

std::string TQGW::GetTomorrowLow() const {
  std::lock_guard lock(values_mutex_);
  return tomorrow_low_;
}

int32_t TQGW::FrameFor(int32_t& code) {
  // A code past the table is no condition the strip knows: it becomes "not available" for good.
  if (code > kLastCode) code = kNotAvailable;
  // A negative code is kept, as it came, but the strip has no frame for it: it reads as
  // "not available" too rather than leaving a hole in the plate.
  return code < 0 ? kNotAvailable : code;
}

void TQGW::DrawPicture(sprites::TQMV* strip, int x, int y, int32_t frame) {
  strip->SetShowX(x);
  strip->SetShowY(y);
  strip->SetNumberFrame(frame);
  strip->DrawMovie();
}

void TQGW::DrawGadgetWeather() {
  const int x = GetShowX();
  const int y = GetShowY();
  sprites::TQMV* strip = GetWeatherPicVCL();
  if (strip == nullptr) return;

  // One consistent reading of the five values per frame; the texts go into the frame's own buffers,
  // which keep their room from frame to frame.
  int32_t today_frame, tomorrow_frame;
  {
    std::lock_guard lock(values_mutex_);
    today_frame = FrameFor(today_code_);
    tomorrow_frame = FrameFor(tomorrow_code_);
    today_text_.assign(today_now_);
    range_text_.assign(tomorrow_low_);
    range_text_ += "...";
    range_text_ += tomorrow_hi_;
  }
  AppendDegree(today_text_);
  AppendDegree(range_text_);

  // The strip is shared by both pictures: it ends the frame where tomorrow's picture is.
  DrawPicture(strip, x + kTodayPicX, y + kPicY, today_frame);
  DrawPicture(strip, x + kTomorrowPicX, y + kPicY, tomorrow_frame);

  const sprites::DisplayPanel* qss = Panel();
  if (qss == nullptr) return;
  const std::shared_ptr<IDirectDrawSurface> back = qss->FDDBACK();
  if (!back) return;
  DeviceContext* dc = nullptr;
  if (Failed(back->GetDC(&dc)) || dc == nullptr) return;

  if (font_)
    dc->SelectFont(font_);
  else
    font_ = MyCreateFont("Arial", kFontHeight, dc, FW_BOLD);
  dc->SetBkMode(TRANSPARENT);
  dc->SetTextColor(kWhite);
  dc->TextOut(x + kTodayTextX, y + kTextY, today_text_);
  dc->TextOut(x + kTomorrowTextX, y + kTextY, range_text_);
  back->ReleaseDC(dc);
}

}  // namespace lunvale::gadgets
