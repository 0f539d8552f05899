#include "gui/ui/color_picker.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>

#include <algorithm>

namespace tilvane {

QColor toQColor(ColorRef colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

ColorRef fromQColor(const QColor& colour)
{
    return rgbColor(colour.red(), colour.green(), colour.blue());
}

ColorPicker::ColorPicker(ColorRef defaultColour, QWidget* parent)
    : QWidget(parent)
    , m_colour(defaultColour)
    , m_default(defaultColour)
{
    m_preview = new QFrame(this);
    m_preview->setFrameShape(QFrame::Box);
    m_preview->setFixedSize(40, 19);
    m_preview->setAutoFillBackground(true);
    m_choose = new QPushButton("...", this);
    m_choose->setToolTip(QCoreApplication::translate("ColorPicker", "Choose a colour"));
    m_choose->setFixedWidth(28);
    m_choose->setAutoDefault(false);
    m_none = new QPushButton(QCoreApplication::translate("ColorPicker", "None"), this);
    m_none->setToolTip(QCoreApplication::translate("ColorPicker", "Put back the default colour"));
    // Wide enough for the word in every interface language.
    m_none->setFixedWidth(std::max(44, m_none->sizeHint().width()));
    m_none->setAutoDefault(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(m_preview);
    layout->addWidget(m_choose);
    layout->addWidget(m_none);
    layout->addStretch(1);

    connect(m_choose, &QPushButton::clicked, this, &ColorPicker::chooseColor);
    connect(m_none, &QPushButton::clicked, this, [this] { setColor(m_default); });
    showColor();
}

void ColorPicker::setColor(ColorRef colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    showColor();
    emit colorChanged(m_colour);
}

void ColorPicker::chooseColor()
{
    const QColor chosen = QColorDialog::getColor(toQColor(m_colour), this);
    if (chosen.isValid())
        setColor(fromQColor(chosen));
}

void ColorPicker::showColor()
{
    QPalette palette = m_preview->palette();
    palette.setColor(QPalette::Window, toQColor(m_colour));
    m_preview->setPalette(palette);
}

} // namespace tilvane
