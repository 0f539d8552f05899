#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tilvane {

// The memorising controls of the Audio Player tab: speed, aya repeat, the silence after an
// aya, and a repeated range. They show and change the settings (AppSet); the player reads
// them when an aya ends, only the speed is applied to the running file through speedChanged.
class RecitationOptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit RecitationOptionsPanel(QWidget* parent = nullptr);

    // Shows AppSet's values without raising any change.
    void showSettings();

    QComboBox* cbSpeed = nullptr;
    QComboBox* cbAyaRepeat = nullptr;
    QComboBox* cbAyaPause = nullptr;
    QCheckBox* chkRangeRepeat = nullptr;
    QLineEdit* edtRangeFrom = nullptr;
    QLineEdit* edtRangeTo = nullptr;
    QComboBox* cbRangeRepeat = nullptr;

signals:
    void speedChanged(int percent);

private:
    void rangeEdited(QLineEdit* edit, int& sura, int& aya);
};

} // namespace tilvane
