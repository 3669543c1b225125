#pragma once
// The dialog that sets or changes the access password: the new password twice, 5 to 15 characters, stored
// scrambled under the program key. It is opened at the first start (no password yet) and from the Edit menu;
// OK with a good password and Cancel both close it and show the main window.

#include "controls/controls.h"
#include "platform/context.h"
#include "platform/system_queries.h"

#include <functional>

namespace startup {

class SetPass : public controls::Form {
public:
    // The dialog speaks `language` (0 German, 1 English).
    SetPass(platform::Context& context, std::function<void()> show_main, int language = platform::get_language());

    controls::Image Image1{*this, "Image1"};
    controls::Label Label2{*this, "Label2"};
    controls::TextBox txt_newpw{*this, "txt_newpw"};
    controls::Label Label3{*this, "Label3"};
    controls::TextBox txt_wdh{*this, "txt_wdh"};
    controls::CommandButton cmd_ok{*this, "cmd_ok"};
    controls::CommandButton cmd_abbrechen{*this, "cmd_abbrechen"};

    static constexpr int shortest_password = 5;
    static constexpr int longest_password = 15;

protected:
    void Form_Load() override;

private:
    void cmd_ok_Click();
    void cmd_abbrechen_Click();
    void refuse(); // clears both boxes for another try

    platform::Context& context_;
    std::function<void()> show_main_;
    int language_;
};

} // namespace startup
