#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "gui/OutputTextBox.h"
#include "platform/qt/QtText.h"

namespace tagsmith::test {
namespace {

TEST(OutputTextBoxTest, BatchesKeepACutLineBreakWholeAndTypedTextIsReadBack) {
    QPlainTextEdit editor;
    OutputTextBox box(editor);
    box.Append("word \r\n\r");  // a CR LF pair cut between two batches
    box.Flush();
    box.Append("\nStopped with 1 words identified.");
    box.MoveCaretToEnd();
    EXPECT_EQ(editor.toPlainText(), "word \n");  // not before the next batch
    box.Flush();
    EXPECT_EQ(editor.toPlainText(), "word \n\nStopped with 1 words identified.");
    EXPECT_EQ(editor.textCursor().position(), editor.document()->characterCount() - 1);

    box.SetText("<meta name=\"keywords\" content=\"a\">\r\nNumber of keywords in meta tag: 1");
    QTextCursor cursor(editor.document());
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral(" é\u00a0b"));
    EXPECT_EQ(box.Text(),
              "<meta name=\"keywords\" content=\"a\"> \xC3\xA9\xC2\xA0"
              "b\r\nNumber of keywords in meta tag: 1");
}

}  // namespace
}  // namespace tagsmith::test
