#pragma once
// The input box: a prompt, a title and a default text; built apart from being shown.

#include "platform/ui_services.h"

#include <QInputDialog>

#include <memory>

namespace qtui {

std::unique_ptr<QInputDialog> buildInputBox(const platform::InputBoxRequest& request, QWidget* parent = nullptr);

// The text typed, or empty when the box was cancelled.
QString inputBoxAnswer(const QInputDialog& box, int result);

} // namespace qtui
