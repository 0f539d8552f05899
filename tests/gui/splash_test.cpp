#include "gui/app/splash_window.h"

#include "gui/support/gui_app.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

using namespace tilvane;
using tilvane::test::guiApp;

namespace {

TEST(Splash, ShowsNameAndVersionOnGreenBorderedGradient)
{
    guiApp();
    TfmSplash splash;
    const QImage image = splash.grab().toImage();

    ASSERT_EQ(image.size(), QSize(406, 253));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(109, 168, 24));
    EXPECT_EQ(image.pixelColor(405, 252), QColor(109, 168, 24));
    EXPECT_GT(image.pixelColor(203, 80).lightness(), image.pixelColor(10, 126).lightness());
    EXPECT_NEAR(splash.windowOpacity(), 220.0 / 255.0, 0.01);

    QStringList texts;
    for (const QLabel* label : splash.findChildren<QLabel*>())
        texts.append(label->text());
    EXPECT_TRUE(texts.contains(QStringLiteral("Tilvane")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Alfa Test Version (0.55)")));
}

} // namespace
