#include "gui/MainWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>

#include "core/window/HelpWindowLayout.h"
#include "core/window/HelpWindowLayout.h"
#include "gui/CaptionFit.h"
#include "gui/CaptionMeasure.h"
#include "gui/ClickableLabel.h"
#include "gui/UiFonts.h"
#include "platform/qt/QtText.h"

namespace tagsmith {

namespace {

const QColor kBackground(192, 255, 192);
const QColor kLinkColour(0, 0, 255);

QRect ToPixels(const TwipRect& r) {
    return {r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
            r.height / kTwipsPerPixel};
}

TwipRect ToTwips(const QRect& r) {
    return {r.x() * kTwipsPerPixel, r.y() * kTwipsPerPixel, r.width() * kTwipsPerPixel,
            r.height() * kTwipsPerPixel};
}

std::unique_ptr<QWidget> MakeWidget(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
            return std::make_unique<QPushButton>();
        case ControlKind::TextBox:
            return std::make_unique<QLineEdit>();
        case ControlKind::MultiLineTextBox:
            return std::make_unique<QPlainTextEdit>();
        case ControlKind::DropDownList:
            return std::make_unique<QComboBox>();
        case ControlKind::CheckBox:
            return std::make_unique<QCheckBox>();
        case ControlKind::Option:
            return std::make_unique<QRadioButton>();
        case ControlKind::Label:
            return std::make_unique<QLabel>();
        case ControlKind::LinkLabel:
            return std::make_unique<ClickableLabel>();
        case ControlKind::Strip:
            break;
    }
    return std::make_unique<QWidget>();
}

void SetWidgetCaption(QWidget* widget, const QString& caption) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(caption);
    }
}

}  // namespace

MainWindow::MainWindow(QString sansFamily) : m_sansFamily(std::move(sansFamily)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ToQString(kMainWindowCaption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kMainWindowClientWidth / kTwipsPerPixel, kMainWindowClientHeight / kTwipsPerPixel);
    QPalette background = palette();
    background.setColor(QPalette::Window, kBackground);
    setPalette(background);
    setAutoFillBackground(true);

    for (const ControlLayout& entry : MainWindowLayout()) {
        QWidget* widget = CreateControl(entry);
        ConnectControl(entry, widget);
    }
    auto* outputBox = qobject_cast<QPlainTextEdit*>(Widget(Control::txbMetaTag));
    m_output = std::make_unique<OutputTextBox>(*outputBox);
    SetReadingTabOrder();
}

MainWindow::~MainWindow() {
    m_help.reset();
    m_output.reset();
    // Children before their parents: the strip's controls come after the strip.
    while (!m_controls.empty()) m_controls.pop_back();
}

QWidget* MainWindow::CreateControl(const ControlLayout& entry) {
    std::unique_ptr<QWidget> owned = MakeWidget(entry.kind);
    QWidget* widget = owned.get();
    widget->setParent(IsInFrame(entry.control) ? Widget(Control::Frame1) : this);
    widget->setObjectName(ToQString(ControlName(entry.control)));
    widget->setGeometry(ToPixels(entry.rect));
    if (entry.font.points > 0) widget->setFont(UiFont(entry.font, m_sansFamily));
    SetWidgetCaption(widget, ToQString(entry.caption));
    if (auto* box = qobject_cast<QLineEdit*>(widget); box && entry.maxLength > 0) {
        box->setMaxLength(entry.maxLength);
    }
    if (auto* output = qobject_cast<QPlainTextEdit*>(widget)) {
        output->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        output->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // Tab moves on to the next control: a tab character is never wanted in the tag.
        output->setTabChangesFocus(true);
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label && entry.rightAligned) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (entry.kind == ControlKind::LinkLabel) {
        QPalette link = widget->palette();
        link.setColor(QPalette::WindowText, kLinkColour);
        widget->setPalette(link);
    }
    widget->installEventFilter(this);
    m_widgets[entry.control] = widget;
    m_controls.push_back(std::move(owned));
    return widget;
}

