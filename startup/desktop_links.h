#pragma once
// The logon-time refresh of a user's desktop links ("/icon"): when the user's policy asks for it, the link
// folder's contents are copied onto the user's desktop folder, replacing files of the same name. Every failure
// on the way is passed over; the desktop then stays as it was, in whole or in part.

#include "platform/context.h"

namespace startup {

void refresh_desktop_links(platform::Context& context);

} // namespace startup
