// SPDX-License-Identifier: MIT
#include "support/picture_files.h"

#include <fstream>

namespace lunvale::testing {

void SaveSnapshot(const platform::PixelView& view, const std::string& path) {
  // A 32-bit top-down BMP: the rows go out as they are, blue first, as XRGB lies in memory.
  const uint32_t data = static_cast<uint32_t>(view.width) * static_cast<uint32_t>(view.height) * 4;
  Bytes b = {'B', 'M'};
  const auto put = [&b](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
  };
  put(54 + data, 4), put(0, 4), put(54, 4), put(40, 4);
  put(static_cast<uint32_t>(view.width), 4), put(static_cast<uint32_t>(-view.height), 4);
  put(1, 2), put(32, 2);
  for (uint32_t v : {0u, data, 2835u, 2835u, 0u, 0u}) put(v, 4);
  for (int y = 0; y < view.height; ++y)
    for (int x = 0; x < view.width; ++x) put(view.Row(y)[x], 4);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

}  // namespace lunvale::testing
