#pragma once
// A small form for the tests: counts its load and unload events.

#include "controls/controls.h"

namespace controls_test {

class TestForm : public controls::Form {
public:
    TestForm() : Form(QStringLiteral("test")) {}

    int loads = 0;
    int unloads = 0;
    bool cancelQueryUnload = false;
    bool cancelUnload = false;
    controls::UnloadMode lastMode = controls::UnloadMode::Code;
    std::function<void()> duringLoad;

protected:
    void Form_Load() override
    {
        ++loads;
        if (duringLoad)
            duringLoad();
    }
    void Form_QueryUnload(bool& cancel, controls::UnloadMode mode) override
    {
        lastMode = mode;
        cancel = cancelQueryUnload;
    }
    void Form_Unload(bool& cancel) override
    {
        ++unloads;
        cancel = cancelUnload;
    }
};

} // namespace controls_test
