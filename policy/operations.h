#pragma once
// The restriction policy engine's operations on the main window's restriction set, named as the program's
// own code names them.

#include "platform/system_queries.h"
#include "policy/engine.h"

#include <QString>

namespace policy {

// Fills the restriction table (VN, KP). Runs once while the main window loads.
void Get_CR(Engine& e);

// Builds the applet catalogue in the language that get_language chooses and fills lv1 with one unticked item
// per row, in the list's sorted order.
void CPL_All(Engine& e);
// Always false: whether an applet is hidden comes from the reader, not from here.
void CPL_Get(Engine& e, const QString& file, bool& hidden);
// Writes nothing.
void CPL_Set(Engine& e, const QString& file, bool hidden);
// The older writer of the hidden applets, for the running account's own branch on Windows XP only.
void Cpl_Save(Engine& e);

// Writes the window's restriction set into the branch of the account in Combo_user (on the NT family its
// hive must be mounted under HKEY_USERS with the account's name), into CONTROL.INI (95/98/ME) and into
// C:\MSDOS.SYS. When the first write fails the user is told (in `language`) and nothing else is written.
void REG_Save32(Engine& e, int language = platform::get_language());

// Switches off the restriction values of one account (NT family: its mounted hive; 95/98/ME: the current
// user), with the same first write and message as REG_Save32.
void Deinstall_Registry(Engine& e, const QString& user, int language = platform::get_language());

// Sets the window's restriction set from the branch of the account in Combo_user and from C:\MSDOS.SYS.
void REG_Load32(Engine& e);

} // namespace policy
