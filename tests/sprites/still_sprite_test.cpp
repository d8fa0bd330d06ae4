// SPDX-License-Identifier: MIT
#include "sprites/still_sprite.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "sprites/blit_clip.h"
#include "sprites/sprite_fixture.h"
#include "sprites/two_picture_image.h"

namespace lunvale::sprites {
namespace {

using lunvale::testing::FakeOp;
using namespace testing_support;

// --- clipping against the panel ---

// One axis on a panel 1024 long: position, extent -> drawn?, destination, source span.
struct AxisCase {
  int pos, extent;
  bool draw;
  int dest, lo, hi;
};
constexpr AxisCase kAxisCases[] = {
    {10, 100, true, 10, 0, 100},    {923, 100, true, 923, 0, 100},  // wholly inside
    {924, 100, true, 924, 0, 99},   {1022, 100, true, 1022, 0, 1},  // never reaching the last pixel
    {1023, 100, false, 0, 0, 0},    {5000, 100, false, 0, 0, 0},    //
    {0, 100, true, 0, 0, 100},      {-10, 100, true, 0, 10, 100},   // cut at the near edge
    {-98, 100, true, 0, 98, 100},   {-99, 100, false, 0, 0, 0},     // a single pixel is not drawn
    {-10, 2000, true, 0, 10, 1033},                                 // over both edges
    {INT_MAX, 100, false, 0, 0, 0}, {INT_MIN, 100, false, 0, 0, 0},
};

TEST(Clip, ColumnsAndRowsFollowTheSameFiveCases) {
  for (const AxisCase& c : kAxisCases) {
    SCOPED_TRACE(std::to_string(c.pos) + " + " + std::to_string(c.extent));
    const ClippedBlit cols = ClipBlit(c.pos, 10, {0, 0, c.extent, 10}, 1024, 1024);
    const ClippedBlit rows = ClipBlit(10, c.pos, {0, 0, 10, c.extent}, 1024, 1024);
    ASSERT_EQ(cols.draw, c.draw);
    ASSERT_EQ(rows.draw, c.draw);
    if (!c.draw) continue;
    EXPECT_EQ(std::tuple(cols.x, cols.source.left, cols.source.right), std::tuple(c.dest, c.lo, c.hi));
    EXPECT_EQ(std::tuple(rows.y, rows.source.top, rows.source.bottom), std::tuple(c.dest, c.lo, c.hi));
  }
}

TEST(Clip, SpritesTouchingTheRightAndBottomEdgesLoseTheirLastColumnAndRow) {
  ClippedBlit bg = ClipBlit(0, 0, {0, 0, 1024, 768}, 1024, 768);
  EXPECT_EQ(std::tuple(bg.x, bg.y, bg.source.right, bg.source.bottom), std::tuple(0, 0, 1023, 767));
  ClippedBlit water = ClipBlit(375, 500, {0, 0, 649, 268}, 1024, 768);
  EXPECT_EQ(std::tuple(water.x, water.y, water.source.right, water.source.bottom),
            std::tuple(375, 500, 648, 267));
  EXPECT_FALSE(ClipBlit(10, 767, {0, 0, 10, 10}, 1024, 768).draw);  // either axis alone stops it
}

// --- the still sprite ---

using TQIMTest = SpriteDisplay;

TEST_F(TQIMTest, PositionsAndSizesScaleFromTheDesignSpace) {
  qss_->SetWidthScreen(1024);
  qss_->SetHeightScreen(768);
  TQIM* im = Make<TQIM>();
  im->SetStretching(true);
  im->SetShowX(907);
  EXPECT_EQ(im->GetShowX(), 907);

  qss_->SetWidthScreen(800);
  qss_->SetHeightScreen(600);
  im->SetShowX(907);
  im->SetShowY(698);
  EXPECT_EQ(im->GetShowX(), 708);  // 907 x 800 / 1024 = 708.6
  EXPECT_EQ(im->GetShowY(), 545);
  im->SetShowX(-907);
  EXPECT_EQ(im->GetShowX(), -708);  // toward zero

  // The original size scales whatever Stretching is; explicit sizes and unstretched positions do not.
  im->SetStretching(false);
  im->SetShowX(907);
  EXPECT_EQ(im->GetShowX(), 907);
  im->SetOriginalWidth(1024);
  im->SetOriginalHeight(70);
  EXPECT_EQ(im->GetStretchWidth(), 800);
  EXPECT_EQ(im->GetStretchHeight(), 54);
  im->SetStretchWidth(33);
  EXPECT_EQ(im->GetStretchWidth(), 33);
  EXPECT_EQ(errors_, 0);
}

TEST_F(TQIMTest, NothingWithoutADisplayOrSurface) {
  TQIM* im = Make<TQIM>(Plain(8, 8, 0x808080));
  im->SetTransparency(true);
  EXPECT_EQ(im->GetErrorResult(), "eFpSurface==NULL");
  EXPECT_FALSE(im->GetTransparency());
  EXPECT_EQ(im->BltFlags(), 0u);
  im->CreateDXImage();
  EXPECT_EQ(im->GetErrorResult(), "FDD==NULL");
  im->DrawImage();
  EXPECT_EQ(im->GetErrorResult(), "eFpSurface==NULL");
  EXPECT_EQ(errors_, 3);

  // Off the engine panel there is no display to take either.
  TQIM* loose = Make<TQIM>(Plain(8, 8, 1));
  loose->SetParent(nullptr);
  loose->CreateDXImage();
  EXPECT_EQ(loose->GetErrorResult(), "FDD==NULL");
}

TEST_F(TQIMTest, SurfaceHoldsThePictureUnscaledOrStretched) {
  Open();
  const auto quadrants = [](int x, int y) { return x < 2 ? (y < 2 ? 0xFF0000u : 0x00FF00u) : 0x0000FFu; };
  TQIM* plain = Make<TQIM>(BmpPicture(4, 4, quadrants));
  plain->CreateDXImage();
  TQIM* stretched = Make<TQIM>(BmpPicture(4, 4, quadrants));
  stretched->SetStretching(true);
  stretched->SetOriginalWidth(8);
  stretched->SetOriginalHeight(8);
  stretched->CreateDXImage();
  EXPECT_EQ(errors_, 0);
  EXPECT_EQ(backend_->Calls()[0], "CreateSurface(4x4,flags=7,caps=64)");
  EXPECT_EQ(backend_->CountCalls("CreateSurface(8x8,flags=7,caps=64)"), 1);
  EXPECT_EQ(backend_->CountCalls("s1.SetColorKey"), 0);  // no key until asked for

  const platform::PixelView a = Surface("s1")->Pixels();
  EXPECT_EQ(At(a, 0, 0), 0xFF0000u);
  EXPECT_EQ(At(a, 3, 3), 0x0000FFu);
  const platform::PixelView b = Surface("s2")->Pixels();
  EXPECT_EQ(At(b, 3, 3), 0xFF0000u);
  EXPECT_EQ(At(b, 0, 5), 0x00FF00u);
  EXPECT_EQ(At(b, 7, 7), 0x0000FFu);
  // Drawn at the stretched size, not the picture's.
  backend_->ClearCalls();
  stretched->DrawImage();
  EXPECT_EQ(backend_->Calls(), std::vector<std::string>{"back.BltFast(0,0,s2,[0,0,8,8],0)"});
}

TEST_F(TQIMTest, FailuresWhileMakingOrKeyingReleaseTheSurface) {
  Open();
  TQIM* im = Make<TQIM>(Plain(8, 8, 0x808080));
  backend_->Faults().Fail(FakeOp::CreateSurface, platform::DDERR_OUTOFMEMORY, 1);
  im->CreateDXImage();
  EXPECT_EQ(im->GetErrorResult(), "eCreateSurfaceQIM");
  EXPECT_EQ(im->FpSurface(), nullptr);
  EXPECT_EQ(im->LastResult(), platform::DDERR_OUTOFMEMORY);

  backend_->Faults().Fail(FakeOp::GetDC, platform::DDERR_CANTCREATEDC, 1);
  im->CreateDXImage();
  EXPECT_EQ(im->GetErrorResult(), "eFpSurface->GetDC (QIM)");
  EXPECT_EQ(im->FpSurface(), nullptr);
  EXPECT_TRUE(backend_->Offscreen().empty());  // released

  im->CreateDXImage();
  backend_->Faults().Fail(FakeOp::SetColorKey, platform::DDERR_UNSUPPORTED, 1);
  im->SetTransparency(true);
  EXPECT_EQ(im->GetErrorResult(), "eSetColorKey (QIM)");
  EXPECT_TRUE(im->GetTransparency());
  EXPECT_EQ(im->FpSurface(), nullptr);
  im->DrawImage();
  EXPECT_EQ(im->GetErrorResult(), "eFpSurface==NULL");
  EXPECT_EQ(errors_, 4);
}

TEST_F(TQIMTest, BackgroundIsBlittedWithoutTheLastColumnAndRow) {
  Open();
  TQIM* bg = Make<TQIM>(Plain(1024, 768, 0x336699));
  bg->SetStretching(true);
  bg->SetOriginalWidth(1024);
  bg->SetOriginalHeight(768);
  bg->CreateDXImage();
  bg->SetTransparency(false);
  backend_->ClearCalls();
  bg->DrawImage();
  EXPECT_EQ(backend_->Calls(), std::vector<std::string>{"back.BltFast(0,0,s1,[0,0,1023,767],0)"});
  const platform::PixelView back = BackPixels();
  EXPECT_EQ(At(back, 1022, 766), 0x336699u);
  EXPECT_EQ(At(back, 1023, 100), 0u);
  EXPECT_EQ(At(back, 100, 767), 0u);

  // Wholly off the panel: no blit, no error.
  bg->SetStretching(false);
  bg->SetShowX(1023);
  backend_->ClearCalls();
  bg->DrawImage();
  EXPECT_EQ(backend_->CountCalls("back.BltFast"), 0);
  EXPECT_EQ(errors_, 0);
}

TEST_F(TQIMTest, KeyedDrawingSkipsOnlyPureBlack) {
  Open();
  const uint32_t row[4] = {0x000000, 0x000001, 0x010000, 0xFFFFFF};
  TQIM* im = Make<TQIM>(BmpPicture(4, 1, [&](int x, int) { return row[x]; }));
  im->SetShowX(10);
  im->SetShowY(10);
  im->CreateDXImage();

  im->SetTransparency(true);
  EXPECT_TRUE(im->GetTransparency());
  EXPECT_EQ(im->BltFlags(), 1u);
  EXPECT_EQ(backend_->CountCalls("s1.SetColorKey(8,0..0)"), 1);
  FillBack(0x445566);
  im->DrawImage();
  EXPECT_EQ(At(BackPixels(), 10, 10), 0x445566u);
  EXPECT_EQ(At(BackPixels(), 11, 10), 0x000001u);
  EXPECT_EQ(At(BackPixels(), 12, 10), 0x010000u);
  EXPECT_EQ(At(BackPixels(), 13, 10), 0xFFFFFFu);

  // Opaque again: the key stays on the surface but is not used.
  im->SetTransparency(false);
  EXPECT_EQ(im->BltFlags(), 0u);
  EXPECT_TRUE(Surface("s1")->SourceColorKey().has_value());
  im->DrawImage();
  EXPECT_EQ(At(BackPixels(), 10, 10), 0u);
  EXPECT_EQ(errors_, 0);
}

TEST_F(TQIMTest, BlitFailuresAreNamedAndStillDrawingIsRetried) {
  Open();
  TQIM* im = Make<TQIM>(Plain(8, 8, 0x808080));
  im->SetShowX(5);
  im->SetShowY(5);
  im->CreateDXImage();

  backend_->Faults().Fail(FakeOp::BltFast, platform::DDERR_WASSTILLDRAWING, 3);
  im->DrawImage();
  EXPECT_EQ(backend_->CountCalls("back.BltFast"), 4);
  EXPECT_EQ(im->LastResult(), platform::DD_OK);
  EXPECT_EQ(errors_, 0);

  const auto fail_once = [&](platform::HRESULT code) {
    backend_->Faults().Fail(FakeOp::BltFast, code, 1);
    im->DrawImage();
    EXPECT_EQ(im->LastResult(), code);
    return im->GetErrorResult();
  };
  EXPECT_EQ(fail_once(platform::DDERR_SURFACELOST), "Lost surface");
  EXPECT_EQ(fail_once(platform::DDERR_INVALIDPARAMS), "Error FDDBACK->BltFast (BMP) err #DERR_INVALIDPARAMS");
  EXPECT_EQ(fail_once(platform::DDERR_SURFACEBUSY), "Error FDDBACK->BltFast (BMP) err #DDERR_SURFACEBUSY");
  EXPECT_EQ(fail_once(platform::DDERR_NOTFOUND), "Error FDDBACK->BltFast (BMP) err #");
  EXPECT_EQ(errors_, 4);

  // A display that never finishes drawing gives up instead of hanging the frame.
  backend_->Faults().Fail(FakeOp::BltFast, platform::DDERR_WASSTILLDRAWING);
  backend_->ClearCalls();
  im->DrawImage();
  EXPECT_EQ(backend_->CountCalls("back.BltFast"), TQIM::kStillDrawingRetries + 1);
  EXPECT_EQ(im->GetErrorResult(), "Error FDDBACK->BltFast (BMP) err #");
}

TEST_F(TQIMTest, LostDisplayIsReportedThenRestoredByTheEngine) {
  Open();
  TQIM* im = Make<TQIM>(Plain(16, 16, 0x00C000));
  im->CreateDXImage();
  backend_->LoseAll();
  backend_->ClearCalls();
  im->DrawImage();
  EXPECT_EQ(im->GetErrorResult(), "Lost surface");
  EXPECT_EQ(backend_->CountCalls("back.BltFast"), 0);

  qss_->IsLostRestore();
  EXPECT_EQ(backend_->CountCalls("s1.Restore"), 1);
  EXPECT_EQ(At(Surface("s1")->Pixels(), 15, 15), 0x00C000u);  // redrawn, not left undefined
  im->SetErrorResult("");
  im->DrawImage();
  EXPECT_EQ(im->GetErrorResult(), "");
  EXPECT_EQ(At(BackPixels(), 5, 5), 0x00C000u);

  backend_->LoseAll();
  Surface("s1")->Faults().Fail(FakeOp::Restore, platform::DDERR_GENERIC, 1);
  qss_->IsLostRestore();
  EXPECT_EQ(im->GetErrorResult(), "Can't restore surface TQIM");
  EXPECT_NE(im->FpSurface(), nullptr);  // tried again after the next loss

  im->SetErrorResult("");
  backend_->LoseAll();
  Surface("s1")->Faults().Fail(FakeOp::GetDC, platform::DDERR_CANTCREATEDC, 1);
  qss_->IsLostRestore();
  EXPECT_EQ(im->GetErrorResult(), "eFpSurface->GetDC (BMP)");
  EXPECT_EQ(im->FpSurface(), nullptr);
  EXPECT_EQ(errors_, 3);
}

// A gadget: a still sprite under its own class name, which the engine neither restores nor releases.
class Gadget : public TQIM {
 public:
  using TQIM::TQIM;
  std::string_view ClassName() const override { return "TQGC"; }
};

TEST_F(TQIMTest, EngineRestoresAndReleasesOnlyTheExactClass) {
  Open();
  TQIM* im = Make<TQIM>(Plain(8, 8, 0x808080));
  Gadget* gadget = Make<Gadget>(Plain(8, 8, 0x808080));
  im->CreateDXImage();
  gadget->CreateDXImage();
  backend_->LoseAll();
  qss_->IsLostRestore();
  EXPECT_EQ(backend_->CountCalls("s2.Restore"), 0);
  gadget->DrawImage();
  EXPECT_EQ(gadget->GetErrorResult(), "Lost surface");

  qss_->SetEnabled(false);
  EXPECT_EQ(im->FpSurface(), nullptr);
  EXPECT_NE(gadget->FpSurface(), nullptr);
  im->DrawImage();
  EXPECT_EQ(im->GetErrorResult(), "eFpSurface==NULL");
  gadget->DrawImage();  // its borrowed back buffer went with the display
  EXPECT_EQ(gadget->GetErrorResult(), "eFDDBACK==NULL");
  gadget->SetTransparency(true);
  EXPECT_EQ(gadget->GetErrorResult(), "eFDDBACK==NULL");
}

// --- the two-picture image ---

TEST(TQTI, ShowsTheImageThatNumberImageNames) {
  TQTI ti(nullptr);
  const platform::Picture one = Plain(2, 2, 0x111111);
  const platform::Picture two = Plain(3, 3, 0x222222);
  ti.SetImage1(nullptr);  // ignored
  ti.SetImage2(&two);     // kept, not shown
  EXPECT_TRUE(ti.Picture().Empty());
  ti.SetImage1(&one);
  EXPECT_EQ(ti.Picture().Width(), 2);
  ti.SetNumberImage(2);
  EXPECT_EQ(ti.Picture().Width(), 3);
  ti.SetNumberImage(7);  // stored only
  EXPECT_EQ(ti.GetNumberImage(), 7);
  EXPECT_EQ(ti.Picture().Width(), 3);
  ti.SetNumberImage(1);
  ti.SetPicture(two);
  ti.SetNumberImage(1);  // unchanged number: nothing copied
  EXPECT_EQ(ti.Picture().Width(), 3);
}

TEST(TQTI, MissingPictureResourceLeavesTheControlEmpty) {
  TQTI ti(nullptr);
  ti.SetPicture(Plain(2, 2, 1));
  EXPECT_FALSE(ti.LoadPicture("NoSuchPictureResource"));
  EXPECT_TRUE(ti.Picture().Empty());
}

}  // namespace
}  // namespace lunvale::sprites
