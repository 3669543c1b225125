#pragma once
// The online update: Check asks the maker's site for the newest version text and compares it with the
// program's own; Install downloads the update package into the program folder in 200-byte pieces, letting
// window events run between them, and starts it, and the program ends so the package can replace it.
//
// The package is written beside its final name and takes that name only once it has arrived whole: a
// cancelled or broken download leaves an earlier package as it was and no partial file behind, and only a
// complete package is ever started. Whole means as long as the server said: a package sent without a
// Content-Length (ended by the connection's close, or in chunks) can't be told from one cut short and is refused.
//
// The check waits for its answer without letting the user act, one minute at most in all; the download lets
// the window's events run while it waits for the server, so Cancel acts at once, not only between chunks.

#include "controls/controls.h"
#include "platform/context.h"
#include "platform/system_queries.h"
#include "platform/web/inet_transfer.h"
#include "startup/update_sites.h"

namespace startup {

class Update : public controls::Form {
public:
    // The dialog speaks `language` (0 German, 1 English) and checks at that language's site.
    explicit Update(platform::Context& context, UpdateSites sites = {}, int language = platform::get_language());

    controls::Label lbl1{*this, "lbl1"};
    controls::Label lbl2{*this, "lbl2"};
    controls::Label lbl3{*this, "lbl3"};
    controls::Label lbl4{*this, "lbl4"};
    controls::Label lbl5{*this, "lbl5"};
    controls::Label lbl6{*this, "lbl6"};
    controls::Label lbl7{*this, "lbl7"};
    controls::CommandButton cmd1{*this, "cmd1"};
    controls::CommandButton cmd2{*this, "cmd2"};
    controls::CommandButton cmd_abbruch{*this, "cmd_abbruch"};
    controls::CommandButton cmd3{*this, "cmd3"};
    platform::web::InetTransfer Inet1;

    static constexpr int chunk_size = 200;
    // All the package's download may take, from asking the server to its last byte.
    static constexpr int package_deadline_ms = 15 * 60 * 1000;

    bool download_cancel() const { return download_cancel_; }
    bool downloading() const { return downloading_; }

protected:
    void Form_Load() override;
    // Closing the window while a download runs cancels the download instead.
    void Form_QueryUnload(bool& cancel, controls::UnloadMode mode) override;

private:
    void cmd1_Click();
    void cmd2_Click();
    void cmd_abbruch_Click() { download_cancel_ = true; }
    void cmd3_Click() { unload(); }

    void download();
    void set_buttons(bool enabled);
    void install_failed(); // the package could not be written or started

    platform::Context& context_;
    UpdateSites sites_;
    int language_;
    bool download_cancel_ = false;
    bool downloading_ = false;
};

// The progress text's number: bytes in kilobytes of 1000, rounded to a whole number, halves to the even one.
qint64 whole_kilobytes(qint64 bytes);

} // namespace startup
