// SPDX-License-Identifier: MIT
// The news feed's reader: RSS 0.9x and 2.0, RSS 1.0 (RDF) and Atom 1.0, told apart by the root
// element. Elements are matched by their local name whatever their prefix and attributes, in any
// order; the document is walked once, tag by tag, with views into it.
#include <algorithm>
#include <vector>

#include "feeds/feed_readers.h"
#include "feeds/feed_text.h"

namespace lunvale::feeds {

namespace {

constexpr auto npos = std::string_view::npos;
// An end tag closes the nearest open element of its name within this many levels; deeper mismatches
// are ignored, so that hostile nesting cannot make the walk quadratic.
constexpr std::size_t kMatchDepth = 64;

struct Tag {
  std::string_view name;  // local name: the part after the prefix's ":"
  bool prefixed = false;
  std::string_view attributes;
  bool end = false;
  bool empty = false;     // <name/>
  std::size_t begin = 0;  // of the "<"
  std::size_t after = 0;  // just after the ">"
};

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

// Walks the tags of a document; comments, CDATA sections, declarations and processing instructions
// are stepped over. A tag cut off by the end of the document ends the walk.
class TagWalker {
 public:
  explicit TagWalker(std::string_view doc) : doc_(doc) {}

  bool Next(Tag& tag) {
    for (;;) {
      const std::size_t lt = doc_.find('<', pos_);
      if (lt == npos) return false;
      const std::string_view rest = doc_.substr(lt);
      std::string_view close;
      if (rest.starts_with("<!--"))
        close = "-->";
      else if (rest.starts_with("<![CDATA["))
        close = "]]>";
      else if (rest.starts_with("<?"))
        close = "?>";
      else if (rest.starts_with("<!"))
        close = ">";
      if (!close.empty()) {
        const std::size_t at = doc_.find(close, lt + 2);
        if (at == npos) return false;
        pos_ = at + close.size();
        continue;
      }
      return ReadTag(lt, tag);
    }
  }

 private:
  bool ReadTag(std::size_t lt, Tag& tag) {
    std::size_t i = lt + 1;
    tag = Tag{};
    tag.begin = lt;
    tag.end = i < doc_.size() && doc_[i] == '/';
    if (tag.end) ++i;
    const std::size_t name_start = i;
    while (i < doc_.size() && !IsSpace(doc_[i]) && doc_[i] != '/' && doc_[i] != '>') ++i;
    std::string_view qname = doc_.substr(name_start, i - name_start);
    const std::size_t colon = qname.rfind(':');
    tag.prefixed = colon != npos;
    tag.name = tag.prefixed ? qname.substr(colon + 1) : qname;
    // Attribute values may hold ">" between their quotes.
    const std::size_t attributes_start = i;
    char quote = 0;
    for (; i < doc_.size(); ++i) {
      const char c = doc_[i];
      if (quote != 0) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '>') {
        break;
      }
    }
    if (i >= doc_.size()) return false;
    tag.empty = i > attributes_start && doc_[i - 1] == '/';
    tag.attributes = doc_.substr(attributes_start, i - attributes_start - (tag.empty ? 1 : 0));
    tag.after = i + 1;
    pos_ = tag.after;
    return true;
  }

  std::string_view doc_;
  std::size_t pos_ = 0;
};

// The value of an attribute by its local name (or by its whole name when `wanted` has a prefix),
// references decoded; empty when absent.
std::string Attribute(std::string_view attributes, std::string_view wanted) {
  const bool local = wanted.find(':') == npos;
  std::size_t i = 0;
  while (i < attributes.size()) {
    while (i < attributes.size() && IsSpace(attributes[i])) ++i;
    const std::size_t start = i;
    while (i < attributes.size() && attributes[i] != '=' && !IsSpace(attributes[i])) ++i;
    std::string_view name = attributes.substr(start, i - start);
    if (const std::size_t colon = name.rfind(':'); local && colon != npos) name.remove_prefix(colon + 1);
    while (i < attributes.size() && IsSpace(attributes[i])) ++i;
    if (i >= attributes.size() || attributes[i] != '=') {
      if (i == start) ++i;  // a stray byte
      continue;
    }
    ++i;
    while (i < attributes.size() && IsSpace(attributes[i])) ++i;
    if (i >= attributes.size()) break;
    const char quote = attributes[i];
    std::size_t end;
    if (quote == '"' || quote == '\'') {
      end = attributes.find(quote, i + 1);
      if (end == npos) end = attributes.size();
      ++i;
    } else {
      end = i;
      while (end < attributes.size() && !IsSpace(attributes[end])) ++end;
    }
    if (name == wanted) return DecodeReferences(attributes.substr(i, end - i));
    i = end + 1;
  }
  return {};
}

enum class Kind { kRss, kRdf, kAtom };
enum class Role { kOther, kContainer, kItem, kTitle, kLink };

struct Open {
  std::string_view name;
  Role role = Role::kOther;
  std::size_t content = 0;  // where its content starts
  Tag tag;
  std::string base;  // its xml:base, if it has one
};

// The best of several candidates: the first of the highest rank, in document order.
struct Candidate {
  int rank = 0;
  std::string text;
  bool Offer(int r, std::string t) {
    if (r <= rank || t.empty()) return false;
    rank = r, text = std::move(t);
    return true;
  }
};

class NewsWalk {
 public:
  NewsWalk(std::string_view doc, Kind kind) : doc_(doc), kind_(kind) {}

