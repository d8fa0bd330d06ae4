// SPDX-License-Identifier: MIT
#include "dialog/error_box.h"

#include <QApplication>
#include <QMessageBox>

#include <string>

#include "platform/app/application.h"
#include "platform/app/error_report.h"

namespace lunvale::dialog {

namespace {

std::function<void(std::string_view)>& Reporter() {
  static std::function<void(std::string_view)> reporter;
  return reporter;
}

std::function<bool(std::string_view)>& Answerer() {
  static std::function<bool(std::string_view)> answerer;
  return answerer;
}

}  // namespace

void ReportError(std::string_view message) {
  if (Reporter()) {
    Reporter()(message);
    return;
  }
  const std::string text = platform::ExceptionMessageText(message);
  QMessageBox::critical(QApplication::activeWindow(),
                        QString::fromStdString(platform::Application::Instance().Title()),
                        QString::fromStdString(text));
}

void SetErrorReporter(std::function<void(std::string_view)> reporter) {
  Reporter() = std::move(reporter);
}

bool AskQuestion(std::string_view question) {
  if (Answerer()) return Answerer()(question);
  return QMessageBox::question(QApplication::activeWindow(),
                               QString::fromStdString(platform::Application::Instance().Title()),
                               QString::fromUtf8(question.data(), static_cast<int>(question.size())),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

void SetQuestionAnswerer(std::function<bool(std::string_view)> answerer) {
  Answerer() = std::move(answerer);
}

}  // namespace lunvale::dialog
