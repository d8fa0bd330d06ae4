// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The text the gadgets show from a feed: each text decoded exactly once, into UTF-8.
namespace lunvale::feeds {

// A feed's bytes as UTF-8. A document that begins with a UTF-16 byte order mark, or whose XML
// declaration names an encoding the system converts other than UTF-8, Latin-1 and Windows-1252 (say
// windows-1251, KOI8-R or Shift_JIS), is converted from it, a byte it cannot convert becoming U+FFFD.
// Otherwise valid UTF-8 sequences stay, and every other byte is read as Windows-1252 (which covers
// Latin-1), so a Latin-1 feed and a UTF-8 feed with a stray byte both read well.
std::string FeedBytesToUtf8(std::string_view bytes);

// Character references decoded once: "&name;" for every HTML5 name, "&#N;" and "&#xH;" become their
// characters in UTF-8 (a number that is no character becomes U+FFFD; 128..159 are read as
// Windows-1252, as browsers do). An "&" that does not begin one of these stays a literal "&".
std::string DecodeReferences(std::string_view text);

// An element's text content from its inner markup, each part decoded once: tags, comments and
// processing instructions are dropped; the references outside CDATA sections are decoded, and so are
// those inside them, which XML leaves alone and publishers fill with text escaped as HTML (so
// "<![CDATA[Q&amp;A]]>" is "Q&A" as much as "Q&amp;A" is). `inner` must be UTF-8 for the result to be.
std::string TextContent(std::string_view inner);

// A decoded text made fit for one line of a gadget: every control character (C0, DEL and C1) and the
// no-break space become a space, and the right single quotation mark becomes "'", as in every title
// the ticker has shown.
std::string OneLine(std::string_view text);

}  // namespace lunvale::feeds
