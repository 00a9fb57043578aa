#include "gui/CaptionMeasure.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>

#include "core/window/MainWindowLayout.h"

namespace tagsmith {

namespace {

// A caption the program may give a control later, beside the one it has when the window opens;
// hiddenWith: shown only while that control is hidden.
struct CaptionVariant {
    Control control;
    const char* caption;
    Control hiddenWith = Control::None;
};

constexpr CaptionVariant kCaptionVariants[] = {
    {Control::cmdListWords, "List words"},
    {Control::cmdListWords, "Stop"},
    {Control::optInsertionWithBackup, "with"},
    {Control::optInsertionWithBackup, "with backup", Control::optInsertionWithoutBackup},
    {Control::optInsertionWithoutBackup, "without backup"},
    // The longest count a word table can hold.
    {Control::lblNumberOfWords, "Number of words found satisfying above conditions: 2147483647"},
    {Control::lblNumberOfWords, "Number of words found: 2147483647"},
};

// The extent of one caption of a control in its font (see CaptionExtent).
CaptionExtent MeasureCaption(QWidget* widget, const ControlLayout& entry, const TwipRect& rect,
                             const QString& caption) {
    CaptionExtent extent{entry.control, rect};
    const QFontMetrics metrics = widget->fontMetrics();
    const int advance = metrics.horizontalAdvance(caption);
    switch (entry.kind) {
        case ControlKind::Button:
            extent.neededWidth = advance + 6;  // the button's frame and a little air
            break;
        case ControlKind::CheckBox:
        case ControlKind::Option: {
            auto* button = qobject_cast<QAbstractButton*>(widget);
            const bool check = entry.kind == ControlKind::CheckBox;
            const QStyle* style = widget->style();
            const int indicator = style->pixelMetric(check ? QStyle::PM_IndicatorWidth
                                                           : QStyle::PM_ExclusiveIndicatorWidth,
                                                     nullptr, widget) +
                                  style->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing
                                                           : QStyle::PM_RadioButtonLabelSpacing,
                                                     nullptr, widget);
            const QString current = button->text();
            const QSignalBlocker blocker(button);
            button->setText(caption);
            extent.neededWidth = button->sizeHint().width();
            button->setText(current);
            extent.place = CaptionPlace::Left;
            extent.inkWidth = indicator + advance;
            break;
        }
        case ControlKind::Label:
        case ControlKind::LinkLabel:
            extent.place = entry.captionIndent > 0 ? CaptionPlace::Indented
                           : entry.rightAligned    ? CaptionPlace::Right
                                                   : CaptionPlace::Left;
            extent.indent = entry.captionIndent;
            extent.inkWidth = advance;
            extent.neededWidth = advance;
            break;
        case ControlKind::TextBox:
            if (entry.maxLength > 0) {
                // The largest number the box takes, inside its frame and margins.
                extent.neededWidth =
                    metrics.horizontalAdvance(QString(entry.maxLength, QLatin1Char('9'))) + 9;
            }
            break;
        default:
            break;
    }
    return extent;
}

}  // namespace

std::vector<CaptionExtent> MeasureLayoutCaptions(const std::function<QWidget*(Control)>& widgetOf) {
    const TwipRect strip = LayoutOf(Control::Frame1).rect;
    std::vector<CaptionExtent> extents;
    for (const ControlLayout& entry : MainWindowLayout()) {
        if (entry.kind == ControlKind::Strip) continue;
        QWidget* widget = widgetOf(entry.control);
        TwipRect rect = entry.rect;
        if (IsInFrame(entry.control)) {
            rect.left += strip.left;
            rect.top += strip.top;
        }
        bool hasVariants = false;
        for (const CaptionVariant& variant : kCaptionVariants) {
            if (variant.control != entry.control) continue;
            hasVariants = true;
            CaptionExtent extent =
                MeasureCaption(widget, entry, rect, QString::fromUtf8(variant.caption));
            extent.hiddenWith = variant.hiddenWith;
            extents.push_back(extent);
        }
        if (!hasVariants) {
            QString caption;
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) caption = button->text();
            if (auto* label = qobject_cast<QLabel*>(widget)) caption = label->text();
            extents.push_back(MeasureCaption(widget, entry, rect, caption));
        }
    }
    return extents;
}

}  // namespace tagsmith
