#include "gui/audio/reciter_list_model.h"

#include "core/app/settings.h"
#include "core/quran/sura_table.h"
#include "gui/app/qt_text.h"

#include <QFont>
#include <QLocale>

namespace tilvane {

ReciterListModel::ReciterListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    refresh();
}

void ReciterListModel::refresh()
{
    beginResetModel();
    m_reciters = installedReciterSummaries();
    m_playing = toQString(AppSet.Reciter);
    endResetModel();
}

QString ReciterListModel::reciterAt(int row) const
{
    return row >= 0 && row < rowCount() ? toQString(m_reciters[static_cast<std::size_t>(row)].name) : QString();
}

int ReciterListModel::rowOf(const QString& name) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (reciterAt(row) == name)
            return row;
    }
    return -1;
}

void ReciterListModel::setPlayingReciter(const QString& name)
{
    m_playing = name;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::FontRole});
}

int ReciterListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_reciters.size());
}

int ReciterListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReciterListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ReciterSummary& reciter = m_reciters[static_cast<std::size_t>(index.row())];
    if (role == Qt::FontRole && toQString(reciter.name) == m_playing) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::TextAlignmentRole && index.column() != NameColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case NameColumn: return toQString(reciter.name);
    case AyatColumn:
        if (role == Qt::ToolTipRole)
            return tr("%1 of %2 ayat; %3 of %4 suras complete")
                .arg(reciter.ayaCount).arg(kAyaCount).arg(reciter.completeSuraCount).arg(kSuraCount);
        return tr("%1 of %2").arg(reciter.ayaCount).arg(kAyaCount);
    case SizeColumn: return QLocale().formattedDataSize(static_cast<qint64>(reciter.bytes));
    default: return {};
    }
}

QVariant ReciterListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn: return tr("Reciter");
    case AyatColumn: return tr("Ayat");
    case SizeColumn: return tr("Size");
    default: return {};
    }
}

void ReciterListModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

} // namespace tilvane
