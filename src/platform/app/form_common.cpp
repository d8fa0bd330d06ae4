// SPDX-License-Identifier: MIT
// What a form does the same whatever its window is: its life, its colour and its closing. The window
// itself is the platform's (form.cpp, form_win32.cpp).
#include "platform/app/form.h"

#include "platform/app/application.h"

namespace lunvale::platform {

TForm::TForm(TComponent* owner) : TControl(owner) {
  SetVisible(false);
}

TForm::~TForm() {
  DestroyNativeWindow();
}

void TForm::SetColor(uint32_t color) {
  TControl::SetColor(color);
  if (window_ != nullptr) Paint();
}

void TForm::HandleNeeded() {
  if (window_ == nullptr && host_window_ == 0) CreateNativeWindow();
}

void TForm::Close() {
  if (closed_) return;
  closed_ = true;
  if (OnClose) OnClose();
  Hide();
  if (main_form_) Application::Instance().Terminate();
}
}  // namespace lunvale::platform
