#pragma once

#include <string>

#include "core/window/Control.h"
#include "core/window/MainWindowView.h"
#include "platform/OutputBox.h"

namespace tagsmith {

// The window's output box (txbMetaTag) as the core's OutputBox.
class ViewOutputBox : public OutputBox {
public:
    explicit ViewOutputBox(MainWindowView& view) : m_view(view) {}

    void SetText(const std::string& text) override { m_view.SetText(Control::txbMetaTag, text); }
    void AppendText(const std::string& text) override {
        m_view.AppendText(Control::txbMetaTag, text);
    }
    std::string Text() const override { return m_view.Text(Control::txbMetaTag); }
    void MoveCaretToStart() override { m_view.MoveCaretToStart(Control::txbMetaTag); }
    void MoveCaretToEnd() override { m_view.MoveCaretToEnd(Control::txbMetaTag); }

private:
    MainWindowView& m_view;
};

}  // namespace tagsmith
