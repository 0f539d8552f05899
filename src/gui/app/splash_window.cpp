#include "gui/app/splash_window.h"

#include "core/app/app_info.h"
#include "gui/app/qt_text.h"
#include "gui/app/ui_font.h"
#include "gui/app/window_placement.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QRadialGradient>

namespace tilvane {

namespace {

constexpr QSize kSplashSize(406, 253);
constexpr qreal kOpacity = 220.0 / 255.0;
const QColor kSplashGreen(109, 168, 24);
const QColor kTitleGreen(0, 128, 0);
const QColor kVersionOlive(128, 128, 0);

} // namespace

TfmSplash::TfmSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setFixedSize(kSplashSize);
    setWindowOpacity(kOpacity);
    setWindowTitle(toQString(AppName));

    addCentredLabel(97, 16, true, kTitleGreen, toQString(AppName));
    addCentredLabel(120, 12, false, kVersionOlive, toQString(AppVersion));
    addCentredLabel(232, 11, false, Qt::white, tr("Free software. Loading..."));

    centreOnDesktop(*this);
}

void TfmSplash::addCentredLabel(int top, int pixelSize, bool bold, const QColor& color,
                                const QString& text)
{
    auto* label = new QLabel(text, this);
    QFont font = tahomaFont();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setGeometry(0, top, width(), label->fontMetrics().height());
}

void TfmSplash::showAndPaint()
{
    show();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Object mode stretches the circle to the window's shape: an elliptic gradient, white
    // in the middle and green towards the corners.
    QRadialGradient gradient(0.5, 0.5, 0.5);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0.0, Qt::white);
    gradient.setColorAt(1.0, kSplashGreen);
    painter.fillRect(rect(), gradient);
    painter.setPen(kSplashGreen);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tilvane
