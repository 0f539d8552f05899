#include "gui/ui/settings_dialog.h"

#include "core/app/app_info.h"
#include "core/app/settings.h"
#include "core/quran/translations.h"
#include "core/render/stylesheets.h"
#include "core/render/theme_css.h"
#include "gui/app/error_handler.h"
#include "gui/app/qt_text.h"
#include "gui/app/ui_font.h"
#include "gui/audio/reciter_list_model.h"
#include "gui/audio/reciter_manager.h"
#include "gui/i18n/interface_language.h"
#include "gui/i18n/view_style_label.h"
#include "gui/ui/font_choice.h"
#include "gui/ui/color_picker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tilvane {

namespace {

constexpr QSize kDesignSize(425, 386);
constexpr int kDesignFontPoints = 8;
constexpr int kCatalogueIndexRole = Qt::UserRole;
constexpr int kMaxFontSize = 999;

// The values the Default button puts into the controls. The Arabic-Latin colour differs
// from the settings' own default on purpose.
constexpr int kDefaultViewStyle = 0;
constexpr int kDefaultArabicFontSize = 16;
constexpr ColorRef kDefaultArabicFontColor = rgbColor(82, 168, 19);
constexpr ColorRef kDefaultArabicLatinFontColor = rgbColor(0, 128, 0);
constexpr char kDefaultTransFontName[] = "Tahoma";
constexpr int kDefaultTransFontSize = 8;
constexpr ColorRef kDefaultTransFontColor = 0;

QSpinBox* fontSizeBox(QWidget* parent, const char* name)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, kMaxFontSize);
    box->setSingleStep(1);
    return box;
}

// Compact group boxes keep the General tab within the design height with the wider
// fallback of the design font; a shared label column lines the groups up.
QGridLayout* groupGrid(QGroupBox* group, int labelWidth)
{
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(4);
    grid->setColumnMinimumWidth(0, labelWidth);
    grid->setColumnStretch(1, 1);
    return grid;
}

ColorPicker* colourPicker(QWidget* parent, const char* name, ColorRef defaultColour)
{
    auto* picker = new ColorPicker(defaultColour, parent);
    picker->setObjectName(name);
    return picker;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(name);
    result->setAutoDefault(false);
    return result;
}

// The names of the translations a page shows, in page order.
std::vector<std::string> shownTranslationNames()
{
    std::vector<std::string> names;
    for (const ActiveTranslation& active : activeTranslationIndexes())
        names.push_back(Translations[static_cast<std::size_t>(active.catalogueIndex)].TransName);
    return names;
}

} // namespace

TDlgSett::TDlgSett(QWidget* owner, ReciterListModel* reciters)
    : QDialog(owner)
{
    setObjectName("DlgSett");
    setWindowTitle(tr("Settings"));
    QFont font = tahomaFont();
    font.setPointSize(kDesignFontPoints);
    setFont(font);
    resize(kDesignSize);

    pgcSettings = new QTabWidget(this);
    pgcSettings->setObjectName("pgcSettings");
    pgcSettings->addTab(createGeneralTab(), tr(" General "));
    pgcSettings->addTab(createTranslationsTab(), tr(" Translations "));
    pgcSettings->addTab(createAudioTab(reciters != nullptr ? reciters : new ReciterListModel(this)), tr(" Audio "));

    btnDefault = button(this, "btnDefault", tr("&Default"));
    btnOK = button(this, "btnOK", tr("&Apply"));
    btnOK->setDefault(true);
    btnCancel = button(this, "btnCancel", tr("&Cancel"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(btnDefault);
    bottom->addStretch(1);
    bottom->addWidget(btnOK);
    bottom->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pgcSettings, 1);
    layout->addLayout(bottom);

    connectHandlers();
    FormCreate();
}

QHBoxLayout* TDlgSett::createThemeRow(QWidget* parent)
{
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("&Theme"), parent);
    cbbTheme = new QComboBox(parent);
    cbbTheme->setObjectName("cbbTheme");
    for (const PageTheme theme : {PageTheme::Light, PageTheme::Sepia, PageTheme::Night})
        cbbTheme->addItem(theme == PageTheme::Light ? tr("Light") : theme == PageTheme::Sepia ? tr("Sepia") : tr("Night"),
                          QString::fromStdString(themeName(theme)));
    label->setBuddy(cbbTheme);
    row->addWidget(label);
    row->addWidget(cbbTheme);
    return row;
}

