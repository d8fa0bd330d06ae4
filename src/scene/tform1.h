#pragma once

#include "platform/form.h"
#include "settings/settings_store.h"

namespace lunvale::scene {

// The scene form of the full-screen run. It names the settings key and loads the settings, then
// covers the desktop in black; Escape closes it, which ends the run.
class TForm1 : public platform::TForm {
 public:
  explicit TForm1(platform::TComponent* owner);
  std::string_view ClassName() const override { return "TForm1"; }

  void FormCreate();
  void FormKeyDown(uint16_t& key, unsigned shift);

  const settings::SettingsStore& Settings() const { return settings_; }

 private:
  settings::SettingsStore settings_;
};

}  // namespace lunvale::scene
