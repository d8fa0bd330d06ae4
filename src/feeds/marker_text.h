// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Feeds and the channel directory are read without an XML parser: values are cut out between fixed
// opening and closing markers and cleaned with a few replacement passes. Texts are 8-bit bytes; nothing
// is converted between character sets.
namespace lunvale::feeds {

// An opening marker of kBegin starts at the first byte; a closing marker of kEnd ends at the last one.
inline constexpr std::string_view kBegin = "BEGIN";
inline constexpr std::string_view kEnd = "END";
// The rest ExtractTag reports when a marker is missing; callers compare their rest with it.
inline constexpr std::string_view kFin = "FIN";

// Cuts the text between the first `open` and the first `close` after it into `found`. `rest` then
// starts one byte into the closing marker (after "</item>" it starts with "/item>"), so a caller can
// feed it back in for the next element. With kEnd as the closing marker `found` drops the last byte
// and `rest` is empty. When either marker is missing (an empty marker never occurs) `rest` becomes
// kFin and `found` keeps what the caller had in it. Returns whether the cut succeeded.
// `source` may be a view of `rest` or `found`.
bool ExtractTag(std::string_view source, std::string_view open, std::string_view close, std::string& rest,
                std::string& found);

// ExtractTag over views, for walking a long document without copying what is left of it: on success
// `found` and `rest` view `source`; on failure `rest` becomes kFin and `found` is left alone.
bool CutTag(std::string_view source, std::string_view open, std::string_view close, std::string_view& rest,
            std::string_view& found);

// The same cut, as the entity scanner: `before` is the text ahead of the opening marker (empty for
// kBegin), `name` the text between the markers and `rest` the text after the closing marker (empty
// for kEnd, where `name` drops the last byte). On failure `rest` is the whole source, `name` is left
// alone and `before` is set only when the opening marker was there. `source` may be a view of an output.
bool NextEntity(std::string_view source, std::string_view open, std::string_view close, std::string& before,
                std::string& name, std::string& rest);

// The UTF-8 right single quotation mark and "&amp;#39;" become "'"; CDATA brackets are dropped.
std::string CleanMarkup(std::string_view text);

// Decodes the entities feeds use, from "&" up to the next ";". A name outside the table is dropped
// with its markers; an "&" with no ";" after it ends the decoding and the rest is kept as it is.
// Finally every control byte (below 32) becomes a space, so titles stay on one line.
std::string DecodeEntities(std::string_view text);

}  // namespace lunvale::feeds
