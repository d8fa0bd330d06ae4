// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/error_box.h"
#include "dialog/settings_dialog.h"
#include "settings/settings_store.h"
#include "settings/temp_config_home.h"
#include "support/qt_app.h"

namespace lunvale::dialog {

// A dialog over a hive of the test's own, with the error report recorded instead of shown.
class DialogTest : public testing_support::TempConfigHome {
 protected:
  void SetUp() override {
    TempConfigHome::SetUp();
    testing::QtApp();
    SetErrorReporter([this](std::string_view message) { errors.emplace_back(message); });
  }
  void TearDown() override {
    form.reset();
    SetErrorReporter({});
    SetQuestionAnswerer({});
    TempConfigHome::TearDown();
  }

  const std::string key = settings::KeyPath(settings::kBrandName, settings::kSSName);
  void Number(const char* name, int32_t value) const { settings::WriteRKey(key, name, value); }
  void Text(const char* name, const std::string& value) const { settings::WriteAKey(key, name, value); }
  int32_t Number(const char* name) const {
    int32_t value = -12345;
    settings::ReadRKey(key, name, value);
    return value;
  }
  std::string Text(const char* name) const {
    std::string value = "<absent>";
    settings::ReadAKey(key, name, value);
    return value;
  }
  // A complete key as a first run writes it.
  void StoreDefaults() const {
    settings::SettingsStore store;
    store.SetBrandName(settings::kBrandName);
    store.SetSSName(settings::kSSName);
    store.SetRegistry();
  }
  TForm2& Open() {
    form = std::make_unique<TForm2>();
    return *form;
  }

  std::unique_ptr<TForm2> form;
  std::vector<std::string> errors;
};

}  // namespace lunvale::dialog
