#pragma once

#include <string>

class QWebEnginePage;
class QWebEngineScriptCollection;

namespace tilvane {

// Rules for this web engine that every sura page gets: ayat far from the view are laid out
// only when they come near it (the engine then skips most of a long page's text shaping and
// keeps less memory), and a heading whose height the page fixes grows with its text.
extern const char* const kSuraPageEngineRules;
// The heading rule alone, for the preface and closing pages.
extern const char* const kPrefacePageEngineRules;

// Installs css into every document the page loads from now on, as a user style sheet: it is
// applied before the page's own content is parsed and lies below the page's own rules in the
// cascade, except for declarations marked !important, which win over the page's. The page's
// DOM is not touched. Replaces the sheet installed before; an empty css removes it.
void installHostStyleSheet(QWebEngineScriptCollection& scripts, const std::string& css);
// Installs css as above and also puts it in place of the sheet of the page shown now, which
// the engine restyles without loading it again.
void restyleShownPage(QWebEnginePage& page, const std::string& css);

} // namespace tilvane
