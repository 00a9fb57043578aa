#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/qt/QtText.h"

namespace tagsmith {

bool QtShell::OpenUrl(const std::string& address) {
    const QUrl url(ToQString(address));
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace tagsmith
