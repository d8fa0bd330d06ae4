// SPDX-License-Identifier: MIT
// The marker routines on any feed text and any markers: no crash, a cut is a piece of its source,
// and decoded text never keeps a control byte. The time limit of the run catches slow paths.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

#include "feeds/marker_text.h"
#include "property_check.h"

using namespace lunvale::feeds;

namespace {

std::string Marker(FuzzedDataProvider& in, std::string_view special) {
  if (in.ConsumeIntegralInRange(0, 7) == 0) return std::string(special);
  std::string m = in.ConsumeRandomLengthString(8);
  return m.empty() ? "<" : m;  // no caller passes an empty marker
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string open = Marker(in, kBegin);
  const std::string close = Marker(in, kEnd);
  const std::string source = in.ConsumeRemainingBytesAsString();

  std::string rest = "unchanged", found = "unchanged";
  if (ExtractTag(source, open, close, rest, found)) {
    CHECK(source.find(found) != std::string::npos);
    CHECK(rest.empty() || source.find(rest) != std::string::npos);
  } else {
    CHECK(rest == kFin && found == "unchanged");
  }
  // Fed back in, as the feed readers walk their items.
  for (int i = 0; i < 4 && ExtractTag(rest, open, close, rest, found);) ++i;

  std::string before, name, after;
  if (NextEntity(source, open, close, before, name, after)) {
    CHECK(source.find(name) != std::string::npos && source.find(after) != std::string::npos);
  } else {
    CHECK(after == source);
  }

  const std::string clean = CleanMarkup(source);
  CHECK(clean.size() <= source.size());
  for (unsigned char c : DecodeEntities(clean)) CHECK(c >= 32);
  return 0;
}
