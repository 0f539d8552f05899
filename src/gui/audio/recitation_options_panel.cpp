#include "gui/audio/recitation_options_panel.h"

#include "core/app/settings.h"
#include "core/quran/sura_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace tilvane {

namespace {

constexpr int kWithoutEnd = 0;

QComboBox* countBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItem("Once", 1);
    for (int count = 2; count <= 10; ++count)
        box->addItem(QStringLiteral("%1 times").arg(count), count);
    box->addItem("Without end", kWithoutEnd);
    return box;
}

void selectData(QComboBox* box, int value)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(std::max(0, box->findData(value)));
}

QString positionText(int sura, int aya)
{
    return QStringLiteral("%1:%2").arg(sura).arg(aya);
}

} // namespace

RecitationOptionsPanel::RecitationOptionsPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("panRecitationOptions");
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);

    cbSpeed = new QComboBox(this);
    cbSpeed->setObjectName("cbSpeed");
    for (int percent = 50; percent <= 200; percent += 25)
        cbSpeed->addItem(QString::number(percent / 100.0) + QChar(0x00D7), percent);
    cbAyaRepeat = countBox(this, "cbAyaRepeat");
    cbAyaPause = new QComboBox(this);
    cbAyaPause->setObjectName("cbAyaPause");
    cbAyaPause->addItem("None", 0);
    for (int seconds = 1; seconds <= 10; ++seconds)
        cbAyaPause->addItem(QStringLiteral("%1 s").arg(seconds), seconds);
    cbAyaPause->addItem("As long as the aya", kAyaPauseAsAya);

    chkRangeRepeat = new QCheckBox("Repeat a ra&nge of ayat", this);
    chkRangeRepeat->setObjectName("chkRangeRepeat");
    const auto* positionPattern = new QRegularExpressionValidator(QRegularExpression("\\d{1,3}:\\d{1,3}"), this);
    auto* range = new QHBoxLayout;
    edtRangeFrom = new QLineEdit(this);
    edtRangeFrom->setObjectName("edtRangeFrom");
    edtRangeTo = new QLineEdit(this);
    edtRangeTo->setObjectName("edtRangeTo");
    for (QLineEdit* edit : {edtRangeFrom, edtRangeTo}) {
        edit->setValidator(positionPattern);
        edit->setPlaceholderText("sura:aya");
        edit->setToolTip("sura:aya");
        range->addWidget(edit);
    }
    cbRangeRepeat = countBox(this, "cbRangeRepeat");

    form->addRow("Spee&d:", cbSpeed);
    form->addRow("&Repeat aya:", cbAyaRepeat);
    form->addRow("Pa&use after:", cbAyaPause);
    form->addRow(chkRangeRepeat);
    form->addRow("From, to:", range);
    form->addRow("&Times:", cbRangeRepeat);

    // The player keeps the speed setting; the panel only asks for a new one.
    connect(cbSpeed, &QComboBox::currentIndexChanged, this,
            [this] { emit speedChanged(cbSpeed->currentData().toInt()); });
    connect(cbAyaRepeat, &QComboBox::currentIndexChanged, this,
            [this] { AppSet.AyaRepeat = cbAyaRepeat->currentData().toInt(); });
    connect(cbAyaPause, &QComboBox::currentIndexChanged, this,
            [this] { AppSet.AyaPause = cbAyaPause->currentData().toInt(); });
    connect(cbRangeRepeat, &QComboBox::currentIndexChanged, this,
            [this] { AppSet.RangeRepeat = cbRangeRepeat->currentData().toInt(); });
    connect(chkRangeRepeat, &QCheckBox::toggled, this, [](bool checked) { AppSet.IsRangeRepeat = checked; });
    connect(edtRangeFrom, &QLineEdit::editingFinished, this,
            [this] { rangeEdited(edtRangeFrom, AppSet.RangeFromSura, AppSet.RangeFromAya); });
    connect(edtRangeTo, &QLineEdit::editingFinished, this,
            [this] { rangeEdited(edtRangeTo, AppSet.RangeToSura, AppSet.RangeToAya); });
}

void RecitationOptionsPanel::showSettings()
{
    selectData(cbSpeed, AppSet.PlaybackSpeed);
    selectData(cbAyaRepeat, AppSet.AyaRepeat);
    selectData(cbAyaPause, AppSet.AyaPause);
    selectData(cbRangeRepeat, AppSet.RangeRepeat);
    const QSignalBlocker blocker(chkRangeRepeat);
    chkRangeRepeat->setChecked(AppSet.IsRangeRepeat);
    edtRangeFrom->setText(positionText(AppSet.RangeFromSura, AppSet.RangeFromAya));
    edtRangeTo->setText(positionText(AppSet.RangeToSura, AppSet.RangeToAya));
}

// An aya that does not exist is not taken: the edit shows the range in force again.
void RecitationOptionsPanel::rangeEdited(QLineEdit* edit, int& sura, int& aya)
{
    const QStringList parts = edit->text().split(':');
    const int newSura = parts.value(0).toInt();
    const int newAya = parts.value(1).toInt();
    if (globalAyaIndex(newSura, newAya) != 0) {
        sura = newSura;
        aya = newAya;
    }
    edit->setText(positionText(sura, aya));
}

} // namespace tilvane
