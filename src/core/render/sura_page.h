#pragma once

#include "core/quran/line_list.h"
#include "core/render/page_host.h"

#include <string>

namespace tilvane {

// The values of AppSet.ViewStyle. Any other value gives a page with the heading only.
inline constexpr int kViewArabicAndTranslations = 0;
inline constexpr int kViewArabicOnly = 1;
inline constexpr int kViewArabicAyaPerLine = 2;
inline constexpr int kViewTranslationsOnly = 3;

// "S" + the sura number in three digits + "_ar_in.html" (S002_ar_in.html).
std::string suraPageFileName(int sura);

// The page of a sura (1..114) as the current view style lays it out, from the text store, the
// active translations as last loaded and AppSet. Refills PageFootnotes with the page's tips.
LineList composeSuraPage(int sura);

// Loads the active translation packages, writes the sura's page into SuraDir (overwriting it)
// and navigates the host's sura browser to it; returns the page's path. Throws TilvaneError
// for a sura outside 1..114 or when the page cannot be written (then nothing is navigated).
std::string BuildSuraPage(int sura, IPageHost& host);

} // namespace tilvane
