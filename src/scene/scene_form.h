// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/display_engine.h"
#include "gadgets/clock.h"
#include "gadgets/news_ticker.h"
#include "gadgets/weather.h"
#include "platform/app/form.h"
#include "platform/media/display_sound.h"
#include "platform/pictures/picture_prefetch.h"
#include "scene/scene_layout.h"
#include "scene/sprite_path.h"
#include "sprites/still_sprite.h"
#include "sprites/strip_sprite.h"

namespace lunvale::fetcher {
class WeatherHTTP;
}
namespace lunvale::net {
class THTTPClient;
}

namespace lunvale::scene {

// The scene form of the full-screen run: the engine Qss1 with the lake's pictures on it. Its creation
// opens the display, puts every picture on its surfaces, sets the gulls on their paths and starts the
// frame timer and the sound; every 45 ms the engine calls Qss1Timer on its timer thread, which draws
// the scene back to front, the gadget panel last. Escape, a mouse movement or F2/F3 end the run.
struct WideArt;

class TForm1 : public platform::TForm {
 public:
  // `display`: where the engine's display objects come from; null means the real display.
  explicit TForm1(platform::TComponent* owner, std::shared_ptr<platform::DisplayBackend> display = nullptr);
  ~TForm1() override;
  std::string_view ClassName() const override { return "TForm1"; }

  void FormCreate();
  // Frame handler: the engine's timer thread, with the display open.
  void Qss1Timer(platform::TComponent* sender);
  void FormKeyPress(char& key);
  void FormKeyDown(uint16_t& key, unsigned shift);
  void FormMouseMove(unsigned shift, int x, int y);

  void StartSound();
  void StopSound();
  // The exit sequence. It acts once: input already queued behind the first trigger finds it done.
  void CloseSaver();

  // The news feed's page, which F2 opens.
  void SetNewsLink(const std::string& link);
  std::string GetNewsLink() const;

  engine::TQss* Qss1() const { return qss1_; }
  sprites::TQIM* QIM1() const { return qim1_; }
  sprites::TQMV* QMV1() const { return qmv1_; }
  sprites::TQMV* QMV2() const { return qmv2_; }
  sprites::TQMV* QMV3SG() const { return qmv3sg_; }
  sprites::TQMV* QMV3SGsmall() const { return qmv3sgsmall_; }
  sprites::TQMV* QMV3SGtiny() const { return qmv3sgtiny_; }
  sprites::TQIM* QIM2masktree() const { return qim2masktree_; }
  sprites::TQIM* QIM2GadgetPanel() const { return qim2gadgetpanel_; }
  gadgets::TQGC* QGC1() const { return qgc1_; }
  gadgets::TQGW* QGW1() const { return qgw1_; }
  gadgets::TQGR* QGR1() const { return qgr1_; }
  net::THTTPClient* HTTPClient1() const { return httpclient1_; }
  // The feed fetcher started by FormCreate; null before.
  fetcher::WeatherHTTP* Fetcher() const { return weather_http_.get(); }
  // The minute (0..59) the fetcher's schedule counts, read on its thread; set before FormCreate to
  // replace the local time.
  std::function<int()> FeedMinuteClock;
  int32_t FrameCounter() const { return frame_counter_; }
  const SpritePath& Path(int bird) const { return *paths_[bird]; }
  const SceneLayout& Layout() const { return layout_; }
  // Where each canvas the frames compose starts in them, and its layout: one for each shape of output.
  struct Canvas {
    int32_t left = 0;
    SceneLayout layout;
  };
  const std::vector<Canvas>& Canvases() const { return canvases_; }

 private:
  // The picture `name` of the 4:3 scene, or its counterpart cut from the panorama.
  std::string Art(const char* name) const;
  // The columns of a panorama picture that the canvas shows (all of a 4:3 picture).
  platform::Columns Shown(const WideArt& art) const;
  // The same for the picture `name` (one of the JPEG pictures, QMV1, QMV2 or QIM1).
  platform::Columns ShownOf(const char* name) const;
  // Decodes the JPEG pictures ahead, each as its loader will ask for it.
  std::unique_ptr<platform::PicturePrefetch> PrefetchPictures() const;
  // Makes `strip` a copy of `source`'s picture, on the engine panel.
  void CloneStrip(sprites::TQMV* strip, const sprites::TQMV* source);
  // The gadget panel: its set-up inside FormCreate and its drawing at the end of each frame. The
  // gadgets shown are packed against the right edge: clock, weather, news.
  void SetupGadgetPanel();
  void DrawGadgetPanel();
  // The scene's canvases for the outputs the display shows it on, and the part each output shows; gives
  // the widest canvas's layout.
  SceneLayout ChooseCanvases();
  // Where the parts that keep their places go on the canvas `index`, and putting them there.
  struct Placement;
  Placement PlacementOn(size_t index) const;
  void PlaceOn(size_t index);
  // How far the gull `bird` flies to the right of its flight on a 4:3 canvas at the frame's left edge, on
  // the canvas `index`; `from_first`: how far to the right of its flight on the first canvas.
  int32_t GullShift(size_t index, int bird, bool from_first) const;

  // The form's components, created as its description lists them; all owned by the form.
  engine::TQss* qss1_;
  // The canvases the frames compose, side by side, one for each shape of output; the pictures are cut for
  // the widest, whose layout `layout_` is.
  std::vector<Canvas> canvases_;
  std::vector<platform::FrameView> views_;  // what part of the frame each output shows
  SceneLayout layout_;
  // The large pictures are decoded on helper threads while the components are created; only during the
  // constructor.
  std::unique_ptr<platform::PicturePrefetch> prefetch_;
  sprites::TQIM* qim1_;
  sprites::TQMV* qmv1_;
  sprites::TQMV* qmv2_;
  sprites::TQMV* qmv3sg_;
  sprites::TQMV* qmv3sgsmall_;
  sprites::TQIM* qim2masktree_;
  sprites::TQIM* qim2gadgetpanel_;
  sprites::TQMV* qmv3weather_;
  gadgets::TQGC* qgc1_;
  gadgets::TQGW* qgw1_;
  gadgets::TQGR* qgr1_;
  net::THTTPClient* httpclient1_;
  sprites::TQMV* qmv3sgtiny_ = nullptr;
  // Asked to terminate first thing in CloseSaver; waited for when the form goes.
  std::unique_ptr<fetcher::WeatherHTTP> weather_http_;
  // Of the copies running for one display (one per screen in some hosts), only the first plays.
  platform::DisplaySoundClaim sound_claim_;

  int32_t frame_counter_ = 0;
  int32_t last_mouse_x_ = 0;
  int32_t last_mouse_y_ = 0;
  std::unique_ptr<SpritePath> paths_[3];
  bool closing_ = false;

  mutable std::mutex news_mutex_;
  std::string news_link_;
};

}  // namespace lunvale::scene
