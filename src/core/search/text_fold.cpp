#include "core/search/text_fold.h"

#include "core/quran/quranic_marks.h"
#include "core/search/latin_letters.h"
#include "core/search/latin_spelling.h"

#include <algorithm>
#include <functional>

namespace tilvane {

namespace {

constexpr char32_t kInvalid = 0xFFFD;

char32_t decodeAt(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 1;
    char32_t codePoint = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
        codePoint = lead & 0x07;
    } else if (lead >= 0xE0) {
        length = lead < 0xF0 ? 3 : 1;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xC2) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0x80) {
        ++i;
        return kInvalid;
    }
    if (length == 1 && lead >= 0x80) {
        ++i;
        return kInvalid;
    }
    if (i + length > text.size()) {
        ++i;
        return kInvalid;
    }
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return kInvalid;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    i += length;
    return codePoint;
}

void appendCodePoint(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

enum class CharKind { Separator, Dropped, Letter, Ideograph };

struct Range {
    char32_t first;
    char32_t last;
};

bool inRanges(char32_t c, std::initializer_list<Range> ranges)
{
    return std::any_of(ranges.begin(), ranges.end(), [c](Range r) { return c >= r.first && c <= r.last; });
}

constexpr char32_t kTatweel = 0x0640;

CharKind kindOf(char32_t c)
{
    // Marks and apostrophes belong to the word they stand in, but are not searched for.
    if (c < 0x80) {
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            return CharKind::Letter;
        return c == '\'' || c == '`' ? CharKind::Dropped : CharKind::Separator;
    }
    if (isQuranicMark(c) || c == kTatweel
        || inRanges(c, {{0x0300, 0x036F}, {0x200B, 0x200F}, {0x2018, 0x2019}, {0x02B9, 0x02BF}})
        || c == 0x00B4 || c == 0x00AD)
        return CharKind::Dropped;
    if (c == kInvalid || c == 0x00D7 || c == 0x00F7
        || inRanges(c, {{0x0080, 0x00BF}, {0x2000, 0x206F}, {0x2E00, 0x2E7F}, {0x3000, 0x303F},
                        {0x060C, 0x060C}, {0x061B, 0x061F}, {0x066A, 0x066D}, {0x06D4, 0x06D4},
                        {0x06DD, 0x06DD}, {0x0964, 0x0965}, {0xFD3E, 0xFD3F}, {0xFE10, 0xFE1F},
                        {0xFE30, 0xFE6F}, {0xFF01, 0xFF0F}, {0xFF1A, 0xFF20}, {0xFF3B, 0xFF40},
                        {0xFF5B, 0xFF65}}))
        return CharKind::Separator;
    if (inRanges(c, {{0x3040, 0x30FF}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0xF900, 0xFAFF}, {0x20000, 0x2FFFF}}))
        return CharKind::Ideograph;
    return CharKind::Letter;
}

struct ArabicFold {
    char32_t from;
    char32_t to;
};

// The letters a reader types one way and the text spells another.
constexpr ArabicFold kArabicFolds[] = {
    {0x0622, 0x0627}, {0x0623, 0x0627}, {0x0625, 0x0627}, {0x0671, 0x0627}, {0x0672, 0x0627},
    {0x0673, 0x0627}, // alif forms
    {0x0649, 0x064A}, {0x0626, 0x064A}, {0x06CC, 0x064A}, {0x06D2, 0x064A}, {0x06D3, 0x064A}, // ya forms
    {0x0624, 0x0648}, // waw with hamza
    {0x0629, 0x0647}, {0x06C0, 0x0647}, {0x06C1, 0x0647}, {0x06BE, 0x0647}, // ta marbuta, ha forms
    {0x06A9, 0x0643}, // keheh
};

