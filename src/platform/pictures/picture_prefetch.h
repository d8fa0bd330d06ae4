// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/pictures/picture.h"

namespace lunvale::platform {

// Decodes embedded JPEG pictures ahead, on up to `threads` helper threads, taking the names in the order
// given (the slowest first), while the caller goes on loading. Picture::LoadResource of one of them takes
// its pixels, waiting if they are still being decoded; one that no helper has begun yet the loader decodes
// itself. Each picture is decoded once. Pixels nobody took are dropped when the prefetch goes; its
// destructor waits for the helpers. One prefetch at a time.
class PicturePrefetch {
 public:
  // `columns`: the band of columns to decode of those named in it (Columns), as the loader will ask.
  PicturePrefetch(const std::vector<std::string>& names, unsigned threads,
                  const std::map<std::string, Columns, std::less<>>& columns = {});
  ~PicturePrefetch();
  PicturePrefetch(const PicturePrefetch&) = delete;
  PicturePrefetch& operator=(const PicturePrefetch&) = delete;

  // The decoded pixels of `name`, when a helper decoded them; none when the caller must decode them itself
  // (not asked for, taken before, not begun, or failed: decoding again reports the error as usual).
  static std::optional<Bitmap> Take(std::string_view name, Columns columns = {});

 private:
  enum class State { kWaiting, kDecoding, kDone, kFailed, kTaken };
  struct Entry {
    State state = State::kWaiting;
    Columns columns;
    Bitmap bitmap;
  };

  void Work();
  std::optional<Bitmap> TakeEntry(std::string_view name, Columns columns);

  std::mutex mutex_;
  std::condition_variable decoded_;
  std::vector<std::string> order_;
  std::map<std::string, Entry, std::less<>> entries_;
  bool stopping_ = false;
  std::vector<std::thread> helpers_;
};

}  // namespace lunvale::platform
