#pragma once
// Message boxes by the program's style numbers, built apart from being shown so that their make-up can
// be inspected.

#include "platform/ui_services.h"

#include <QMessageBox>

#include <memory>

namespace qtui {

// The box for a request: icon, buttons in the platform's order, the default button, the title and the text
// (line breaks of CR, LF or CR LF all break the line).
std::unique_ptr<QMessageBox> buildMessageBox(const platform::MessageBoxRequest& request, QWidget* parent = nullptr);

// The answer a built box was closed with (Escape presses Cancel, No or Abort where the box has one, OK on
// an OK-only box); its default button's answer when it was closed without a button.
platform::Answer answerOf(const QMessageBox& box);

// The answer a button of a built box stands for.
platform::Answer answerOfButton(const QAbstractButton* button);

// Line breaks as the program writes them (CR, CR LF) made into the one that Qt breaks on.
QString withLineBreaks(const QString& text);

} // namespace qtui
