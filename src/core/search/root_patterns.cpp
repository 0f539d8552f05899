#include "core/search/root_patterns.h"

#include <algorithm>

namespace tilvane {

namespace {

// A letter the rules took for a prefix, read as a radical after all.
constexpr double kKeptPrefix = 1.0;
// Two radicals read with a weak third the rules did not choose.
constexpr double kOtherWeakReading = 0.8;
// The same after an imperfect's prefix, where a weak radical most often fell away.
constexpr double kFallenWeak = 0.4;
// A letter of a derived verb form the rules kept, taken away; less surprising once the
// form's beginning (ٱ or an imperfect's prefix) is off.
constexpr double kDerivedForm = 0.3;
constexpr double kBegunForm = 0.1;
// An imperfect's prefix taken off before a silent radical and one more.
constexpr double kSurePrefix = 0.4;
// A hamza after ā read as the hollow middle of فَاعِل.
constexpr double kHollowHamza = 0.3;
// A hollow jussive read from its two letters.
constexpr double kJussive = 0.2;
// Form VIII's ت read as a radical.
constexpr double kFormEightKept = 1.2;
// The less usual of two weak or hamzated readings.
constexpr double kGuessedLast = 0.1;
// The ending of a perfect's person after a silent letter (كُنتُ، جِئۡنَا): it is one.
constexpr double kPersonEnding = -0.6;
// A first radical ي or ت before a silent letter, where a prefix stands most often.
constexpr double kRareFirstYa = 0.8;
constexpr double kRareFirstTa = 0.4;
// The hamzaless forms of رأى, read from their one visible radical.
constexpr double kSeeing = 0.3;
// A hamza after ā read as a radical of its own (إِنشَآء).
constexpr double kWrittenHamza = 0.5;

std::string utf8(const std::vector<char32_t>& letters)
{
    return rootText(std::u32string(letters.begin(), letters.end()));
}

// Form VIII's ت, which turns ط after ص ض ط ظ and د after ز د ذ (ٱصۡطَفَىٰ، ٱزۡدَادُواْ).
bool isFormEightInfix(const Unit& first, const Unit& infix)
{
    const char32_t c = first.letter;
    if (c == U'\u0635' || c == U'\u0636' || c == U'\u0637' || c == U'\u0638')
        return isLetter(infix, U'\u0637');
    if (c == U'\u0632' || c == U'\u062F' || c == U'\u0630')
        return isLetter(infix, U'\u062F');
    return isLetter(infix, kTa);
}

// The letter of an imperfect's person in front of a verb: يَ تَ نَ أَ, or يُ تُ نُ أُ of forms II–IV.
bool isImperfectPrefix(const Unit& unit)
{
    return (isLetter(unit, kYa) || isLetter(unit, kTa) || isLetter(unit, kNun) || isLetter(unit, kHamza))
        && (unit.vowel == 'a' || unit.vowel == 'u') && !unit.shadda;
}

// After the prefixes of forms IV and X a middle ī tells as little of its radical as ā does.
void readMiddleLongIAsA(std::vector<Unit>& units)
{
    for (std::size_t k = 1; k + 1 < units.size(); ++k) {
        if (units[k].longVowel && isLetter(units[k], kYa))
            units[k].letter = kAlif;
    }
}

// Removes the letters a verb or noun pattern adds in front of the radicals (imperfect and
// participle prefixes, the t of forms V/VI/VIII, the n of form VII, the st of form X).
void stripPatternPrefixes(std::vector<Unit>& units, bool wasla, bool verbal, bool noun, double& penalty)
{
    auto strong = [&] {
        return std::count_if(units.begin(), units.end(), [](const Unit& u) { return !u.longVowel; });
    };
    bool prefixed = wasla;
    // With three letters the first is a prefix only when what follows shows a weak or doubled
    // radical (يقول، يمد); otherwise it is a radical (أرض، تحت).
    // مِي: the ي of mif`al stands for a first radical و (ميثاق، ميزان، ميعاد).
    if (units.size() > 3 && isLetter(units[0], kMim) && units[0].vowel == 'i' && isLetter(units[1], kYa)
        && units[1].longVowel) {
        units[1].letter = kWaw;
        units[1].longVowel = false;
    }
    std::vector<std::size_t> radicals;
    for (std::size_t k = 1; k < units.size(); ++k) {
        if (!units[k].longVowel)
            radicals.push_back(k);
    }
    // A prefix is followed by a radical, never by a long vowel (ءَامَنَ is no imperfect).
    const bool weakAfter = radicals.size() == 2 && units.size() > 1 && !units[1].longVowel
        && (units[radicals[1]].shadda || (verbal && units[1].sukun)
            || std::any_of(units.begin() + static_cast<std::ptrdiff_t>(radicals[0]) + 1, units.end(),
                           [](const Unit& u) { return u.longVowel; }));
    if (units.size() > 2 && !units[0].longVowel && units[0].vowel != 0 && (strong() >= 4 || (strong() == 3 && weakAfter))) {
        const char32_t first = units[0].letter;
        // أَفِيل is faʿīl, no imperfect (أَلِيم، أَثِيم).
        const bool faeel = !verbal && first == kHamza && units[0].vowel == 'a' && units[1].vowel == 'i'
            && isLetter(units[2], kYa) && units[2].longVowel;
        // After the article only a participle's م or the أ of أَفۡعَل stands in front.
        const bool imperfect = (first == kHamza || ((first == kYa || first == kTa || first == kNun) && !noun)) && !faeel;
        if ((imperfect && (units[0].vowel == 'a' || units[0].vowel == 'u')) || first == kMim) {
            // After the prefix of forms II–IV, ī stands for a middle و as often as ي (يُرِيدُ، مُصِيبَة).
            if (units[0].vowel == 'u')
                readMiddleLongIAsA(units);
            units.erase(units.begin());
            prefixed = true;
            penalty += 0.2;
        }
    }
    if (!prefixed && units.size() > 3 && isLetter(units[0], kTa) && units[0].vowel == 'a'
        && (units[1].shadda || (units.size() > 2 && units[2].longVowel && units[2].letter == kAlif))) {
        units.erase(units.begin()); // tafa``ala, tafa`ala
        return;
    }
    if (!prefixed || units.size() < 3)
        return;
    if (isLetter(units[0], kSin) && units[0].sukun && isLetter(units[1], kTa) && strong() >= 4) {
        units.erase(units.begin(), units.begin() + 2);
        readMiddleLongIAsA(units); // يَسۡتَطِيعُ، ٱسۡتَجَابَ
    } else if (isLetter(units[0], kNun) && units[0].sukun && strong() >= 4) {
        units.erase(units.begin());
    } else if (units.size() > 3 && isLetter(units[1], kTa) && units[0].sukun && strong() >= 4) {
        units.erase(units.begin() + 1);
    } else if (isLetter(units[0], kTa) && units[0].vowel == 'a' && strong() >= 4) {
        units.erase(units.begin());
    }
}

// The roots of letters left once the pattern's prefixes are off.
RootCandidate radicalsOf(const std::vector<Unit>& units, char stripped, bool verbal, double penalty)
{
    RootCandidate result{{}, penalty};
    std::vector<std::size_t> strong;
    for (std::size_t k = 0; k < units.size(); ++k) {
        if (!units[k].longVowel)
            strong.push_back(k);
    }
    std::vector<char32_t> letters;
    for (std::size_t k : strong)
        letters.push_back(units[k].letter);
    // قِيَام، صِيَام: a و between kasra and a long a is written ي.
    if (letters.size() == 3 && letters[1] == kYa && units[strong[0]].vowel == 'i' && units[strong[1]].vowel == 'a'
        && (units[strong[1]].dagger || (strong[1] + 1 < units.size() && units[strong[1] + 1].letter == kAlif)))
        letters[1] = kWaw;
    if (letters.size() == 3) {
        // A ي after kasra or a doubled weak letter may stand for either (رَضِيَ from رضو، نبيّ).
        bool guessed = false;
        for (std::size_t k = 1; k < 3; ++k) {
            const Unit& weak = units[strong[k]];
            const char before = units[strong[k - 1]].vowel;
            guessed = guessed || ((weak.letter == kYa || weak.letter == kWaw) && (weak.shadda || before == 'i'));
        }
        // ـَوۡا، ـَوۡنَ at the end: the plural of a verb whose weak radical fell (أَلۡقَوۡاْ، تَلۡقَوۡهُ).
        const Unit& last = units[strong[2]];
        guessed = guessed || (isLetter(last, kWaw) && last.sukun && strong[2] + 2 >= units.size());
        // Roots begin with ي rarely, with ت seldom: before a silent letter they are a prefix.
        double rare = 0;
        if (strong[0] == 0 && units.size() > 1 && (units[0].vowel == 'a' || units[0].vowel == 'u'))
            rare = isLetter(units[0], kYa)                                            ? kRareFirstYa
                : (isLetter(units[0], kTa) || isLetter(units[0], kNun)) && (units[1].sukun || units[1].vowel == 'i')
                ? kRareFirstTa
                : 0.0;
        // مُ before a doubled ت: the participle of form VIII (مُتَّقِين).
        // مُ before a doubled or silent letter: a participle's (مُتَّقِين، مُلۡقِين).
        if (strong[0] == 0 && isLetter(units[0], kMim) && units[0].vowel == 'u' && units.size() > 1
            && (units[1].shadda || units[1].sukun))
            rare = kRareFirstYa;
        // يَكُنۡ، تَكُنۡ: a jussive's prefix before two letters.
        if (strong[0] == 0 && units.size() == 3 && isImperfectPrefix(units[0]) && (units[2].sukun || units[2].vowel == 0))
            rare = std::max(rare, kRareFirstTa);
        return {utf8(letters), result.penalty + rare, guessed};
    }
    if (letters.size() == 4 && (letters[1] == kYa || letters[1] == kWaw) && units[strong[1]].sukun
        && units[strong[0]].vowel == 'a') {
        letters.erase(letters.begin() + 1); // fay`al, faw`al: شيطان
        return {utf8(letters), result.penalty + 1.0};
    }
    // فَوَاعِل: the و before ā is the plural's (ٱلۡفَوَٰحِشَ، قَوَاعِد).
    if (letters.size() == 4 && letters[1] == kWaw && strong[1] + 1 < units.size() && isLetter(units[strong[1] + 1], kAlif)) {
        letters.erase(letters.begin() + 1);
        return {utf8(letters), result.penalty + 0.3};
    }
    if (letters.size() == 4) {
        const bool repeated = letters[0] == letters[2] && letters[1] == letters[3];
        if (!repeated && (letters[3] == kNun || letters[3] == kTa || letters[3] == kWaw || letters[3] == kYa))
            letters.pop_back();
        else if (!repeated && (letters[0] == kHamza || letters[0] == kMim || letters[0] == kTa || letters[0] == kYa))
            letters.erase(letters.begin());
        // A و or ي kept last may be the plural's pronoun after a weak radical (يَخۡشَوۡنَ).
        const bool weakLast = letters.size() == 3 && (letters[2] == kWaw || letters[2] == kYa);
        return {utf8(letters), result.penalty + (letters.size() == 4 ? 2.5 : 1.0), weakLast};
    }
    if (letters.size() > 4) {
        letters.resize(3);
        return {utf8(letters), result.penalty + 4};
    }
    if (letters.size() != 2)
        return {{}, 100};
    const Unit& first = units[strong[0]];
    const Unit& second = units[strong[1]];
    // Form VIII of a root beginning with و: the و is assimilated into the doubled ت (اتقى).
    if (letters[0] == kTa && first.shadda && strong[0] == 0)
        return {utf8({kWaw, letters[1], kYa}), result.penalty + 0.8};
    // A doubled و is و and a weak last radical (قُوَّة، سَوَّىٰ).
    if (second.shadda && letters[1] == kWaw)
        return {utf8({letters[0], kWaw, kYa}), result.penalty + 0.5, true};
    // فَعَّلَ and تَفَعَّلَ of a defective root: a long vowel after the doubled letter (وَلَّىٰ، يُزَكِّي).
    if (second.shadda && strong[1] + 1 < units.size() && units[strong[1] + 1].longVowel
        && !isLetter(units[strong[1] + 1], kWaw))
        return {utf8({letters[0], letters[1], kYa}), result.penalty + 0.5, true};
    if (second.shadda || (first.shadda && strong[0] > 0))
        return {utf8({letters[0], letters[1], letters[1]}), result.penalty + 0.5};
    // A long vowel between the two: a hollow root; after them: a defective one. ā shows
    // neither radical, nor does a last ī (قَالَ، يُنجِي); a middle ī after the prefix of forms
    // II–IV was read as ā already (يُقِيمُ).
    auto weakOf = [](const Unit& vowel, char32_t fallback) {
        return vowel.letter == kWaw || vowel.letter == kYa ? vowel.letter : fallback;
    };
    // ءَا، أُو at the start: the hamza of form IV or III and its long vowel, no hollow root
    // (ءَاتَىٰ، أُوتُواْ).
    const bool defectiveAfter = std::any_of(units.begin() + static_cast<std::ptrdiff_t>(strong[1]) + 1, units.end(),
                                            [](const Unit& u) { return u.longVowel; });
    const bool formFour = strong[0] == 0 && isLetter(units[0], kHamza) && (units[0].vowel == 'u' || defectiveAfter);
    for (std::size_t k = strong[0] + 1 + (formFour ? 1 : 0); k < strong[1]; ++k) {
        if (units[k].longVowel) {
            const bool yaLast = letters[1] == kHamza || letters[1] == kYa; // جاء، شاء، آية
            const char32_t middle = yaLast && units[k].letter == kAlif ? kYa : weakOf(units[k], kWaw);
            return {utf8({letters[0], middle, letters[1]}), result.penalty + 0.6, units[k].letter == kAlif};
        }
    }
    for (std::size_t k = strong[1] + 1; k < units.size(); ++k) {
        if (units[k].longVowel) {
            // After a weak middle radical the last is ي (لوي، سوي، حيي: حَيَوٰة).
            const bool weakMiddle = letters[1] == kWaw || letters[1] == kYa;
            const char32_t last = units[k].letter == kAlifMaqsura || weakMiddle ? kYa : weakOf(units[k], kWaw);
            // فَعَا and فَعَى: the simple verb writes its last و as ا and its ي as ى (دَعَا، تَلَا،
            // رَمَىٰ، هَدَىٰ); longer forms write ى for both.
            const bool simple = units.size() == 3 && strong[0] == 0 && units[0].vowel == 'a' && units[1].vowel == 'a'
                && !units[1].shadda && (units[k].letter == kAlif || units[k].letter == kAlifMaqsura);
            // ـُونَ، ـُوا: the plural's own long u, after a weak radical that fell (يُلۡقُونَ).
            const bool plural = k + 2 == units.size() && (isLetter(units[k + 1], kNun) || isLetter(units[k + 1], kAlif));
            return {utf8({letters[0], letters[1], last}), result.penalty + 0.6,
                    (units[k].letter != kWaw || plural) && !simple};
        }
    }
    // No long vowel left: a weak radical fell away (يعد، قل، كن، يد).
    if (stripped == 'i' && first.vowel == 'i')
        return {utf8({kWaw, letters[0], letters[1]}), result.penalty + 0.5, true};
    // A last silent letter, or one with the kasra that links it to the next word (قُلِ ٱلۡحَمۡدُ).
    const bool silentLast = second.sukun || second.vowel == 0 || (second.vowel == 'i' && first.vowel == 'u');
    if (silentLast && strong[1] + 1 == units.size())
        return {utf8({letters[0], first.vowel == 'i' ? kYa : kWaw, letters[1]}), result.penalty + 1.0, true};
    // Before a plural ending a last weak radical falls away: يبغون، يأتون.
    if (verbal)
        return {utf8({letters[0], letters[1], kYa}), result.penalty + 0.8, true};
    return {utf8({letters[0], letters[1], kWaw}), result.penalty + 2, true};
}

// The rules' reading of the radicals and, for two radicals left, every way a third weak
// one may have fallen away, a little less likely: the other words of the text choose.
void addRadicalReadings(std::vector<RootCandidate>& out, const std::vector<Unit>& units, char stripped, bool verbal,
                        double penalty, double otherWeak = kOtherWeakReading)
{
    RootCandidate reading = radicalsOf(units, stripped, verbal, penalty);
    if (reading.root.empty())
        return;
    out.push_back(reading);
    std::vector<char32_t> letters;
    std::vector<std::size_t> strong;
    for (std::size_t k = 0; k < units.size(); ++k) {
        if (!units[k].longVowel) {
            letters.push_back(units[k].letter);
            strong.push_back(k);
        }
    }
    // فَاعِل of a hollow root writes its middle as a hamza after ā (قَآئِم، خَآئِف، طَآئِفَة).
    if (letters.size() == 3 && letters[1] == kHamza && strong[1] == strong[0] + 2 && isLetter(units[strong[0] + 1], kAlif))
    {
        // Most roots of these are hollow; سَآئِل is one of the few with a hamza.
        out.back().penalty += kHollowHamza;
        out.push_back({utf8({letters[0], kWaw, letters[2]}), reading.penalty, true});
    }
    if (letters.size() != 2)
        return;
    const char32_t a = letters[0];
    const char32_t b = letters[1];
    for (const std::vector<char32_t>& other : {std::vector<char32_t>{a, kWaw, b}, std::vector<char32_t>{a, b, kYa},
                                               std::vector<char32_t>{kWaw, a, b}, std::vector<char32_t>{a, b, b}})
        out.push_back({utf8(other), reading.penalty + otherWeak, true});
}

// The letters the derived verb forms add after the first radical or before it, when the
// rules kept them: the t of form VIII (ٱهۡتَدَىٰ، يَبۡتَغُونَ), the n of form VII (ٱنقَلَبَ), a
// first radical و or ء assimilated into the t of form VIII (ٱتَّقَىٰ، ٱتَّخَذَ).
void addDerivedFormReadings(std::vector<RootCandidate>& out, const std::vector<Unit>& units, char stripped, bool verbal,
                            double penalty)
{
    if (units.size() < 3)
        return;
    if (units[0].sukun && isFormEightInfix(units[0], units[1]) && !units[1].shadda) {
        std::vector<Unit> rest = units;
        rest.erase(rest.begin() + 1);
        addRadicalReadings(out, rest, stripped, verbal, penalty);
    }
    // تَفَعَّلَ، تَفَاعَلَ (يَتَوَلَّىٰ، تَبَارَكَ).
    if (units.size() > 2 && isLetter(units[0], kTa) && units[0].vowel == 'a' && (units[2].shadda || (isLetter(units[2], kAlif) && units.size() > 3))) {
        addRadicalReadings(out, std::vector<Unit>(units.begin() + 1, units.end()), stripped, verbal, penalty);
    }
    if (units.size() > 3 && isLetter(units[0], kSin) && units[0].sukun && isLetter(units[1], kTa)) {
        addRadicalReadings(out, std::vector<Unit>(units.begin() + 2, units.end()), stripped, verbal, penalty);
    }
    if (isLetter(units[0], kNun) && units[0].sukun) {
        addRadicalReadings(out, std::vector<Unit>(units.begin() + 1, units.end()), stripped, verbal, penalty);
    }
    if (isLetter(units[0], kTa) && units[0].shadda) {
        for (const char32_t first : {kWaw, kHamza}) {
            std::vector<Unit> rest = units;
            rest[0] = {first};
            addRadicalReadings(out, rest, stripped, verbal, penalty + (first == kHamza ? kGuessedLast : 0.0));
        }
    }
}

// The radicals of a word reduced to its pattern's letters, read with its prefix taken as the
// rules say (first) and, where the rules could be wrong, the other way.
void addCoreReadings(std::vector<RootCandidate>& out, std::vector<Unit> units, bool wasla, char stripped, bool verbal,
                     bool noun, double penalty)
{
    if (!units.empty() && units.back().letter == kTaMarbuta)
        units.pop_back();
    // ـَٰت: the feminine plural written with a small alif.
    if (units.size() > 3 && units.back().letter == kTa && isLetter(units[units.size() - 2], kAlif)
        && units[units.size() - 3].dagger)
        units.erase(units.end() - 2, units.end());
    // ـَاء after the radicals: the plural or feminine ending of fuʿalāʾ, afʿilāʾ (شُرَكَآءُ); after
    // two, the hamza stands for a weak last radical (سَمَآء، جَزَآء، دُعَآء).
    const std::size_t size = units.size();
    if (size > 3 && isLetter(units[size - 1], kHamza) && isLetter(units[size - 2], kAlif)) {
        std::vector<Unit> before(units.begin(), units.end() - 2);
        const auto radicals = std::count_if(before.begin(), before.end(), [](const Unit& u) { return !u.longVowel; });
        // After an imperfect's prefix the hamza is the radical of a hollow verb (يَشَآءُ).
        const bool prefixed = isImperfectPrefix(before[0]);
        if (radicals >= 3) {
            addCoreReadings(out, before, wasla, stripped, verbal, noun, penalty);
        } else if (radicals == 2 && !prefixed) {
            std::vector<char32_t> letters;
            for (const Unit& unit : before) {
                if (!unit.longVowel)
                    letters.push_back(unit.letter);
            }
            // After a weak middle radical the last is ي (سَوَآء).
            const bool weakMiddle = letters[1] == kWaw || letters[1] == kYa;
            out.push_back({utf8({letters[0], letters[1], weakMiddle ? kYa : kWaw}), penalty, true});
            out.push_back({utf8({letters[0], letters[1], weakMiddle ? kWaw : kYa}), penalty + kGuessedLast, true});
        }
        if (!prefixed)
            penalty += kWrittenHamza;
    }
    // رَأَىٰ loses its hamza in the imperfect and in form IV: يَرَىٰ، تَرَوۡنَ، أَرِنَا، يُرِيكُمۡ.
    if (!noun && units.size() >= 2 && isImperfectPrefix(units[0]) && isLetter(units[1], kRa)
        && std::all_of(units.begin() + 2, units.end(),
                       [](const Unit& u) { return u.longVowel || (isLetter(u, kWaw) && u.sukun); }))
        out.push_back({rootText({kRa, kHamza, kYa}), penalty + kSeeing, true});
    std::vector<Unit> kept = units;
    double prefixPenalty = 0;
    stripPatternPrefixes(units, wasla, verbal, noun, prefixPenalty);
    const bool begun = wasla || units.size() != kept.size(); // a verb form's beginning is off
    // ٱفۡتَعَلَ: after ٱ or a prefix, a silent letter and ت with a or i is form VIII's.
    const bool formEight = begun && units.size() > 2 && units[0].sukun && isFormEightInfix(units[0], units[1])
        && (units[1].vowel == 'a' || units[1].vowel == 'i');
    addRadicalReadings(out, units, stripped, verbal, penalty + prefixPenalty + (formEight ? kFormEightKept : 0.0));
    addDerivedFormReadings(out, units, stripped, verbal, penalty + prefixPenalty + (begun ? kBegunForm : kDerivedForm));
    if (units.size() != kept.size()) {
        // The letter taken for a prefix may be a radical (أَلِيم، مَرِيض).
        addRadicalReadings(out, kept, stripped, verbal, penalty + kKeptPrefix);
    } else if (!noun && kept.size() > 2 && !kept[0].longVowel && !kept[0].shadda && !kept[1].longVowel
               && (kept[0].vowel == 'a' || kept[0].vowel == 'u')
               && (isLetter(kept[0], kYa) || isLetter(kept[0], kTa) || isLetter(kept[0], kNun)
                   || isLetter(kept[0], kHamza) || isLetter(kept[0], kMim))) {
        // An imperfect's or participle's prefix before two radicals: a weak one fell away
        // (يَجِدُ، يَلۡقَ، تَرَ), or the verb's form shows behind it (يَتَّقُونَ، مُّتَّقِينَ، يَهۡتَدُونَ).
        // yafʿ-, yafi- and yafu- before a last silent letter: a prefix surely (يَأۡتِ، تَجِدُ، يَكُنۡ).
        const bool sure = kept[1].sukun || (kept[1].vowel == 'i' && kept[0].vowel == 'a')
            || (kept.size() == 3 && (kept[2].sukun || kept[2].vowel == 0));
        const double prefix = sure ? kSurePrefix : kKeptPrefix;
        kept.erase(kept.begin());
        // The jussive of a hollow verb keeps two letters, the last silent (تَخَفۡ، يَكُنۡ).
        if (kept.size() == 2 && (kept[1].sukun || kept[1].vowel == 0))
            out.push_back({utf8({kept[0].letter, kWaw, kept[1].letter}), penalty + prefix + kJussive, true});
        addRadicalReadings(out, kept, 'i', true, penalty + prefix, kFallenWeak);
        addDerivedFormReadings(out, kept, stripped, true, penalty + kBegunForm);
    }
}

struct Suffix {
    std::u32string letters;
    std::size_t minimumLeft; // letters the word keeps
};

// Attached pronouns and the endings of verbs and nouns, longest first.
const std::vector<Suffix>& suffixes()
{
    static const std::vector<Suffix> list = {
        {U"\u0647\u0645\u0627", 2}, {U"\u0643\u0645\u0627", 2}, {U"\u062A\u0645\u0627", 2},
        {U"\u0647\u0645", 2},       {U"\u0643\u0645", 2},       {U"\u0647\u0646", 2},
        {U"\u0643\u0646", 2},       {U"\u062A\u0645", 2},       {U"\u0646\u0627", 2},
        {U"\u0647\u0627", 2},       {U"\u0648\u0646", 2},       {U"\u064A\u0646", 2},
        {U"\u0627\u062A", 2},       {U"\u0627\u0646", 2},       {U"\u0648\u0627", 2},
        {U"\u0646\u064A", 2},       {U"\u0647", 3},             {U"\u0643", 3},
        {U"\u062A", 3},             {U"\u064A", 3},             {U"\u0648", 3},
        {U"\u0627", 3},
    };
    return list;
}

// The ن of a plural ending takes a, that of a dual i (يَكُونُ is no plural).
bool endingVowelFits(const std::u32string& ending, const Unit& last)
{
    if (ending == U"\u0648\u0646" || ending == U"\u064A\u0646")
        return last.vowel == 'a' || last.vowel == 0;
    if (ending == U"\u0627\u0646")
        return last.vowel == 'i' || last.vowel == 0;
    return true;
}

bool endsWith(const std::vector<Unit>& units, std::size_t end, const std::u32string& letters)
{
    if (end < letters.size())
        return false;
    for (std::size_t k = 0; k < letters.size(); ++k) {
        if (units[end - letters.size() + k].letter != letters[k])
            return false;
    }
    return true;
}

} // namespace

void addRootReadings(std::vector<RootCandidate>& out, const Units& units, bool wasla, char stripped, bool noun,
                     double penalty)
{
    bool endsInflected = false;
    auto add = [&](std::vector<Unit> core, double extra, bool verbal) {
        // The ending read as radicals.
        const double inflected = extra == 0 && endsInflected ? 1.0 : 0.0;
        addCoreReadings(out, std::move(core), wasla, stripped, verbal && !noun, noun, penalty + extra + inflected);
    };
    std::size_t end = units.size();
    if (end > 0 && units[end - 1].letter == kTaMarbuta)
        --end;
    endsInflected = std::any_of(suffixes().begin(), suffixes().end(), [&](const Suffix& suffix) {
        return suffix.letters.size() >= 2 && endsWith(units, end, suffix.letters);
    });
    // قَالَتۡ، قَالَتِ: the ت of a perfect's third person feminine, silent or linking.
    if (end > 0 && units[end - 1].letter == kHa && units[end - 1].lengthened)
        endsInflected = true;
    if (end > 2 && units[end - 1].letter == kTa && (units[end - 1].sukun || units[end - 1].vowel == 'i')
        && (units[end - 2].vowel == 'a' || units[end - 2].letter == kAlif))
        endsInflected = true;
    if (end > 2 && units[end - 1].letter == kTa && units[end - 2].sukun)
        endsInflected = true; // كُنتَ، جِئۡتُ
    if (end > 2 && (units[end - 1].letter == kHa || units[end - 1].letter == kKaf) && units[end - 2].longVowel)
        endsInflected = true; // أَلۡقَىٰهُ: a pronoun after a long vowel
    add(units, 0, false);
    // The energetic ending نَّ (لَنَكُونَنَّ، لَأَتَّخِذَنَّ).
    if (end > 3 && isLetter(units[end - 1], kNun) && units[end - 1].shadda && end == units.size())
        add(std::vector<Unit>(units.begin(), units.end() - 1), 0.1, true);
    std::size_t longest = 0; // the longest ending found: its own last letter is no ending of its own
    for (const Suffix& suffix : suffixes()) {
        // A doubled letter counts twice: رَبُّكَ keeps رب ب.
        std::size_t left = 0;
        for (std::size_t k = 0; k + suffix.letters.size() < end + 1 && k < end - std::min(end, suffix.letters.size()); ++k)
            left += units[k].shadda ? 2 : 1;
        const bool merged = endsWith(units, end, suffix.letters) && suffix.letters.size() > 1
            && units[end - suffix.letters.size()].shadda
            && (suffix.letters[0] == kNun || suffix.letters[0] == kTa);
        // A ت after a silent letter is the perfect's person: the hollow verb keeps two letters (كُنتَ).
        const bool imperfect = units.size() > 2 && isImperfectPrefix(units[0]) && units[1].sukun;
        const bool person = !imperfect && end > suffix.letters.size() && units[end - suffix.letters.size() - 1].sukun
            && (suffix.letters == U"\u062A" || suffix.letters == U"\u062A\u0645" || suffix.letters == U"\u0646\u0627"
                || suffix.letters == U"\u062A\u0645\u0627");
        // A plural's ending leaves two radicals after an imperfect's prefix (يَكُونَ is يكون).
        const bool plural = suffix.letters == U"\u0648\u0646" || suffix.letters == U"\u064A\u0646";
        const bool tooShort = plural && end == 4 && isImperfectPrefix(units[0]) && !isLetter(units[1], kRa);
        if (endsWith(units, end, suffix.letters) && left + (merged || person ? 1 : 0) >= suffix.minimumLeft
            && endingVowelFits(suffix.letters, units[end - 1]) && !tooShort) {
            const double tail = suffix.letters.size() < longest ? 0.2 : 0.0;
            longest = std::max(longest, suffix.letters.size());
            std::vector<Unit> core(units.begin(), units.begin() + static_cast<std::ptrdiff_t>(end - suffix.letters.size()));
            const Unit& first = units[end - suffix.letters.size()];
            // كُنَّا، ءَامَنَّا: the radical ن and the ending's ن written as one doubled letter.
            double evidence = 0.0;
            if (merged) {
                core.push_back(first);
                core.back().shadda = false;
                core.back().vowel = 0;
                evidence = -0.3;
            }
            // After a doubled letter a pronoun it is: رَبَّهُۥ، رَبُّكَ.
            const bool pronoun = suffix.letters == U"\u0643" || suffix.letters == U"\u0647" || suffix.letters == U"\u064A"
                || suffix.letters.starts_with(U"\u0647") || suffix.letters.starts_with(U"\u0643")
                || suffix.letters == U"\u0646\u0627";
            if (pronoun && !core.empty() && core.back().shadda && !merged)
                evidence = -0.9;
            // هُۥ، هِۦ: the pronoun's vowel written long.
            if (suffix.letters == U"\u0647" && units[end - 1].lengthened)
                evidence = -0.5;
            if (person)
                evidence = kPersonEnding;
            // After yafʿ- a last ي is the radical, no pronoun: verbs take ني (يَأۡتِي، تَجۡرِي).
            const bool imperfectShape = units.size() > 2 && units[0].vowel != 0 && units[1].sukun
                && (isLetter(units[0], kYa) || isLetter(units[0], kTa) || isLetter(units[0], kNun)
                    || isLetter(units[0], kHamza));
            if (suffix.letters == U"\u064A" && imperfectShape)
                evidence = 0.6;
            // After the endings of a verb's persons the word is a verb: its first letter may be
            // the imperfect's prefix even before only two radicals (تتلون).
            const bool verbal = suffix.letters == U"\u0648\u0646" || suffix.letters == U"\u0648\u0627"
                || suffix.letters == U"\u062A\u0645";
            add(core, (suffix.letters.size() == 1 ? 0.3 : 0.1) + tail + evidence, verbal);
            // Before a pronoun the feminine ة is written ت, and the perfect's feminine ت stands
            // alike (زِينَتَهُنَّ، زَادَتۡهُمۡ، كَانَتَا).
            const std::size_t size = core.size();
            const bool pronounAfter = pronoun || suffix.letters == U"\u0627";
            if (pronounAfter && size > 3 && isLetter(core[size - 1], kTa)
                && (core[size - 2].vowel == 'a' || isLetter(core[size - 2], kAlif)))
                add(std::vector<Unit>(core.begin(), core.end() - 1), 0.2 + tail + kPersonEnding, false);
            // A pronoun may follow a plural or verb ending: يعلمونهم، رزقناهم.
            for (const Suffix& inner : suffixes()) {
                const std::size_t left = core.size();
                const std::size_t size = inner.letters.size();
                // فَعَلۡتُهَا: a person's ت after a silent letter, never after yafʿ-.
                const bool person = size == 2
                    || (inner.letters == U"\u062A" && !imperfect && left > 1 && core[left - 2].sukun);
                if (person && endsWith(core, left, inner.letters) && left - size >= 2) {
                    const bool afterSilent = core[left - size - 1].sukun && inner.letters != U"\u0648\u0646";
                    add(std::vector<Unit>(core.begin(), core.end() - static_cast<std::ptrdiff_t>(size)),
                        0.2 + (afterSilent ? kPersonEnding : 0.0), false);
                    break;
                }
            }
        }
    }
}

} // namespace tilvane
