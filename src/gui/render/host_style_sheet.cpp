#include "gui/render/host_style_sheet.h"

#include <QString>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace tilvane {

// Measured on sura 2 with ten translations: laying out only the ayat near the view cuts a
// sura change to an eighth and the page's memory by about 55 MB. The estimate stands in for
// an aya's height until it is first laid out; after that the engine remembers the real one.
const char* const kSuraPageEngineRules =
    "div.aya { content-visibility: auto; contain-intrinsic-size: auto 300px; }\n";

// The page fixes the heading's height at 4px, which older engines grew to fit the text; this
// one keeps it and draws the heading over the first paragraph. The pages render in quirks
// mode, where the engine matches class names in lower case, while this sheet is parsed in
// standards mode: the lower-case selector is the one that matches there.
const char* const kPrefacePageEngineRules =
    ".TitleName, .titlename { height: auto !important; min-height: 4px; }\n";

namespace {

constexpr char kScriptName[] = "tilvane-host-style-sheet";

QString quotedForScript(const std::string& text)
{
    QString quoted = QString::fromStdString(text);
    quoted.replace('\\', "\\\\").replace('"', "\\\"").replace('\n', "\\n").replace('\r', "\\r")
        .replace(QChar(0x2028), "\\u2028").replace(QChar(0x2029), "\\u2029");
    return '"' + quoted + '"';
}

// A cascade layer puts the sheet under every unlayered rule of the page while its !important
// declarations win over the page's. An adopted sheet exists from the document's creation on,
// so the first layout already uses it, and it adds no element to the page. The sheet is kept
// by name so that a later change replaces its rules in the page already shown.
QString installScript(const std::string& css)
{
    return QStringLiteral(
               "(function(){var s=window.%1;if(!s){s=new CSSStyleSheet();window.%1=s;"
               "document.adoptedStyleSheets=document.adoptedStyleSheets.concat([s]);}"
               "s.replaceSync('@layer tilvane-host{'+%2+'}');})();")
        .arg(QStringLiteral("tilvaneHostSheet"), quotedForScript(css));
}

} // namespace

void installHostStyleSheet(QWebEngineScriptCollection& scripts, const std::string& css)
{
    for (const QWebEngineScript& old : scripts.find(kScriptName))
        scripts.remove(old);
    if (css.empty())
        return;
    QWebEngineScript script;
    script.setName(kScriptName);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    // In the page's own world: a world of its own would cost the engine a script context for
    // every page, and the pages' own scripts are the reader's.
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setSourceCode(installScript(css));
    scripts.insert(script);
}

void restyleShownPage(QWebEnginePage& page, const std::string& css)
{
    installHostStyleSheet(page.scripts(), css);
    page.runJavaScript(installScript(css));
}

} // namespace tilvane
