#pragma once
// What every form and module of the program works on, handed over at construction: the machine with its
// registry, files and processes, the user interface services, the clock and the program's own facts.
// One object per running program; nothing of it is global.

#include "platform/program_info.h"

namespace platform {

class Machine;
class Registry;
class VbFiles;
class Processes;
class ProfileStrings;
class UiServices;
class Clock;
class Tray;

struct Context {
    Machine& machine;
    Registry& registry;
    VbFiles& files;
    Processes& processes;
    ProfileStrings& profile_strings;
    UiServices& ui;
    Clock& clock;
    Tray& tray;
    ProgramInfo program;
};

} // namespace platform
