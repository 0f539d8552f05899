#include "core/search/root_radicals.h"

#include <algorithm>

namespace tilvane {

namespace {

// A first radical ي or ت before a silent letter, where a prefix stands most often.
constexpr double kRareFirstYa = 0.8;
constexpr double kRareFirstTa = 0.4;
// A hamza after ā read as the hollow middle of فَاعِل.
constexpr double kHollowHamza = 0.3;
constexpr double kHamzaBeforePronoun = 0.6;
// yafaʿu read as an assimilated root's imperfect.
constexpr double kAssimilatedA = 0.3;
// A first radical after form IV's u read the other way: و as ي, a hamza as و.
constexpr double kOtherFirstRadical = 0.2;
// A defective reading of a doubled last letter.
constexpr double kDoubledDefective = 0.5;

// After the prefixes of forms IV and X a middle ī tells as little of its radical as ā does.
void readMiddleLongIAsA(std::vector<Unit>& units)
{
    for (std::size_t k = 1; k + 1 < units.size(); ++k) {
        if (units[k].longVowel && isLetter(units[k], kYa))
            units[k].letter = kAlif;
    }
}

// The roots of letters left once the pattern's prefixes are off.
RootCandidate radicalsOf(const std::vector<Unit>& units, char stripped, bool verbal, double penalty)
{
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
        // A ي after kasra or doubled may stand for either (رَضِيَ from رضو، نبيّ); a doubled و is
        // one (عُلُوًّا).
        unsigned guessed = 0;
        for (std::size_t k = 1; k < 3; ++k) {
            const Unit& weak = units[strong[k]];
            const char before = units[strong[k - 1]].vowel;
            if ((weak.letter == kYa && (weak.shadda || before == 'i')) || (weak.letter == kWaw && before == 'i'))
                guessed |= 1u << k;
        }
        // ـَوۡا، ـَوۡنَ at the end: the plural of a verb whose weak radical fell (أَلۡقَوۡاْ، تَلۡقَوۡهُ).
        const Unit& last = units[strong[2]];
        if (isLetter(last, kWaw) && last.sukun && strong[2] + 2 >= units.size())
            guessed |= kLastGuessed;
        // يۡ before a person's ending: forms II and IV write ي for either (نَجَّيۡنَا، أَنجَيۡنَا).
        if (isLetter(last, kYa) && last.sukun)
            guessed |= kLastGuessed;
        // Roots begin with ي rarely, with ت seldom: before a silent letter they are a prefix.
        double rare = 0;
        if (strong[0] == 0 && units.size() > 1 && (units[0].vowel == 'a' || units[0].vowel == 'u'))
            rare = isLetter(units[0], kYa)                                            ? kRareFirstYa
                : (isLetter(units[0], kTa) || isLetter(units[0], kNun)) && (units[1].sukun || units[1].vowel == 'i')
                ? kRareFirstTa
                : 0.0;
        // مُ before a doubled or silent letter: a participle's (مُتَّقِين، مُلۡقِين).
        if (strong[0] == 0 && isLetter(units[0], kMim) && units[0].vowel == 'u' && units.size() > 1
            && (units[1].shadda || units[1].sukun))
            rare = kRareFirstYa;
        // tafaʿu: an imperfect's prefix before two letters (تَذَرُ، يَضَعُ); no perfect ends in u (a
        // noun may: نَبَأُ، نَصَبٌ).
        if (strong[0] == 0 && units.size() == 3 && isYafaU(units))
            rare = std::max(rare, kRareFirstTa);
        // يَكُنۡ، تَكُنۡ: a jussive's prefix before two letters.
        if (strong[0] == 0 && units.size() == 3 && isImperfectPrefix(units[0]) && (units[2].sukun || units[2].vowel == 0))
            rare = std::max(rare, kRareFirstTa);
        // A prefix before a doubled ت: form VIII of a root whose first radical merged into it (يَتَّقُونَ).
        if (strong[0] == 0 && (isImperfectPrefix(units[0]) || isLetter(units[0], kMim)) && units.size() > 1
            && isLetter(units[1], kTa) && units[1].shadda)
            rare = std::max(rare, kRareFirstYa);
        return {rootOfLetters(letters), penalty + rare, guessed};
    }
    if (letters.size() == 4 && (letters[1] == kYa || letters[1] == kWaw) && units[strong[1]].sukun
        && units[strong[0]].vowel == 'a') {
        letters.erase(letters.begin() + 1); // fay`al, faw`al: شيطان
        return {rootOfLetters(letters), penalty + 1.0};
    }
    // فَعَائِل: the hamza after ā is the plural's (شَمَآئِل، خَزَآئِن، بَصَآئِر).
    if (letters.size() == 4 && letters[2] == kHamza && strong[2] > 0 && isLetter(units[strong[2] - 1], kAlif)) {
        letters.erase(letters.begin() + 2);
        return {rootOfLetters(letters), penalty + 0.3};
    }
    // فَوَاعِل: the و before ā is the plural's (ٱلۡفَوَٰحِشَ، قَوَاعِد).
    if (letters.size() == 4 && letters[1] == kWaw && strong[1] + 1 < units.size() && isLetter(units[strong[1] + 1], kAlif)) {
        letters.erase(letters.begin() + 1);
        // Its last ي after kasra stands for و as well (رَوَٰسِيَ of رسو).
        const bool weakLast = letters[2] == kYa && units[strong[3] - 1].vowel == 'i';
        return {rootOfLetters(letters), penalty + 0.3, weakLast ? kLastGuessed : 0u};
    }
    if (letters.size() == 4) {
        const bool repeated = letters[0] == letters[2] && letters[1] == letters[3];
        if (!repeated && (letters[3] == kNun || letters[3] == kTa || letters[3] == kWaw || letters[3] == kYa))
            letters.pop_back();
        else if (!repeated && (letters[0] == kHamza || letters[0] == kMim || letters[0] == kTa || letters[0] == kYa))
            letters.erase(letters.begin());
        // A و or ي kept last may be the plural's pronoun after a weak radical (يَخۡشَوۡنَ).
        const bool weakLast = letters.size() == 3 && (letters[2] == kWaw || letters[2] == kYa);
        return {rootOfLetters(letters), penalty + (letters.size() == 4 ? 2.5 : 1.0), weakLast ? kLastGuessed : 0u};
    }
    if (letters.size() > 4) {
        letters.resize(3);
        return {rootOfLetters(letters), penalty + 4};
    }
    if (letters.size() != 2)
        return {{}, 100};
    const Unit& first = units[strong[0]];
    const Unit& second = units[strong[1]];
    // Form VIII of a root beginning with و: the و is assimilated into the doubled ت (اتقى).
    if (letters[0] == kTa && first.shadda && strong[0] == 0)
        return {rootOfLetters({kWaw, letters[1], kYa}), penalty + 0.8};
    // A doubled و is و and a weak last radical (قُوَّة، سَوَّىٰ).
    if (second.shadda && letters[1] == kWaw)
        return {rootOfLetters({letters[0], kWaw, kYa}), penalty + 0.5, kLastGuessed};
    // فَعَّلَ and تَفَعَّلَ of a defective root: a long vowel after the doubled letter (وَلَّىٰ، يُزَكِّي).
    if (second.shadda && strong[1] + 1 < units.size() && units[strong[1] + 1].longVowel
        && !isLetter(units[strong[1] + 1], kWaw))
        return {rootOfLetters({letters[0], letters[1], kYa}), penalty + 0.5, kLastGuessed};
    if (second.shadda || (first.shadda && strong[0] > 0))
        return {rootOfLetters({letters[0], letters[1], letters[1]}), penalty + 0.5};
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
    // (Before a last ي with its vowel it is the noun ءَايَة.)
    const bool formFour = strong[0] == 0 && isLetter(units[0], kHamza)
        && (units[0].vowel == 'u' || units[0].vowel == 'a' || defectiveAfter)
        && !(isLetter(second, kYa) && second.vowel != 0 && strong[1] + 1 == units.size());
    // فَاعَلَ of a defective root: ā after the first radical, the weak one last (نَادَىٰ); a hollow
    // verb never ends in ى.
    const bool formThree = defectiveAfter && isLetter(units.back(), kAlifMaqsura);
    for (std::size_t k = strong[0] + 1 + (formFour ? 1 : 0); k < strong[1] && !formThree; ++k) {
        if (units[k].longVowel) {
            const bool yaLast = letters[1] == kHamza || letters[1] == kYa; // جاء، شاء، آية
            const char32_t middle = yaLast && units[k].letter == kAlif ? kYa : weakOf(units[k], kWaw);
            return {rootOfLetters({letters[0], middle, letters[1]}), penalty + 0.6,
                    units[k].letter == kAlif ? kMiddleGuessed : 0u};
        }
    }
    for (std::size_t k = strong[1] + 1; k < units.size(); ++k) {
        if (units[k].longVowel) {
            // After a weak middle radical the last is ي (لوي، سوي، حيي: حَيَوٰة).
            const bool weakMiddle = letters[1] == kWaw || letters[1] == kYa;
            const char32_t last = units[k].letter == kAlifMaqsura || weakMiddle ? kYa : weakOf(units[k], kWaw);
            // فَعَا and فَعَى: the simple verb writes its last و as ا and its ي as ى (دَعَا، تَلَا،
            // رَمَىٰ، هَدَىٰ); longer forms write ى for both.
            // After a hamza the ي is written ا as well (رَءَا). A root beginning with ي ends in ي:
            // يَدَا is the dual of يَد.
            const bool simple = units.size() == 3 && strong[0] == 0 && units[0].vowel == 'a' && units[1].vowel == 'a'
                && !isLetter(units[0], kYa)
                && !units[1].shadda && !isLetter(units[1], kHamza) && (units[k].letter == kAlif || units[k].letter == kAlifMaqsura);
            // ـُونَ، ـُوا: the plural's own long u, after a weak radical that fell (يُلۡقُونَ).
            // A last ū before a pronoun is the plural's as often (أُوتُوهُ).
            const bool plural = (k + 2 == units.size() && (isLetter(units[k + 1], kNun) || isLetter(units[k + 1], kAlif)))
                || (k + 1 == units.size() && k > 0 && units[k - 1].vowel == 'u');
            return {rootOfLetters({letters[0], letters[1], last}), penalty + 0.6,
                    (units[k].letter != kWaw || plural) && !simple ? kLastGuessed : 0u};
        }
    }
    // No long vowel left: a weak radical fell away (يعد، قل، كن، يد).
    if (stripped == 'i' && first.vowel == 'i')
        return {rootOfLetters({kWaw, letters[0], letters[1]}), penalty + 0.5, kFirstGuessed};
    // yafaʿu: the imperfect of an assimilated root whose middle takes a (يَذَرُ، تَضَعُ، يَقَعُ).
    if (stripped == 'i' && first.vowel == 'a' && second.vowel == 'u' && !second.tanween && strong[1] + 1 == units.size())
        return {rootOfLetters({kWaw, letters[0], letters[1]}), penalty + kAssimilatedA, kFirstGuessed};
    // A last silent letter, or one with the kasra that links it to the next word (قُلِ ٱلۡحَمۡدُ).
    const bool silentLast = second.sukun || second.vowel == 0 || (second.vowel == 'i' && first.vowel == 'u');
    if (silentLast && strong[1] + 1 == units.size())
        return {rootOfLetters({letters[0], first.vowel == 'i' ? kYa : kWaw, letters[1]}), penalty + 1.0, kMiddleGuessed};
    // Before a plural ending a last weak radical falls away: يبغون، يأتون; the imperative and
    // jussive leave its kasra (ءَاتِنَا، أَلۡقِ).
    if (verbal || (second.vowel == 'i' && !second.tanween && strong[1] + 1 == units.size()))
        return {rootOfLetters({letters[0], letters[1], kYa}), penalty + 0.8, kLastGuessed};
    return {rootOfLetters({letters[0], letters[1], kWaw}), penalty + 2, kLastGuessed};
}

} // namespace

