#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/window/MainWindowEvents.h"
#include "core/window/MainWindowLayout.h"
#include "core/window/MainWindowView.h"
#include "gui/HelpWindow.h"
#include "gui/OutputTextBox.h"

namespace tagsmith {

// frmMain: every control of the layout table at its place, each widget named after its control.
// It shows what the window logic tells it and reports what the user does; it decides nothing.
// The word-count label's caption while a scan counts (followed by the count).
inline constexpr std::string_view kRunningCountPrefix = "Number of words found: ";

class MainWindow : public QWidget, public MainWindowView {
    Q_OBJECT

public:
    // The height the window's frame adds to its client area, in twips (a caption bar and a
    // border), used for the window's outer height so that it does not depend on when the window
    // manager reports its frame.
    static constexpr int kNominalFrameHeight = 420;

    // sansFamily, when given, is the only typeface of the captions (else the first installed of
    // a list of sans-serif ones).
    explicit MainWindow(QString sansFamily = {});
    ~MainWindow() override;

    // The scale of the designed layout that makes every caption fit in the window's font; 1 for
    // a font as wide as the one the layout was drawn for. Settled when the window is first shown.
    double LayoutScale() const { return m_scale; }
    // The designed rectangle of a control at the window's scale, in its parent.
    QRect DesignedRect(Control control) const;

    void AttachEvents(MainWindowEvents& events) { m_events = &events; }
    // What ending the program does (by default: leave the event loop).
    void SetEndHandler(std::function<void()> handler) { m_endHandler = std::move(handler); }
    // Shows the output appended since the last time, in batches, and the latest running count;
    // runs before the window handles its events during a scan.
    void FlushOutput();
    OutputTextBox& Output() { return *m_output; }
    QWidget* Widget(Control control) const;
    HelpWindow* Help() const { return m_help.get(); }

    void SetListItems(Control list, const std::vector<std::string>& items) override;
    void SetListIndex(Control list, int index) override;
    void SetChecked(Control control, bool checked) override;
    void SetText(Control box, const std::string& text) override;
    std::string Text(Control box) const override;
    void AppendText(Control box, const std::string& text) override;
    void MoveCaretToStart(Control box) override;
    void MoveCaretToEnd(Control box) override;
    void SetCaption(Control control, const std::string& caption) override;
    void SetToolTip(Control control, const std::string& text) override;
    void SetEnabled(Control control, bool enabled) override;
    void SetVisible(Control control, bool visible) override;
    void SetFocus(Control control) override;
    void ShowWindow() override;
    bool IsWindowVisible() const override { return isVisible(); }
    void Repaint() override;
    TwipRect WindowRect() const override;
    void SetWindowRect(const TwipRect& rect) override;
    int ScreenHeight() const override;
    TwipRect ControlRect(Control control) const override;
    void SetControlRect(Control control, const TwipRect& rect) override;
    void ShowHelp(const std::string& guideText) override;
    void EndProgram() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreateControl(const ControlLayout& entry);
    void ConnectControl(const ControlLayout& entry, QWidget* widget);
    Control ControlOf(const QObject* object) const;
    // Scales the whole layout so that every caption the window may show fits its control.
    void FitToFont();
    void SetReadingTabOrder();
    // Places a label's caption at its indent when it fits from there (see ControlLayout).
    void PlaceIndentedCaption(Control control);
    bool PressFocusedControl(QObject* watched, const QKeyEvent& key);
    void ShowPendingCount();

    MainWindowEvents* m_events = nullptr;
    std::function<void()> m_endHandler;
    // The controls, parents before children; destroyed children first (see the destructor).
    std::vector<std::unique_ptr<QWidget>> m_controls;
    std::map<Control, QWidget*> m_widgets;
    std::unique_ptr<OutputTextBox> m_output;
    std::unique_ptr<HelpWindow> m_help;
    Control m_focusedBox = Control::None;
    Control m_tabbingFrom = Control::None;
    std::optional<std::string> m_pendingCount;  // the running count not shown yet  // the box Tab
                                                // is leaving, while its handler runs
    bool m_ended = false;
    bool m_fitted = false;
    double m_scale = 1.0;
    QString m_sansFamily;
};

}  // namespace tagsmith
