#pragma once
// The common dialog of a form: open, save and printer set-up. Its settings stay between uses; the file
// name that a use chose is what the next use opens with (it is not cleared before showing). A cancelled
// file dialog leaves an empty file name, so a caller that acts on a non-empty name does nothing.

#include "controls/control.h"
#include "platform/ui_services.h"

#include <QStringList>

#include <vector>

namespace controls {

struct FilterEntry {
    QString label;
    QStringList patterns; // "*.exe", ...
    bool operator==(const FilterEntry&) const = default;
};

// "label|pattern|label|pattern..." into its entries; a pattern may hold several globs joined by ";".
// A trailing label without pattern is dropped.
std::vector<FilterEntry> parseFilter(const QString& filter);

class CommonDialog : public Control {
public:
    CommonDialog(Form& form, QString name, platform::UiServices& ui);
    Kind kind() const override { return Kind::CommonDialog; }

    const QString& dialogTitle() const { return request_.title; }
    void setDialogTitle(const QString& t) { request_.title = t; }
    const QString& filter() const { return request_.filter; }
    void setFilter(const QString& f) { request_.filter = f; }
    int filterIndex() const { return request_.filterIndex; }
    void setFilterIndex(int i) { request_.filterIndex = i; }
    const QString& initDir() const { return request_.initDir; }
    void setInitDir(const QString& d) { request_.initDir = d; }
    // Full Windows path of the last choice.
    const QString& fileName() const { return request_.fileName; }
    void setFileName(const QString& f);
    // The chosen file's name without its folder.
    const QString& fileTitle() const { return fileTitle_; }

    // Each returns true when the user chose a file (false: cancelled, file name now empty).
    bool showOpen();
    bool showSave();
    void showPrinter();

private:
    bool finish(const std::optional<platform::FileDialogAnswer>& answer);

    platform::UiServices& ui_;
    platform::FileDialogRequest request_;
    QString fileTitle_;
};

} // namespace controls
