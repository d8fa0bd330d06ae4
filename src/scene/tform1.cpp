#include "scene/tform1.h"

#include "platform/keys.h"

namespace lunvale::scene {

TForm1::TForm1(platform::TComponent* owner) : platform::TForm(owner) {
  SetName("Form1");
  SetCaption("Lunvale Screensaver");
  OnKeyDown = [this](uint16_t& key, unsigned shift) { FormKeyDown(key, shift); };
}

void TForm1::FormCreate() {
  settings_.SetBrandName("Miravel Software");
  settings_.SetSSName("Lunvale Screensaver");
  settings_.SetRegistry();

  SetBorderStyle(platform::TBorderStyle::bsNone);
  SetColor(0x000000);
  Show();
  CoverDesktop();
}

void TForm1::FormKeyDown(uint16_t& key, unsigned) {
  if (key == platform::VK_ESCAPE) Close();
}

}  // namespace lunvale::scene
