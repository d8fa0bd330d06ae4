// SPDX-License-Identifier: MIT
#include "platform/text/font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <mutex>
#include <tuple>
#include <unordered_map>

#include "platform/text/font_cache.h"

namespace lunvale::platform {

namespace detail {

// One face at one pixel size with its rendered glyphs. Glyphs are added under the library's
// mutex and never changed or removed afterwards, so a pointer handed out stays valid while the
// strike lives (the fonts that use it hold it).
struct Strike {
  FT_Face face = nullptr;
  bool embolden = false;
  std::unordered_map<char32_t, Glyph> glyphs;  // nodes never move
  std::array<const Glyph*, 256> latin{};       // short cut for the usual characters
  uint64_t last_use = 0;
  ~Strike();
};

}  // namespace detail

namespace {

using detail::Strike;
using font_cache::kDefaultHeight;
using font_cache::kMaxPixels;
using font_cache::Lower;

// Faces of the original's world and a metric-compatible or look-alike face installed here; used
// after the asked-for family, in case the system's own aliases are missing.
constexpr std::pair<std::string_view, std::string_view> kAliases[] = {
    {"arial", "Liberation Sans"},
    {"helvetica", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
    {"tahoma", "DejaVu Sans"},
    {"verdana", "DejaVu Sans"},
    {"ms sans serif", "DejaVu Sans"},
    {"system", "DejaVu Sans"},
};

struct Resolved {
  bool ok = false;
  std::string path;
  int index = 0;
  std::string family;
  bool embolden = false;
  int units_per_em = 0;
  int win_ascent = 0;  // the metrics the original's cell height is measured in
  int win_descent = 0;
};

struct StrikeKey {
  std::string path;
  int index;
  int em;
  bool embolden;
  auto operator<=>(const StrikeKey&) const = default;
};

struct Library {
  std::mutex mutex;     // fontconfig, the caches and every glyph rendering
  std::mutex ft_mutex;  // FT_New_Face / FT_Done_Face on the shared FT_Library (FreeType's rule)
  FT_Library ft = nullptr;
  bool fc_ok = false;
  std::map<std::pair<std::string, int>, Resolved> resolved;
  std::map<StrikeKey, std::shared_ptr<Strike>> strikes;
  uint64_t clock = 0;

  Library() {
    if (FT_Init_FreeType(&ft) != 0) ft = nullptr;
    fc_ok = FcInit() == FcTrue;
  }
};

// Never destroyed: fonts held by statics elsewhere may be released after this would be.
Library& Lib() {
  static Library* lib = new Library();
  return *lib;
}

// Reads the units per em and the cell metrics of a face file. Caller holds Library::mutex.
bool ReadFaceMetrics(Library& lib, Resolved& r) {
  FT_Face face = nullptr;
  {
    std::lock_guard ft_lock(lib.ft_mutex);
    if (FT_New_Face(lib.ft, r.path.c_str(), r.index, &face) != 0) return false;
  }
  bool ok = FT_IS_SCALABLE(face) && face->units_per_EM > 0;
  if (ok) {
    r.units_per_em = face->units_per_EM;
    auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
      r.win_ascent = os2->usWinAscent;
      r.win_descent = os2->usWinDescent;
    } else {
      r.win_ascent = face->ascender;
      r.win_descent = -face->descender;
    }
    ok = r.win_ascent + r.win_descent > 0;
  }
  std::lock_guard ft_lock(lib.ft_mutex);
  FT_Done_Face(face);
  return ok;
}

// Face name and weight to a scalable face file, through fontconfig. Caller holds Library::mutex.
Resolved Match(Library& lib, const std::string& face, int weight) {
  Resolved r;
  if (!lib.fc_ok || lib.ft == nullptr) return r;
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return r;
  if (!face.empty()) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  const std::string lower = Lower(face);
  for (const auto& [name, alias] : kAliases)
    if (lower == name) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(alias.data()));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);

  FcResult result = FcResultNoMatch;
  FcFontSet* set = FcFontSort(nullptr, pattern, FcTrue, nullptr, &result);
  for (int i = 0; set != nullptr && i < set->nfont && !r.ok; ++i) {
    FcPattern* font = FcFontRenderPrepare(nullptr, pattern, set->fonts[i]);
    if (font == nullptr) continue;
    FcBool scalable = FcFalse;
    FcChar8* file = nullptr;
    if (FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) == FcResultMatch && scalable &&
        FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch) {
      r.path = reinterpret_cast<const char*>(file);
      FcPatternGetInteger(font, FC_INDEX, 0, &r.index);
      FcChar8* family = nullptr;
      if (FcPatternGetString(font, FC_FAMILY, 0, &family) == FcResultMatch)
        r.family = reinterpret_cast<const char*>(family);
      int found_weight = FC_WEIGHT_REGULAR;
      FcPatternGetInteger(font, FC_WEIGHT, 0, &found_weight);
      FcBool embolden = FcFalse;
      FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden);
      // A bold asked of a face without one is drawn emboldened, as the original's font mapper does.
      r.embolden = embolden == FcTrue || (weight >= FW_SEMIBOLD && found_weight < FC_WEIGHT_DEMIBOLD);
      r.ok = ReadFaceMetrics(lib, r);
    }
    FcPatternDestroy(font);
  }
  if (set != nullptr) FcFontSetDestroy(set);
  FcPatternDestroy(pattern);
  return r;
}

