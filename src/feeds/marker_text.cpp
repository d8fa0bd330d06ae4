// SPDX-License-Identifier: MIT
#include "feeds/marker_text.h"

#include <array>
#include <utility>

namespace lunvale::feeds {
namespace {

constexpr auto npos = std::string_view::npos;

// Where the text after the opening marker starts, or npos. An empty marker is treated as absent:
// "found" everywhere would silently turn into kBegin.
std::size_t StartAfter(std::string_view source, std::string_view open) {
  if (open == kBegin) return 0;
  if (open.empty()) return npos;
  const std::size_t at = source.find(open);
  return at == npos ? npos : at + open.size();
}

// The length of the text ahead of the closing marker in `text`, or npos. kEnd stands on the last byte,
// so there is nothing to cut from an empty text.
std::size_t EndBefore(std::string_view text, std::string_view close) {
  if (close == kEnd) return text.empty() ? npos : text.size() - 1;
  if (close.empty()) return npos;
  return text.find(close);
}

struct Cut {
  bool opened = false;  // the opening marker was there
  bool ok = false;      // both markers were there
  std::string_view before, name, after_open, after_close;
};

// The one marker cut both public routines share; all views point into `source`.
Cut CutBetween(std::string_view source, std::string_view open, std::string_view close) {
  Cut cut;
  const std::size_t start = StartAfter(source, open);
  if (start == npos) return cut;
  cut.opened = true;
  cut.before = source.substr(0, open == kBegin ? 0 : start - open.size());
  const std::string_view text = source.substr(start);
  const std::size_t length = EndBefore(text, close);
  if (length == npos) return cut;
  cut.ok = true;
  cut.name = text.substr(0, length);
  cut.after_open = text.substr(length + 1);
  cut.after_close = close == kEnd ? std::string_view() : text.substr(length + close.size());
  return cut;
}

struct Entity {
  std::string_view name;
  std::string_view text;
};

constexpr std::array<Entity, 9> kEntities = {{
    {"quot", "\""},
    {"amp", "&"},
    {"#039", "'"},
    {"apos", "'"},
    {"lt", "<"},
    {"gt", ">"},
    {"#36", "$"},
    {"#39", "'"},
    {"#038", "&"},
}};

std::string_view Replacement(std::string_view name) {
  for (const Entity& e : kEntities) {
    if (e.name == name) return e.text;
  }
  return {};
}

// Replace-all in one left-to-right pass; what was put in is not searched again.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  for (std::size_t at; (at = text.find(from, pos)) != npos; pos = at + from.size()) {
    out.append(text.substr(pos, at - pos));
    out.append(to);
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace

bool ExtractTag(std::string_view source, std::string_view open, std::string_view close, std::string& rest,
                std::string& found) {
  const Cut cut = CutBetween(source, open, close);
  if (!cut.ok) {
    rest = kFin;
    return false;
  }
  // Copy out before assigning: the source may be a view of either output.
  std::string new_found(cut.name);
  std::string new_rest(cut.after_open);
  found = std::move(new_found);
  rest = std::move(new_rest);
  return true;
}

bool CutTag(std::string_view source, std::string_view open, std::string_view close, std::string_view& rest,
            std::string_view& found) {
  const Cut cut = CutBetween(source, open, close);
  if (!cut.ok) {
    rest = kFin;
    return false;
  }
  found = cut.name;
  rest = cut.after_open;
  return true;
}

bool NextEntity(std::string_view source, std::string_view open, std::string_view close, std::string& before,
                std::string& name, std::string& rest) {
  const Cut cut = CutBetween(source, open, close);
  std::string new_before(cut.before);
  std::string new_name(cut.name);
  std::string new_rest(cut.ok ? cut.after_close : source);
  if (cut.opened) before = std::move(new_before);
  if (cut.ok) name = std::move(new_name);
  rest = std::move(new_rest);
  return cut.ok;
}

std::string CleanMarkup(std::string_view text) {
  std::string out = ReplaceAll(text, "\xE2\x80\x99", "'");
  out = ReplaceAll(out, "&amp;#39;", "'");
  out = ReplaceAll(out, "<![CDATA[", "");
  return ReplaceAll(out, "]]>", "");
}

std::string DecodeEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  // Walk a view instead of copying the rest for every entity: long feeds stay linear.
  std::string_view rest = text;
  for (;;) {
    const Cut cut = CutBetween(rest, "&", ";");
    if (!cut.ok) break;
    out.append(cut.before);
    out.append(Replacement(cut.name));
    rest = cut.after_close;
  }
  out.append(rest);
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  }
  return out;
}

}  // namespace lunvale::feeds