bool isYafaU(const Units& units)
{
    return units.size() == 3 && (isLetter(units[0], kYa) || isLetter(units[0], kTa)) && units[0].vowel == 'a'
        && units[1].vowel == 'a' && units[2].vowel == 'u' && !units[2].tanween;
}

std::string rootOfLetters(const std::vector<char32_t>& letters)
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

// Removes the letters a verb or noun pattern adds in front of the radicals (imperfect and
// participle prefixes, the t of forms V/VI/VIII, the n of form VII, the st of form X).
void stripPatternPrefixes(Units& units, bool wasla, bool verbal, bool noun, double& penalty)
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
    // يُو، مُو: after the prefix of form IV a first radical و is read as ū (يُوحِي، مُوقِنِينَ).
    // (أُو is a hamza of the root made long: أُوتِيَ.)
    if (units.size() > 2 && units[0].vowel == 'u' && (isImperfectPrefix(units[0]) || isLetter(units[0], kMim))
        && !isLetter(units[0], kHamza)
        && isLetter(units[1], kWaw) && units[1].longVowel) {
        units[1].longVowel = false;
        units[1].sukun = true;
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
    // إِفۡعَال: the verbal noun of form IV (إِحۡسَان، إِقَام).
    if (units.size() > 3 && isLetter(units[0], kHamza) && units[0].vowel == 'i' && units[1].sukun
        && (strong() >= 4 || (strong() == 3 && weakAfter))) {
        units.erase(units.begin());
        penalty += 0.2;
        return;
    }
    if (units.size() > 2 && !units[0].longVowel && units[0].vowel != 0 && (strong() >= 4 || (strong() == 3 && weakAfter))) {
        const char32_t first = units[0].letter;
        // أَفِيل is faʿīl, no imperfect (أَلِيم، أَثِيم).
        const bool faeel = !verbal && first == kHamza && units[0].vowel == 'a' && units[1].vowel == 'i'
            && isLetter(units[2], kYa) && units[2].longVowel;
        // After the article only a participle's م or the أ of أَفۡعَل stands in front.
        const bool imperfect = (first == kHamza || ((first == kYa || first == kTa || first == kNun) && !noun)) && !faeel;
        if ((imperfect && (units[0].vowel == 'a' || units[0].vowel == 'u')) || first == kMim) {
            // After the prefix of forms II–IV, ī stands for a middle و as often as ي (يُرِيدُ، مُصِيبَة).
            if (units[0].vowel == 'u' || first == kHamza) // and the imperative أَفِيعُوا
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
    } else if (isLetter(units[0], kNun) && units[0].sukun && !isFormEightInfix(units[0], units[1]) && strong() >= 4) {
        // (نۡتَ is form VIII of a root beginning with ن: ٱنتَشَرَ)
        units.erase(units.begin());
    } else if (units.size() > 3 && isLetter(units[1], kTa) && units[0].sukun && strong() >= 4) {
        units.erase(units.begin() + 1);
    } else if (isLetter(units[0], kTa) && units[0].vowel == 'a' && strong() >= 4) {
        units.erase(units.begin());
    }
}

// The rules' reading of the radicals and, for two radicals left, every way a third weak
// one may have fallen away, a little less likely: the other words of the text choose.
void addRadicalReadings(std::vector<RootCandidate>& out, const std::vector<Unit>& units, char stripped, bool verbal,
                        double penalty, double otherWeak)
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
    if (letters.size() == 3 && letters[1] == kHamza && units[strong[1]].vowel == 'i' && strong[1] == strong[0] + 2
        && isLetter(units[strong[0] + 1], kAlif))
    {
        // Most roots of these are hollow; سَآئِل is one of the few with a hamza.
        out.back().penalty += kHollowHamza;
        out.push_back({rootOfLetters({letters[0], kWaw, letters[2]}), reading.penalty, kMiddleGuessed});
    }
    // فَآءَ and a last letter: a hollow verb with its hamza and a pronoun more often than form
    // III of a hamzated root (جَآءَكَ، شَآءَهُ; تَسَآءَلُونَ).
    if (letters.size() == 3 && letters[1] == kHamza && units[strong[1]].vowel == 'a' && strong[1] == strong[0] + 2
        && isLetter(units[strong[0] + 1], kAlif) && strong[2] + 1 == units.size())
        out.back().penalty += kHamzaBeforePronoun;
    // يُو، مُو: form IV writes a first ي as و after its u (يُوقِنُونَ from يقن); the و left bare
    // once the prefix is off.
    if (letters.size() == 3 && strong[0] == 0 && letters[0] == kWaw && units[0].sukun) {
        out.back().guessed |= kFirstGuessed;
        out.push_back({rootOfLetters({kYa, letters[1], letters[2]}), reading.penalty + kOtherFirstRadical,
                       reading.guessed | kFirstGuessed});
    }
    // أُو before two radicals: a first hamza made long (أُوتِيَ) or the passive of form IV of a root
    // beginning with و (أُوحِيَ).
    if (letters.size() == 3 && strong[0] == 0 && letters[0] == kHamza && units[0].vowel == 'u' && units.size() > 1
        && isLetter(units[1], kWaw) && units[1].longVowel)
        out.push_back({rootOfLetters({kWaw, letters[1], letters[2]}), reading.penalty + kOtherFirstRadical, reading.guessed});
    if (letters.size() != 2)
        return;
    const char32_t a = letters[0];
    const char32_t b = letters[1];
    const std::pair<std::vector<char32_t>, unsigned> others[] = {
        {{a, kWaw, b}, kMiddleGuessed}, {{a, b, kYa}, kLastGuessed}, {{kWaw, a, b}, kFirstGuessed}, {{a, b, b}, kAllGuessed}};
    // A doubled last letter: forms II and V of a defective root drop their weak radical there as
    // often (يَتَوَلَّ، فَوَلِّ، تُوَلُّواْ).
    const bool doubledLast = units[strong[1]].shadda && strong[1] + 1 == units.size();
    for (const auto& [other, guessed] : others) {
        const bool defective = guessed == kLastGuessed && doubledLast;
        out.push_back({rootOfLetters(other), reading.penalty + (defective ? std::min(otherWeak, kDoubledDefective) : otherWeak),
                       guessed});
    }
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
            addRadicalReadings(out, rest, stripped, verbal, penalty + (first == kHamza ? kLessUsualReading : 0.0));
        }
    }
}

} // namespace tilvane
