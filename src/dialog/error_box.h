// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string_view>

namespace lunvale::dialog {

// The application's default error report for what the dialog lets through: a message box with the
// error's text (a full stop added after a letter or digit), captioned with the application's title.
void ReportError(std::string_view message);

// Replaces the message box (tests); an empty function restores it.
void SetErrorReporter(std::function<void(std::string_view message)> reporter);

// A message box with the question and Yes / No buttons under the application's title; true for Yes.
bool AskQuestion(std::string_view question);
// Replaces that box (tests); an empty function restores it.
void SetQuestionAnswerer(std::function<bool(std::string_view question)> answerer);

}  // namespace lunvale::dialog
