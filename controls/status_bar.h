#pragma once
// A status bar with panels (1-based, as the program numbers them). It starts with one panel.

#include "controls/control.h"
#include "controls/label.h"

#include <vector>

namespace controls {

enum class PanelAutoSize { None = 0, Spring = 1, Contents = 2 };

struct Panel {
    QString text;
    int width = 1440; // twips
    int minWidth = 0; // twips
    Alignment alignment = Alignment::Left;
    PanelAutoSize autoSize = PanelAutoSize::None;
    bool operator==(const Panel&) const = default;
};

class StatusBar : public Control {
public:
    StatusBar(Form& form, QString name);
    Kind kind() const override { return Kind::StatusBar; }

    int panelCount() const { return static_cast<int>(panels_.size()); }
    bool valid(int index) const { return index >= 1 && index <= panelCount(); }
    // Panel 1..panelCount(); the caller checks valid().
    const Panel& panel(int index) const;
    // Appends a panel and returns its number.
    int addPanel();
    // Each setter is false for a panel number out of range.
    bool setPanelText(int index, const QString& text);
    bool setPanelWidth(int index, int twips);
    bool setPanelMinWidth(int index, int twips);
    bool setPanelAlignment(int index, Alignment alignment);
    bool setPanelAutoSize(int index, PanelAutoSize autoSize);

    // Mouse button pressed: button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; position in
    // twips from the bar's top left corner.
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int panel)> onPanelClick;
    void userMouseDown(int button, int shift, double x, double y);
    void userPanelClick(int panel);

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    std::vector<Panel> panels_;
    std::vector<Panel> design_;
};

} // namespace controls
