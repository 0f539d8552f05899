#include "core/search/arabic_letters.h"

#include "core/search/text_fold.h"

#include <utility>

namespace tilvane {

bool isHamzaForm(char32_t c)
{
    return c == kHamza || c == U'\u0623' || c == U'\u0625' || c == U'\u0624' || c == U'\u0626';
}

namespace {

// ـَٔ: a hamza written above a tatweel after its own vowel (بِـَٔايَةࣲ); the vowel moved after it
// falls on the hamza, not the letter before.
std::string hamzaVowelsInOrder(std::string_view written)
{
    std::string text(written);
    static const std::string kTatweel = "\u0640";
    static const std::string kHamzaAbove = "\u0654";
    for (std::size_t at = text.find(kTatweel); at != std::string::npos; at = text.find(kTatweel, at + 1)) {
        const std::size_t mark = at + kTatweel.size();
        std::size_t end = mark;
        if (end < text.size()) {
            const char32_t c = nextCodePoint(text, end);
            const bool vowel = c >= U'\u064B' && c <= U'\u0650';
            if (vowel && text.compare(end, kHamzaAbove.size(), kHamzaAbove) == 0) {
                const std::string vowelText = text.substr(mark, end - mark);
                text.replace(mark, end - mark + kHamzaAbove.size(), kHamzaAbove + vowelText);
            }
        }
    }
    return text;
}

} // namespace

Units readUnits(std::string_view original)
{
    const std::string text = hamzaVowelsInOrder(original);
    const std::string_view written = text;
    Units units;
    bool afterTatweel = false;
    bool wasla = false;
    for (std::size_t i = 0; i < written.size();) {
        const char32_t c = nextCodePoint(written, i);
        Unit* last = units.empty() ? nullptr : &units.back();
        if (c == U'\u064E' || c == U'\u064B' || c == U'\u08F0') {
            if (last) {
                last->vowel = 'a';
                last->tanween = c != U'\u064E';
            }
        } else if (c == U'\u064F' || c == U'\u064C' || c == U'\u08F1') {
            if (last) {
                last->vowel = 'u';
                last->tanween = c != U'\u064F';
            }
        } else if (c == U'\u0650' || c == U'\u064D' || c == U'\u08F2') {
            if (last) {
                last->vowel = 'i';
                last->tanween = c != U'\u0650';
            }
        } else if (c == U'\u0651') {
            if (last) last->shadda = true;
        } else if (c == U'\u0652' || c == U'\u06E1') {
            if (last) last->sukun = true;
        } else if (c == U'\u06E7' && afterTatweel) {
            units.push_back({kYa}); // ـۧ: a ya written small (ٱلنَّبِيِّـۧنَ)
        } else if (c == U'\u06E5' || c == U'\u06E6') {
            if (last) last->lengthened = true;
        } else if (c == U'\u0670') {
            // A small alif after a vowelled letter is a long a of its own (ءَايَٰت، نَٰ); on a
            // bare و or ى the letter is only its seat (ٱلصَّلَوٰةَ، عَلَىٰ).
            if (last) {
                last->dagger = true;
                if (last->vowel != 0 || last->shadda)
                    units.push_back({kAlif, 0, false, false, true});
                else if (last->letter == kWaw || last->letter == kYa)
                    last->letter = kAlif;
            }
        } else if (c == U'\u06DF' || c == U'\u06E0') {
            if (last) units.pop_back(); // written, never pronounced
        } else if (c == U'\u0654' && afterTatweel) {
            units.push_back({kHamza});
        } else if (c == U'\u0653' && last && last->letter == kAlif && units.size() == 1) {
            last->letter = kHamza; // آ at the start: hamza and long a
            units.push_back({kAlif, 0, false, false, true});
        } else if (c == U'\u0653' && last && last->letter == kHamza) {
            units.push_back({kAlif, 0, false, false, true}); // أٓ: hamza and long a (لَأٓيَٰت)
        } else if (c == U'\u0622') {
            // آ: hamza and long a at the start; inside a word a long a before a hamza (جَآءَ).
            if (units.empty())
                units.push_back({kHamza});
            units.push_back({kAlif, 0, false, false, true});
        } else if (c == U'\u0671') {
            wasla = true;
        } else if (c >= U'\u0621' && c <= U'\u064A' && c != U'\u0640') {
            units.push_back({isHamzaForm(c) ? kHamza : c});
            units.back().afterWasla = std::exchange(wasla, false);
        }
        afterTatweel = c == U'\u0640';
    }
    for (std::size_t k = 0; k < units.size(); ++k) {
        Unit& unit = units[k];
        const char before = k > 0 ? units[k - 1].vowel : 0;
        const bool bare = unit.vowel == 0 && !unit.shadda && !unit.sukun;
        if (unit.letter == kAlif || unit.letter == kAlifMaqsura)
            unit.longVowel = true;
        else if (k > 0 && bare && ((unit.letter == kWaw && before == 'u') || (unit.letter == kYa && before == 'i')))
            unit.longVowel = true;
        // A consonant without a mark inside the word is silent: the text leaves out the sukun
        // of a letter merged into the next (كُنتَ، مِن تَحۡتِ).
        else if (bare && k + 1 < units.size())
            unit.sukun = true;
    }
    // A shadda on the first letter is the last word's letter merged into it (نَّكُونَ، رَّبِّ); after
    // ٱ it is the word's own (ٱتَّقَوۡاْ).
    if (!units.empty() && !units.front().afterWasla)
        units.front().shadda = false;
    // The ا after an accusative's tanween is written, never read (أَبَدࣰا، صَفࣰّا).
    if (units.size() > 2 && isLetter(units.back(), kAlif) && units[units.size() - 2].tanween)
        units.pop_back();
    return units;
}

bool isLetter(const Unit& unit, char32_t letter)
{
    return unit.letter == letter;
}

std::string rootText(const std::u32string& letters)
{
    std::string out;
    for (char32_t c : letters)
        appendUtf8(out, c == kHamza ? kAlif : c);
    return out;
}

std::u32string rootLetters(std::string_view root)
{
    std::u32string letters;
    for (std::size_t i = 0; i < root.size();)
        letters += nextCodePoint(root, i);
    return letters;
}

} // namespace tilvane
