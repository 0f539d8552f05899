// The reader on a netbook's screen: every tab at the least window size, nothing drawn over
// anything else and no text cut.
#include "gui/ui/main_window.h"

#include "gui/support/app_folder.h"
#include "gui/support/gui_app.h"
#include "gui/support/reader_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

using namespace tilvane;
using namespace tilvane::test;

namespace {

QString nameOf(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

QString pathOf(const QWidget* widget)
{
    QString path = nameOf(widget);
    for (const QWidget* up = widget->parentWidget(); up != nullptr && !up->isWindow(); up = up->parentWidget())
        path = nameOf(up) + '/' + path;
    return path;
}

// Visible siblings that overlap, and texts that do not fit their label or button.
QStringList layoutProblems(const QWidget& window)
{
    QStringList problems;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->isWindow())
            continue;
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const auto* toolButton = qobject_cast<const QToolButton*>(widget);
        const bool showsText = button != nullptr && !button->text().isEmpty()
            && (toolButton == nullptr || toolButton->toolButtonStyle() != Qt::ToolButtonIconOnly);
        const bool hasText = (label != nullptr && !label->text().isEmpty()) || showsText;
        // Cut by its own size, or across by a parent it sticks out of (scrolled out of view
        // vertically is no cut: the page scrolls there).
        const QRect seen = widget->visibleRegion().boundingRect();
        if (hasText && (widget->width() < widget->minimumSizeHint().width() || widget->height() < widget->minimumSizeHint().height()
                        || (!seen.isEmpty() && seen.width() < widget->minimumSizeHint().width())))
            problems.append(QStringLiteral("%1 cut: %2x%3 for %4x%5").arg(pathOf(widget)).arg(widget->width())
                                .arg(widget->height()).arg(widget->minimumSizeHint().width()).arg(widget->minimumSizeHint().height()));
        const QWidget* parent = widget->parentWidget();
        if (parent == nullptr)
            continue;
        for (const QObject* other : parent->children()) {
            const auto* sibling = qobject_cast<const QWidget*>(other);
            if (sibling == nullptr || sibling <= widget || !sibling->isVisible() || sibling->isWindow())
                continue;
            if (widget->geometry().intersects(sibling->geometry()))
                problems.append(QStringLiteral("%1 overlaps %2").arg(pathOf(widget), nameOf(sibling)));
        }
    }
    return problems;
}

} // namespace

TEST(SmallScreen, EveryTabIsLaidOutWithoutOverlapOrCutTextAtTheLeastSize)
{
    guiApp();
    TestAppFolder app;
    ErrorCapture errors;
    auto window = showReaderAt(app, 2, 255);
    ASSERT_NE(window, nullptr);
    const QSize least(1000, 560);
    window->resize(least);
    QApplication::processEvents();
    EXPECT_LE(window->minimumSizeHint().width(), least.width());
    EXPECT_LE(window->minimumSizeHint().height(), least.height());
    EXPECT_EQ(window->size(), least);

    QTabWidget* tabs = window->ui().pgcNav;
    QTabWidget* side = window->ui().pgcContent;
    for (int tab = 0; tab < tabs->count(); ++tab) {
        if (!tabs->isTabVisible(tab))
            continue;
        tabs->setCurrentIndex(tab);
        for (int sideTab = 0; sideTab < (tabs->widget(tab) == window->ui().tabQuran ? side->count() : 1); ++sideTab) {
            side->setCurrentIndex(sideTab);
            QApplication::processEvents();
            const QStringList problems = layoutProblems(*window);
            EXPECT_TRUE(problems.isEmpty()) << tabs->tabText(tab).toStdString() << "/" << side->tabText(sideTab).toStdString()
                                            << ":\n" << problems.join('\n').toStdString();
        }
    }
}
