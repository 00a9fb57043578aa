#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <cstdlib>
#include <vector>

#include "GuiFixture.h"
#include "core/window/MainWindowLayout.h"
#include "gui/CaptionFit.h"

namespace tagsmith::test {
namespace {

// Each test runs once per test family, with that family forced on the window's captions.
class WindowLayoutTest : public GuiFixture, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        sansFamily = QString::fromLatin1(GetParam());
        if (!QFontDatabase::hasFamily(sansFamily)) {
            GTEST_SKIP() << GetParam() << " is not installed";
        }
    }
};

// Where a control's caption is drawn, in the window; the whole control for those without one.
QRect DrawnExtent(QWidget* widget, QWidget* window) {
    QRect drawn = widget->rect();
    QStyle* style = widget->style();
    if (auto* check = qobject_cast<QAbstractButton*>(widget);
        check != nullptr && qobject_cast<QPushButton*>(widget) == nullptr) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        const bool box = qobject_cast<QCheckBox*>(widget) != nullptr;
        const QRect contents = style->subElementRect(
            box ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, check);
        const QRect text = style->itemTextRect(
            check->fontMetrics(), contents, Qt::AlignLeft | Qt::AlignVCenter, true, check->text());
        drawn = QRect(0, 0, text.right() + 1, widget->height());
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        drawn = style->itemTextRect(label->fontMetrics(), label->contentsRect(), label->alignment(),
                                    true, label->text());
    }
    return drawn.translated(widget->mapTo(window, QPoint(0, 0)));
}

TEST_P(WindowLayoutTest, TheWholeLayoutScalesToTheFontAndKeepsItsDesignWithAnArialWidthFont) {
    Start();
    MainWindow& window = Window();
    EXPECT_EQ(QFontInfo(Find("cmdInputFile")->font()).family(), sansFamily);
    if (sansFamily == "Liberation Sans") {
        EXPECT_EQ(window.size(), QSize(643, 546));
    } else {
        EXPECT_GT(window.width(), 643);  // DejaVu Sans is wider than the design's font
    }
    EXPECT_EQ(window.minimumSize(), window.maximumSize());  // the user cannot resize it
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(192, 255, 192));
    const TwipRect frame = LayoutOf(Control::Frame1).rect;
    for (const ControlLayout& entry : MainWindowLayout()) {
        const char* name = ControlName(entry.control).data();
        QWidget* widget = Find(name);
        // Its designed rectangle at the window's scale, counted from the window's corner for the
        // frame's controls too: they round as the others do.
        TwipRect designed = entry.rect;
        if (IsInFrame(entry.control)) {
            designed.left += frame.left;
            designed.top += frame.top;
        }
        EXPECT_EQ(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()),
                  ScaledRect(designed, window.LayoutScale()))
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

TEST_P(WindowLayoutTest, EveryCaptionAndNumberFitsAndNoneRunsIntoAnother) {
    Start();
    MainWindow& window = Window();
    // The longest count a table can hold, and the longest number a limit box takes.
    window.SetCaption(Control::lblNumberOfWords,
                      "Number of words found satisfying above conditions: 2147483647");
    for (const char* box : {"txbMaxNumKeywordsInMetaTag", "txbMaxNumBytesInMetaTag"}) {
        auto* edit = Find<QLineEdit>(box);
        edit->setText("9999");
        edit->end(false);
        // Scrolled to the end, the first digit is still inside the box.
        EXPECT_GE(edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() -
                      edit->fontMetrics().horizontalAdvance("9999"),
                  0)
            << box;
    }
    // Both states of the backup options: "with" and "without backup", or "with backup" alone.
    for (const bool php : {false, true}) {
        window.SetCaption(Control::optInsertionWithBackup, php ? "with backup" : "with");
        window.SetVisible(Control::optInsertionWithoutBackup, !php);
        std::vector<std::pair<const char*, QRect>> drawn;
        for (const ControlLayout& entry : MainWindowLayout()) {
            const char* name = ControlName(entry.control).data();
            QWidget* widget = Find(name);
            if (!widget->isVisible() || entry.kind == ControlKind::Strip) continue;
            QString caption;
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) caption = button->text();
            if (auto* label = qobject_cast<QLabel*>(widget)) caption = label->text();
            if (qobject_cast<QPushButton*>(widget) != nullptr) {
                // The button's frame and a little air on each side.
                EXPECT_LE(widget->fontMetrics().horizontalAdvance(caption) + 6, widget->width())
                    << name;
            } else if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
                EXPECT_LE(widget->sizeHint().width(), widget->width()) << name;
            }
            const QRect extent = DrawnExtent(widget, &window);
            if (qobject_cast<QLabel*>(widget) != nullptr) {
                const QRect box(widget->mapTo(&window, QPoint(0, 0)), widget->size());
                EXPECT_TRUE(box.contains(extent))
                    << name << " \"" << caption.toStdString() << "\" " << extent.x() << "+"
                    << extent.width() << " in " << box.x() << "+" << box.width();
            }
            for (const auto& [other, otherExtent] : drawn) {
                EXPECT_FALSE(extent.intersects(otherExtent)) << name << " runs into " << other;
            }
            drawn.emplace_back(name, extent);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Families, WindowLayoutTest, ::testing::Values("Liberation Sans", "DejaVu Sans"),
    [](const ::testing::TestParamInfo<const char*>& info) {
        return std::string(info.param).substr(0, info.param[0] == 'L' ? 10 : 6);
    });

}  // namespace
}  // namespace tagsmith::test
