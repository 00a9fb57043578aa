#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGlyphRun>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTextLayout>
#include <string>

#include "GuiFixture.h"
#include "fakes/CaseTable.h"
#include "gui/UiFonts.h"

namespace tagsmith::test {
namespace {

// What Qt draws the line with, where it is not a glyph of a family of the font's own list (a
// system fallback another machine may lack, or the missing-glyph box).
QStringList DrawnOutsideTheList(const QString& line, const QFont& font) {
    QTextLayout layout(line, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    QStringList outside;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QString family = run.rawFont().familyName();
        if (!font.families().contains(family)) outside << family;
        if (run.glyphIndexes().contains(0)) outside << family + QStringLiteral(": missing glyph");
    }
    return outside;
}

using ScriptsInWindowTest = GuiFixture;

TEST_F(ScriptsInWindowTest, TheOutputBoxShowsAndDrawsTheWordsOfEveryPage) {
    // Forced fonts: the result must not hang on what else the machine has.
    for (const char* family : {"Liberation Mono", kCjkMonoFamily}) {
        ASSERT_TRUE(QFontDatabase::hasFamily(QString::fromLatin1(family)))
            << "The font \"" << family << "\" is missing: scripts/setup --all installs it "
            << "(Debian fonts-liberation2 and fonts-noto-cjk).";
    }
    const std::filesystem::path pages =
        SourceFolder() / "tests" / "e2e" / "cases" / "words-of-other-scripts" / "scripts";
    const auto rows = ReadCaseTable("gui/ScriptsInWindowCases.txt");
    ASSERT_FALSE(rows.empty());
    Start();
    auto* box = Find<QPlainTextEdit>("txbMetaTag");
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0] + " / " + row[1]);
        Choose((pages / row[0]).string());
        Click(row[1].c_str());
        EXPECT_NE(OutputText().find(row[2]), std::string::npos) << row[2] << " not in:\n"
                                                                << OutputText();
        for (const QString& line : box->toPlainText().split(QLatin1Char('\n'))) {
            EXPECT_EQ(DrawnOutsideTheList(line, box->font()).join(", ").toStdString(), "")
                << line.toStdString();
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
