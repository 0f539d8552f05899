#include "gui/ui/sura_box_search.h"

#include "core/quran/sura_search.h"

#include <QComboBox>
#include <QKeyEvent>

namespace tilvane {

namespace {

constexpr qint64 kNewNameAfterMs = 1000;

} // namespace

SuraBoxSearch::SuraBoxSearch(QComboBox* box) : QObject(box), m_box(box)
{
    box->installEventFilter(this);
}

bool SuraBoxSearch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_box || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0 || !text.at(0).isPrint())
        return false;
    if (!m_sinceLastKey.isValid() || m_sinceLastKey.elapsed() > kNewNameAfterMs)
        m_typed.clear();
    m_sinceLastKey.start();
    m_typed += text;
    if (m_typed.front().isDigit())
        return false; // the items begin with their numbers: the box finds those itself
    const int sura = findSuraByName(m_typed.toStdString());
    if (sura > 0 && sura <= m_box->count() && m_box->currentIndex() != sura - 1)
        m_box->setCurrentIndex(sura - 1);
    return true;
}

} // namespace tilvane