void RenderGlyph(Strike& strike, char32_t ch, Glyph& glyph) {
  FT_Face face = strike.face;
  const FT_UInt index = FT_Get_Char_Index(face, ch);
  if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return;
  if (strike.embolden) FT_GlyphSlot_Embolden(face->glyph);
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return;
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.width == 0 || bitmap.rows == 0) return;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.height = static_cast<int>(bitmap.rows);
  glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
  for (int row = 0; row < glyph.height; ++row) {
    const unsigned char* src = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    std::copy_n(src, glyph.width, glyph.coverage.begin() + static_cast<std::ptrdiff_t>(row) * glyph.width);
  }
}

// Caller holds Library::mutex.
const Glyph* FindGlyph(Strike& strike, char32_t ch) {
  if (ch < strike.latin.size() && strike.latin[ch] != nullptr) return strike.latin[ch];
  auto [it, inserted] = strike.glyphs.try_emplace(ch);
  if (inserted) RenderGlyph(strike, ch, it->second);
  if (ch < strike.latin.size()) strike.latin[ch] = &it->second;
  return &it->second;
}

int RoundDiv(int64_t num, int64_t den) {
  return static_cast<int>((num + den / 2) / den);
}

}  // namespace

detail::Strike::~Strike() {
  if (face == nullptr) return;
  std::lock_guard ft_lock(Lib().ft_mutex);
  FT_Done_Face(face);
}

std::shared_ptr<const Font> Font::Create(std::string_view face, int height, int weight) {
  if (weight <= FW_DONTCARE) weight = FW_NORMAL;
  weight = std::min(weight, 1000);
  Library& lib = Lib();
  std::lock_guard lock(lib.mutex);

  const std::string name(face);
  auto rit = lib.resolved.find({Lower(name), weight});
  if (rit == lib.resolved.end())
    rit = lib.resolved.emplace(std::pair(Lower(name), weight), Match(lib, name, weight)).first;
  const Resolved& r = rit->second;
  if (!r.ok) return nullptr;

  // Positive: the cell (ascent + descent in the face's Windows metrics) is the height asked for.
  // Negative: the em is.
  const int64_t metric_height = static_cast<int64_t>(r.win_ascent) + r.win_descent;
  int em, ascent, descent;
  if (height >= 0) {
    const int cell = std::min(height == 0 ? kDefaultHeight : height, kMaxPixels);
    em = std::max(1, RoundDiv(static_cast<int64_t>(cell) * r.units_per_em, metric_height));
    ascent = RoundDiv(static_cast<int64_t>(cell) * r.win_ascent, metric_height);
    descent = cell - ascent;
  } else {
    em = static_cast<int>(std::min<int64_t>(-static_cast<int64_t>(height), kMaxPixels));
    ascent = RoundDiv(static_cast<int64_t>(em) * r.win_ascent, r.units_per_em);
    descent = RoundDiv(static_cast<int64_t>(em) * r.win_descent, r.units_per_em);
  }

  StrikeKey key{r.path, r.index, em, r.embolden};
  std::shared_ptr<Strike>& slot = lib.strikes[key];
  if (slot == nullptr) {
    auto strike = std::make_shared<Strike>();
    strike->embolden = r.embolden;
    {
      std::lock_guard ft_lock(lib.ft_mutex);
      if (FT_New_Face(lib.ft, r.path.c_str(), r.index, &strike->face) != 0) strike->face = nullptr;
    }
    if (strike->face == nullptr || FT_Set_Pixel_Sizes(strike->face, 0, static_cast<FT_UInt>(em)) != 0) {
      lib.strikes.erase(key);
      return nullptr;
    }
    slot = std::move(strike);
  }
  std::shared_ptr<Strike> strike = slot;
  strike->last_use = ++lib.clock;

  font_cache::DropLeastUsed(lib.strikes);

  std::shared_ptr<Font> font(new Font());
  font->face_ = name;
  font->family_ = r.family;
  font->path_ = r.path;
  font->weight_ = weight;
  font->em_ = em;
  font->ascent_ = ascent;
  font->descent_ = descent;
  font->strike_ = std::move(strike);
  return font;
}

Font::~Font() = default;

void Font::Glyphs(std::u32string_view text, std::vector<const Glyph*>& out) const {
  out.clear();
  out.reserve(text.size());
  std::lock_guard lock(Lib().mutex);
  for (char32_t ch : text) out.push_back(FindGlyph(*strike_, ch));
}

int64_t Font::TextWidth(std::u32string_view text) const {
  int64_t width = 0;
  std::lock_guard lock(Lib().mutex);
  for (char32_t ch : text) width += FindGlyph(*strike_, ch)->advance;
  return width;
}

}  // namespace lunvale::platform
