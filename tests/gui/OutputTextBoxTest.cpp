#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>

#include "gui/OutputTextBox.h"
#include "platform/qt/QtText.h"

namespace tagsmith::test {
namespace {

TEST(OutputTextBoxTest, AppendedTextReachesTheWidgetInBatchesWithItsLineBreaks) {
    QPlainTextEdit editor;
    OutputTextBox box(editor);
    box.SetText("Now processing ...");
    box.SetText("");
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        const std::string word = "word" + std::to_string(i) + " ";
        box.Append(word);
        expected += word;
        if (i % 37 == 0) box.Flush();
    }
    box.Append("\r\n\r");  // a CR LF pair cut between two batches
    box.Flush();
    box.Append("\nStopped with 300 words identified.");
    expected += "\r\n\r\nStopped with 300 words identified.";
    EXPECT_EQ(box.Text(), expected);
    // The widget gets the words and the caret at the next batch, not word by word.
    box.MoveCaretToEnd();
    EXPECT_NE(FromDisplayText(editor.toPlainText()), expected);
    box.Flush();
    EXPECT_EQ(FromDisplayText(editor.toPlainText()), expected);
    EXPECT_EQ(editor.textCursor().position(), editor.document()->characterCount() - 1);
}

TEST(OutputTextBoxTest, WhatTheUserTypesIsReadBack) {
    QPlainTextEdit editor;
    OutputTextBox box(editor);
    box.SetText("<meta name=\"keywords\" content=\"a\">\r\nNumber of keywords in meta tag: 1");
    QTextCursor cursor(editor.document());
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral(" é\u00a0b"));
    EXPECT_EQ(box.Text(),
              "<meta name=\"keywords\" content=\"a\"> \xC3\xA9\xC2\xA0"
              "b\r\n"
              "Number of keywords in meta tag: 1");
}

}  // namespace
}  // namespace tagsmith::test
