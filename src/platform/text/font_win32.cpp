// SPDX-License-Identifier: MIT
// Fonts on Windows: GDI matches the face and renders each glyph once as 8-bit coverage
// (GetGlyphOutlineW), into the same glyph records the device context draws elsewhere. Unlike Linux,
// there is no fontconfig to find a look-alike of a missing face, so a list of look-alikes stands in:
// Wine in particular has few of the faces the gadgets ask for.
#include "platform/text/font.h"

#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/text/font_cache.h"

#include "platform/win32/windows_api.h"

namespace lunvale::platform {

namespace detail {

// One face at one height and weight with its rendered glyphs. Glyphs are added under the library's
// mutex and never changed or removed afterwards, so a pointer handed out stays valid while the
// strike lives (the fonts that use it hold it).
struct Strike {
  HFONT font = nullptr;
  std::unordered_map<char32_t, Glyph> glyphs;  // nodes never move
  std::array<const Glyph*, 256> latin{};       // short cut for the usual characters
  uint64_t last_use = 0;
  ~Strike() {
    // Never selected into the library's context outside its lock, so free to go from any thread.
    if (font != nullptr) ::DeleteObject(font);
  }
};

}  // namespace detail

namespace {

using detail::Strike;
using font_cache::kDefaultHeight;
using font_cache::kMaxPixels;
using font_cache::Lower;

// Faces to try, closest first, for a face the machine lacks; kAnySans after them all.
struct Alias {
  std::string_view face;  // lower case
  std::array<const wchar_t*, 4> look_alikes;
};
constexpr Alias kAliases[] = {
    {"arial", {L"Liberation Sans", L"Arimo", L"Helvetica", nullptr}},
    {"helvetica", {L"Arial", L"Liberation Sans", L"Arimo", nullptr}},
    {"sans", {L"Arial", L"Liberation Sans", nullptr, nullptr}},
    {"sans-serif", {L"Arial", L"Liberation Sans", nullptr, nullptr}},
    {"times new roman", {L"Liberation Serif", L"Tinos", L"DejaVu Serif", nullptr}},
    {"serif", {L"Times New Roman", L"Liberation Serif", L"DejaVu Serif", nullptr}},
    {"courier new", {L"Liberation Mono", L"Cousine", L"DejaVu Sans Mono", nullptr}},
    {"monospace", {L"Courier New", L"Liberation Mono", L"DejaVu Sans Mono", nullptr}},
    {"tahoma", {L"Verdana", L"DejaVu Sans", nullptr, nullptr}},
    {"verdana", {L"Tahoma", L"DejaVu Sans", nullptr, nullptr}},
    {"ms sans serif", {L"Microsoft Sans Serif", L"Tahoma", L"DejaVu Sans", nullptr}},
    {"system", {L"Tahoma", L"DejaVu Sans", nullptr, nullptr}},
};
constexpr const wchar_t* kAnySans[] = {L"Tahoma",  L"Arial",    L"Liberation Sans",     L"DejaVu Sans",
                                       L"Verdana", L"Segoe UI", L"Microsoft Sans Serif"};

struct StrikeKey {
  std::wstring face;
  int height;  // as GDI takes it: the cell if positive, the em if negative
  int weight;
  auto operator<=>(const StrikeKey&) const = default;
};

struct Library {
  std::mutex mutex;  // the context, the caches and every glyph rendering
  HDC dc = nullptr;
  HGDIOBJ stock_font = nullptr;
  std::map<std::string, std::wstring> faces;  // asked for (lower case) to installed
  std::map<StrikeKey, std::shared_ptr<Strike>> strikes;
  uint64_t clock = 0;

