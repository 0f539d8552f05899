#include "core/render/aya_copy.h"
#include "core/base/markup_escape.h"

#include "core/quran/quran_store.h"
#include "core/quran/sura_table.h"
#include "core/quran/translations.h"
#include "core/render/text_search.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace tilvane {

namespace {

const std::array<std::pair<std::string_view, std::string_view>, 6> kCharacterReferences{{
    {"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"},
}};

std::string withoutFootnoteMarks(std::string text)
{
    for (std::size_t open; (open = text.find("<sup>")) != std::string::npos;) {
        const std::size_t close = text.find("</sup>", open);
        text.erase(open, close == std::string::npos ? std::string::npos : close + 6 - open);
    }
    return text;
}

std::string collapsedBlanks(const std::string& text)
{
    std::string result;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (blank && (result.empty() || result.back() == ' '))
            continue;
        result += blank ? ' ' : c;
    }
    while (!result.empty() && result.back() == ' ')
        result.pop_back();
    return result;
}

// The first aya of most suras is stored with the bismillah in front; the page shows it in the
// heading, so the aya alone is copied.
std::string arabicOf(TQuranPos pos)
{
    const std::string& text = ayaLine(QuranUthmani, pos.Sura, pos.Aya);
    if (pos.Sura == 1 || pos.Aya != 1)
        return text;
    return removeAll(text, ayaLine(QuranUthmani, 1));
}

std::vector<std::string> translationsOf(TQuranPos pos)
{
    const int global = globalAyaIndex(pos.Sura, pos.Aya);
    std::vector<std::string> texts;
    for (const ActiveTranslation& active : activeTranslationIndexes()) {
        std::string line;
        if (active.catalogueIndex == kBuiltInLatin)
            line = ayaLine(InaLatn, global);
        else if (active.catalogueIndex == kBuiltInFootnote)
            line = ayaLine(InaTran, global);
        else if (static_cast<std::size_t>(active.slot) < TransAyaLists.size())
            line = TransAyaLists[static_cast<std::size_t>(active.slot)].lineOrEmpty(static_cast<std::size_t>(global) - 1);
        std::string text = plainFromPageText(line);
        if (!text.empty())
            texts.push_back(std::move(text));
    }
    return texts;
}

} // namespace

std::string plainFromPageText(const std::string& text)
{
    std::string plain;
    bool inTag = false;
    for (const char c : withoutFootnoteMarks(text)) {
        if (c == '<')
            inTag = true;
        else if (c == '>' && inTag)
            inTag = false;
        else if (!inTag)
            plain += c;
    }
    for (const auto& [reference, character] : kCharacterReferences) {
        for (std::size_t at = 0; (at = plain.find(reference, at)) != std::string::npos; at += character.size())
            plain.replace(at, reference.size(), character);
    }
    return collapsedBlanks(plain);
}

std::string ayaReference(TQuranPos pos)
{
    return "QS. " + SuraLatinNames[static_cast<std::size_t>(pos.Sura)] + " [" + std::to_string(pos.Sura) +
           "]: " + std::to_string(pos.Aya);
}

AyaCopy composeAyaCopy(TQuranPos pos)
{
    if (globalAyaIndex(pos.Sura, pos.Aya) == 0)
        return {};
    const std::string arabic = collapsedBlanks(arabicOf(pos));
    const std::vector<std::string> translations = translationsOf(pos);
    const std::string reference = ayaReference(pos);

    AyaCopy copy;
    copy.plainText = arabic + "\n";
    copy.html = "<div><p dir=\"rtl\" lang=\"ar\" style=\"font-family: Scheherazade, serif; font-size: 1.6em\">" +
                markupEscaped(arabic) + "</p>\n";
    for (const std::string& text : translations) {
        copy.plainText += text + "\n";
        copy.html += "<p dir=\"ltr\">" + markupEscaped(text) + "</p>\n";
    }
    copy.plainText += "(" + reference + ")";
    copy.html += "<p dir=\"ltr\">(" + markupEscaped(reference) + ")</p></div>";
    return copy;
}

} // namespace tilvane
