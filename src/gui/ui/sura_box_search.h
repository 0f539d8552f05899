#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QComboBox;

namespace tilvane {

// Typing a sura's name into the Sura box selects it, spelled as people spell it ("yasin",
// "al kahfi", "ali imran"), as Select Sura finds it; digits keep the box's own search by
// number. A pause of a second starts a new name.
class SuraBoxSearch : public QObject {
public:
    explicit SuraBoxSearch(QComboBox* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* m_box;
    QString m_typed;
    QElapsedTimer m_sinceLastKey;
};

} // namespace tilvane
