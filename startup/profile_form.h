#pragma once
// A developer's test dialog: the NT family's profile list read straight from the registry, each profile's
// security identifier and folder name; and the lookup of one profile's folder name.

#include "controls/controls.h"
#include "platform/context.h"
#include "platform/system_queries.h"

namespace startup {

class Profile : public controls::Form {
public:
    // The registry messages of the lookup are in `language` (0 German, 1 English); the rest is German.
    explicit Profile(platform::Context& context, int language = platform::get_language());

    controls::CommandButton Command1{*this, "Command1"};
    controls::CommandButton Command2{*this, "Command2"};
    controls::CommandButton Command3{*this, "Command3"};
    controls::ListBox List1{*this, "List1"};

    // The folder name (the last part of "ProfileImagePath") of the profile key at `key_path` below
    // HKEY_LOCAL_MACHINE; "" after a message when the key or value can't be read, or when the folder has no "\".
    QString REG_GetUserProfileList(const QString& key_path);

private:
    void Command1_Click();
    void Command2_Click();

    platform::Context& context_;
    int language_;
};

} // namespace startup
