// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>

#include "host/platform_modes.h"
#include "host/preview.h"
#include "net/http_client.h"
#include "platform/pictures/picture.h"
#include "platform/system/conversions.h"

#include "platform/win32/windows_api.h"

namespace lunvale::host {
namespace {

using namespace std::chrono_literals;

TEST(HostWin32, TheModuleIsNamedByItsFileWhicheverSlashThePathUses) {
  for (const auto& [path, name] : {std::pair{"C:\\WINDOWS\\SYSTEM32\\LUNVALE.SCR", "LUNVALE"},
                                   {"C:/Program Files/Lunvale/lunvale.scr", "lunvale"},
                                   {"lunvale.scr", "lunvale"},
                                   {"D:\\saver\\.scr", ".scr"},
                                   {"C:\\", "lunvale"}}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(ModuleName(path), name);
  }
}

TEST(HostWin32, APreviewHandleThatNamesNoWindowIsAnError) {
  for (const char* handle : {"0", "123456789"}) {
    try {
      RunPreview(handle);
      ADD_FAILURE() << handle;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(e.what(), NotAWindow(handle));
    }
  }
  EXPECT_THROW(RunPreview("abc"), platform::EConvertError);
  EXPECT_THROW(RunPreview(""), platform::EConvertError);
}

TEST(HostWin32, ThePreviewDrawsAtTheWindowsCornerUntilTheWindowGoes) {
  const platform::Bitmap expected = platform::Picture::LoadResource("PREVIEWBMP").GetBitmap();
  HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 300, 250,
                                  nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(parent, nullptr);
  const auto handle = std::to_string(static_cast<int32_t>(reinterpret_cast<intptr_t>(parent)));
  auto preview = std::async(std::launch::async, [&handle] { RunPreview(handle); });
  HWND child = nullptr;
  for (auto deadline = std::chrono::steady_clock::now() + 10s;
       child == nullptr && std::chrono::steady_clock::now() < deadline; ::Sleep(5)) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
    child = ::FindWindowExW(parent, nullptr, L"LunvalePreview", nullptr);
  }
  ASSERT_NE(child, nullptr);
  RECT rect{};
  ::GetWindowRect(child, &rect);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, expected.Width());
  EXPECT_EQ(rect.bottom, expected.Height());
  EXPECT_EQ(preview.wait_for(0s), std::future_status::timeout);
  ::DestroyWindow(parent);
  EXPECT_EQ(preview.wait_for(10s), std::future_status::ready);
}

TEST(HostWin32, FeedsFailAsOnANetworkThatIsDown) {
  net::THTTPClient client;
  try {
    client.Get("http://127.0.0.1:1/");
    ADD_FAILURE() << "no error";
  } catch (const net::ESockError& e) {
    EXPECT_EQ(std::string(e.what()), "10050:Network is down");
  }
  EXPECT_FALSE(client.Connected());
}

}  // namespace
}  // namespace lunvale::host
