// SPDX-License-Identifier: MIT
#pragma once

// platform/win32: a COM interface pointer that releases its one reference when it goes, for the
// Windows build's own files. It is generic over the interface, so it needs none of Windows' headers.

namespace lunvale::platform {

template <typename T>
class Com {
 public:
  Com() = default;
  ~Com() {
    if (p_ != nullptr) p_->Release();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  T* operator->() const { return p_; }
  T* get() const { return p_; }
  // Where a call that hands out an interface puts it; only on an empty pointer.
  T** put() { return &p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

}  // namespace lunvale::platform
