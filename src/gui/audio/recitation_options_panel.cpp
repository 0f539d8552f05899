#include "gui/audio/recitation_options_panel.h"

#include "core/app/settings.h"
#include "core/quran/sura_table.h"
#include "gui/i18n/live_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace tilvane {

namespace {

constexpr int kWithoutEnd = 0;

constexpr char kContext[] = "RecitationOptions";

QString translated(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

QString countText(int count)
{
    if (count == kWithoutEnd)
        return translated(QT_TRANSLATE_NOOP("RecitationOptions", "Without end"));
    if (count == 1)
        return translated(QT_TRANSLATE_NOOP("RecitationOptions", "Once"));
    return translated(QT_TRANSLATE_NOOP("RecitationOptions", "%1 times")).arg(count);
}

QString pauseText(int seconds)
{
    if (seconds == kAyaPauseAsAya)
        return translated(QT_TRANSLATE_NOOP("RecitationOptions", "As long as the aya"));
    if (seconds == 0)
        return translated(QT_TRANSLATE_NOOP("RecitationOptions", "None"));
    return translated(QT_TRANSLATE_NOOP("RecitationOptions", "%1 s")).arg(seconds);
}

// The items keep their values; their names follow the interface language.
void keepItemsTranslated(QComboBox* box, QString (*text)(int))
{
    keepTranslated(box, [box, text] {
        for (int i = 0; i < box->count(); ++i)
            box->setItemText(i, text(box->itemData(i).toInt()));
    });
}

QComboBox* countBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (int count = 1; count <= 10; ++count)
        box->addItem(QString(), count);
    box->addItem(QString(), kWithoutEnd);
    keepItemsTranslated(box, countText);
    return box;
}

QLabel* rowLabel(QWidget* parent, const char* text, QWidget* buddy)
{
    auto* label = new QLabel(parent);
    keepTranslatedText(label, [text] { return translated(text); });
    label->setBuddy(buddy);
    return label;
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
    for (int seconds = 0; seconds <= 10; ++seconds)
        cbAyaPause->addItem(QString(), seconds);
    cbAyaPause->addItem(QString(), kAyaPauseAsAya);
    keepItemsTranslated(cbAyaPause, pauseText);

    chkRangeRepeat = new QCheckBox(this);
    keepTranslatedText(chkRangeRepeat, [] { return tr("Repeat a ra&nge of ayat"); });
    chkRangeRepeat->setObjectName("chkRangeRepeat");
    const auto* positionPattern = new QRegularExpressionValidator(QRegularExpression("\\d{1,3}:\\d{1,3}"), this);
    auto* range = new QHBoxLayout;
    edtRangeFrom = new QLineEdit(this);
    edtRangeFrom->setObjectName("edtRangeFrom");
    edtRangeTo = new QLineEdit(this);
    edtRangeTo->setObjectName("edtRangeTo");
    for (QLineEdit* edit : {edtRangeFrom, edtRangeTo}) {
        edit->setValidator(positionPattern);
        keepTranslated(edit, [edit] {
            edit->setPlaceholderText(tr("sura:aya"));
            edit->setToolTip(tr("sura:aya"));
        });
        range->addWidget(edit);
    }
    cbRangeRepeat = countBox(this, "cbRangeRepeat");

    form->addRow(rowLabel(this, QT_TRANSLATE_NOOP("RecitationOptions", "Spee&d:"), cbSpeed), cbSpeed);
    form->addRow(rowLabel(this, QT_TRANSLATE_NOOP("RecitationOptions", "&Repeat aya:"), cbAyaRepeat),
                 cbAyaRepeat);
    form->addRow(rowLabel(this, QT_TRANSLATE_NOOP("RecitationOptions", "Pa&use after:"), cbAyaPause),
                 cbAyaPause);
    form->addRow(chkRangeRepeat);
    form->addRow(rowLabel(this, QT_TRANSLATE_NOOP("RecitationOptions", "From, to:"), edtRangeFrom), range);
    form->addRow(rowLabel(this, QT_TRANSLATE_NOOP("RecitationOptions", "&Times:"), cbRangeRepeat),
                 cbRangeRepeat);

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
