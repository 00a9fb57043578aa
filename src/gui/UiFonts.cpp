#include "gui/UiFonts.h"

#include <QStringList>
#include <cmath>

namespace tagsmith {

QFont UiFont(const ControlFont& font, const QString& sansFamily) {
    QFont qfont;
    if (font.monospaced) {
        qfont.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"),
                           QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"),
                           QStringLiteral("Nimbus Mono PS"), QString::fromLatin1(kCjkMonoFamily)});
        qfont.setStyleHint(QFont::Monospace);
        qfont.setFixedPitch(true);
    } else if (!sansFamily.isEmpty()) {
        qfont.setFamilies({sansFamily});
        qfont.setStyleHint(QFont::SansSerif);
    } else {
        qfont.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                           QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"),
                           QStringLiteral("DejaVu Sans")});
        qfont.setStyleHint(QFont::SansSerif);
    }
    const double points = font.points > 0 ? font.points : 8.25;
    qfont.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    return qfont;
}

}  // namespace tagsmith
