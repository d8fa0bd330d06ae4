#pragma once

#include "engine/tqss.h"
#include "platform/form.h"

namespace lunvale::scene {

// The scene form of the full-screen run. It names the settings key on its engine and loads the
// settings, then covers the desktop in black; Escape closes it, which ends the run.
class TForm1 : public platform::TForm {
 public:
  explicit TForm1(platform::TComponent* owner);
  std::string_view ClassName() const override { return "TForm1"; }

  void FormCreate();
  void FormKeyDown(uint16_t& key, unsigned shift);

  engine::TQss* Qss1() const { return qss1_; }

 private:
  engine::TQss* qss1_;  // owned by the form
};

}  // namespace lunvale::scene