QWidget* TDlgSett::createGeneralTab()
{
    auto* tab = new QWidget;
    tab->setObjectName("tabGeneral");

    auto* viewGroup = new QGroupBox(tr("Quran View"), tab);
    cbbQuranView = new QComboBox(viewGroup);
    cbbQuranView->setObjectName("cbbQuranView");
    const QString widestLabel = tr("Arabic Latin Color");
    const int labelWidth = tab->fontMetrics().horizontalAdvance(widestLabel) + 8;
    auto* viewLayout = groupGrid(viewGroup, 0);
    viewLayout->addWidget(cbbQuranView, 0, 0, 1, 2);
    auto* topRow = new QHBoxLayout;
    topRow->addWidget(viewGroup, 3);
    topRow->addWidget(createLanguageGroup(tab), 2);

    auto* arabicGroup = new QGroupBox(tr("Arabic Font"), tab);
    nseArbFontSz = fontSizeBox(arabicGroup, "nseArbFontSz");
    nclrArbFontCol = colourPicker(arabicGroup, "nclrArbFontCol", kDefaultArabicFontColor);
    nclrArabicLatinFontColor = colourPicker(arabicGroup, "nclrArabicLatinFontColor", kDefaultArabicLatinFontColor);
    auto* arabicLayout = groupGrid(arabicGroup, labelWidth);
    arabicLayout->addWidget(new QLabel(tr("Size (px)"), arabicGroup), 0, 0);
    // Tajweed colours: the Arabic letters' other colours, on the size row's free side, so that
    // the tab keeps its design height with the Language group beside the view style.
    chkTajweed = new QCheckBox(tr("Tajweed colours"), arabicGroup);
    chkTajweed->setObjectName("chkTajweed");
    chkTajweed->setToolTip(tr("Colour the letters that the rules of tajweed govern"));
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(nseArbFontSz);
    sizeRow->addStretch(1);
    sizeRow->addWidget(chkTajweed);
    arabicLayout->addLayout(sizeRow, 0, 1);
    arabicLayout->addWidget(new QLabel(tr("Color"), arabicGroup), 1, 0);
    arabicLayout->addWidget(nclrArbFontCol, 1, 1);
    arabicLayout->addWidget(new QLabel(widestLabel, arabicGroup), 2, 0);
    auto* latinRow = new QHBoxLayout;
    latinRow->addWidget(nclrArabicLatinFontColor);
    latinRow->addSpacing(4);
    latinRow->addWidget(new QLabel(tr("if available."), arabicGroup));
    latinRow->addStretch(1);
    arabicLayout->addLayout(latinRow, 2, 1);

    auto* transGroup = new QGroupBox(tr("Translation Font"), tab);
    nfcTransFontName = new QFontComboBox(transGroup);
    nfcTransFontName->setObjectName("nfcTransFontName");
    nfcTransFontName->setEditable(false);
    nseTransFontSize = fontSizeBox(transGroup, "nseTransFontSize");
    nclrTransFontColor = colourPicker(transGroup, "nclrTransFontColor", kDefaultTransFontColor);
    auto* transLayout = groupGrid(transGroup, labelWidth);
    transLayout->addWidget(new QLabel(tr("Name"), transGroup), 0, 0);
    transLayout->addWidget(nfcTransFontName, 0, 1);
    transLayout->addWidget(new QLabel(tr("Size (px)"), transGroup), 1, 0);
    // The theme of the pages on the size row's free side: the view style's row has the
    // Language group beside it, and the tab keeps its design height.
    auto* transSizeRow = new QHBoxLayout;
    transSizeRow->addWidget(nseTransFontSize);
    transSizeRow->addStretch(1);
    transSizeRow->addLayout(createThemeRow(transGroup));
    transLayout->addLayout(transSizeRow, 1, 1);
    transLayout->addWidget(new QLabel(tr("Color"), transGroup), 2, 0);
    transLayout->addWidget(nclrTransFontColor, 2, 1);

    auto* layout = new QVBoxLayout(tab);
    layout->setSpacing(4);
    layout->addLayout(topRow);
    layout->addWidget(arabicGroup);
    layout->addWidget(transGroup);
    layout->addStretch(1);
    return tab;
}