void appendFolded(std::string& out, char32_t c)
{
    if (c >= 'A' && c <= 'Z') {
        out += static_cast<char>(c - 'A' + 'a');
        return;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    if (const std::string_view latin = foldedLatinLetter(c); !latin.empty()) {
        out += latin;
        return;
    }
    if (c >= 0x0410 && c <= 0x042F)
        c += 0x20; // Cyrillic capitals
    else if (c >= 0x0400 && c <= 0x040F)
        c += 0x50;
    else if (c >= 0x0391 && c <= 0x03A9)
        c += 0x20; // Greek capitals
    if (c == 0x0451)
        c = 0x0435; // ё as е
    if (c >= 0x0660 && c <= 0x0669)
        c = '0' + (c - 0x0660);
    else if (c >= 0x06F0 && c <= 0x06F9)
        c = '0' + (c - 0x06F0);
    for (const ArabicFold& fold : kArabicFolds) {
        if (fold.from == c) {
            c = fold.to;
            break;
        }
    }
    appendCodePoint(out, c);
}

bool isArabicLetter(char32_t c)
{
    return c >= 0x0620 && c <= 0x06FF;
}

// --- spelling variants of an Uthmani word -----------------------------------------------

constexpr std::size_t kMaxSpellings = 16;

const std::string kAlif = "\u0627";

// The word as slots of alternatives; every choice of one alternative per slot is a spelling.
using Slots = std::vector<std::vector<std::string>>;

Slots spellingSlots(std::string_view word)
{
    Slots slots;
    char32_t lastBase = 0; // the last code point that is not a mark
    std::size_t i = 0;
    while (i < word.size()) {
        const char32_t c = decodeAt(word, i);
        if (c == 0x0670) {
            // و or ى with a dagger alif is a long a, written ا today (الصلوٰة, الصلاة).
            if ((lastBase == 0x0648 || lastBase == 0x0649) && !slots.empty() && slots.back().size() == 1)
                slots.back().push_back(kAlif);
            slots.push_back({"", kAlif});
        } else if (c == 0x06E5) {
            slots.push_back({"", "\u0648"});
        } else if (c == 0x06E6 || c == 0x06E7) {
            slots.push_back({"", "\u064A"});
        } else if (c == 0x06E8) {
            slots.push_back({"", "\u0646"});
        } else if (c == 0x0654 && lastBase == kTatweel) {
            slots.push_back({"", kAlif, "\u064A", "\u0648", "\u0621"});
        } else if (kindOf(c) == CharKind::Dropped) {
            if (c == kTatweel)
                lastBase = c;
        } else {
            std::string folded;
            appendFolded(folded, c);
            slots.push_back({folded});
            lastBase = c;
        }
    }
    return slots;
}

std::vector<std::string> spellingsOf(const Slots& slots)
{
    std::vector<std::string> spellings{""};
    for (const std::vector<std::string>& slot : slots) {
        std::vector<std::string> next;
        for (const std::string& start : spellings) {
            for (const std::string& choice : slot) {
                if (next.size() < kMaxSpellings)
                    next.push_back(start + choice);
            }
        }
        spellings = std::move(next);
    }
    return spellings;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// A stem shorter than three letters is more often part of the word than a word after a
// prefix (له is not الله without its article).
constexpr std::size_t kMinStemLetters = 3;

void addStem(std::vector<std::string>& out, const std::string& stem)
{
    if (codePointCount(stem) >= kMinStemLetters)
        out.push_back(stem);
}

const std::string kArticle = "\u0627\u0644";
const std::string kLamLam = "\u0644\u0644";
const std::string kLillah = "\u0644\u0644\u0647";
const std::string kAllah = "\u0627\u0644\u0644\u0647";

void addStemsAfterPreposition(std::vector<std::string>& out, const std::string& rest)
{
    for (const std::string& preposition : {std::string("\u0628"), std::string("\u0643"), std::string("\u0644")}) {
        if (!startsWith(rest, preposition))
            continue;
        const std::string stem = rest.substr(preposition.size());
        addStem(out, stem);
        if (startsWith(stem, kArticle))
            addStem(out, stem.substr(kArticle.size()));
    }
    // ل before the article drops its alif: للصلاة is ل + الصلاة, and لله is ل + الله.
    if (rest == kLillah) {
        out.push_back(kAllah);
    } else if (startsWith(rest, kLamLam)) {
        const std::string stem = rest.substr(kLamLam.size());
        addStem(out, kArticle + stem);
        addStem(out, stem);
    }
    if (startsWith(rest, kArticle))
        addStem(out, rest.substr(kArticle.size()));
}

void addStemsWithoutPrefixes(std::vector<std::string>& out, const std::string& spelling)
{
    addStemsAfterPreposition(out, spelling);
    for (const std::string& conjunction : {std::string("\u0648"), std::string("\u0641")}) {
        if (!startsWith(spelling, conjunction))
            continue;
        const std::string rest = spelling.substr(conjunction.size());
        addStem(out, rest);
        addStemsAfterPreposition(out, rest);
    }
}

} // namespace

char32_t nextCodePoint(std::string_view text, std::size_t& i)
{
    return decodeAt(text, i);
}

void appendUtf8(std::string& out, char32_t codePoint)
{
    appendCodePoint(out, codePoint);
}

std::size_t codePointCount(std::string_view utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void forEachWord(std::string_view text, const std::function<void(const FoldedWord&)>& visit)
{
    FoldedWord word;
    word.latin = true;
    bool inWord = false;
    auto finish = [&](std::size_t end) {
        if (inWord && !word.folded.empty()) {
            word.end = end;
            if (word.latin) {
                word.plain.swap(word.folded);
                foldLatinSpellingInto(word.plain, word.folded);
            }
            visit(word);
        }
        word.folded.clear(); // keeps its buffer for the next word
        word.arabic = false;
        word.vowelled = false;
        word.latin = true;
        inWord = false;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        // Most of a translation is ASCII letters: they only need their case folded.
        if (const char b = text[i]; (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z')) {
            if (!inWord) {
                word.begin = start;
                inWord = true;
            }
            word.folded += b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b;
            ++i;
            continue;
        }
        const char32_t c = decodeAt(text, i);
        const CharKind kind = kindOf(c);
        if (kind == CharKind::Separator || kind == CharKind::Ideograph)
            finish(start);
        if (kind == CharKind::Separator)
            continue;
        if (!inWord) {
            word.begin = start;
            inWord = true;
        }
        if (kind != CharKind::Dropped) {
            const std::size_t before = word.folded.size();
            appendFolded(word.folded, c);
            word.arabic = word.arabic || isArabicLetter(c);
            word.latin = word.latin
                && std::all_of(word.folded.begin() + static_cast<std::ptrdiff_t>(before), word.folded.end(),
                               [](char b) { return (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9'); });
        } else {
            word.vowelled = word.vowelled || isQuranicMark(c);
        }
        if (kind == CharKind::Ideograph)
            finish(i);
    }
    finish(text.size());
}

std::vector<FoldedWord> foldedWords(std::string_view text)
{
    std::vector<FoldedWord> words;
    forEachWord(text, [&words](const FoldedWord& word) { words.push_back(word); });
    return words;
}

std::vector<std::string> alternativeSpellings(std::string_view text, const FoldedWord& word)
{
    if (!word.arabic || !word.vowelled)
        return {};
    std::vector<std::string> spellings = spellingsOf(spellingSlots(text.substr(word.begin, word.end - word.begin)));
    const std::size_t written = spellings.size();
    for (std::size_t k = 0; k < written; ++k) {
        std::string modern = replaced(spellings[k], "\u0621\u0627", kAlif); // القرءان, القران
        if (modern != spellings[k])
            spellings.push_back(std::move(modern));
    }
    std::vector<std::string> out = spellings;
    for (const std::string& spelling : spellings)
        addStemsWithoutPrefixes(out, spelling);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    std::erase(out, word.folded);
    std::erase(out, std::string());
    return out;
}

} // namespace tilvane