void MainWindow::ConnectControl(const ControlLayout& entry, QWidget* widget) {
    const Control control = entry.control;
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this, [this, control] {
            if (m_events != nullptr) m_events->OnClick(control);
        });
    } else if (auto* link = qobject_cast<ClickableLabel*>(widget)) {
        connect(link, &ClickableLabel::clicked, this, [this, control] {
            if (m_events != nullptr) m_events->OnClick(control);
        });
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, control](int index) {
            if (m_events != nullptr && index >= 0) m_events->OnListChanged(control, index);
        });
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        connect(check, &QCheckBox::toggled, this, [this, control](bool checked) {
            if (m_events != nullptr) m_events->OnCheckChanged(control, checked);
        });
    } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        connect(option, &QRadioButton::toggled, this, [this, control](bool checked) {
            if (m_events != nullptr && checked) m_events->OnCheckChanged(control, true);
        });
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        connect(box, &QLineEdit::textEdited, this, [this, control](const QString& text) {
            if (m_events != nullptr) m_events->OnTextEdited(control, FromQString(text));
        });
    }
}

void MainWindow::FitToFont() {
    const std::vector<CaptionExtent> extents =
        MeasureLayoutCaptions([this](Control control) { return Widget(control); });
    m_scale = FitScale(extents);
    setFixedSize(
        ScaledRect({0, 0, kMainWindowClientWidth, kMainWindowClientHeight}, m_scale).size());
    for (const ControlLayout& entry : MainWindowLayout()) {
        Widget(entry.control)->setGeometry(DesignedRect(entry.control));
    }
    PlaceIndentedCaption(Control::lblNumberOfWords);
}

QRect MainWindow::DesignedRect(Control control) const {
    TwipRect rect = LayoutOf(control).rect;
    if (!IsInFrame(control)) return ScaledRect(rect, m_scale);
    // From the window's corner, so that the strip's controls round as the others do.
    const TwipRect strip = LayoutOf(Control::Frame1).rect;
    rect.left += strip.left;
    rect.top += strip.top;
    return ScaledRect(rect, m_scale).translated(-ScaledRect(strip, m_scale).topLeft());
}

void MainWindow::PlaceIndentedCaption(Control control) {
    auto* label = qobject_cast<QLabel*>(Widget(control));
    const int indent = LayoutOf(control).captionIndent;
    if (label == nullptr || indent <= 0) return;
    // The drawn text may reach a pixel beyond its advance: keep two spare.
    const int room = label->width() - label->fontMetrics().horizontalAdvance(label->text()) - 2;
    const int start = ScaledRect({indent, 0, 0, 0}, m_scale).x();
    label->setContentsMargins(std::clamp(room, 0, start), 0, 0, 0);
}

void MainWindow::SetReadingTabOrder() {
    // Reading order: rows from top to bottom (controls whose middles lie within 200 twips of a
    // row's first one share it), each from left to right.
    struct Place {
        QWidget* widget;
        int middle;
        int left;
    };
    const TwipRect strip = LayoutOf(Control::Frame1).rect;
    std::vector<Place> places;
    for (const ControlLayout& entry : MainWindowLayout()) {
        QWidget* widget = Widget(entry.control);
        if (widget->focusPolicy() == Qt::NoFocus || entry.kind == ControlKind::Strip) continue;
        const bool inStrip = IsInFrame(entry.control);
        places.push_back({widget,
                          entry.rect.top + entry.rect.height / 2 + (inStrip ? strip.top : 0),
                          entry.rect.left + (inStrip ? strip.left : 0)});
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.middle < b.middle; });
    std::size_t rowStart = 0;
    for (std::size_t i = 1; i <= places.size(); ++i) {
        if (i == places.size() || places[i].middle - places[rowStart].middle > 200) {
            std::stable_sort(places.begin() + static_cast<std::ptrdiff_t>(rowStart),
                             places.begin() + static_cast<std::ptrdiff_t>(i),
                             [](const Place& a, const Place& b) { return a.left < b.left; });
            rowStart = i;
        }
    }
    for (std::size_t i = 1; i < places.size(); ++i) {
        setTabOrder(places[i - 1].widget, places[i].widget);
    }
}

