#pragma once

#include <QWidget>

namespace tilvane {

// The borderless start-up window shown while the main window is created.
class TfmSplash : public QWidget {
    Q_OBJECT
public:
    // Centred on the screen: the main window, made after the splash, is centred there too.
    TfmSplash();

    // Shows the window and paints it before returning, so that it appears before the slow
    // creation of the main window starts.
    void showAndPaint();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void addCentredLabel(int top, int pixelSize, bool bold, const QColor& color, const QString& text);
};

} // namespace tilvane
