// SPDX-License-Identifier: MIT
#include "platform/pictures/picture_prefetch.h"

#include <pthread.h>

#include <system_error>
#include <utility>

#include "platform/system/resources.h"

namespace lunvale::platform {

namespace {

std::mutex g_active_mutex;
PicturePrefetch* g_active = nullptr;

}  // namespace

PicturePrefetch::PicturePrefetch(const std::vector<std::string>& names, unsigned threads,
                                 const std::map<std::string, Columns, std::less<>>& columns)
    : order_(names) {
  for (const std::string& name : names) {
    const auto band = columns.find(name);
    entries_.emplace(name,
                     Entry{State::kWaiting, band != columns.end() ? band->second : Columns{}, Bitmap()});
  }
  {
    std::lock_guard lock(g_active_mutex);
    if (g_active == nullptr) g_active = this;
  }
  for (unsigned i = 0; i < threads && i < names.size(); ++i) {
    try {
      helpers_.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
      break;  // without helpers the loader decodes everything itself
    }
  }
}

PicturePrefetch::~PicturePrefetch() {
  {
    std::lock_guard lock(g_active_mutex);
    if (g_active == this) g_active = nullptr;
  }
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  for (std::thread& helper : helpers_) helper.join();
}

void PicturePrefetch::Work() {
  pthread_setname_np(pthread_self(), "lunvale-decode");
  for (;;) {
    std::string name;
    Columns columns;
    {
      std::lock_guard lock(mutex_);
      if (stopping_) return;
      for (const std::string& candidate : order_) {
        Entry& entry = entries_.at(candidate);
        if (entry.state != State::kWaiting) continue;
        entry.state = State::kDecoding;
        name = candidate;
        columns = entry.columns;
        break;
      }
      if (name.empty()) return;
    }
    Bitmap bitmap;
    bool ok = false;
    try {
      if (const auto bytes = FindResource(name)) {
        bitmap = DecodeJpeg(*bytes, name, columns);
        ok = true;
      }
    } catch (const std::exception&) {
      // the loader decodes it again and reports the error where it is expected
    }
    {
      std::lock_guard lock(mutex_);
      Entry& entry = entries_.at(name);
      entry.state = ok ? State::kDone : State::kFailed;
      entry.bitmap = std::move(bitmap);
    }
    decoded_.notify_all();
  }
}

std::optional<Bitmap> PicturePrefetch::Take(std::string_view name, Columns columns) {
  // Held while waiting for a helper, so that the prefetch cannot go meanwhile; helpers never take it.
  std::lock_guard lock(g_active_mutex);
  return g_active != nullptr ? g_active->TakeEntry(name, columns) : std::nullopt;
}

std::optional<Bitmap> PicturePrefetch::TakeEntry(std::string_view name, Columns columns) {
  std::unique_lock lock(mutex_);
  const auto it = entries_.find(name);
  // Another band than the one decoded ahead: the loader decodes its own.
  if (it == entries_.end() || !(it->second.columns == columns)) return std::nullopt;
  Entry& entry = it->second;
  decoded_.wait(lock, [&] { return entry.state != State::kDecoding; });
  const State was = entry.state;
  entry.state = State::kTaken;
  if (was != State::kDone) return std::nullopt;
  return std::move(entry.bitmap);
}

}  // namespace lunvale::platform
