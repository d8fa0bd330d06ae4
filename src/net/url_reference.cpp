// SPDX-License-Identifier: MIT
#include "net/url_reference.h"

#include <optional>

namespace lunvale::net {

namespace {

constexpr auto npos = std::string_view::npos;

// The five parts of a reference (RFC 3986, appendix B); absent parts are nullopt.
struct Parts {
  std::optional<std::string_view> scheme, authority, query, fragment;
  std::string_view path;
};

Parts Split(std::string_view ref) {
  Parts parts;
  if (const std::size_t hash = ref.find('#'); hash != npos) {
    parts.fragment = ref.substr(hash + 1);
    ref.remove_suffix(ref.size() - hash);
  }
  const std::size_t colon = ref.find(':');
  if (colon != npos && colon > 0 && colon < ref.find_first_of("/?")) {
    parts.scheme = ref.substr(0, colon);
    ref.remove_prefix(colon + 1);
  }
  if (ref.starts_with("//")) {
    const std::size_t end = ref.find_first_of("/?", 2);
    parts.authority = ref.substr(2, end == npos ? npos : end - 2);
    ref.remove_prefix(end == npos ? ref.size() : end);
  }
  const std::size_t question = ref.find('?');
  parts.path = ref.substr(0, question);
  if (question != npos) parts.query = ref.substr(question + 1);
  return parts;
}

// RFC 3986, section 5.2.4.
std::string RemoveDotSegments(std::string_view in) {
  std::string out;
  while (!in.empty()) {
    if (in.starts_with("../")) {
      in.remove_prefix(3);
    } else if (in.starts_with("./")) {
      in.remove_prefix(2);
    } else if (in.starts_with("/./")) {
      in.remove_prefix(2);
    } else if (in == "/.") {
      in = "/";
    } else if (in.starts_with("/../") || in == "/..") {
      in = in.size() == 3 ? std::string_view("/") : in.substr(3);
      const std::size_t slash = out.rfind('/');
      out.erase(slash == std::string::npos ? 0 : slash);
    } else if (in == "." || in == "..") {
      in = {};
    } else {
      const std::size_t next = in.find('/', in.front() == '/' ? 1 : 0);
      out.append(in.substr(0, next));
      in.remove_prefix(next == npos ? in.size() : next);
    }
  }
  return out;
}

// RFC 3986, section 5.2.3.
std::string Merge(const Parts& base, std::string_view path) {
  if (base.authority && base.path.empty()) return "/" + std::string(path);
  const std::size_t slash = base.path.rfind('/');
  return std::string(slash == npos ? std::string_view() : base.path.substr(0, slash + 1)) + std::string(path);
}

}  // namespace

std::string ResolveReference(std::string_view base_text, std::string_view reference) {
  const Parts base = Split(base_text);
  const Parts ref = Split(reference);
  Parts target;
  std::string path;
  if (ref.scheme) {
    target = ref;
    path = RemoveDotSegments(ref.path);
  } else {
    target.scheme = base.scheme;
    if (ref.authority) {
      target.authority = ref.authority;
      path = RemoveDotSegments(ref.path);
      target.query = ref.query;
    } else {
      target.authority = base.authority;
      if (ref.path.empty()) {
        path = base.path;
        target.query = ref.query ? ref.query : base.query;
      } else {
        path = RemoveDotSegments(ref.path.front() == '/' ? std::string(ref.path) : Merge(base, ref.path));
        target.query = ref.query;
      }
    }
  }
  std::string out;
  if (target.scheme) out += std::string(*target.scheme) + ":";
  if (target.authority) out += "//" + std::string(*target.authority);
  out += path;
  if (target.query) out += "?" + std::string(*target.query);
  if (ref.fragment) out += "#" + std::string(*ref.fragment);
  return out;
}

}  // namespace lunvale::net
