#include "gui/print/running_header.h"

#include <QPageLayout>
#include <QRectF>
#include <QVariant>
#include <QWebEnginePage>

namespace tilvane {

namespace {

// Room kept on each sheet for what the engine adds around a group (rounding, a rule's
// margins), so that a group never spills onto a sheet of its own.
constexpr double kSheetSlackPx = 24;
constexpr double kCssPixelsPerPoint = 96.0 / 72.0;

// Lays the page out at the sheet's width, then walks the ayat (div.aya: the inline view has
// no blocks to break between, and gets its header on the first sheet only).
constexpr char kAddScript[] = R"((function(title, width, sheetHeight){
  var root = document.documentElement;
  root.style.width = width + 'px';
  var style = document.createElement('style');
  style.id = 'tilvaneRunningHeaderStyle';
  style.textContent = '@media screen { .tilvaneRunningHeader { display: none; } }' +
    '.tilvaneRunningHeader { font: 9pt sans-serif; color: #444; direction: ltr; text-align: left;' +
    ' border-bottom: 1px solid #999; margin: 0 0 6px 0; padding: 0 0 2px 0; }';
  document.head.appendChild(style);
  var ayat = document.querySelectorAll('div.aya');
  for (var i = 0; i < ayat.length; i++) ayat[i].style.contentVisibility = 'visible';
  function header(n) {
    var h = document.createElement('div');
    h.className = 'tilvaneRunningHeader';
    h.textContent = title + ' \u00B7 ' + n;
    return h;
  }
  // The headers take no room on the screen, where this is measured: each sheet's top lies
  // a header's height above its first aya.
  var headerHeight = 24;
  function pageTopOf(e) { return e.getBoundingClientRect().top + window.pageYOffset; }
  var sheet = 1;
  document.body.insertBefore(header(1), document.body.firstChild);
  var sheetTop = -headerHeight;
  for (var i = 0; i < ayat.length; i++) {
    var top = pageTopOf(ayat[i]);
    var bottom = top + ayat[i].getBoundingClientRect().height;
    if (bottom - sheetTop > sheetHeight && top > sheetTop) {
      var h = header(++sheet);
      h.style.breakBefore = 'page';
      ayat[i].parentNode.insertBefore(h, ayat[i]);
      sheetTop = top - headerHeight;
    }
    while (bottom - sheetTop > sheetHeight) { sheetTop += sheetHeight; ++sheet; }
  }
  return sheet;
})(%1, %2, %3))";

constexpr char kRemoveScript[] = R"((function(){
  document.querySelectorAll('.tilvaneRunningHeader, #tilvaneRunningHeaderStyle').forEach(function(e){ e.remove(); });
  document.querySelectorAll('div.aya').forEach(function(e){ e.style.contentVisibility = ''; });
  document.documentElement.style.width = '';
  return true;
})())";

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace('\\', "\\\\").replace('\'', "\\'").replace('\n', ' ').replace('\r', ' ');
    return '\'' + escaped + '\'';
}

} // namespace

void addRunningHeaders(QWebEnginePage* page, const QString& title, const QPageLayout& layout,
                       std::function<void(int sheets)> done)
{
    const QRectF sheet = layout.paintRect(QPageLayout::Point);
    const QString script = QString::fromLatin1(kAddScript)
                               .arg(quoted(title))
                               .arg(sheet.width() * kCssPixelsPerPoint, 0, 'f', 1)
                               .arg(sheet.height() * kCssPixelsPerPoint - kSheetSlackPx, 0, 'f', 1);
    page->runJavaScript(script, [done = std::move(done)](const QVariant& sheets) {
        done(sheets.canConvert<int>() ? sheets.toInt() : 0);
    });
}

void removeRunningHeaders(QWebEnginePage* page)
{
    page->runJavaScript(QString::fromLatin1(kRemoveScript));
}

} // namespace tilvane
