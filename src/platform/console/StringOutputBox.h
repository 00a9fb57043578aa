#pragma once

#include <string>

#include "platform/OutputBox.h"

namespace tagsmith {

// An output box held in memory (the command-line tool prints it at the end).
class StringOutputBox : public OutputBox {
public:
    void SetText(const std::string& text) override { m_text = text; }
    void AppendText(const std::string& text) override { m_text += text; }
    std::string Text() const override { return m_text; }

private:
    std::string m_text;
};

}  // namespace tagsmith
