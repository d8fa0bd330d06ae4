// SPDX-License-Identifier: MIT
#include "platform/text/code_page.h"

#include <cerrno>
#include <cstddef>

#include <iconv.h>

namespace lunvale::platform {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the UTF-8 sequence a lead byte announces; 0 for a byte that leads none.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Valid sequences kept, every other byte U+FFFD.
std::string KeepUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = SequenceLength(static_cast<unsigned char>(bytes[i]));
    if (length > 0 && i + length <= bytes.size() && IsValidUtf8(bytes.substr(i, length))) {
      out.append(bytes.substr(i, length));
      i += length;
    } else {
      out += kReplacement;
      ++i;
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> ToUtf8(std::string_view bytes, std::string_view charset) {
  const iconv_t cd = iconv_open("UTF-8", std::string(charset).c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(bytes.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t in_left = bytes.size(), done = 0;
  while (in_left > 0) {
    char* to = out.data() + done;
    std::size_t room = out.size() - done;
    const std::size_t result = iconv(cd, &in, &in_left, &to, &room);
    done = out.size() - room;
    if (result != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
    } else {
      // A byte that begins no character of the set, or a character cut off at the end.
      if (out.size() - done < 3) out.resize(out.size() * 2);
      out.replace(done, 3, kReplacement);
      done += 3;
      ++in;
      --in_left;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  out.resize(done);
  if (IsValidUtf8(out)) return out;
  // Some of the system's converters (one that takes UTF-8 by another name) let bytes through that are
  // not UTF-8.
  return KeepUtf8(out);
}

}  // namespace lunvale::platform
