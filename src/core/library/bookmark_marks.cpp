#include "core/library/bookmark_marks.h"

namespace tilvane {

namespace {

// The page's own scripts and stylesheets stay as the data files have them: the mark brings
// its look with it.
constexpr const char* kMarkFunction =
    "(function(sura, ayas) {"
    " var old = document.querySelectorAll('span.bookmarkMark');"
    " for (var i = 0; i < old.length; i++) old[i].parentNode.removeChild(old[i]);"
    " for (var j = 0; j < ayas.length; j++) {"
    "  var aya = document.getElementById(sura + '_' + ayas[j]);"
    "  if (!aya) continue;"
    "  var mark = document.createElement('span');"
    "  mark.className = 'bookmarkMark';"
    "  mark.title = 'Bookmarked';"
    "  mark.style.color = '#C8870A';"
    "  mark.style.padding = '0 0.2em';"
    "  mark.textContent = '\\u2605';"
    "  var number = aya.querySelector('.suraAyaNum, .ayaSign');"
    "  if (number) { number.parentNode.insertBefore(mark, number.nextSibling); continue; }"
    "  var rule = aya.querySelector('hr');"
    "  mark.style.cssFloat = 'left';"
    "  aya.insertBefore(mark, rule ? rule.nextSibling : aya.firstChild);"
    " }"
    " return true;"
    "})";

} // namespace

std::string bookmarkMarksScript(int sura, const std::vector<int>& ayas)
{
    std::string list;
    for (const int aya : ayas) {
        if (!list.empty())
            list += ',';
        list += std::to_string(aya);
    }
    return std::string(kMarkFunction) + "(" + std::to_string(sura) + ", [" + list + "])";
}

} // namespace tilvane
