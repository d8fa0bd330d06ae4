// SPDX-License-Identifier: MIT
// The engine on its own: opens the display at 1024 x 768 x 32 and plays, every 45 ms, the lake
// background, the near water strip, a gull turning through its frames and the keyed foreground trees,
// with the frame-rate line on. Escape ends it.

#include <cstdio>
#include <exception>
#include <memory>

#include "engine/display_engine.h"
#include "platform/app/application.h"
#include "platform/app/form.h"
#include "platform/app/keys.h"
#include "scene/scene_setup.h"
#include "sprites/still_sprite.h"
#include "sprites/strip_sprite.h"

using namespace lunvale;

int main() {
  try {
    platform::Application& app = platform::Application::Instance();
    app.SetTitle("Lunvale engine demo");
    app.Initialize();
    platform::TForm form(nullptr);
    form.SetCaption("Lunvale engine demo");
    form.MakeMainForm();

    auto* qss = new engine::TQss(&form);
    qss->SetBrandName("Miravel Software");
    qss->SetSSName("Lunvale Screensaver");
    qss->SetUseIdle(false);
    qss->SetWidthScreen(1024);
    qss->SetHeightScreen(768);
    qss->SetColorDepth(32);
    qss->SetInterval(45);
    qss->SetshowFPS(true);
    qss->OnError = [qss](platform::TComponent*) {
      std::fprintf(stderr, "%s\n", qss->GetErrorResult().c_str());
    };
    qss->SetEnabled(true);

    sprites::TQIM* background = scene::PlaceStill(&form, qss, "QIM1", 0, 0, false);
    sprites::TQMV* water = scene::PlaceStrip(&form, qss, "QMV1", 375, 500, 268, false);
    sprites::TQMV* gull = scene::PlaceStrip(&form, qss, "QMV3SG", 420, 260, 43, true);
    sprites::TQIM* trees = scene::PlaceStill(&form, qss, "QIM2masktree", 90, 181, true);

    int frame = 0;
    int step = 0;
    qss->OnTimer = [&](platform::TComponent*) {
      frame = (frame + 1) % 32;
      step = (step + 1) % (120 * 4);
      background->DrawImage();
      water->SetNumberFrame(frame);
      water->DrawMovie();
      // The gull circles slowly, each frame its heading's view.
      gull->SetNumberFrame(step / 4);
      gull->SetShowX(470 + step);
      gull->SetShowY(140 + (step % 96 < 48 ? step % 48 : 48 - step % 48));
      gull->DrawMovie();
      trees->DrawImage();
    };
    form.OnKeyDown = [&](uint16_t& key, unsigned) {
      if (key != platform::VK_ESCAPE) return;
      qss->SetTimerEnabled(false);
      qss->SetEnabled(false);
      form.Close();
    };
    form.Show();
    qss->SetTimerEnabled(true);
    app.Run();
    qss->SetEnabled(false);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
