#include "gui/DesktopIdentity.h"

#include <QGuiApplication>
#include <QIcon>
#include <QString>

// The icons are linked in from a static library: their registration has to be asked for, and
// the macro works only outside a namespace.
static void InitIconResources() {
    Q_INIT_RESOURCE(tagsmith_icons);
}

namespace tagsmith {

void SetDesktopIdentity() {
    InitIconResources();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    const QString base = QStringLiteral(":/icons/") + QString::fromLatin1(kDesktopFileName);
    QIcon icon(base + QStringLiteral(".svg"));
    icon.addFile(base + QStringLiteral("-48.png"), QSize(48, 48));
    icon.addFile(base + QStringLiteral("-256.png"), QSize(256, 256));
    QGuiApplication::setWindowIcon(icon);
}

}  // namespace tagsmith
