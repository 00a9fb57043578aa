#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>

#include "GuiFixture.h"
#include "core/window/MainWindowLayout.h"

namespace tagsmith::test {
namespace {

using WindowLayoutTest = GuiFixture;

QString CaptionOf(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    return {};
}

TEST_F(WindowLayoutTest, EveryControlIsPlacedAsTheLayoutSaysInAFixedCentredWindow) {
    Start();
    MainWindow& window = Window();
    EXPECT_EQ(window.size(), QSize(643, 546));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());  // the user cannot resize it
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(192, 255, 192));
    for (const ControlLayout& entry : MainWindowLayout()) {
        const char* name = ControlName(entry.control).data();
        QWidget* widget = Find(name);
        ASSERT_NE(widget, nullptr) << name;
        const TwipRect& r = entry.rect;
        EXPECT_EQ(widget->geometry(), QRect(r.left / 15, r.top / 15, r.width / 15, r.height / 15))
            << name;
        EXPECT_EQ(widget->parentWidget()->objectName(),
                  IsInFrame(entry.control) ? "Frame1" : "frmMain")
            << name;
        if (entry.font.points > 0) {
            EXPECT_EQ(QFontInfo(widget->font()).fixedPitch(), entry.font.monospaced) << name;
        }
    }
    EXPECT_EQ(Find<QLabel>("lblOnlineDocumentation")->palette().color(QPalette::WindowText),
              QColor(0, 0, 255));
    EXPECT_EQ(QApplication::focusWidget(), Find("cmdInputFile"));
    // Centred on the screen (within the frame's border, unknown until the window is shown).
    const QRect screen = window.screen()->availableGeometry();
    const int border = (window.frameGeometry().width() - window.width()) / 2;
    EXPECT_LE(std::abs(window.frameGeometry().center().x() - screen.center().x()), border + 1);
}

TEST_F(WindowLayoutTest, EveryCaptionFitsItsControl) {
    Start();
    // The longest texts the program puts into its captions.
    Window().SetCaption(Control::lblNumberOfWords,
                        "Number of words found satisfying above conditions: 9999");
    Window().SetCaption(Control::optInsertionWithBackup, "with backup");
    for (const ControlLayout& entry : MainWindowLayout()) {
        QWidget* widget = Find(ControlName(entry.control).data());
        const QString caption = CaptionOf(widget);
        if (caption.isEmpty()) continue;
        int needed = widget->fontMetrics().horizontalAdvance(caption);
        if (qobject_cast<QPushButton*>(widget) != nullptr) {
            needed += 6;  // the button's frame and a little air on each side
        } else if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
            needed = widget->sizeHint().width();  // indicator, spacing and text
        }
        EXPECT_LE(needed, widget->width())
            << ControlName(entry.control) << " \"" << caption.toStdString() << "\"";
    }
}

}  // namespace
}  // namespace tagsmith::test