QWidget* TDlgSett::createTranslationsTab()
{
    auto* tab = new QWidget;
    tab->setObjectName("tabTranslations");
    chklstTranslations = new QListWidget(tab);
    chklstTranslations->setObjectName("chklstTranslations");
    chklstTranslations->setSelectionMode(QAbstractItemView::SingleSelection);
    btnEnable = button(tab, "btnEnable", tr("&Enable"));
    btnMoveUp = button(tab, "btnMoveUp", tr("Move Up"));
    btnMoveDn = button(tab, "btnMoveDn", tr("Move Down"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnEnable);
    buttons->addWidget(btnMoveUp);
    buttons->addWidget(btnMoveDn);
    buttons->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(chklstTranslations, 1);
    row->addLayout(buttons);

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(new QLabel(tr("Select translations to be display:"), tab));
    layout->addLayout(row, 1);
    return tab;
}

// Beside the Quran view; the language names stand in their own language, so that a reader
// finds theirs whatever the interface shows now.
QWidget* TDlgSett::createLanguageGroup(QWidget* parent)
{
    auto* group = new QGroupBox(tr("Language"), parent);
    cbbLanguage = new QComboBox(group);
    cbbLanguage->setObjectName("cbbLanguage");
    cbbLanguage->addItem(tr("System"), QStringLiteral("system"));
    cbbLanguage->addItem(QStringLiteral("English"), QStringLiteral("en"));
    cbbLanguage->addItem(QStringLiteral("Bahasa Indonesia"), QStringLiteral("id"));
    cbbLanguage->addItem(QStringLiteral("العربية"), QStringLiteral("ar"));
    auto* layout = groupGrid(group, 0);
    layout->addWidget(cbbLanguage, 0, 0, 1, 2);
    return group;
}

QWidget* TDlgSett::createAudioTab(ReciterListModel* reciters)
{
    auto* tab = new QWidget;
    tab->setObjectName("tabAudio");
    panReciters = new ReciterManager(reciters, tab);
    auto* layout = new QVBoxLayout(tab);
    // The caption stays as the program has always worded it, in every language.
    layout->addWidget(new QLabel(QStringLiteral("Select reciters to be play:"), tab));
    layout->addWidget(panReciters, 1);
    return tab;
}

QString TDlgSett::chosenReciter() const
{
    return panReciters->chosenReciter();
}

void TDlgSett::connectHandlers()
{
    // Qt reports every change of the selected line, by mouse, keys or code, and every change
    // of a check mark (space, a click on the box); both leave the buttons matching the line.
    connect(chklstTranslations, &QListWidget::currentRowChanged, this, &TDlgSett::chklstTranslationsClick);
    connect(chklstTranslations, &QListWidget::itemChanged, this, &TDlgSett::chklstTranslationsClick);
    connect(chklstTranslations, &QListWidget::itemDoubleClicked, this, &TDlgSett::btnEnableClick);
    connect(btnEnable, &QPushButton::clicked, this, &TDlgSett::btnEnableClick);
    connect(btnMoveUp, &QPushButton::clicked, this, &TDlgSett::btnMoveUpClick);
    connect(btnMoveDn, &QPushButton::clicked, this, &TDlgSett::btnMoveDnClick);

    connect(nseArbFontSz, &QSpinBox::valueChanged, this, &TDlgSett::nseArbFontSzChange);
    connect(nseTransFontSize, &QSpinBox::valueChanged, this, &TDlgSett::nseArbFontSzChange);
    for (ColorPicker* picker : {nclrArbFontCol, nclrArabicLatinFontColor, nclrTransFontColor})
        connect(picker, &ColorPicker::colorChanged, this, &TDlgSett::nseArbFontSzChange);
    connect(nfcTransFontName, &QComboBox::currentIndexChanged, this, &TDlgSett::nseArbFontSzChange);
    connect(chkTajweed, &QCheckBox::toggled, this, &TDlgSett::nseArbFontSzChange);

    connect(btnDefault, &QPushButton::clicked, this, &TDlgSett::btnDefaultClick);
    connect(btnOK, &QPushButton::clicked, this, guarded([this] { btnOKClick(); }));
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TDlgSett::FormCreate()
{
    m_filling = true;
    SettingsChanged = false;
    cbbQuranView->clear();
    for (std::string_view name : ViewStyleNames)
        cbbQuranView->addItem(viewStyleLabel(name));
    cbbQuranView->setCurrentIndex(AppSet.ViewStyle);
    cbbTheme->setCurrentIndex(std::max(0, cbbTheme->findData(toQString(AppSet.Theme))));

    nseArbFontSz->setValue(AppSet.ArabicFontSize);
    nclrArbFontCol->setColor(AppSet.ArabicFontColor);
    nclrArabicLatinFontColor->setColor(AppSet.ArabicLatinFontColor);
    selectFontName(toQString(AppSet.TransFontName));
    nseTransFontSize->setValue(AppSet.TransFontSize);
    nclrTransFontColor->setColor(AppSet.TransFontColor);
    chkTajweed->setChecked(AppSet.Tajweed);

    fillTranslationList();
    const int language = cbbLanguage->findData(toQString(AppSet.Language));
    cbbLanguage->setCurrentIndex(language < 0 ? 0 : language);
    m_filling = false;
}

void TDlgSett::fillTranslationList()
{
    chklstTranslations->clear();
    for (const TransListLine& line : listTranslationSelection()) {
        auto* item = new QListWidgetItem(toQString(line.text), chklstTranslations);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(line.checked ? Qt::Checked : Qt::Unchecked);
        item->setData(kCatalogueIndexRole, line.catalogueIndex);
    }
    chklstTranslations->setCurrentRow(0);
    chklstTranslationsClick();
}

// The list holds the installed families only; a stored family that is not installed here
// (Tahoma on most Linux systems) is offered as it stands, so that opening and applying the
// dialog never replaces it by a look-alike. A family the list knows only under a foundry's
// tag is shown so, and stored back without the tag, as it was.
void TDlgSett::selectFontName(const QString& name)
{
    int index = fontRowFor(*nfcTransFontName, name);
    if (index < 0) {
        nfcTransFontName->insertItem(0, name);
        index = 0;
    }
    nfcTransFontName->setCurrentIndex(index);
}

std::vector<TransListLine> TDlgSett::translationLines() const
{
    std::vector<TransListLine> lines;
    for (int row = 0; row < chklstTranslations->count(); ++row) {
        const QListWidgetItem* item = chklstTranslations->item(row);
        lines.push_back(TransListLine{item->data(kCatalogueIndexRole).toInt(), item->text().toStdString(),
                                      item->checkState() == Qt::Checked});
    }
    return lines;
}

void TDlgSett::chklstTranslationsClick()
{
    const int row = chklstTranslations->currentRow();
    const QListWidgetItem* item = chklstTranslations->currentItem();
    btnEnable->setText(item != nullptr && item->checkState() == Qt::Checked ? tr("Disable") : tr("Enable"));
    btnEnable->setEnabled(item != nullptr);
    btnMoveUp->setEnabled(item != nullptr && row != 0);
    btnMoveDn->setEnabled(item != nullptr && row + 1 != chklstTranslations->count());
}

void TDlgSett::btnEnableClick()
{
    if (QListWidgetItem* item = chklstTranslations->currentItem())
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    chklstTranslationsClick();
}

void TDlgSett::btnMoveUpClick()
{
    moveSelectedLine(-1);
}

void TDlgSett::btnMoveDnClick()
{
    moveSelectedLine(+1);
}

// The line moves with its check mark and catalogue entry, and stays selected.
void TDlgSett::moveSelectedLine(int offset)
{
    const int row = chklstTranslations->currentRow();
    const int target = row + offset;
    if (row < 0 || target < 0 || target >= chklstTranslations->count())
        return;
    QListWidgetItem* item = chklstTranslations->takeItem(row);
    chklstTranslations->insertItem(target, item);
    chklstTranslations->setCurrentRow(target);
    chklstTranslationsClick();
}

void TDlgSett::nseArbFontSzChange()
{
    if (!m_filling)
        SettingsChanged = true;
}

void TDlgSett::btnDefaultClick()
{
    cbbQuranView->setCurrentIndex(kDefaultViewStyle);
    cbbTheme->setCurrentIndex(0);
    nseArbFontSz->setValue(kDefaultArabicFontSize);
    nclrArbFontCol->setColor(kDefaultArabicFontColor);
    nclrArabicLatinFontColor->setColor(kDefaultArabicLatinFontColor);
    selectFontName(kDefaultTransFontName);
    nseTransFontSize->setValue(kDefaultTransFontSize);
    nclrTransFontColor->setColor(kDefaultTransFontColor);
}

// The selection is written first: it is the one step that can fail, and a failure then
// leaves the settings and the dialog as they were.
void TDlgSett::btnOKClick()
{
    const std::vector<std::string> shownBefore = shownTranslationNames();
    applyTranslationSelection(translationLines());
    // The page must be rebuilt when it is to show other translations or another order.
    if (shownTranslationNames() != shownBefore)
        SettingsChanged = true;

    // A stored style the list does not know selects no line; it is kept unless one is chosen.
    const int viewStyle = cbbQuranView->currentIndex();
    if (viewStyle >= 0 && viewStyle != AppSet.ViewStyle) {
        SettingsChanged = true;
        AppSet.ViewStyle = static_cast<std::uint8_t>(viewStyle);
    }
    AppSet.ArabicFontSize = nseArbFontSz->value();
    AppSet.ArabicFontColor = nclrArbFontCol->color();
    AppSet.ArabicLatinFontColor = nclrArabicLatinFontColor->color();
    AppSet.TransFontName = fontFamilyWithoutFoundry(nfcTransFontName->currentText().toStdString());
    AppSet.TransFontSize = nseTransFontSize->value();
    AppSet.TransFontColor = nclrTransFontColor->color();
    AppSet.Theme = cbbTheme->currentData().toString().toStdString();
    AppSet.Tajweed = chkTajweed->isChecked();
    const QString language = cbbLanguage->currentData().toString();
    if (language.toStdString() != AppSet.Language) {
        AppSet.Language = language.toStdString();
        applyInterfaceLanguage(language);
        // A coloured page names the tajweed rules in the interface language.
        SettingsChanged = SettingsChanged || AppSet.Tajweed;
    }
    accept();
}

} // namespace tilvane