bool MainWindow::PressFocusedControl(QObject* watched, const QKeyEvent& key) {
    // Enter presses the focused button, as Space does.
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button == nullptr || !button->isEnabled() || key.isAutoRepeat()) return false;
    button->click();
    return true;
}

QWidget* MainWindow::Widget(Control control) const {
    const auto it = m_widgets.find(control);
    return it == m_widgets.end() ? nullptr : it->second;
}

Control MainWindow::ControlOf(const QObject* object) const {
    for (const auto& [control, widget] : m_widgets) {
        if (widget == object) return control;
    }
    return Control::None;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && PressFocusedControl(watched, *static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (type == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && !key->isAutoRepeat() && m_events != nullptr) {
            m_events->OnKeyF1(ControlOf(watched));
        }
    } else if ((type == QEvent::FocusIn || type == QEvent::FocusOut) &&
               qobject_cast<QLineEdit*>(watched) != nullptr) {
        const Control box = ControlOf(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (type == QEvent::FocusIn) {
            m_focusedBox = box;
        } else if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                   m_focusedBox == box) {
            // The focus moved to another control of this window (not to another window).
            m_focusedBox = Control::None;
            const bool byTab = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
            if (byTab) m_tabbingFrom = box;
            if (m_events != nullptr) m_events->OnLostFocus(box);
            m_tabbingFrom = Control::None;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::SetListItems(Control list, const std::vector<std::string>& items) {
    auto* combo = qobject_cast<QComboBox*>(Widget(list));
    if (combo == nullptr) return;
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const std::string& item : items) combo->addItem(ToQString(item));
}

void MainWindow::SetListIndex(Control list, int index) {
    auto* combo = qobject_cast<QComboBox*>(Widget(list));
    if (combo == nullptr) return;
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
}

void MainWindow::SetChecked(Control control, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(Widget(control));
    if (button == nullptr) return;
    // Selecting one option deselects its partner, whose signal must stay quiet as well.
    const QSignalBlocker withBackup(Widget(Control::optInsertionWithBackup));
    const QSignalBlocker withoutBackup(Widget(Control::optInsertionWithoutBackup));
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

void MainWindow::SetText(Control box, const std::string& text) {
    if (box == Control::txbMetaTag) {
        m_output->SetText(text);
        return;
    }
    auto* edit = qobject_cast<QLineEdit*>(Widget(box));
    const QString value = ToQString(text);
    if (edit != nullptr && edit->text() != value) edit->setText(value);
}

std::string MainWindow::Text(Control box) const {
    if (box == Control::txbMetaTag) return m_output->Text();
    auto* edit = qobject_cast<QLineEdit*>(Widget(box));
    return edit == nullptr ? std::string() : FromQString(edit->text());
}

void MainWindow::AppendText(Control box, const std::string& text) {
    if (box == Control::txbMetaTag) {
        m_output->Append(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(Widget(box))) {
        edit->setText(edit->text() + ToQString(text));
    }
}

void MainWindow::MoveCaretToStart(Control box) {
    if (box == Control::txbMetaTag) {
        m_output->MoveCaretToStart();
    } else if (auto* edit = qobject_cast<QLineEdit*>(Widget(box))) {
        edit->home(false);
    }
}

void MainWindow::MoveCaretToEnd(Control box) {
    if (box == Control::txbMetaTag) {
        m_output->MoveCaretToEnd();
    } else if (auto* edit = qobject_cast<QLineEdit*>(Widget(box))) {
        edit->end(false);
    }
}

void MainWindow::SetCaption(Control control, const std::string& caption) {
    if (control == Control::lblNumberOfWords) {
        // The running count of a scan changes with every new word: it is shown with the next
        // batch of output (FlushOutput, Repaint); any other caption replaces it at once.
        if (caption.starts_with(kRunningCountPrefix)) {
            m_pendingCount = caption;
            return;
        }
        m_pendingCount.reset();
    }
    SetWidgetCaption(Widget(control), ToQString(caption));
    PlaceIndentedCaption(control);
}

void MainWindow::ShowPendingCount() {
    if (!m_pendingCount) return;
    SetWidgetCaption(Widget(Control::lblNumberOfWords), ToQString(*m_pendingCount));
    PlaceIndentedCaption(Control::lblNumberOfWords);
    m_pendingCount.reset();
}

void MainWindow::FlushOutput() {
    ShowPendingCount();
    m_output->FlushBatch();
}

void MainWindow::SetToolTip(Control control, const std::string& text) {
    if (QWidget* widget = Widget(control)) widget->setToolTip(ToQString(text));
}

void MainWindow::SetEnabled(Control control, bool enabled) {
    if (QWidget* widget = Widget(control)) widget->setEnabled(enabled);
}

void MainWindow::SetVisible(Control control, bool visible) {
    if (QWidget* widget = Widget(control)) widget->setVisible(visible);
}

void MainWindow::SetFocus(Control control) {
    // While Tab moves the focus on from a box, the keyboard's choice stands: only a return to
    // that box (after a message about its value) is followed.
    if (m_tabbingFrom != Control::None && control != m_tabbingFrom) return;
    if (QWidget* widget = Widget(control)) widget->setFocus(Qt::OtherFocusReason);
    // The window's choice of focus is for the keyboard: draw it.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void MainWindow::ShowWindow() {
    if (!m_fitted) {
        m_fitted = true;
        FitToFont();
    }
    if (const QScreen* display = screen()) {
        const QRect area = display->availableGeometry();
        const int outerHeight = height() + kNominalFrameHeight / kTwipsPerPixel;
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - outerHeight) / 2);
    }
    show();
}

void MainWindow::Repaint() {
    ShowPendingCount();
    m_output->Flush();
    repaint();
}

TwipRect MainWindow::WindowRect() const {
    const QRect frame = frameGeometry();
    TwipRect rect = ToTwips(QRect(frame.topLeft(), size()));
    rect.height += kNominalFrameHeight;
    return rect;
}

void MainWindow::SetWindowRect(const TwipRect& rect) {
    const int clientHeight = std::max(1, (rect.height - kNominalFrameHeight) / kTwipsPerPixel);
    setFixedSize(rect.width / kTwipsPerPixel, clientHeight);
    move(rect.left / kTwipsPerPixel, rect.top / kTwipsPerPixel);
}

int MainWindow::ScreenHeight() const {
    const QScreen* display = screen();
    return display == nullptr ? 0 : display->geometry().height() * kTwipsPerPixel;
}

TwipRect MainWindow::ControlRect(Control control) const {
    const QWidget* widget = Widget(control);
    return widget == nullptr ? TwipRect{} : ToTwips(widget->geometry());
}

void MainWindow::SetControlRect(Control control, const TwipRect& rect) {
    if (QWidget* widget = Widget(control)) widget->setGeometry(ToPixels(rect));
}

void MainWindow::ShowHelp(const std::string& guideText) {
    if (m_help && m_help->IsUnloaded()) m_help.reset();
    if (!m_help) {
        m_help = std::make_unique<HelpWindow>(guideText);
        const QRect place = ToPixels(HelpWindowPlacement(WindowRect()));
        m_help->resize(place.size());
        m_help->move(place.topLeft());
        m_help->show();
        return;
    }
    if (m_help->isMinimized()) {
        m_help->showNormal();
        return;
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void MainWindow::EndProgram() {
    m_ended = true;
    if (m_help) m_help->hide();
    hide();
    if (m_endHandler) {
        m_endHandler();
    } else {
        QCoreApplication::exit(0);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_ended && m_events != nullptr) m_events->OnClose();
    event->accept();
}

}  // namespace tagsmith
