#pragma once
// The viewer's window: the help file as a page with working links between its topics.

#include <QString>
#include <QTextBrowser>

#include <memory>

namespace winhlp {

// A window showing the help file at `host_path`, titled by the file's own title; nullptr when it can't be read.
std::unique_ptr<QTextBrowser> open_help_window(const QString& host_path);

} // namespace winhlp
