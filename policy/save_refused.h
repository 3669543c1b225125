#pragma once
// The message shown when the first write into an account's branch fails.

#include "platform/ui_services.h"

#include <QString>

#include <optional>

namespace policy {

// Critical icon, one OK button, in the language of `language`. The German text names the account when one is
// given.
void show_save_refused(platform::UiServices& ui, int language, const std::optional<QString>& account = std::nullopt);

} // namespace policy
