// SPDX-License-Identifier: MIT
// The Windows twin of picture_decode.cpp: JPEG, GIF and bitmaps decoded by the Windows Imaging Component
// into the same XRGB rows. The causes the Linux decoders name are kept where this code decides them
// ("empty picture", "too large", "no such columns", a JPEG cut short); what the system decoder refuses
// is "corrupt or truncated picture".
#include <algorithm>
#include <cstdio>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "platform/pictures/picture_decode.h"
#include "platform/win32/com.h"

// clang-format off
#include "platform/win32/windows_api.h"
#include <wincodec.h>
// clang-format on

namespace lunvale::platform {

namespace {

// COM for the thread that decodes, kept until the thread ends: pictures are decoded on the main thread
// and on the prefetch's helpers. A thread already in another apartment can use WIC as it is.
bool ComReady() {
  thread_local const struct Apartment {
    HRESULT hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ~Apartment() {
      if (SUCCEEDED(hr)) ::CoUninitialize();
    }
  } apartment;
  return SUCCEEDED(apartment.hr) || apartment.hr == RPC_E_CHANGED_MODE;
}

std::string Hex(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

// libjpeg calls a JPEG without its end marker an error ("Premature end of JPEG file"); WIC may fill the
// missing rows with grey instead. The end marker must follow the first scan's header; inside the scans
// a 0xFF byte is always followed by 0x00 or a restart marker, so an FF D9 there is the end.
bool JpegComplete(std::span<const unsigned char> b) {
  size_t i = 2;  // after the start marker
  while (i + 4 <= b.size()) {
    if (b[i] != 0xFF) return false;
    const unsigned char marker = b[i + 1];
    if (marker == 0xFF) {
      ++i;  // fill byte
      continue;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      i += 2;  // markers without a length
      continue;
    }
    if (marker == 0xD9) return false;  // ends before any scan
    const size_t length = static_cast<size_t>(b[i + 2]) << 8 | b[i + 3];
    if (length < 2) return false;
    i += 2 + length;
    if (marker == 0xDA) break;
  }
  for (; i + 1 < b.size(); ++i)
    if (b[i] == 0xFF && b[i + 1] == 0xD9) return true;
  return false;
}

struct Frame {
  Com<IWICImagingFactory> factory;
  Com<IWICStream> stream;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  int width = 0;
  int height = 0;
};

// Opens the first frame of `bytes` as a picture of `container`'s format. The stream reads the bytes
// where they are: they outlive the frame.
void OpenFrame(Frame& f, std::span<const unsigned char> bytes, std::string_view name, const GUID& container) {
  if (bytes.empty()) FailPicture(name, "empty picture");
  if (bytes.size() > 0xFFFFFFFFu) FailPicture(name, "too large");
  if (!ComReady()) FailPicture(name, "no picture decoder (COM)");
  HRESULT hr = ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(f.factory.put()));
  if (FAILED(hr)) FailPicture(name, "no picture decoder (" + Hex(hr) + ")");
  hr = f.factory->CreateStream(f.stream.put());
  if (SUCCEEDED(hr))
    hr = f.stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
  if (SUCCEEDED(hr)) hr = f.factory->CreateDecoder(container, nullptr, f.decoder.put());
  if (FAILED(hr)) FailPicture(name, "no picture decoder (" + Hex(hr) + ")");
  UINT w = 0, h = 0;
  if (FAILED(f.decoder->Initialize(f.stream.get(), WICDecodeMetadataCacheOnDemand)) ||
      FAILED(f.decoder->GetFrame(0, f.frame.put())) || FAILED(f.frame->GetSize(&w, &h)))
    FailPicture(name, "corrupt or truncated picture");
  const int64_t pixels = int64_t{w} * h;
  if (pixels <= 0 || pixels > kMaxPicturePixels) FailPicture(name, "too large");
  f.width = static_cast<int>(w);
  f.height = static_cast<int>(h);
}

// `rect` of the frame into `out` (as large as the rectangle), through the converter to 32-bit BGR.
void CopyXrgb(Frame& f, std::string_view name, const WICRect& rect, PixelView out) {
  Com<IWICFormatConverter> converter;
  const UINT stride = static_cast<UINT>(out.width) * 4;
  if (FAILED(f.factory->CreateFormatConverter(converter.put())) ||
      FAILED(converter->Initialize(f.frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->CopyPixels(&rect, stride, stride * static_cast<UINT>(out.height),
                                   reinterpret_cast<BYTE*>(out.Row(0)))))
    FailPicture(name, "corrupt or truncated picture");
  // The spare byte is undefined in this format; the display's pixels keep it 0.
  for (int y = 0; y < out.height; ++y) {
    uint32_t* row = out.Row(y);
    for (int x = 0; x < out.width; ++x) row[x] &= 0x00FFFFFFu;
  }
}

Bitmap NewBitmap(std::string_view name, int width, int height) {
  try {
    return Bitmap(width, height);
  } catch (const std::bad_alloc&) {
    FailPicture(name, "out of memory");
  }
}

}  // namespace

Bitmap DecodeJpeg(std::span<const unsigned char> bytes, std::string_view name, Columns columns) {
  if (!bytes.empty() && !JpegComplete(bytes)) FailPicture(name, "Premature end of JPEG file");
  Frame f;
  OpenFrame(f, bytes, name, GUID_ContainerFormatJpeg);
  if (columns.width > 0 && (columns.left < 0 || columns.left >= f.width))
    FailPicture(name, "no such columns");
  const int left = columns.width > 0 ? columns.left : 0;
  const int width = columns.width > 0 ? std::min(columns.width, f.width - left) : f.width;
  Bitmap bitmap;
  try {
    bitmap = Bitmap::Uncleared(width, f.height);  // the decoder writes every pixel
  } catch (const std::bad_alloc&) {
    FailPicture(name, "out of memory");
  }
  CopyXrgb(f, name, WICRect{left, 0, width, f.height}, bitmap.View());
  return bitmap;
}

Bitmap DecodeBmp(std::span<const unsigned char> bytes, std::string_view name) {
  Frame f;
  OpenFrame(f, bytes, name, GUID_ContainerFormatBmp);
  Bitmap bitmap = NewBitmap(name, f.width, f.height);
  CopyXrgb(f, name, WICRect{0, 0, f.width, f.height}, bitmap.View());
  return bitmap;
}

Bitmap DecodeGif(std::span<const unsigned char> bytes, std::string_view name) {
  Frame f;
  OpenFrame(f, bytes, name, GUID_ContainerFormatGif);
  Bitmap bitmap = NewBitmap(name, f.width, f.height);
  WICPixelFormatGUID format{};
  Com<IWICPalette> palette;
  UINT count = 0;
  WICColor colours[256];
  if (FAILED(f.frame->GetPixelFormat(&format)) || format != GUID_WICPixelFormat8bppIndexed ||
      FAILED(f.factory->CreatePalette(palette.put())) || FAILED(f.frame->CopyPalette(palette.get())) ||
      FAILED(palette->GetColors(256, colours, &count))) {
    CopyXrgb(f, name, WICRect{0, 0, f.width, f.height}, bitmap.View());
    return bitmap;
  }
  // The transparent colour (alpha 0 in the frame's palette) leaves the surface it is drawn on as it
  // was: black, on a surface just made. Indices past the palette are black too.
  uint32_t xrgb[256] = {};
  for (UINT i = 0; i < count; ++i) xrgb[i] = (colours[i] >> 24) == 0 ? 0 : colours[i] & 0x00FFFFFFu;
  std::vector<BYTE> indices(static_cast<size_t>(f.width) * f.height);
  const WICRect all{0, 0, f.width, f.height};
  if (FAILED(f.frame->CopyPixels(&all, static_cast<UINT>(f.width), static_cast<UINT>(indices.size()),
                                 indices.data())))
    FailPicture(name, "corrupt or truncated picture");
  PixelView out = bitmap.View();
  for (int y = 0; y < f.height; ++y) {
    const BYTE* from = indices.data() + static_cast<size_t>(y) * f.width;
    uint32_t* row = out.Row(y);
    for (int x = 0; x < f.width; ++x) row[x] = xrgb[from[x]];
  }
  return bitmap;
}

void ReleasePages(void* begin, void* end) {
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  const uintptr_t page = info.dwPageSize;
  const auto from = reinterpret_cast<uintptr_t>(begin), to = reinterpret_cast<uintptr_t>(end);
  const uintptr_t first = (from + page - 1) / page * page, last = to / page * page;
  // MEM_RESET: the pages' contents may go instead of being written to the page file.
  if (first < last) ::VirtualAlloc(reinterpret_cast<void*>(first), last - first, MEM_RESET, PAGE_READWRITE);
}

}  // namespace lunvale::platform
