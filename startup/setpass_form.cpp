#include "startup/setpass_form.h"

#include "platform/in_language.h"
#include "platform/registry.h"
#include "startup/code_page_text.h"
#include "startup/program_key.h"
#include "startup/pw_scramble.h"

namespace startup {

SetPass::SetPass(platform::Context& context, std::function<void()> show_main, int language)
    : Form(QStringLiteral("setpass")), context_(context), show_main_(std::move(show_main)), language_(language)
{
    setClientSize(4800, 2280);
    setCaption(QStringLiteral("Neues Kennwort festlegen"));
    Image1.move(120, 120, 480, 480);
    Label2.move(780, 180, 1695, 255);
    Label2.setCaption(QStringLiteral("Neues Passwort :"));
    txt_newpw.move(2520, 150, 2160, 315);
    Label3.move(780, 630, 1695, 255);
    Label3.setCaption(QStringLiteral("Wiederholung :"));
    txt_wdh.move(2520, 600, 2160, 315);
    for (controls::TextBox* box : {&txt_newpw, &txt_wdh}) {
        box->setPasswordChar(QLatin1Char('*'));
        box->setMaxLength(20);
        keep_code_page_characters(*box);
    }
    txt_newpw.setTabIndex(0);
    txt_wdh.setTabIndex(1);
    cmd_ok.move(2040, 1320, 1215, 375);
    cmd_ok.setCaption(QStringLiteral("&OK"));
    cmd_ok.setDefault(true);
    cmd_ok.setTabIndex(2);
    cmd_abbrechen.move(3465, 1320, 1215, 375);
    cmd_abbrechen.setCaption(QStringLiteral("&Abbrechen"));
    cmd_abbrechen.setCancel(true);
    cmd_abbrechen.setTabIndex(3);

    cmd_ok.onClick = [this] { cmd_ok_Click(); };
    cmd_abbrechen.onClick = [this] { cmd_abbrechen_Click(); };
}

void SetPass::Form_Load()
{
    setCaption(platform::in_language(language_, QStringLiteral("Neues Kennwort festlegen"),
                                     QStringLiteral("Set New Password")));
    Label2.setCaption(
        platform::in_language(language_, QStringLiteral("Neues Passwort :"), QStringLiteral("New Password :")));
    Label3.setCaption(
        platform::in_language(language_, QStringLiteral("Wiederholung :"), QStringLiteral("Password (again):")));
    cmd_abbrechen.setCaption(platform::in_language(language_, QStringLiteral("&Abbrechen"), QStringLiteral("&Cancel")));
    txt_newpw.setText(QString());
    txt_wdh.setText(QString());
}

void SetPass::refuse()
{
    txt_newpw.setText(QString());
    txt_wdh.setText(QString());
    txt_newpw.setFocus();
}

void SetPass::cmd_ok_Click()
{
    platform::UiServices& ui = context_.ui;
    const QString password = txt_newpw.text();
    if (password != txt_wdh.text()) {
        ui.msgBox(platform::in_language(
                      language_, QStringLiteral("Die Wiederholung stimmt nicht mit dem Kennwort überein."),
                      QStringLiteral("New Password and New Password (again) are not the same. Please try again !")),
                  64,
                  platform::in_language(language_, QStringLiteral("Falsche Wiederholung"), QStringLiteral("Sorry...")));
        refuse();
        return;
    }
    if (password.size() < shortest_password || password.size() > longest_password) {
        ui.msgBox(platform::in_language(
                      language_,
                      QStringLiteral("Das Kennwort muss mindestens 5 Zeichen und darf maximal 15 Zeichen "
                                     "haben..."),
                      QStringLiteral("Password must be 5 or more characters long. The password must be 15 or "
                                     "less characters long. ")),
                  64, QStringLiteral("Sorry..."));
        refuse();
        return;
    }

    // The key is made when it is missing, and a store that fails is said so: a password that only seemed
    // saved would be asked for anew at the next start.
    platform::Registry& registry = context_.registry;
    platform::REG_CreateKey(registry, platform::HKEY_LOCAL_MACHINE, program_key());
    const QString scrambled = pw_scramble(password, password_key());
    const platform::LSTATUS stored =
        platform::REG_SetString(registry, platform::HKEY_LOCAL_MACHINE, program_key(), password_value(), scrambled);
    if (stored != 0 ||
        platform::REG_GetString(registry, platform::HKEY_LOCAL_MACHINE, program_key(), password_value()) != scrambled) {
        ui.msgBox(platform::in_language(language_, QStringLiteral("Das neue Kennwort konnte nicht gespeichert werden."),
                                        QStringLiteral("The new password could not be saved.")),
                  16, platform::in_language(language_, QStringLiteral("Passwort..."), QStringLiteral("Password...")));
        refuse();
        return;
    }
    ui.msgBox(platform::in_language(language_, QStringLiteral("Neues Passwort erfolgreich gesetzt."),
                                    QStringLiteral("New Password was successfully saved.")),
              64, platform::in_language(language_, QStringLiteral("Passwort..."), QStringLiteral("Password...")));
    unload();
    if (show_main_)
        show_main_();
}

void SetPass::cmd_abbrechen_Click()
{
    unload();
    if (show_main_)
        show_main_();
}

} // namespace startup
