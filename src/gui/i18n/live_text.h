#pragma once

#include <QString>

#include <functional>

class QObject;

namespace tilvane {

// Runs apply now and again whenever the interface language changes, for as long as owner
// lives. apply sets texts through tr(), so a widget built once follows every later switch:
//     keepTranslated(label, [label] { label->setText(tr("&Sura:")); });
void keepTranslated(QObject* owner, std::function<void()> apply);

// The common case: widget->setText(text()) now and at every change of language.
template <typename Widget, typename TextFn>
void keepTranslatedText(Widget* widget, TextFn text)
{
    keepTranslated(widget, [widget, text] { widget->setText(text()); });
}

} // namespace tilvane