  Library() {
    dc = ::CreateCompatibleDC(nullptr);
    if (dc != nullptr) stock_font = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
  }
};

// Never destroyed: fonts held by statics elsewhere may be released after this would be.
Library& Lib() {
  static Library* lib = new Library();
  return *lib;
}

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(std::max(n, 0)), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string Utf8(const wchar_t* wide) {
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, out.data(), n, nullptr, nullptr);
  out.pop_back();
  return out;
}

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

// Caller holds Library::mutex.
bool Installed(Library& lib, const std::wstring& face) {
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  std::copy(face.begin(), face.end(), lf.lfFaceName);
  bool found = false;
  ::EnumFontFamiliesExW(lib.dc, &lf, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// The installed face closest to the one asked for; the name itself when none is known, and GDI's
// font mapper picks. Caller holds Library::mutex.
std::wstring Resolve(Library& lib, const std::string& face) {
  const std::string lower = Lower(face);
  auto it = lib.faces.find(lower);
  if (it != lib.faces.end()) return it->second;
  std::vector<std::wstring> candidates{Wide(face)};
  for (const Alias& alias : kAliases)
    if (alias.face == lower)
      for (const wchar_t* look_alike : alias.look_alikes)
        if (look_alike != nullptr) candidates.emplace_back(look_alike);
  for (const wchar_t* any : kAnySans) candidates.emplace_back(any);
  std::wstring chosen = candidates.front().substr(0, LF_FACESIZE - 1);
  for (const std::wstring& candidate : candidates)
    if (Installed(lib, candidate)) {
      chosen = candidate;
      break;
    }
  return lib.faces.emplace(lower, std::move(chosen)).first->second;
}

// Caller holds Library::mutex, with the strike's font selected into the context.
void RenderGlyph(Library& lib, char32_t ch, Glyph& glyph) {
  const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  GLYPHMETRICS gm{};
  UINT format = GGO_GRAY8_BITMAP;
  UINT code = static_cast<UINT>(ch);
  if (ch > 0xFFFF) {  // GDI takes one UTF-16 unit: characters beyond get the face's missing glyph
    format |= GGO_GLYPH_INDEX;
    code = 0;
  }
  DWORD size = ::GetGlyphOutlineW(lib.dc, code, format, &gm, 0, nullptr, &identity);
  if (size == GDI_ERROR) {
    if (::GetGlyphOutlineW(lib.dc, code, GGO_METRICS | (format & GGO_GLYPH_INDEX), &gm, 0, nullptr,
                           &identity) != GDI_ERROR)
      glyph.advance = gm.gmCellIncX;
    return;
  }
  glyph.advance = gm.gmCellIncX;
  const int width = static_cast<int>(gm.gmBlackBoxX);
  const int height = static_cast<int>(gm.gmBlackBoxY);
  const size_t pitch = (static_cast<size_t>(width) + 3) & ~size_t{3};  // rows are whole DWORDs
  if (size == 0 || width <= 0 || height <= 0 || size < pitch * static_cast<size_t>(height)) return;
  std::vector<uint8_t> levels(size);
  if (::GetGlyphOutlineW(lib.dc, code, format, &gm, size, levels.data(), &identity) == GDI_ERROR) return;
  glyph.left = gm.gmptGlyphOrigin.x;
  glyph.top = gm.gmptGlyphOrigin.y;
  glyph.width = width;
  glyph.height = height;
  glyph.coverage.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int row = 0; row < height; ++row) {
    const uint8_t* src = levels.data() + pitch * static_cast<size_t>(row);
    uint8_t* dst = glyph.coverage.data() + static_cast<size_t>(row) * static_cast<size_t>(width);
    for (int x = 0; x < width; ++x)
      dst[x] = static_cast<uint8_t>((std::min<unsigned>(src[x], 64) * 255 + 32) / 64);
  }
}

// Selects a strike's font for the glyphs it has yet to render, and puts the stock font back after.
class Selection {
 public:
  Selection(Library& lib, Strike& strike) : lib_(lib), strike_(strike) {}
  ~Selection() {
    if (selected_) ::SelectObject(lib_.dc, lib_.stock_font);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

  const Glyph* Find(char32_t ch) {
    if (ch < strike_.latin.size() && strike_.latin[ch] != nullptr) return strike_.latin[ch];
    auto [it, inserted] = strike_.glyphs.try_emplace(ch);
    if (inserted) {
      if (!selected_) ::SelectObject(lib_.dc, strike_.font);
      selected_ = true;
      RenderGlyph(lib_, ch, it->second);
    }
    if (ch < strike_.latin.size()) strike_.latin[ch] = &it->second;
    return &it->second;
  }

 private:
  Library& lib_;
  Strike& strike_;
  bool selected_ = false;
};

}  // namespace

std::shared_ptr<const Font> Font::Create(std::string_view face, int height, int weight) {
  if (weight <= FW_DONTCARE) weight = FW_NORMAL;
  weight = std::min(weight, 1000);
  // Positive: the cell (ascent + descent) is the height asked for. Negative: the em is.
  const int gdi_height = height == 0  ? kDefaultHeight
                         : height > 0 ? std::min(height, kMaxPixels)
                                      : std::max(height, -kMaxPixels);
  Library& lib = Lib();
  std::lock_guard lock(lib.mutex);
  if (lib.dc == nullptr) return nullptr;

  const std::string name(face);
  const std::wstring installed = Resolve(lib, name);
  StrikeKey key{installed, gdi_height, weight};
  std::shared_ptr<Strike>& slot = lib.strikes[key];
  if (slot == nullptr) {
    auto strike = std::make_shared<Strike>();
    strike->font =
        ::CreateFontW(gdi_height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS,
                      CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, installed.c_str());
    if (strike->font == nullptr) {
      lib.strikes.erase(key);
      return nullptr;
    }
    slot = std::move(strike);
  }
  std::shared_ptr<Strike> strike = slot;
  strike->last_use = ++lib.clock;

  font_cache::DropLeastUsed(lib.strikes);

  TEXTMETRICW tm{};
  wchar_t family[LF_FACESIZE] = L"";
  ::SelectObject(lib.dc, strike->font);
  const bool measured = ::GetTextMetricsW(lib.dc, &tm) != FALSE;
  ::GetTextFaceW(lib.dc, LF_FACESIZE, family);
  ::SelectObject(lib.dc, lib.stock_font);
  if (!measured) return nullptr;

  std::shared_ptr<Font> font(new Font());
  font->face_ = name;
  font->family_ = Utf8(family);
  font->weight_ = weight;
  // GDI may round ascent and descent apart (Wine does): the height asked for is kept exact.
  font->ascent_ = static_cast<int>(tm.tmAscent);
  if (gdi_height > 0) {
    font->ascent_ = std::min(font->ascent_, gdi_height);
    font->descent_ = gdi_height - font->ascent_;
    font->em_ = std::max(1, static_cast<int>(tm.tmHeight - tm.tmInternalLeading));
  } else {
    font->descent_ = static_cast<int>(tm.tmDescent);
    font->em_ = -gdi_height;
  }
  font->strike_ = std::move(strike);
  return font;
}

Font::~Font() = default;

void Font::Glyphs(std::u32string_view text, std::vector<const Glyph*>& out) const {
  out.clear();
  out.reserve(text.size());
  Library& lib = Lib();
  std::lock_guard lock(lib.mutex);
  Selection selection(lib, *strike_);
  for (char32_t ch : text) out.push_back(selection.Find(ch));
}

int64_t Font::TextWidth(std::u32string_view text) const {
  int64_t width = 0;
  Library& lib = Lib();
  std::lock_guard lock(lib.mutex);
  Selection selection(lib, *strike_);
  for (char32_t ch : text) width += selection.Find(ch)->advance;
  return width;
}

}  // namespace lunvale::platform
