// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/display_engine.h"
#include "platform/app/form.h"
#include "platform/pictures/picture.h"
#include "support/fake_display.h"
#include "support/picture_files.h"
#include "support/scratch.h"

namespace lunvale::sprites::testing_support {

using Bytes = std::vector<unsigned char>;
using Colour = std::function<uint32_t(int x, int y)>;

// Picture files of w x h whose pixel (x, y) is colour(x, y) as 0xRRGGBB: a 24-bit bitmap or a JPEG.
inline Bytes EncodeBmp(int w, int h, const Colour& colour) {
  const int stride = (w * 3 + 3) & ~3;
  const uint32_t data = static_cast<uint32_t>(stride * h);
  Bytes b = {'B', 'M'};
  const auto put = [&b](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
  };
  for (uint32_t v : {54 + data, 0u, 54u, 40u, static_cast<uint32_t>(w), static_cast<uint32_t>(h)}) put(v, 4);
  put(1, 2);
  put(24, 2);
  for (uint32_t v : {0u, data, 2835u, 2835u, 0u, 0u}) put(v, 4);
  for (int y = h - 1; y >= 0; --y) {  // bottom-up
    for (int x = 0; x < w; ++x) put(colour(x, y), 3);
    b.resize(b.size() + static_cast<size_t>(stride - w * 3), 0);
  }
  return b;
}

inline Bytes EncodeJpeg(int w, int h, const Colour& colour) {
  return lunvale::testing::EncodeJpeg(w, h, colour);
}

inline platform::Picture BmpPicture(int w, int h, const Colour& colour) {
  return platform::Picture::Load(EncodeBmp(w, h, colour), "test.bmp");
}
inline platform::Picture JpegPicture(int w, int h, const Colour& colour) {
  return platform::Picture::Load(EncodeJpeg(w, h, colour), "test.jpg");
}
inline platform::Picture Plain(int w, int h, uint32_t colour) {
  return BmpPicture(w, h, [colour](int, int) { return colour; });
}

inline uint32_t At(platform::PixelView view, int x, int y) {
  return view.Row(y)[x];
}

// An engine on the fake display, owned by an unshown form, with its own empty settings folder. The
// display opens at 1024 x 768 x 32 unless a test reconfigures and reopens it.
class SpriteDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    backend_ = std::make_shared<lunvale::testing::FakeDisplayBackend>();
    form_ = std::make_unique<platform::TForm>(nullptr);
    qss_ = new engine::TQss(form_.get(), backend_);
    qss_->MasterVolumeSetter = [](uint32_t) { return false; };
    qss_->SetUseIdle(false);
    qss_->SetColorDepth(32);
    qss_->SetInterval(45);
  }

  void TearDown() override {
    qss_->SetEnabled(false);
    form_.reset();  // frees the engine and the sprites
  }

  void Open(int width = 1024, int height = 768) {
    qss_->SetWidthScreen(width);
    qss_->SetHeightScreen(height);
    qss_->SetEnabled(true);
    ASSERT_TRUE(backend_->Back()) << qss_->GetErrorResult();
    backend_->ClearCalls();
  }

  // A sprite owned by the form on the engine panel, counting its error events.
  template <typename Sprite>
  Sprite* Make(platform::Picture picture = {}) {
    auto* sprite = new Sprite(form_.get());
    sprite->SetParent(qss_);
    sprite->SetPicture(std::move(picture));
    sprite->OnError = [this, sprite](platform::TComponent* sender) {
      EXPECT_EQ(sender, sprite);
      ++errors_;
    };
    return sprite;
  }

  platform::PixelView BackPixels() { return backend_->Back()->Pixels(); }
  void FillBack(uint32_t colour) {
    const platform::PixelView back = BackPixels();
    for (int y = 0; y < back.height; ++y)
      for (int x = 0; x < back.width; ++x) back.Row(y)[x] = colour;
  }
  // The off-screen surface named sN in creation order.
  std::shared_ptr<lunvale::testing::FakeSurface> Surface(const std::string& name) {
    for (auto& s : backend_->Offscreen())
      if (s->Name() == name) return s;
    return nullptr;
  }

  lunvale::testing::ScratchSettings settings_;  // outlives the engine
  std::shared_ptr<lunvale::testing::FakeDisplayBackend> backend_;
  std::unique_ptr<platform::TForm> form_;
  engine::TQss* qss_ = nullptr;
  int errors_ = 0;
};

}  // namespace lunvale::sprites::testing_support
