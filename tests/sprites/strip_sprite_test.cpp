// SPDX-License-Identifier: MIT
#include "sprites/strip_sprite.h"

#include <gtest/gtest.h>

#include "sprites/sprite_fixture.h"

namespace lunvale::sprites {
namespace {

using lunvale::testing::FakeOp;
using platform::CLR_INVALID;
using namespace testing_support;

// A strip whose frame i is filled with Shade(i) (rows of `frame` pixels each): distinct grey levels.
uint32_t Shade(int i) {
  return static_cast<uint32_t>(0x010101 * (i + 1));
}
platform::Picture Strip(int w, int frame, int frames, int extra_rows = 0) {
  return BmpPicture(w, frame * frames + extra_rows, [frame](int, int y) { return Shade(y / frame); });
}

class TQMVTest : public SpriteDisplay {
 protected:
  // A strip set up as the scene does it: position, frame height, cut.
  TQMV* Cut(platform::Picture picture, int frame_height, int x = 0, int y = 0) {
    TQMV* mv = Make<TQMV>(std::move(picture));
    mv->SetShowX(x);
    mv->SetShowY(y);
    mv->SetYOffsetFrame(frame_height);
    mv->CreateDXMovie();
    return mv;
  }
};

TEST_F(TQMVTest, FrameCountsFromStripHeights) {
  Open();
  TQMV* birds = Cut(Strip(68, 43, 121), 43);
  EXPECT_EQ(birds->FrameCount(), 121);
  EXPECT_EQ(birds->FrameWidth(), 68);
  EXPECT_EQ(birds->FrameHeight(), 43);
  EXPECT_FALSE(birds->FromJpeg());
  EXPECT_NE(birds->FrameSurface(120), nullptr);
  EXPECT_EQ(birds->FrameSurface(121), nullptr);
  EXPECT_EQ(backend_->CountCalls("CreateSurface(68x43,flags=7,caps=64)"), 121);

  TQMV* water = Make<TQMV>(JpegPicture(649, 8576, [](int, int y) { return Shade(y / 268); }));
  water->SetFDibBitmap(&water->Picture().GetBitmap());
  water->SetYOffsetFrame(268);
  water->CreateDXMovie();
  EXPECT_EQ(water->FrameCount(), 32);
  EXPECT_TRUE(water->FromJpeg());

  // Rows below the last whole frame are never shown.
  TQMV* three = Cut(BmpPicture(4, 1000, [](int, int y) { return y >= 900 ? 0xFF0000u : 0x0000FFu; }), 300);
  EXPECT_EQ(three->FrameCount(), 3);
  for (int i = 0; i < 3; ++i) {
    auto* frame = dynamic_cast<platform::MemorySurface*>(three->FrameSurface(i));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(At(frame->Pixels(), 0, 299), 0x0000FFu);
  }

  TQMV* full = Cut(Strip(2, 1, 200), 1);
  EXPECT_EQ(full->FrameCount(), 200);
  EXPECT_NE(full->FrameSurface(199), nullptr);
  EXPECT_EQ(errors_, 0);
}

TEST_F(TQMVTest, StripsThatCannotBeCut) {
  Open();
  TQMV* many = Cut(Strip(2, 1, 201), 1);
  EXPECT_EQ(many->GetErrorResult(), "TOO match sprites");
  EXPECT_EQ(many->FrameCount(), 0);
  EXPECT_EQ(backend_->CountCalls("CreateSurface"), 0);
  many->SetTransparency(true);  // nothing to key: the flag is not stored either
  EXPECT_FALSE(many->GetTransparency());
  EXPECT_EQ(many->BltFlags(), 0u);

  TQMV* undefined = Cut(Strip(2, 1, 10), 0);
  EXPECT_EQ(undefined->GetErrorResult(), "Not defined OriginalHeight");
  TQMV* negative = Cut(Strip(2, 1, 10), -5);
  EXPECT_EQ(negative->GetErrorResult(), "Not defined OriginalHeight");
  EXPECT_EQ(negative->FrameCount(), 0);

  TQMV* jpeg = Cut(JpegPicture(16, 32, [](int, int) { return 0x808080u; }), 16);
  EXPECT_FALSE(jpeg->DibLoaded());
  EXPECT_EQ(jpeg->GetErrorResult(), "not loaded DIB BMP");
  EXPECT_EQ(jpeg->FrameCount(), 0);
  EXPECT_EQ(backend_->CountCalls("CreateSurface"), 0);
  EXPECT_EQ(errors_, 4);

  qss_->SetEnabled(false);
  TQMV* closed = Cut(Strip(2, 1, 10), 1);
  EXPECT_EQ(closed->GetErrorResult(), "FDD==NULL");
}

TEST_F(TQMVTest, JpegFramesComeFromTheDecodedCopy) {
  Open();
  TQMV* mv = Make<TQMV>(JpegPicture(8, 20, [](int, int) { return 0x808080u; }));
  platform::Bitmap dib(8, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 8; ++x) dib.View().Row(y)[x] = Shade(y / 10);
  mv->SetFDibBitmap(nullptr);  // ignored
  EXPECT_FALSE(mv->DibLoaded());
  mv->SetFDibBitmap(std::move(dib));
  EXPECT_TRUE(mv->DibLoaded());
  mv->SetYOffsetFrame(10);
  mv->CreateDXMovie();
  ASSERT_EQ(mv->FrameCount(), 2);
  EXPECT_EQ(At(Surface("s1")->Pixels(), 7, 9), Shade(0));
  EXPECT_EQ(At(Surface("s2")->Pixels(), 0, 0), Shade(1));
}

TEST_F(TQMVTest, StretchedFramesScaleEachFrameOnItsOwn) {
  Open();
  TQMV* tiny = Make<TQMV>(Strip(38, 24, 121));
  tiny->SetStretching(true);
  tiny->SetShowX(300);
  tiny->SetShowY(300);
  tiny->SetYOffsetFrame(24);
  EXPECT_EQ(tiny->GetStretchWidth(), 38);
  EXPECT_EQ(tiny->GetStretchHeight(), 24);
  tiny->SetStretchWidth(28);
  tiny->SetStretchHeight(18);
  tiny->CreateDXMovie();
  ASSERT_EQ(tiny->FrameCount(), 121);
  EXPECT_EQ(backend_->CountCalls("CreateSurface(28x18,"), 121);
  // No row of a neighbouring frame shows at either edge of a frame.
  for (int i : {0, 1, 60, 120}) {
    auto* frame = dynamic_cast<platform::MemorySurface*>(tiny->FrameSurface(i));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(At(frame->Pixels(), 0, 0), Shade(i));
    EXPECT_EQ(At(frame->Pixels(), 27, 17), Shade(i));
  }
  tiny->SetNumberFrame(5);
  tiny->DrawMovie();
  EXPECT_EQ(At(BackPixels(), 327, 317), Shade(5));
  EXPECT_EQ(At(BackPixels(), 328, 318), 0u);

  // The frame size follows the design space at another display size.
  qss_->SetEnabled(false);
  Open(800, 600);
  TQMV* small = Make<TQMV>(Strip(38, 24, 2));
  small->SetStretching(true);
  small->SetYOffsetFrame(24);
  EXPECT_EQ(small->GetStretchWidth(), 29);
  EXPECT_EQ(small->GetStretchHeight(), 18);
  small->CreateDXMovie();
  EXPECT_EQ(backend_->CountCalls("CreateSurface(29x18,"), 2);
  EXPECT_EQ(errors_, 0);
}

TEST_F(TQMVTest, DrawsTheChosenFrameClippedAtTheEdges) {
  Open();
  TQMV* water = Cut(Strip(649, 268, 3), 268, 375, 500);
  backend_->ClearCalls();
  water->SetNumberFrame(2);
  water->DrawMovie();
  EXPECT_EQ(backend_->Calls(), std::vector<std::string>{"back.BltFast(375,500,s3,[0,0,648,267],0)"});
  EXPECT_EQ(At(BackPixels(), 1022, 766), Shade(2));
  EXPECT_EQ(At(BackPixels(), 1023, 766), 0u);

  // Frames outside the table or never made draw nothing and report nothing.
  backend_->ClearCalls();
  for (int n : {-1, 3, 199, 200, 100000}) {
    water->SetNumberFrame(n);
    water->DrawMovie();
  }
  EXPECT_EQ(backend_->CountCalls("back.BltFast"), 0);
  EXPECT_EQ(errors_, 0);
}

TEST_F(TQMVTest, BlitFailuresAndRetries) {
  Open();
  TQMV* mv = Cut(Strip(10, 10, 2), 10, 20, 20);
  mv->SetNumberFrame(1);
  backend_->Faults().Fail(FakeOp::BltFast, platform::DDERR_WASSTILLDRAWING, 2);
  mv->DrawMovie();
  EXPECT_EQ(backend_->CountCalls("back.BltFast"), 3);
  EXPECT_EQ(errors_, 0);

  backend_->Faults().Fail(FakeOp::BltFast, platform::DDERR_SURFACELOST, 1);
  mv->DrawMovie();
  EXPECT_EQ(mv->GetErrorResult(), "Lost surface");
  backend_->Faults().Fail(FakeOp::BltFast, platform::DDERR_EXCEPTION, 1);
  mv->DrawMovie();
  EXPECT_EQ(mv->GetErrorResult(), "Error FDDBACK->BltFast (MOV) err #DDERR_EXCEPTION");
  // A source size changed after cutting no longer fits the frame surfaces.
  mv->SetStretching(true);
  mv->SetStretchWidth(40);
  mv->DrawMovie();
  EXPECT_EQ(mv->GetErrorResult(), "Error FDDBACK->BltFast (MOV) err #DDERR_INVALIDRECT");
  EXPECT_EQ(errors_, 3);
}

TEST_F(TQMVTest, MakingOneFrameCanFailWhileTheOthersAreMade) {
  Open();
  backend_->Faults().Fail(FakeOp::CreateSurface, platform::DDERR_OUTOFMEMORY, 1, 1);
  TQMV* mv = Cut(Strip(4, 4, 4), 4);
  EXPECT_EQ(mv->GetErrorResult(), "Error CreateSurfaceMOV");
  EXPECT_EQ(mv->FrameCount(), 4);
  EXPECT_EQ(mv->FrameSurface(1), nullptr);
  EXPECT_NE(mv->FrameSurface(2), nullptr);

  backend_->Faults().Fail(FakeOp::GetDC, platform::DDERR_CANTCREATEDC, 1, 2);
  TQMV* other = Cut(Strip(4, 4, 4), 4);
  EXPECT_EQ(other->GetErrorResult(), "Error FpSurface->GetDC (MOV)");
  EXPECT_EQ(other->FrameSurface(2), nullptr);
  EXPECT_NE(other->FrameSurface(3), nullptr);
  EXPECT_EQ(errors_, 2);

  // Cutting again replaces every earlier frame, also those beyond the new count.
  other->SetYOffsetFrame(8);
  other->CreateDXMovie();
  EXPECT_EQ(other->FrameCount(), 2);
  EXPECT_NE(other->FrameSurface(1), nullptr);
  EXPECT_EQ(other->FrameSurface(3), nullptr);
}

TEST_F(TQMVTest, EachFrameIsKeyedOnItsOwnTopLeftPixel) {
  Open();
  // Frame 0 has a white corner, frame 1 a black one; both hold black and white elsewhere.
  TQMV* mv = Cut(BmpPicture(2, 4,
                            [](int x, int y) {
                              if (y == 0 || y == 2) return x == 0 ? (y == 0 ? 0xFFFFFFu : 0u) : 0x808080u;
                              return x == 0 ? 0u : 0xFFFFFFu;
                            }),
                 2, 10, 10);
  mv->SetTransparency(true);
  EXPECT_TRUE(mv->GetTransparency());
  EXPECT_EQ(mv->BltFlags(), 1u);
  EXPECT_EQ(backend_->CountCalls("s1.SetColorKey(8,16777215..16777215)"), 1);
  EXPECT_EQ(backend_->CountCalls("s2.SetColorKey(8,0..0)"), 1);
  EXPECT_EQ(backend_->CountCalls("s1.Lock(null,0)"), 1);

  FillBack(0x445566);
  mv->SetNumberFrame(0);
  mv->DrawMovie();
  EXPECT_EQ(At(BackPixels(), 10, 10), 0x445566u);  // white skipped
  EXPECT_EQ(At(BackPixels(), 10, 11), 0u);         // black drawn
  mv->SetNumberFrame(1);
  mv->DrawMovie();
  EXPECT_EQ(At(BackPixels(), 10, 10), 0x445566u);  // black skipped
  EXPECT_EQ(At(BackPixels(), 11, 11), 0xFFFFFFu);

  mv->SetTransparency(false);
  EXPECT_EQ(mv->BltFlags(), 0u);
  mv->DrawMovie();
  EXPECT_EQ(At(BackPixels(), 10, 10), 0u);
  EXPECT_EQ(errors_, 0);
}

TEST_F(TQMVTest, ColourMatchLocksRetriesAndRefusedKeysReleaseTheFrame) {
  Open();
  TQMV* mv = Cut(Strip(2, 2, 3), 2);
  backend_->Faults().Fail(FakeOp::Lock, platform::DDERR_WASSTILLDRAWING, 2);
  EXPECT_EQ(TQMV::DDColorMatch(mv->FrameSurface(0), CLR_INVALID), Shade(0));
  EXPECT_EQ(backend_->CountCalls("s1.Lock"), 3);
  EXPECT_EQ(backend_->CountCalls("s1.Unlock"), 1);
  backend_->Faults().Fail(FakeOp::Lock, platform::DDERR_SURFACEBUSY, 1);
  EXPECT_EQ(TQMV::DDColorMatch(mv->FrameSurface(0), CLR_INVALID), CLR_INVALID);
  // A real colour is converted through the surface and the corner is put back.
  EXPECT_EQ(TQMV::DDColorMatch(mv->FrameSurface(0), 0x00ABCDEF), 0x00ABCDEFu);
  EXPECT_EQ(At(Surface("s1")->Pixels(), 0, 0), Shade(0));

  backend_->Faults().Fail(FakeOp::SetColorKey, platform::DDERR_UNSUPPORTED, 1, 1);
  mv->SetTransparency(true);
  EXPECT_EQ(mv->GetErrorResult(), "Error SetColorKey (ANI)");
  EXPECT_EQ(mv->FrameSurface(1), nullptr);
  EXPECT_NE(mv->FrameSurface(2), nullptr);
  EXPECT_EQ(errors_, 1);
  backend_->ClearCalls();
  mv->SetNumberFrame(1);
  mv->DrawMovie();
  EXPECT_EQ(backend_->CountCalls("back.BltFast"), 0);
}

TEST_F(TQMVTest, LostFramesAreRestoredAsTheyWere) {
  Open();
  TQMV* mv =
      Make<TQMV>(JpegPicture(24, 96, [](int x, int y) { return static_cast<uint32_t>(x * 9 + y * 2) << 8; }));
  mv->SetFDibBitmap(&mv->Picture().GetBitmap());
  mv->SetYOffsetFrame(32);
  mv->CreateDXMovie();
  mv->SetTransparency(true);
  ASSERT_EQ(mv->FrameCount(), 3);
  std::vector<std::vector<uint32_t>> before;
  for (const char* name : {"s1", "s2", "s3"}) {
    const platform::PixelView p = Surface(name)->Pixels();
    before.emplace_back(p.pixels, p.pixels + p.width * p.height);
  }

  backend_->LoseAll();
  mv->DrawMovie();
  EXPECT_EQ(mv->GetErrorResult(), "Lost surface");
  backend_->ClearCalls();
  qss_->IsLostRestore();
  EXPECT_EQ(backend_->CountCalls("s3.Restore"), 1);
  EXPECT_EQ(backend_->CountCalls("s1.SetColorKey"), 0);  // the keys stay as they were
  int i = 0;
  for (const char* name : {"s1", "s2", "s3"}) {
    const platform::PixelView p = Surface(name)->Pixels();
    EXPECT_EQ(std::vector<uint32_t>(p.pixels, p.pixels + p.width * p.height), before[i++]) << name;
  }
  mv->SetErrorResult("");
  mv->DrawMovie();
  EXPECT_EQ(mv->GetErrorResult(), "");
}

TEST_F(TQMVTest, RestoreStopsAtTheFirstFrameThatFails) {
  Open();
  TQMV* mv = Cut(Strip(4, 4, 3), 4);
  backend_->LoseAll();
  Surface("s2")->Faults().Fail(FakeOp::Restore, platform::DDERR_GENERIC, 1);
  qss_->IsLostRestore();
  EXPECT_EQ(mv->GetErrorResult(), "Can't restore surface TQMV");
  EXPECT_FALSE(Surface("s1")->Lost());
  EXPECT_EQ(At(Surface("s1")->Pixels(), 3, 3), Shade(0));
  EXPECT_TRUE(Surface("s3")->Lost());  // not tried on this call

  backend_->LoseAll();
  Surface("s2")->Faults().Fail(FakeOp::GetDC, platform::DDERR_CANTCREATEDC, 1);
  qss_->IsLostRestore();
  EXPECT_EQ(mv->GetErrorResult(), "Error FpSurface->GetDC (RestoreSurfaces)");
  EXPECT_EQ(mv->FrameSurface(1), nullptr);
  EXPECT_EQ(errors_, 2);
}

TEST_F(TQMVTest, ClosingReleasesTheFramesAndKeepsTheCount) {
  Open();
  TQMV* mv = Cut(Strip(4, 4, 3), 4);
  qss_->SetEnabled(false);
  EXPECT_TRUE(backend_->Offscreen().empty());
  EXPECT_EQ(mv->FrameCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(mv->FrameSurface(i), nullptr);
  mv->SetTransparency(true);  // nothing left to key
  mv->DrawMovie();
  mv->RestoreSurfaces();
  EXPECT_EQ(errors_, 0);

  Open();
  mv->CreateDXMovie();
  EXPECT_NE(mv->FrameSurface(2), nullptr);
}

}  // namespace
}  // namespace lunvale::sprites
