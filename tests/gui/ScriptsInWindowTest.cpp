#include <gtest/gtest.h>

#include <QGlyphRun>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTextLayout>
#include <string>
#include <vector>

#include "GuiFixture.h"
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
    struct Case {
        const char* page;  // below tests/e2e/cases/words-of-other-scripts/scripts
        const char* button;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"ru.html", "cmdListWords", {"Ремонт", "велосипедов", "колёс"}},
        {"ru.html", "cmdGenerateKeywordMetaTag", {"Ремонт, велосипедов, Москве"}},
        {"zh.html", "cmdListWords", {"软件", "管理", "系统"}},
        {"zh.html", "cmdGenerateKeywordMetaTag", {"软件, 管理, 系统, 升级"}},
    };
    Start();
    auto* box = Find<QPlainTextEdit>("txbMetaTag");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.page) + " / " + c.button);
        Choose((SourceFolder() / "tests" / "e2e" / "cases" / "words-of-other-scripts" / "scripts" / c.page).string());
        Click(c.button);
        const std::string output = OutputText();
        for (const std::string& word : c.words) {
            EXPECT_NE(output.find(word), std::string::npos) << word << " not in:\n" << output;
        }
        for (const QString& line : box->toPlainText().split(QLatin1Char('\n'))) {
            EXPECT_EQ(DrawnOutsideTheList(line, box->font()).join(", ").toStdString(), "")
                << line.toStdString();
        }
    }
}

}  // namespace
}  // namespace tagsmith::test
