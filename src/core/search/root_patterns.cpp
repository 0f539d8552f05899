#include "core/search/root_patterns.h"

#include "core/search/root_radicals.h"

#include <algorithm>

namespace tilvane {

namespace {

// A letter the rules took for a prefix, read as a radical after all.
constexpr double kKeptPrefix = 1.0;
// The same after an imperfect's prefix, where a weak radical most often fell away.
constexpr double kFallenWeak = 0.4;
// A letter of a derived verb form the rules kept, taken away; less surprising once the
// form's beginning (ٱ or an imperfect's prefix) is off.
constexpr double kDerivedForm = 0.3;
constexpr double kBegunForm = 0.1;
// An imperfect's prefix taken off before a silent radical and one more.
constexpr double kSurePrefix = 0.4;
// A hollow jussive read from its two letters.
constexpr double kJussive = 0.2;
// An ending read as radicals.
constexpr double kInflected = 1.0;
// Form V's ت read as a radical.
constexpr double kFormFiveKept = 0.6;
// Form VIII's ت read as a radical.
constexpr double kFormEightKept = 1.2;
// The ending of a perfect's person after a silent letter (كُنتُ، جِئۡنَا): it is one.
constexpr double kPersonEnding = -0.6;
// The hamzaless forms of رأى, read from their one visible radical.
constexpr double kSeeing = 0.3;
// The ā after an imperfect's u read as form III's rather than a hollow middle.
constexpr double kFormThree = 0.3;
// ٱسۡتَ read as form VIII of a root beginning with س.
constexpr double kFormEightOfSin = 0.6;
// The ending ـُوت of a noun taken off.
constexpr double kNounEnding = 0.2;
// Letters after ى read as radicals.
constexpr double kPastMaqsura = 2.0;
// A hamza after ā read as a radical of its own (إِنشَآء).
constexpr double kWrittenHamza = 1.2;

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
        const bool prefixed = isImperfectPrefix(before[0]) && !before[1].longVowel;
        // أَفۡعَاء: the plural أَفۡعَال of a root whose last radical is weak or a hamza (أَهۡوَآء، أَنۢبَآء).
        if (radicals == 3 && isLetter(before[0], kHamza) && before[0].vowel == 'a' && before[1].sukun) {
            const char32_t c1 = before[1].letter;
            const char32_t c2 = before[2].letter;
            const bool weakMiddle = c2 == kWaw || c2 == kYa;
            out.push_back({rootOfLetters({c1, c2, weakMiddle ? kYa : kWaw}), penalty, kLastGuessed});
            out.push_back({rootOfLetters({c1, c2, kHamza}), penalty + kWrittenHamza, 0u});
        }
        // ٱفۡتِعَاء: form VIII's verbal noun of a root whose last radical is weak (ٱبۡتِغَآءَ).
        if (radicals == 3 && wasla && before.size() > 2 && before[0].sukun && isFormEightInfix(before[0], before[1])) {
            const char32_t c1 = before[0].letter;
            const char32_t c2 = before[2].letter;
            out.push_back({rootOfLetters({c1, c2, kYa}), penalty + kBegunForm, kLastGuessed});
        }
        if (radicals >= 3) {
            addCoreReadings(out, before, wasla, stripped, verbal, noun, penalty);
        } else if (radicals == 2 && !prefixed) {
            std::vector<char32_t> letters;
            for (const Unit& unit : before) {
                if (!unit.longVowel)
                    letters.push_back(unit.letter);
            }
            // فَعَّاء of a doubled root (ٱلضَّرَّآءِ، سَرَّآء).
            const auto second = std::find_if(before.rbegin(), before.rend(), [](const Unit& u) { return !u.longVowel; });
            if (second->shadda)
                out.push_back({rootOfLetters({letters[0], letters[1], letters[1]}), penalty, 0u});
            // After a weak middle radical the last is ي (سَوَآء).
            const bool weakMiddle = letters[1] == kWaw || letters[1] == kYa;
            out.push_back({rootOfLetters({letters[0], letters[1], weakMiddle ? kYa : kWaw}), penalty, kLastGuessed});
            out.push_back({rootOfLetters({letters[0], letters[1], weakMiddle ? kWaw : kYa}), penalty + kLessUsualReading, kLastGuessed});
        }
        if (!prefixed)
            penalty += kWrittenHamza;
    }
    // رَأَىٰ loses its hamza in the imperfect and in form IV: يَرَىٰ، تَرَوۡنَ، أَرِنَا، يُرِيكُمۡ.
    if (!noun && units.size() >= 2 && isImperfectPrefix(units[0]) && isLetter(units[1], kRa)
        && std::all_of(units.begin() + 2, units.end(),
                       [](const Unit& u) { return u.longVowel || (isLetter(u, kWaw) && u.sukun); }))
        out.push_back({rootText({kRa, kHamza, kYa}), penalty + kSeeing, kLastGuessed});
    std::vector<Unit> kept = units;
    double prefixPenalty = 0;
    stripPatternPrefixes(units, wasla, verbal, noun, prefixPenalty);
    const bool begun = wasla || units.size() != kept.size(); // a verb form's beginning is off
    // ٱفۡتَعَلَ: after ٱ or a prefix, a silent letter and ت with a or i is form VIII's.
    // It leaves two radicals at least: يَأۡتِي is no form VIII.
    const auto strongLeft = std::count_if(units.begin(), units.end(), [](const Unit& u) { return !u.longVowel; });
    const bool formEight = begun && units.size() > 2 && units[0].sukun && isFormEightInfix(units[0], units[1])
        && (units[1].vowel == 'a' || units[1].vowel == 'i') && strongLeft >= 3;
    // تَفَعَّلَ: a ت before a letter and a doubled one is form V's (يَتَوَفَّىٰ، تَوَفَّنَا).
    const bool formFive = units.size() > 2 && isLetter(units[0], kTa) && units[0].vowel == 'a' && units[2].shadda
        && !units[1].shadda;
    const double formKept = formEight ? kFormEightKept : formFive ? kFormFiveKept : 0.0;
    addRadicalReadings(out, units, stripped, verbal, penalty + prefixPenalty + formKept);
    addDerivedFormReadings(out, units, stripped, verbal, penalty + prefixPenalty + (begun ? kBegunForm : kDerivedForm));
    // يُفَاعِلُ، مُفَاعِل of a defective root: the ā after the first radical is form III's, the weak
    // radical the last (يُنَادِي، يُلَٰقُواْ); the passive of a hollow one reads alike (يُقَالُ).
    const bool formThree = units.size() + 1 == kept.size() && kept[0].vowel == 'u' && units.size() > 2
        && isLetter(units[1], kAlif) && units[1].longVowel
        && std::count_if(units.begin(), units.end(), [](const Unit& u) { return !u.longVowel; }) == 2;
    // ٱسۡتَ taken for form X before two plain letters may be form VIII of a root beginning with س
    // (يَسۡتَمِعُ، ٱسۡتَبَقُواْ); form X of a hollow root drops its long vowel there too (يَسۡتَطِعۡ).
    const std::size_t taken = kept.size() - units.size();
    const bool plain = units.size() == 2 && !units[1].shadda && !units[0].longVowel && !units[1].longVowel;
    if (taken >= 2 && plain && isLetter(kept[taken - 2], kSin) && kept[taken - 2].sukun
        && isLetter(kept[taken - 1], kTa)) {
        std::vector<Unit> radicals = units;
        radicals.insert(radicals.begin(), kept[taken - 2]);
        addRadicalReadings(out, radicals, stripped, verbal, penalty + prefixPenalty + kFormEightOfSin);
    }
    if (formThree) {
        std::vector<Unit> radicals = units;
        radicals.erase(radicals.begin() + 1);
        addRadicalReadings(out, radicals, stripped, true, penalty + prefixPenalty + kFormThree);
    }
    if (units.size() != kept.size()) {
        // The letter taken for a prefix may be a radical (أَلِيم، مَرِيض).
        addRadicalReadings(out, kept, stripped, verbal, penalty + kKeptPrefix);
    } else if ((!noun || isLetter(kept[0], kMim)) && kept.size() > 2 && !kept[0].longVowel && !kept[0].shadda && !kept[1].longVowel
               && (kept[0].vowel == 'a' || kept[0].vowel == 'u')
               && (isLetter(kept[0], kYa) || isLetter(kept[0], kTa) || isLetter(kept[0], kNun)
                   || isLetter(kept[0], kHamza) || isLetter(kept[0], kMim))) {
        // An imperfect's or participle's prefix before two radicals: a weak one fell away
        // (يَجِدُ، يَلۡقَ، تَرَ), or the verb's form shows behind it (يَتَّقُونَ، مُّتَّقِينَ، يَهۡتَدُونَ).
        // yafʿ-, yafi- and yafu- before a last silent letter: a prefix surely (يَأۡتِ، تَجِدُ، يَكُنۡ).
        const bool sure = kept[1].sukun || (kept[1].vowel == 'i' && kept[0].vowel == 'a')
            || (kept.size() == 3 && kept[0].vowel == 'u' && kept[1].vowel == 'i') // يُطِعۡ، يُرِدۡ
            || (isLetter(kept[1], kTa) && kept[1].shadda)
            || isYafaU(kept)
            || (kept.size() == 3 && (kept[2].sukun || kept[2].vowel == 0 || (kept[2].vowel == 'i' && kept[1].vowel == 'u')));
        const double prefix = sure ? kSurePrefix : kKeptPrefix;
        kept.erase(kept.begin());
        // The jussive of a hollow verb keeps two letters, the last silent (تَخَفۡ، يَكُنۡ).
        if (kept.size() == 2 && (kept[1].sukun || kept[1].vowel == 0 || (kept[1].vowel == 'i' && kept[0].vowel != 'a')))
            out.push_back({rootOfLetters({kept[0].letter, kWaw, kept[1].letter}), penalty + prefix + kJussive, kMiddleGuessed});
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

// No ending at all; choosing between this and suffixes() copies neither list.
const std::vector<Suffix>& noSuffixes()
{
    static const std::vector<Suffix> none;
    return none;
}

// The letters left before a plural's ending once a conjunction and an imperfect's prefix are off:
// a verb keeps two at least (يَكُونَ، وَيَكُونَ are no plurals), the forms of رأى one.
std::size_t lettersBeforePlural(const Units& units, std::size_t end)
{
    std::size_t k = 0;
    if (k + 1 < end && (isLetter(units[k], kWaw) || isLetter(units[k], kFa)) && units[k].vowel == 'a')
        ++k;
    if (k + 1 < end && isImperfectPrefix(units[k])) {
        if (isLetter(units[k + 1], kRa))
            return 2;
        ++k;
    }
    std::size_t letters = 0;
    for (; k < end && k < units.size(); ++k)
        letters += units[k].longVowel ? 0 : 1;
    return letters;
}

// The ن of a plural ending takes a, that of a dual i (يَكُونُ is no plural).
bool endingVowelFits(const std::u32string& ending, const Unit& last)
{
    // (ـُونِ: a plural before the ي of "me" it drops, كَذَّبُونِ.)
    if (ending == U"\u0648\u0646")
        return last.vowel == 'a' || last.vowel == 'i' || last.vowel == 0;
    if (ending == U"\u064A\u0646")
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
        const double inflected = extra == 0 && endsInflected ? kInflected : 0.0;
        // ى ends a word: letters after it are a pronoun (أَدۡرَىٰكَ، نَجَّىٰهُمۡ).
        const bool pastMaqsura = std::any_of(core.begin(), core.empty() ? core.end() : core.end() - 1,
                                             [](const Unit& u) { return isLetter(u, kAlifMaqsura); });
        addCoreReadings(out, std::move(core), wasla, stripped, verbal && !noun, noun,
                        penalty + extra + inflected + (pastMaqsura ? kPastMaqsura : 0.0));
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
    const bool energetic = end > 3 && isLetter(units[end - 1], kNun) && units[end - 1].shadda && end == units.size()
        && !isLetter(units[end - 2], kHa) && !isLetter(units[end - 2], kKaf); // هُنَّ، كُنَّ are pronouns
    endsInflected = endsInflected || energetic;
    add(units, 0, false);
    // فَعَلُوت: the noun ending ـُوت after a (ٱلطَّـٰغُوتِ، مَلَكُوتَ; بُيُوت keeps its ت).
    if (end == units.size() && end > 4 && isLetter(units[end - 1], kTa) && isLetter(units[end - 2], kWaw)
        && units[end - 3].vowel == 'u' && (units[end - 4].vowel == 'a' || isLetter(units[end - 4], kAlif)))
        add(std::vector<Unit>(units.begin(), units.end() - 2), kNounEnding, false);
    // The energetic ending نَّ (لَنَكُونَنَّ، لَأَتَّخِذَنَّ).
    if (energetic)
        add(std::vector<Unit>(units.begin(), units.end() - 1), 0.1, true);
    std::size_t longest = 0; // the longest ending found: its own last letter is no ending of its own
    // No ending stands before a ة (بَغۡتَة، ٱلۡمَدِينَة).
    const bool feminineNoun = end < units.size();
    // yafʿ-: an imperfect's prefix and a silent letter.
    const bool yafa = units.size() > 2 && isImperfectPrefix(units[0]) && units[1].sukun;
    // After yafʿ- a last ي is the radical, no pronoun: verbs take ني (يَأۡتِي، تَجۡرِي).
    const bool imperfectShape = units.size() > 2 && units[0].vowel != 0 && units[1].sukun
        && (isLetter(units[0], kYa) || isLetter(units[0], kTa) || isLetter(units[0], kNun) || isLetter(units[0], kHamza));
    for (const Suffix& suffix : feminineNoun ? noSuffixes() : suffixes()) {
        // A doubled letter counts twice: رَبُّكَ keeps رب ب.
        std::size_t left = 0;
        for (std::size_t k = 0; k + suffix.letters.size() < end + 1 && k < end - std::min(end, suffix.letters.size()); ++k)
            left += units[k].shadda ? 2 : 1;
        const bool merged = endsWith(units, end, suffix.letters) && suffix.letters.size() > 1
            && units[end - suffix.letters.size()].shadda
            && (suffix.letters[0] == kNun || suffix.letters[0] == kTa);
        // A ت after a silent letter is the perfect's person: the hollow verb keeps two letters (كُنتَ).
        // yafʿ- and one letter more is a verb without a person's ending (يَأۡتِ); أَفۡعَلۡنَا has one.
        const bool imperfect = yafa && end <= suffix.letters.size() + 2;
        const bool person = !imperfect && end > suffix.letters.size() && units[end - suffix.letters.size() - 1].sukun
            && (suffix.letters == U"\u062A" || suffix.letters == U"\u062A\u0645" || suffix.letters == U"\u0646\u0627"
                || suffix.letters == U"\u062A\u0645\u0627");
        // A plural's ending leaves two radicals after an imperfect's prefix (يَكُونَ is يكون).
        const bool plural = suffix.letters == U"\u0648\u0646" || suffix.letters == U"\u064A\u0646";
        // A plural's ending leaves no word of two letters behind (مُّبِينࣰا is no plural of مب).
        const bool tooShort = plural && end > 2 && (lettersBeforePlural(units, end - 2) < 2 || (end == 4 && !units[0].longVowel
                                                                                     && !units[1].longVowel
                                                                                     && suffix.letters[0] == kYa));
        // ـَيۡنِ: the dual's ending after a (مَرَّتَيۡنِ، جَنَّتَيۡنِ).
        const bool dual = suffix.letters == U"\u064A\u0646" && end > 2 && units[end - 1].vowel == 'i'
            && units[end - 2].sukun && units[end - 3].vowel == 'a';
        // فَعَتۡ: the perfect's feminine ت after a defective root's two letters (بَكَتۡ، خَلَتۡ).
        const bool feminine = suffix.letters == U"\u062A" && end == 3 && units[2].sukun && units[1].vowel == 'a'
            && units[0].vowel == 'a';
        if (endsWith(units, end, suffix.letters) && left + (merged || person || feminine ? 1 : 0) >= suffix.minimumLeft
            && (endingVowelFits(suffix.letters, units[end - 1]) || dual) && !tooShort) {
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
            if (person || feminine)
                evidence = kPersonEnding;
            if (suffix.letters == U"\u064A" && imperfectShape)
                evidence = 0.6;
            // After the endings of a verb's persons the word is a verb: its first letter may be
            // the imperfect's prefix even before only two radicals (تتلون).
            const bool verbal = suffix.letters == U"\u0648\u0646" || suffix.letters == U"\u0648\u0627"
                || suffix.letters == U"\u062A\u0645" || feminine;
            add(core, (suffix.letters.size() == 1 ? 0.3 : 0.1) + tail + evidence, verbal);
            // Before a pronoun or the dual's ending the feminine ة is written ت, and the perfect's
            // feminine ت stands alike (زِينَتَهُنَّ، جَنَّتَيۡنِ، زَادَتۡهُمۡ، كَانَتَا).
            const std::size_t size = core.size();
            const bool pronounAfter = pronoun || suffix.letters == U"\u0627" || dual || suffix.letters == U"\u0627\u0646";
            if (pronounAfter && size > 2 && isLetter(core[size - 1], kTa)
                && (core[size - 2].vowel == 'a' || isLetter(core[size - 2], kAlif)))
                add(std::vector<Unit>(core.begin(), core.end() - 1), 0.2 + tail + kPersonEnding, false);
            // A pronoun may follow a plural or verb ending: يعلمونهم، رزقناهم; an ending follows
            // none (تَرَكۡنَا is no تَرَ with كن and ا).
            for (const Suffix& inner : pronoun ? suffixes() : noSuffixes()) {
                const std::size_t left = core.size();
                const std::size_t size = inner.letters.size();
                // فَعَلۡتُهَا: a person's ت after a silent letter, never after yafʿ-.
                // خُذُوهُ، ٱتَّخَذُوهَا: the plural's و, written without its ا before a pronoun.
                const bool plural = pronoun && inner.letters == U"\u0648" && left > 2 && core[left - 2].vowel == 'u';
                const bool person = size == 2 || plural
                    || (inner.letters == U"\u062A" && !(yafa && left <= 3) && left > 1 && core[left - 2].sukun);
                if (person && endsWith(core, left, inner.letters) && left - size >= 2) {
                    const bool afterSilent = core[left - size - 1].sukun && inner.letters != U"\u0648\u0646";
                    add(std::vector<Unit>(core.begin(), core.end() - static_cast<std::ptrdiff_t>(size)),
                        0.2 + (afterSilent ? kPersonEnding : 0.0), plural);
                    break;
                }
            }
        }
    }
}

} // namespace tilvane
