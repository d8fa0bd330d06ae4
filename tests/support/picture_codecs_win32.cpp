// SPDX-License-Identifier: MIT
// The tests' codecs on Windows: JPEG and PNG through WIC, which is what the saver decodes with there.
#include <memory>
#include <string>

#include "platform/win32/com.h"
#include "support/picture_files.h"

// clang-format off
#include "platform/win32/windows_api.h"
#include <objidl.h>
#include <wincodec.h>
// clang-format on

namespace lunvale::testing {

namespace {

using platform::Com;

// COM for the calling thread, for as long as one call needs it; a thread where COM is already
// initialised otherwise keeps it as it was.
class ComScope {
 public:
  ComScope() : hr_(::CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) ::CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT hr_;
};

bool Factory(Com<IWICImagingFactory>& factory) {
  return SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory, reinterpret_cast<void**>(factory.put())));
}

std::wstring Wide(const std::string& path) {
  const int n = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  std::wstring w(n > 0 ? static_cast<size_t>(n) : 1, L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, w.data(), n);
  w.resize(w.size() - 1);
  return w;
}

// Encodes rows of `format` into `stream`: one frame, `quality` (0..1) for JPEG, 0 for the default.
bool Encode(IWICImagingFactory* factory, IStream* stream, const GUID& container, WICPixelFormatGUID format,
            int w, int h, int stride, const Bytes& rows, float quality) {
  Com<IWICBitmapEncoder> encoder;
  Com<IWICBitmapFrameEncode> frame;
  Com<IPropertyBag2> options;
  if (FAILED(factory->CreateEncoder(container, nullptr, encoder.put())) ||
      FAILED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(frame.put(), options.put())))
    return false;
  if (quality > 0) {
    PROPBAG2 option{};
    option.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_R4;
    value.fltVal = quality;
    if (FAILED(options->Write(1, &option, &value))) return false;
  }
  const WICPixelFormatGUID wanted = format;
  return SUCCEEDED(frame->Initialize(options.get())) &&
         SUCCEEDED(frame->SetSize(static_cast<UINT>(w), static_cast<UINT>(h))) &&
         SUCCEEDED(frame->SetPixelFormat(&format)) && IsEqualGUID(format, wanted) &&
         SUCCEEDED(frame->WritePixels(static_cast<UINT>(h), static_cast<UINT>(stride),
                                      static_cast<UINT>(rows.size()), const_cast<BYTE*>(rows.data()))) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

}  // namespace

Bytes EncodeJpeg(int w, int h, const Colour& colour, int quality, bool grey) {
  const int channels = grey ? 1 : 3;
  const int stride = (w * channels + 3) & ~3;
  Bytes rows(static_cast<size_t>(stride) * static_cast<size_t>(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t c = colour(x, y);
      unsigned char* at = &rows[static_cast<size_t>(y * stride + x * channels)];
      if (grey) {
        at[0] = static_cast<unsigned char>(c & 0xFF);
      } else {
        for (int k = 0; k < 3; ++k) at[k] = static_cast<unsigned char>(c >> (8 * k));  // blue first
      }
    }
  ComScope com;
  Com<IWICImagingFactory> factory;
  Com<IStream> stream;
  if (!Factory(factory) || FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()))) return {};
  // libjpeg's default quality, 75, so that both platforms' pictures carry alike losses.
  const float q = (quality > 0 ? quality : 75) / 100.0f;
  if (!Encode(factory.get(), stream.get(), GUID_ContainerFormatJpeg,
              grey ? GUID_WICPixelFormat8bppGray : GUID_WICPixelFormat24bppBGR, w, h, stride, rows, q))
    return {};
  HGLOBAL memory = nullptr;
  STATSTG stat{};
  if (FAILED(::GetHGlobalFromStream(stream.get(), &memory)) || FAILED(stream->Stat(&stat, STATFLAG_NONAME)))
    return {};
  const auto* bytes = static_cast<const unsigned char*>(::GlobalLock(memory));
  if (bytes == nullptr) return {};
  Bytes out(bytes, bytes + stat.cbSize.QuadPart);
  ::GlobalUnlock(memory);
  return out;
}

std::optional<platform::Bitmap> ReadPng(const std::string& path) {
  ComScope com;
  Com<IWICImagingFactory> factory;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICBitmapSource> xrgb;
  UINT w = 0, h = 0;
  if (!Factory(factory) ||
      FAILED(factory->CreateDecoderFromFilename(Wide(path).c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, decoder.put())) ||
      FAILED(decoder->GetFrame(0, frame.put())) ||
      FAILED(::WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame.get(), xrgb.put())) ||
      FAILED(xrgb->GetSize(&w, &h)))
    return std::nullopt;
  platform::Bitmap out(static_cast<int>(w), static_cast<int>(h));
  const platform::PixelView view = out.View();
  if (FAILED(xrgb->CopyPixels(nullptr, w * 4, w * h * 4, reinterpret_cast<BYTE*>(view.pixels))))
    return std::nullopt;
  for (UINT i = 0; i < w * h; ++i) view.pixels[i] &= 0xFFFFFFu;
  return out;
}

bool WritePng(const platform::PixelView& view, const std::string& path) {
  const int stride = (view.width * 3 + 3) & ~3;
  Bytes rows(static_cast<size_t>(stride) * static_cast<size_t>(view.height));
  for (int y = 0; y < view.height; ++y)
    for (int x = 0; x < view.width; ++x)
      for (int k = 0; k < 3; ++k)
        rows[static_cast<size_t>(y * stride + x * 3 + k)] =
            static_cast<unsigned char>(view.Row(y)[x] >> (8 * k));
  ComScope com;
  Com<IWICImagingFactory> factory;
  Com<IWICStream> stream;
  return Factory(factory) && SUCCEEDED(factory->CreateStream(stream.put())) &&
         SUCCEEDED(stream->InitializeFromFilename(Wide(path).c_str(), GENERIC_WRITE)) &&
         Encode(factory.get(), stream.get(), GUID_ContainerFormatPng, GUID_WICPixelFormat24bppBGR, view.width,
                view.height, stride, rows, 0);
}

}  // namespace lunvale::testing
