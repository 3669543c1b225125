#include "winhlp/help_window.h"

#include <QFileInfo>
#include <QUrl>

namespace winhlp {

std::unique_ptr<QTextBrowser> open_help_window(const QString& host_path)
{
    if (!QFileInfo(host_path).isReadable())
        return nullptr;
    auto window = std::make_unique<QTextBrowser>();
    // Our help files are HTML whatever their extension says.
    window->setSource(QUrl::fromLocalFile(host_path), QTextDocument::HtmlResource);
    const QString title = window->documentTitle();
    window->setWindowTitle(title.isEmpty() ? QFileInfo(host_path).fileName() : title);
    window->resize(720, 560);
    return window;
}

} // namespace winhlp
