#include "scene/tform1.h"

#include "platform/keys.h"

namespace lunvale::scene {

TForm1::TForm1(platform::TComponent* owner) : platform::TForm(owner), qss1_(new engine::TQss(this)) {
  qss1_->SetName("Qss1");
  qss1_->SetParent(this);
  SetName("Form1");
  SetCaption("Lunvale Screensaver");
  OnKeyDown = [this](uint16_t& key, unsigned shift) { FormKeyDown(key, shift); };
}

void TForm1::FormCreate() {
  qss1_->SetBrandName("Miravel Software");
  qss1_->SetSSName("Lunvale Screensaver");
  qss1_->SetRegistry();

  SetBorderStyle(platform::TBorderStyle::bsNone);
  SetColor(0x000000);
  Show();
  CoverDesktop();
}

void TForm1::FormKeyDown(uint16_t& key, unsigned) {
  if (key == platform::VK_ESCAPE) Close();
}

}  // namespace lunvale::scene
