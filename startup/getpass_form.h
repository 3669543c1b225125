#pragma once
// The first window of the program and its password prompt in one. Its load acts on the command line ("/icon":
// refresh the desktop links and end; "/uninstall": tell how to uninstall and go on), rewrites the uninstall
// entry, ends the program when the hive helper is missing, warns a user without administrator rights on the
// NT family, and then waits for the password, or hands over to the set-password dialog when none is stored.

#include "controls/controls.h"
#include "platform/context.h"
#include "platform/system_queries.h"

#include <functional>

namespace startup {

class GetPass : public controls::Form {
public:
    // `setpass` is shown when no password is stored; `show_main` opens the main window. The form speaks
    // `language` (0 German, 1 English).
    GetPass(platform::Context& context, controls::Form& setpass, std::function<void()> show_main,
            int language = platform::get_language());

    controls::Image Image1{*this, "Image1"};
    controls::Label Label1{*this, "Label1"};
    controls::TextBox txt_pw{*this, "txt_pw"};
    controls::CommandButton cmd_ok{*this, "cmd_ok"};
    controls::CommandButton Command2{*this, "Command2"};

protected:
    void Form_Load() override;

private:
    void cmd_ok_Click();
    void Command2_Click();

    platform::Context& context_;
    controls::Form& setpass_;
    std::function<void()> show_main_;
    int language_;
};

} // namespace startup
