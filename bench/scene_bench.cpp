// One frame of the scene's drawing load through the real display: restore check, clear, the
// background, two water frames, three keyed gulls, the keyed foreground and the keyed panel, flip.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "engine/tqss.h"
#include "platform/application.h"
#include "platform/form.h"
#include "scene/setup.h"
#include "sprites/tqim.h"
#include "sprites/tqmv.h"

using namespace lunvale;

namespace {

sprites::TQIM* Still(platform::TForm& form, engine::TQss* qss, const char* name, int x, int y, bool key) {
  sprites::TQIM* image = scene::NewImage(&form, qss, name);
  scene::SetupImage(image, true, key, image->Picture().Height(), image->Picture().Width(), y, x);
  return image;
}

sprites::TQMV* Strip(platform::TForm& form, engine::TQss* qss, const char* name, int x, int y,
                     int frame_height, bool key) {
  sprites::TQMV* strip = scene::NewStrip(&form, qss, name);
  scene::SetupStrip(strip, true, key, 0, 0, false, frame_height, y, x);
  return strip;
}

}  // namespace

static void BM_SceneFrame(benchmark::State& state) {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') {
    state.SkipWithError("needs an X display (the real display shows its frames in a window)");
    return;
  }
  platform::Application& app = platform::Application::Instance();
  app.Initialize();
  platform::TForm form(nullptr);
  auto* qss = new engine::TQss(&form);
  qss->SetBrandName("Miravel Software");
  qss->SetSSName("Lunvale Screensaver");
  qss->SetUseIdle(false);
  qss->SetWidthScreen(1024);
  qss->SetHeightScreen(768);
  qss->SetColorDepth(32);
  qss->SetInterval(45);
  qss->SetEnabled(true);
  if (!qss->FDDBACK()) {
    state.SkipWithError(qss->GetErrorResult().c_str());
    return;
  }
  sprites::TQIM* background = Still(form, qss, "QIM1", 0, 0, false);
  sprites::TQMV* near_water = Strip(form, qss, "QMV1", 375, 500, 268, false);
  sprites::TQMV* far_water = Strip(form, qss, "QMV2", 285, 413, 87, false);
  sprites::TQMV* gulls[3] = {Strip(form, qss, "QMV3SG", 300, 200, 43, true),
                             Strip(form, qss, "QMV3SG", 500, 260, 43, true),
                             Strip(form, qss, "QMV3SG", 700, 150, 43, true)};
  sprites::TQIM* trees = Still(form, qss, "QIM2masktree", 90, 181, true);
  sprites::TQIM* panel = Still(form, qss, "QIM2GadgetPanel", 0, 698, true);

  int frame = 0;
  qss->OnTimer = [&](platform::TComponent*) {
    frame = (frame + 1) % 32;
    background->DrawImage();
    near_water->SetNumberFrame(frame);
    near_water->DrawMovie();
    far_water->SetNumberFrame(frame);
    far_water->DrawMovie();
    for (int i = 0; i < 3; ++i) {
      gulls[i]->SetNumberFrame((frame * 3 + i * 40) % 120);
      gulls[i]->DrawMovie();
    }
    trees->DrawImage();
    panel->DrawImage();
  };
  for (auto _ : state) {
    qss->TimerCallback();
    // The main thread presents between frames in the running saver; that is not the frame's cost.
    state.PauseTiming();
    app.ProcessMessages();
    state.ResumeTiming();
  }
  qss->SetEnabled(false);
}
BENCHMARK(BM_SceneFrame)->Unit(benchmark::kMicrosecond);
