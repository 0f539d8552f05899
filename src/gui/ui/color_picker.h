#pragma once

#include "core/app/settings.h"

#include <QColor>
#include <QWidget>

class QFrame;
class QPushButton;

namespace tilvane {

// Windows colour values (0x00BBGGRR) to and from Qt's colours.
QColor toQColor(ColorRef colour);
ColorRef fromQColor(const QColor& colour);

// A colour field: a preview of the colour, a button that opens the colour dialog and a
// "None" button that puts back the field's default colour.
class ColorPicker : public QWidget {
    Q_OBJECT
public:
    ColorPicker(ColorRef defaultColour, QWidget* parent = nullptr);

    // The value as it was set: a stored value is kept unchanged, bits above the 24-bit
    // colour included, until the user picks another.
    ColorRef color() const { return m_colour; }
    void setColor(ColorRef colour);
    ColorRef defaultColor() const { return m_default; }

    QFrame* preview() const { return m_preview; }
    QPushButton* chooseButton() const { return m_choose; }
    QPushButton* noneButton() const { return m_none; }

signals:
    // Raised whenever the value changes, whether by the user or by setColor().
    void colorChanged(ColorRef colour);

private:
    void chooseColor();
    void showColor();

    ColorRef m_colour;
    ColorRef m_default;
    QFrame* m_preview = nullptr;
    QPushButton* m_choose = nullptr;
    QPushButton* m_none = nullptr;
};

} // namespace tilvane
