#pragma once

#include "core/quran/translation_selection.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QHBoxLayout;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace tilvane {

class ReciterListModel;
class ReciterManager;
class ColorPicker;

// Edits the fonts, colours and view style in AppSet and the choice and order of the
// translations. Apply stores them and writes the translation selection at once; Cancel
// stores nothing. Made anew for every opening, so it always starts from the stored settings.
class TDlgSett : public QDialog {
    Q_OBJECT
public:
    // reciters is the list the Audio Player tab shows; without one the dialog reads its own.
    explicit TDlgSett(QWidget* owner = nullptr, ReciterListModel* reciters = nullptr);

    // Set by the user's edits that change the page; read by the owner after Apply.
    bool SettingsChanged = false;

    QTabWidget* pgcSettings = nullptr;
    QComboBox* cbbQuranView = nullptr;
    QComboBox* cbbTheme = nullptr; // Light, Sepia, Night: applied without rebuilding the page
    QSpinBox* nseArbFontSz = nullptr;
    ColorPicker* nclrArbFontCol = nullptr;
    ColorPicker* nclrArabicLatinFontColor = nullptr;
    QFontComboBox* nfcTransFontName = nullptr;
    QSpinBox* nseTransFontSize = nullptr;
    ColorPicker* nclrTransFontColor = nullptr;
    QListWidget* chklstTranslations = nullptr;
    QPushButton* btnEnable = nullptr;
    QPushButton* btnMoveUp = nullptr;
    QPushButton* btnMoveDn = nullptr;
    QPushButton* btnDefault = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // Interface language: System, English, Bahasa Indonesia, العربية (Language= values
    // system, en, id, ar).
    QComboBox* cbbLanguage = nullptr;
    ReciterManager* panReciters = nullptr;
    // The reciter to play after Apply.
    QString chosenReciter() const;

    // Tajweed colours on the sura pages (AppSet.Tajweed).
    QCheckBox* chkTajweed = nullptr;

    // The translation list as it stands, each line with its catalogue entry.
    std::vector<TransListLine> translationLines() const;

private:
    QWidget* createGeneralTab();
    QHBoxLayout* createThemeRow(QWidget* parent);
    QWidget* createTranslationsTab();
    QWidget* createAudioTab(ReciterListModel* reciters);
    QWidget* createLanguageGroup(QWidget* parent);
    void connectHandlers();

    void FormCreate();
    void fillTranslationList();
    void selectFontName(const QString& name);
    void chklstTranslationsClick();
    void btnEnableClick();
    void btnMoveUpClick();
    void btnMoveDnClick();
    void moveSelectedLine(int offset);
    void nseArbFontSzChange();
    void btnDefaultClick();
    void btnOKClick();

    // Filling the controls from the stored settings raises their change signals; those must
    // not count as edits.
    bool m_filling = false;
};

} // namespace tilvane
