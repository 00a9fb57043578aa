#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <string>

#include "fakes/TestSupport.h"
#include "gui/DesktopIdentity.h"

namespace tagsmith {
namespace {

TEST(DesktopIdentityTest, NamesTheShippedDesktopEntryAndGivesWindowsTheIconAtEachSize) {
    SetDesktopIdentity();
    const std::string name = QGuiApplication::desktopFileName().toStdString();
    EXPECT_EQ(name, "org.example.tagsmith");
    EXPECT_TRUE(std::filesystem::is_regular_file(test::SourceFolder() / "dist" / "unix" /
                                                 (name + ".desktop")))
        << name;

    const QIcon icon = QGuiApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 48, 256}) {
        const QImage image = icon.pixmap(size, size).toImage();
        ASSERT_FALSE(image.isNull()) << size;
        EXPECT_EQ(image.width(), size) << size;
        // The stem of the white "T" (x 148 to 176, y 104 to 186 of 256) and the tag's blue
        // left of it; the corner is transparent.
        const auto at = [&image, size](int x, int y) {
            return image.pixelColor(x * size / 256, y * size / 256);
        };
        EXPECT_GT(at(162, 150).lightness(), 230) << size;
        EXPECT_EQ(at(128, 150).name().toStdString(), "#2f7fb8") << size;
        EXPECT_EQ(at(0, 0).alpha(), 0) << size;
    }
}

}  // namespace
}  // namespace tagsmith
