// SPDX-License-Identifier: MIT
#include "gadgets/news_ticker.h"

#include "gadgets/gadget_font.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace lunvale::gadgets {

using namespace platform;

namespace {

constexpr uint32_t kWhite = Rgb(255, 255, 255);
constexpr uint32_t kGrey = Rgb(153, 153, 153);

}  // namespace

TQGR::TQGR(TComponent* owner)
    : TQIM(owner),
      rss_line_(std::make_shared<const std::string>(kNotAvailable)),
      name_news_(std::make_shared<const std::string>()) {}

void TQGR::Store(std::mutex& mutex, Text& slot, std::string_view value) {
  {
    std::lock_guard lock(mutex);
    if (*slot == value) return;
  }
  // Made outside the lock, so that a frame never waits for a long line to be copied.
  Text text = std::make_shared<const std::string>(value);
  std::lock_guard lock(mutex);
  slot = std::move(text);
}

TQGR::Text TQGR::Load(const Text& slot) const {
  std::lock_guard lock(text_mutex_);
  return slot;
}

void TQGR::SetRssLine(std::string_view value) {
  Store(text_mutex_, rss_line_, value);
}

std::string TQGR::GetRssLine() const {
  return *Load(rss_line_);
}

void TQGR::SetNameNews(std::string_view value) {
  Store(text_mutex_, name_news_, value);
}

std::string TQGR::GetNameNews() const {
  return *Load(name_news_);
}

DeviceContext* TQGR::BeginText(std::shared_ptr<IDirectDrawSurface>& back) {
  const sprites::DisplayPanel* qss = Panel();
  if (qss == nullptr) return nullptr;
  back = qss->FDDBACK();
  if (!back) return nullptr;
  DeviceContext* dc = nullptr;
  if (Failed(back->GetDC(&dc)) || dc == nullptr) return nullptr;
  if (font_)
    dc->SelectFont(font_);
  else
    font_ = MyCreateFont("Arial", kFontHeight, dc, FW_BOLD);
  dc->SetBkMode(TRANSPARENT);
  return dc;
}

void TQGR::DrawRssNews() {
  const int x = GetShowX();
  const int y = GetShowY();
  ShowRssTitle(x + kTitleX, y + kTitleY);
  // The frame holds the line it draws; a line handed over meanwhile waits for the next frame.
  Text line = Load(rss_line_);
  if (line != measured_line_) {
    measured_line_ = std::move(line);
    measured_width_ = -1;
  }
  CreepingLine(*measured_line_, x + kLineLeft, kLineWidth, y + kLineTop);
}

void TQGR::ShowRssTitle(int x, int y) {
  std::shared_ptr<IDirectDrawSurface> back;
  DeviceContext* dc = BeginText(back);
  if (dc == nullptr) return;
  dc->SetTextColor(kGrey);
  const Text name = Load(name_news_);
  dc->TextOut(x, y, *name);
  back->ReleaseDC(dc);
}

void TQGR::CreepingLine(std::string_view text, int left, int width, int top) {
  const Rect clip{left, top - kClipHalfHeight, left + width, top + kClipHalfHeight};
  std::shared_ptr<IDirectDrawSurface> back;
  DeviceContext* dc = BeginText(back);
  if (dc == nullptr) return;

  // A line is measured once for as long as it stays the same line.
  const bool known =
      measured_line_ && text.data() == measured_line_->data() && text.size() == measured_line_->size();
  int64_t w = known ? measured_width_ : -1;
  if (w < 0) {
    w = dc->GetTextExtent(text).cx;
    if (known) measured_width_ = w;
  }

  // Once the text's right edge has left the box at its left edge, it enters again from the right.
  // Wider than the offset can count (a line of some two billion pixels), it starts over early.
  // A frame that draws several canvases moves the line once.
  const sprites::DisplayPanel* qss = Panel();
  int64_t offset = scroll_offset_.load(std::memory_order_relaxed);
  if (qss == nullptr || !qss->RepeatedCanvas()) {
    offset += kStep;
    if (width + w < offset || offset > INT32_MAX) offset = 0;
    scroll_offset_.store(static_cast<int32_t>(offset), std::memory_order_relaxed);
  }

  dc->SetTextColor(kWhite);
  const int64_t start = static_cast<int64_t>(left) + width - offset;
  dc->ExtTextOut(static_cast<int>(std::clamp<int64_t>(start, INT32_MIN, INT32_MAX)), top, ETO_CLIPPED, &clip,
                 text.data(), static_cast<int>(std::min<size_t>(text.size(), INT32_MAX)));
  back->ReleaseDC(dc);
}

}  // namespace lunvale::gadgets
