// SPDX-License-Identifier: MIT
#include "scene/scene_form.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "feeds/coordinate_forecast.h"
#include "fetcher/feed_fetcher.h"
#include "net/http_client.h"
#include "platform/app/cursor.h"
#include "platform/app/keys.h"
#include "platform/app/shell.h"
#include "platform/media/sound.h"
#include "scene/flight_paths.h"
#include "scene/scene_setup.h"

namespace lunvale::scene {

struct WideArt {
  int32_t left;
  int32_t width;
};

namespace {

// The panorama's pictures: where each starts relative to the 4:3 picture's left edge, and how wide it
// is. The water strips start where the 4:3 picture's do and reach the panorama's right edge.
constexpr WideArt kStill{-kPanoramaPictureLeft, kPanoramaWidth};
constexpr WideArt kNearWater{375, kPanoramaWidth - kPanoramaPictureLeft - 375};
constexpr WideArt kFarWater{285, kPanoramaWidth - kPanoramaPictureLeft - 285};

// The JPEG pictures, the slowest to decode first (the water strips, then the background), each with its
// place on the panorama.
struct WidePicture {
  const char* name;
  WideArt art;
};
constexpr WidePicture kJpegPictures[] = {{"QMV1", kNearWater}, {"QMV2", kFarWater}, {"QIM1", kStill}};

// The widest frame the display offers: the canvases side by side stay within it.
constexpr int32_t kWidestFrame = 4096;

// Which way each gull's flight moves on a wider sky, in quarters of the canvas's right shift.
constexpr int32_t kGullSpread[3] = {0, -1, 1};

}  // namespace

// Where the parts that keep their places go on one canvas.
struct TForm1::Placement {
  int32_t still, near_water, far_water, trees, panel, clock, weather, news;
};

SceneLayout TForm1::ChooseCanvases() {
  std::vector<SceneLayout> layouts;
  for (const auto& size : qss1_->OutputSizes()) layouts.push_back(LayoutFor(size));
  if (layouts.empty()) layouts.push_back(LayoutFor(std::nullopt));
  // One canvas for each shape, as many as the widest frame holds; an output of a shape beyond them shows
  // the first canvas, fitted with its aspect kept.
  int32_t total = 0;
  for (const SceneLayout& layout : layouts) {
    size_t index = 0;
    while (index < canvases_.size() && canvases_[index].layout != layout) ++index;
    if (index == canvases_.size()) {
      if (!canvases_.empty() && total + layout.width > kWidestFrame) {
        index = 0;
      } else {
        canvases_.push_back(Canvas{total, layout});
        total += layout.width;
      }
    }
    views_.push_back(platform::FrameView{canvases_[index].left, canvases_[index].layout.width});
  }
  if (canvases_.size() == 1) views_.clear();  // every output shows the whole frame
  // The pictures are cut for the widest canvas, which holds what every narrower one shows.
  return std::max_element(canvases_.begin(), canvases_.end(),
                          [](const Canvas& a, const Canvas& b) { return a.layout.width < b.layout.width; })
      ->layout;
}

std::string TForm1::Art(const char* name) const {
  return layout_.panorama ? std::string(name) + "wide" : std::string(name);
}

platform::Columns TForm1::Shown(const WideArt& art) const {
  if (!layout_.panorama) return {};
  const int32_t x = layout_.centre_shift + art.left;  // where the picture starts on the canvas
  const int32_t left = std::max(0, -x);
  return {left, std::min(art.width, layout_.width - x) - left};
}

platform::Columns TForm1::ShownOf(const char* name) const {
  for (const WidePicture& picture : kJpegPictures)
    if (std::string_view(picture.name) == name) return Shown(picture.art);
  return {};
}

std::unique_ptr<platform::PicturePrefetch> TForm1::PrefetchPictures() const {
  std::vector<std::string> names;
  std::map<std::string, platform::Columns, std::less<>> columns;
  for (const WidePicture& picture : kJpegPictures) {
    names.push_back(Art(picture.name));
    columns.emplace(names.back(), Shown(picture.art));
  }
  return std::make_unique<platform::PicturePrefetch>(names, std::thread::hardware_concurrency() > 1 ? 2 : 0,
                                                     columns);
}

TForm1::TForm1(platform::TComponent* owner, std::shared_ptr<platform::DisplayBackend> display)
    : platform::TForm(owner),
      qss1_(new engine::TQss(this, std::move(display))),
      layout_(ChooseCanvases()),
      prefetch_(PrefetchPictures()),
      qim1_(NewImage(this, qss1_, Art("QIM1"), ShownOf("QIM1"))),
      qmv1_(NewStrip(this, qss1_, Art("QMV1"), ShownOf("QMV1"))),
      qmv2_(NewStrip(this, qss1_, Art("QMV2"), ShownOf("QMV2"))),
      qmv3sg_(NewStrip(this, qss1_, "QMV3SG")),
      qmv3sgsmall_(NewStrip(this, qss1_, "QMV3SGsmall")),
      qim2masktree_(NewImage(this, qss1_, "QIM2masktree")),
      qim2gadgetpanel_(NewImage(this, qss1_, "QIM2GadgetPanel")),
      qmv3weather_(NewStrip(this, qss1_, "QMV3Weather")),
      qgc1_(new gadgets::TQGC(this)),
      qgw1_(new gadgets::TQGW(this)),
      qgr1_(new gadgets::TQGR(this)),
      httpclient1_(new net::THTTPClient(this)) {
  SetName("Form1");
  SetCaption("Lunvale Screensaver");
  qss1_->SetName("Qss1");
  qss1_->SetParent(this);
  qim1_->SetName("QIM1");
  qmv1_->SetName("QMV1");
  qmv2_->SetName("QMV2");
  qmv3sg_->SetName("QMV3SG");
  qmv3sgsmall_->SetName("QMV3SGsmall");
  qim2masktree_->SetName("QIM2masktree");
  qim2gadgetpanel_->SetName("QIM2GadgetPanel");
  qmv3weather_->SetName("QMV3Weather");
  qgc1_->SetName("QGC1");
  qgw1_->SetName("QGW1");
  qgr1_->SetName("QGR1");
  httpclient1_->SetName("HTTPClient1");
  for (sprites::TQIM* gadget : {static_cast<sprites::TQIM*>(qgc1_), static_cast<sprites::TQIM*>(qgw1_),
                                static_cast<sprites::TQIM*>(qgr1_)}) {
    gadget->SetParent(qss1_);
  }
  qgc1_->LoadPicture("QGC1");
  qgw1_->LoadPicture("QGW1");
  qgr1_->LoadPicture("QGR1");
  qgw1_->SetWeatherPicVCL(qmv3weather_);
  qss1_->OnTimer = [this](platform::TComponent* sender) { Qss1Timer(sender); };
  OnKeyPress = [this](char& key) { FormKeyPress(key); };
  OnKeyDown = [this](uint16_t& key, unsigned shift) { FormKeyDown(key, shift); };
  OnMouseMove = [this](unsigned shift, int x, int y) { FormMouseMove(shift, x, y); };
  for (auto& path : paths_) path = std::make_unique<SpritePath>();
  prefetch_.reset();  // every picture is loaded
}

TForm1::~TForm1() {
  // Its ticks use the gadgets and the client, which go with the form; a download under way is cut short.
  if (weather_http_) weather_http_->Terminate();
  weather_http_.reset();
  // The timer must not tick into a form that is going away, whatever ended the run, and the sound
  // goes with the form.
  qss1_->SetTimerEnabled(false);
  qss1_->SetEnabled(false);
  if (!closing_) StopSound();
}

void TForm1::FormCreate() {
  qss1_->SetBrandName("Miravel Software");
  qss1_->SetSSName("Lunvale Screensaver");
  qss1_->SetRegistry();
  last_mouse_x_ = 0;
  last_mouse_y_ = 0;

  // The display must be open before any picture goes onto a surface.
  const int32_t width = canvases_.back().left + canvases_.back().layout.width;
  qss1_->SetUseIdle(false);
  qss1_->SetWidthScreen(width);
  qss1_->SetHeightScreen(kCanvasHeight);
  qss1_->SetDesignWidth(width);
  qss1_->SetFrameViews(views_);
  qss1_->SetColorDepth(32);
  qss1_->SetInterval(45);
  qss1_->SetEnabled(true);

  // The first canvas's places; the frames move the parts to each other canvas's.
  const Placement at = PlacementOn(0);
  if (layout_.panorama) {
    SetupImage(qim1_, true, false, kCanvasHeight, qim1_->Picture().Width(), 0, at.still);
    SetupStrip(qmv1_, true, false, 0, 0, false, 268, 500, at.near_water);
    SetupStrip(qmv2_, true, false, 0, 0, false, 87, 413, at.far_water);
  } else {
    SetupImage(qim1_, true, false, 768, 1024, 0, at.still);
    SetupStrip(qmv1_, true, false, 0, 0, false, 268, 500, at.near_water);
    SetupStrip(qmv2_, true, false, 0, 0, false, 87, 413, at.far_water);
  }
  SetupImage(qim2masktree_, true, true, 314, 352, 181, at.trees);
  SetupGadgetPanel();

  SetupStrip(qmv3sg_, true, true, 0, 0, false, 43, 300, 300);
  InitPath(*paths_[0], FlightPathA, 44, 26, 0);
  SetupStrip(qmv3sgsmall_, true, true, 0, 0, false, 24, 300, 300);
  InitPath(*paths_[1], FlightPathB, 32, 32, 0);
  qmv3sgtiny_ = new sprites::TQMV(this);
  qmv3sgtiny_->SetName("QMV3SGtiny");
  CloneStrip(qmv3sgtiny_, qmv3sgsmall_);
  SetupStrip(qmv3sgtiny_, true, true, 18, 28, true, 24, 300, 300);
  InitPath(*paths_[2], FlightPathB, 32, 40, 12);
  // On a wider sky the three flights spread apart, each keeping its shape, speed and turns.
  for (int bird = 0; bird < 3; ++bird) ShiftPath(*paths_[bird], GullShift(0, bird, false));

  frame_counter_ = 0;
  qss1_->SetTimerEnabled(true);
  StartSound();
  platform::ShowCursor(false);
}

TForm1::Placement TForm1::PlacementOn(size_t index) const {
  const Canvas& canvas = canvases_[index];
  // Positions are those of the 4:3 picture, moved with its centre on a wider or narrower canvas.
  const int32_t cx = canvas.left + canvas.layout.centre_shift;
  // Only the columns the widest canvas shows were decoded: each part starts where its first one goes.
  const auto at = [&](const WideArt& art, int32_t plain) {
    return layout_.panorama ? cx + art.left + Shown(art).left : cx + plain;
  };
  // The panel spans the canvas; the gadgets keep their places against its right edge.
  const int32_t rx = canvas.left + canvas.layout.right_shift;
  const int32_t show_time = qss1_->GetShowTime();
  const int32_t show_weather = qss1_->GetShowWeather();
  return Placement{at(kStill, 0),
                   at(kNearWater, 375),
                   at(kFarWater, 285),
                   cx + 90,
                   canvas.left,
                   rx + 907,
                   rx + 1024 - 336 - 117 * show_time,
                   rx + 1024 - (117 * show_time + 336 * show_weather + 571)};
}

int32_t TForm1::GullShift(size_t index, int bird, bool from_first) const {
  const auto shift = [&](const Canvas& canvas) {
    return canvas.left + canvas.layout.centre_shift + kGullSpread[bird] * (canvas.layout.right_shift / 4);
  };
  return shift(canvases_[index]) - (from_first ? shift(canvases_[0]) : 0);
}

void TForm1::PlaceOn(size_t index) {
  const Placement at = PlacementOn(index);
  qim1_->SetShowX(at.still);
  qmv1_->SetShowX(at.near_water);
  qmv2_->SetShowX(at.far_water);
  qim2masktree_->SetShowX(at.trees);
  qim2gadgetpanel_->SetShowX(at.panel);
  qgc1_->SetShowX(at.clock);
  qgw1_->SetShowX(at.weather);
  qgr1_->SetShowX(at.news);
}

void TForm1::CloneStrip(sprites::TQMV* strip, const sprites::TQMV* source) {
  strip->SetParent(qss1_);
  strip->SetBounds(1, 1, 1, 1);
  strip->SetPicture(source->Picture());
}

void TForm1::Qss1Timer(platform::TComponent*) {
  if (++frame_counter_ > 31) frame_counter_ = 0;
  // Everything moves once a frame, then each canvas is drawn.
  bool flying[3];
  for (int bird = 0; bird < 3; ++bird) flying[bird] = AdvancePath(*paths_[bird]);
  const bool several = canvases_.size() > 1;
  for (size_t index = 0; index < canvases_.size(); ++index) {
    if (several) {
      const Canvas& canvas = canvases_[index];
      qss1_->SetCurrentCanvas(
          sprites::DisplayPanel::Canvas{canvas.left, canvas.left + canvas.layout.width, index > 0});
      PlaceOn(index);
    }
    qim1_->DrawImage();
    qmv1_->SetNumberFrame(frame_counter_);
    qmv1_->DrawMovie();
    qmv2_->SetNumberFrame(frame_counter_);
    qmv2_->DrawMovie();
    // Smallest first, so that the large gull flies in front.
    sprites::TQMV* const gulls[3] = {qmv3sg_, qmv3sgsmall_, qmv3sgtiny_};
    for (int bird = 2; bird >= 0; --bird)
      if (flying[bird]) DrawPath(*paths_[bird], gulls[bird], GullShift(index, bird, true));
    qim2masktree_->DrawImage();
    DrawGadgetPanel();
  }
  if (several) qss1_->SetCurrentCanvas(std::nullopt);
}

void TForm1::SetupGadgetPanel() {
  const int32_t show_time = qss1_->GetShowTime();
  const int32_t show_weather = qss1_->GetShowWeather();
  const Placement at = PlacementOn(0);
  // The panel is as wide as the widest canvas; a narrower one cuts it.
  SetupImage(qim2gadgetpanel_, true, qss1_->GetShowBlack() == 0, 70, layout_.width, 698, at.panel);
  if (show_time != 0) SetupImage(qgc1_, true, true, 69, 117, 698, at.clock);
  if (show_weather != 0) {
    SetupStrip(qmv3weather_, true, false, 0, 0, false, 52, 0, 0);
    SetupImage(qgw1_, true, true, 69, 336, 698, at.weather);
  }
  // The fetcher runs whether or not a gadget is shown; its first tick comes with the message loop.
  fetcher::WeatherHTTP::Targets targets;
  targets.client = httpclient1_;
  targets.settings = &qss1_->Settings();
  targets.weather = qgw1_;
  targets.news = qgr1_;
  targets.get_news_link = [this] { return GetNewsLink(); };
  targets.set_news_link = [this](const std::string& link) { SetNewsLink(link); };
  weather_http_ = std::make_unique<fetcher::WeatherHTTP>(
      std::move(targets), fetcher::WeatherHostSetting(qss1_->Settings()), FeedMinuteClock,
      fetcher::WeatherApiSetting(qss1_->Settings()));
  weather_http_->Start();
  if (qss1_->GetShowNews() != 0) {
    SetupImage(qgr1_, true, true, 69, 572, 698, at.news);
  }
}

void TForm1::DrawGadgetPanel() {
  const int32_t show_time = qss1_->GetShowTime();
  const int32_t show_weather = qss1_->GetShowWeather();
  const int32_t show_news = qss1_->GetShowNews();
  if (show_time + show_weather + show_news > 0) qim2gadgetpanel_->DrawImage();
  if (show_time != 0) {
    qgc1_->DrawImage();
    qgc1_->DrawGadgetClock();
  }
  if (show_weather != 0) {
    qgw1_->DrawImage();
    qgw1_->DrawGadgetWeather();
  }
  if (show_news != 0) {
    qgr1_->DrawImage();
    qgr1_->DrawRssNews();
  }
}

void TForm1::FormKeyPress(char& key) {
  if (key == 27) CloseSaver();
}

void TForm1::FormKeyDown(uint16_t& key, unsigned) {
  if (key == platform::VK_F2) {
    platform::ShellExecuteA(Handle(), "open", GetNewsLink().c_str(), "", "", platform::SW_SHOW);
    CloseSaver();
  } else if (key == platform::VK_F3) {
    // A place the table does not know has no page: the key does nothing then.
    const std::optional<std::string> page = feeds::ForecastPageURL(qss1_->GetWeatherCode());
    if (!page) return;
    platform::ShellExecuteA(Handle(), "open", page->c_str(), "", "", platform::SW_SHOW);
    CloseSaver();
  }
}

void TForm1::FormMouseMove(unsigned, int x, int y) {
  // Each event is compared with the one before; a stored 0 means "nothing to compare with yet".
  if (std::abs(x - last_mouse_x_) > 5 && last_mouse_x_ != 0) {
    CloseSaver();
  } else if (std::abs(y - last_mouse_y_) > 5 && last_mouse_y_ != 0) {
    CloseSaver();
  }
  last_mouse_x_ = x;
  last_mouse_y_ = y;
}

void TForm1::StartSound() {
  if (!sound_claim_.Claim()) return;
  platform::PlaySoundA("SoundName", nullptr,
                       platform::SND_RESOURCE | platform::SND_ASYNC | platform::SND_LOOP);
}

void TForm1::StopSound() {
  platform::PlaySoundA(nullptr, nullptr, platform::SND_PURGE);
  sound_claim_.Release();
}

void TForm1::CloseSaver() {
  if (closing_) return;
  closing_ = true;
  if (weather_http_) weather_http_->Terminate();
  // The timer stops (and waits for a frame in progress) before the display closes under it.
  qss1_->SetTimerEnabled(false);
  qss1_->SetEnabled(false);
  StopSound();
  platform::ShowCursor(true);
  Hide();
  SetBorderStyle(platform::TBorderStyle::bsSizeable);
  SetHeight(20);
  SetWidth(20);
  Close();
}

void TForm1::SetNewsLink(const std::string& link) {
  std::lock_guard lock(news_mutex_);
  news_link_ = link;
}

std::string TForm1::GetNewsLink() const {
  std::lock_guard lock(news_mutex_);
  return news_link_;
}

}  // namespace lunvale::scene
