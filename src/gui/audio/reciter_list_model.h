#pragma once

#include "core/audio/reciter_summary.h"

#include <QAbstractTableModel>

#include <vector>

namespace tilvane {

// The installed reciters, one row each: name, ayat present, size on disk. The Audio Player
// tab's chooser shows its first column; the settings' reciter manager shows all three. The
// reciter that plays (AppSet.Reciter) is in bold.
class ReciterListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, AyatColumn, SizeColumn, ColumnCount };

    explicit ReciterListModel(QObject* parent = nullptr);

    // Reads the recitation folder again.
    void refresh();
    QString reciterAt(int row) const;
    // The row of name, or -1 when it is not installed.
    int rowOf(const QString& name) const;
    // The reciter shown in bold; AppSet.Reciter unless a chooser marks another.
    void setPlayingReciter(const QString& name);
    // The headers and the counts in the interface's new language; a model hears of no
    // LanguageChange itself, so the view showing it calls this.
    void retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<ReciterSummary> m_reciters;
    QString m_playing;
};

} // namespace tilvane