  void Start(const Tag& tag) {
    Open open{tag.name, Role::kOther, tag.after, tag, Attribute(tag.attributes, "xml:base")};
    const Role parent = stack_.empty() ? Role::kOther : stack_.back().role;
    const bool under_root = stack_.size() == 1;
    if (kind_ == Kind::kAtom ? stack_.empty() : under_root && tag.name == "channel") {
      open.role = Role::kContainer;
    } else if ((tag.name == "item" || tag.name == "entry") && (under_root || parent == Role::kContainer)) {
      open.role = Role::kItem;
      item_title_ = Candidate{};
    } else if ((parent == Role::kContainer || parent == Role::kItem) && tag.name == "title") {
      open.role = Role::kTitle;
    } else if (parent == Role::kContainer && tag.name == "link") {
      open.role = Role::kLink;
    }
    if (tag.empty) {
      Finish(open, "");
    } else {
      stack_.push_back(open);
    }
  }

  void End(const Tag& tag) {
    const std::size_t floor = stack_.size() > kMatchDepth ? stack_.size() - kMatchDepth : 0;
    for (std::size_t i = stack_.size(); i > floor; --i) {
      if (stack_[i - 1].name != tag.name) continue;
      // Elements left open inside it end with it.
      while (stack_.size() > i) stack_.pop_back();
      const Open open = stack_.back();
      stack_.pop_back();
      Finish(open, doc_.substr(open.content, tag.begin - open.content));
      return;
    }
  }

  NewsReading Result() {
    NewsReading reading;
    reading.accepted = true;
    reading.name = OneLine(name_.text);
    if (link_.rank > 0) {
      reading.link = link_.text;
      reading.link_bases = link_bases_;
    }
    reading.line = std::move(line_);
    return reading;
  }

 private:
  // A title's text; Atom's type="html" carries escaped markup, read once more as such.
  std::string Title(const Tag& tag, std::string_view content) const {
    std::string text = TextContent(content);
    if (kind_ == Kind::kAtom && Attribute(tag.attributes, "type") == "html") text = TextContent(text);
    return text;
  }

  void Finish(const Open& open, std::string_view content) {
    const Role parent = stack_.empty() ? Role::kOther : stack_.back().role;
    const int rank = open.tag.prefixed ? 1 : 2;  // <media:title> only when there is no <title>
    switch (open.role) {
      case Role::kTitle:
        (parent == Role::kItem ? item_title_ : name_).Offer(rank, Title(open.tag, content));
        break;
      case Role::kLink: {
        // RSS writes the address as the text, Atom as href; a rel other than "alternate" (such as
        // "self", the feed's own address) is taken only when there is no other.
        std::string href = Attribute(open.tag.attributes, "href");
        std::string address(Trim(href.empty() ? TextContent(content) : href));
        const std::string rel = Attribute(open.tag.attributes, "rel");
        if (link_.Offer(rel.empty() || rel == "alternate" ? 2 : 1, std::move(address))) {
          // Atom's relative addresses are taken from the xml:base of the link and its ancestors.
          link_bases_.clear();
          for (const Open& outer : stack_)
            if (!outer.base.empty()) link_bases_.push_back(outer.base);
          if (!open.base.empty()) link_bases_.push_back(open.base);
        }
        break;
      }
      case Role::kItem:
        if (item_title_.rank > 0) {
          line_ += OneLine(item_title_.text);
          line_ += kNewsSeparator;
        }
        break;
      default:
        break;
    }
  }

  std::string_view doc_;
  Kind kind_;
  std::vector<Open> stack_;
  Candidate name_, link_, item_title_;
  std::vector<std::string> link_bases_;
  std::string line_{kNewsSeparator};
};

}  // namespace

NewsReading ReadNews(std::string_view document) {
  // Bytes that are not UTF-8 are Latin-1 or Windows-1252, as most feeds that are not UTF-8 declare;
  // from here on everything is UTF-8, so that decoded references and the text agree.
  const std::string converted = FeedBytesToUtf8(document);
  document = converted;
  TagWalker walker(document);
  Tag tag;
  while (walker.Next(tag) && tag.end) {
  }
  if (tag.end || tag.name.empty()) return {};
  Kind kind;
  if (tag.name == "rss")
    kind = Kind::kRss;
  else if (tag.name == "RDF")
    kind = Kind::kRdf;
  else if (tag.name == "feed")
    kind = Kind::kAtom;
  else
    return {};
  NewsWalk walk(document, kind);
  do {
    if (tag.end) {
      walk.End(tag);
    } else {
      walk.Start(tag);
    }
  } while (walker.Next(tag));
  return walk.Result();
}

}  // namespace lunvale::feeds
