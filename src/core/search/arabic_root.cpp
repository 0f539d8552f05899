#include "core/search/arabic_root.h"

#include "core/search/text_fold.h"

#include <algorithm>
#include <utility>
#include <array>
#include <unordered_map>
#include <vector>

namespace tilvane {

namespace {

constexpr char32_t kHamza = U'\u0621';
constexpr char32_t kAlif = U'\u0627';
constexpr char32_t kWaw = U'\u0648';
constexpr char32_t kYa = U'\u064A';
constexpr char32_t kAlifMaqsura = U'\u0649';
constexpr char32_t kTaMarbuta = U'\u0629';
constexpr char32_t kLam = U'\u0644';
constexpr char32_t kMim = U'\u0645';
constexpr char32_t kNun = U'\u0646';
constexpr char32_t kTa = U'\u062A';
constexpr char32_t kSin = U'\u0633';
constexpr char32_t kHa = U'\u0647';
constexpr char32_t kKaf = U'\u0643';

// A letter with the marks written on it.
struct Unit {
    char32_t letter = 0;
    char vowel = 0; // 'a', 'u', 'i', or 0
    bool shadda = false;
    bool sukun = false;
    bool longVowel = false; // ا, ى, or و/ي lengthening the vowel before it: no radical
    bool dagger = false;    // a small alif written after it: a long a
    bool afterWasla = false; // written after ٱ: the article or a verb form that takes one
    bool lengthened = false; // a small waw or ya after it: the long vowel of the pronoun هُۥ، هِۦ
};

struct Word {
    std::vector<Unit> units;
};

bool isHamzaForm(char32_t c)
{
    return c == kHamza || c == U'\u0623' || c == U'\u0625' || c == U'\u0624' || c == U'\u0626';
}

Word parse(std::string_view written)
{
    Word word;
    std::vector<Unit>& units = word.units;
    bool afterTatweel = false;
    bool wasla = false;
    for (std::size_t i = 0; i < written.size();) {
        const char32_t c = nextCodePoint(written, i);
        Unit* last = units.empty() ? nullptr : &units.back();
        if (c == U'\u064E' || c == U'\u064B' || c == U'\u08F0') {
            if (last) last->vowel = 'a';
        } else if (c == U'\u064F' || c == U'\u064C' || c == U'\u08F1') {
            if (last) last->vowel = 'u';
        } else if (c == U'\u0650' || c == U'\u064D' || c == U'\u08F2') {
            if (last) last->vowel = 'i';
        } else if (c == U'\u0651') {
            if (last) last->shadda = true;
        } else if (c == U'\u0652' || c == U'\u06E1') {
            if (last) last->sukun = true;
        } else if (c == U'\u06E5' || c == U'\u06E6') {
            if (last) last->lengthened = true;
        } else if (c == U'\u0670') {
            if (last) last->dagger = true;
        } else if (c == U'\u06DF' || c == U'\u06E0') {
            if (last) units.pop_back(); // written, never pronounced
        } else if (c == U'\u0654' && afterTatweel) {
            units.push_back({kHamza});
        } else if (c == U'\u0653' && last && last->letter == kAlif && units.size() == 1) {
            last->letter = kHamza; // آ at the start: hamza and long a
            units.push_back({kAlif, 0, false, false, true});
        } else if (c == U'\u0622') {
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
    }
    return word;
}

std::string utf8(const std::vector<char32_t>& letters)
{
    std::string out;
    for (char32_t c : letters)
        appendUtf8(out, c == kHamza ? kAlif : c);
    return out;
}

// Particles and pronouns have no root; as written without marks.
bool isParticle(std::string_view folded)
{
    static constexpr std::array<std::string_view, 60> kParticles = {
        "من", "في", "علي", "الي", "عن", "ما", "لا", "ان", "او", "ام", "هو", "هي", "هم", "هما", "هن", "انا", "نحن",
        "انت", "انتم", "انتما", "انتن", "الذي", "التي", "الذين", "اللذان", "اللاتي", "اللاي", "ذلك", "ذلكم", "تلك",
        "هذا", "هذه", "هذان", "هولا", "اولا", "اوليك", "اولي", "ثم", "قد", "لم", "لن", "اذا", "اذ", "حتي", "بل", "لو",
        "لولا", "لكن", "الا", "اما", "اي", "يا", "ايها", "ايه", "كي", "مع", "منه", "منها", "منهم", "فيه"};
    return std::find(kParticles.begin(), kParticles.end(), folded) != kParticles.end();
}

struct Candidate {
    std::string root;
    double penalty = 0;
};

bool isLetter(const Unit& unit, char32_t letter)
{
    return unit.letter == letter;
}

// Removes the letters a verb or noun pattern adds in front of the radicals (imperfect and
// participle prefixes, the t of forms V/VI/VIII, the n of form VII, the st of form X).
void stripPatternPrefixes(std::vector<Unit>& units, bool wasla, bool verbal, double& penalty)
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
        const bool imperfect = first == kYa || first == kTa || first == kNun || first == kHamza;
        if ((imperfect && (units[0].vowel == 'a' || units[0].vowel == 'u')) || first == kMim) {
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
    } else if (isLetter(units[0], kNun) && units[0].sukun && strong() >= 4) {
        units.erase(units.begin());
    } else if (units.size() > 3 && isLetter(units[1], kTa) && units[0].sukun && strong() >= 4) {
        units.erase(units.begin() + 1);
    } else if (isLetter(units[0], kTa) && units[0].vowel == 'a' && strong() >= 4) {
        units.erase(units.begin());
    }
}

// The radicals of a word reduced to its pattern's letters.
Candidate rootOfCore(std::vector<Unit> units, bool wasla, char stripped, bool verbal)
{
    Candidate result;
    if (!units.empty() && units.back().letter == kTaMarbuta)
        units.pop_back();
    // ـَٰت: the feminine plural written with a small alif.
    if (units.size() > 3 && units.back().letter == kTa && units[units.size() - 2].dagger)
        units.pop_back();
    stripPatternPrefixes(units, wasla, verbal, result.penalty);
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
    if (letters.size() == 3)
        return {utf8(letters), result.penalty};
    if (letters.size() == 4 && (letters[1] == kYa || letters[1] == kWaw) && units[strong[1]].sukun
        && units[strong[0]].vowel == 'a') {
        letters.erase(letters.begin() + 1); // fay`al, faw`al: شيطان
        return {utf8(letters), result.penalty + 1.0};
    }
    if (letters.size() == 4) {
        const bool repeated = letters[0] == letters[2] && letters[1] == letters[3];
        if (!repeated && (letters[3] == kNun || letters[3] == kTa || letters[3] == kWaw || letters[3] == kYa))
            letters.pop_back();
        else if (!repeated && (letters[0] == kHamza || letters[0] == kMim || letters[0] == kTa || letters[0] == kYa))
            letters.erase(letters.begin());
        return {utf8(letters), result.penalty + (letters.size() == 4 ? 2.5 : 1.0)};
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
    if (second.shadda || (first.shadda && strong[0] > 0))
        return {utf8({letters[0], letters[1], letters[1]}), result.penalty + 0.5};
    // A long vowel between the two: a hollow root; after them: a defective one.
    auto weakOf = [](const Unit& vowel, char32_t fallback) {
        return vowel.letter == kWaw || vowel.letter == kYa ? vowel.letter : fallback;
    };
    for (std::size_t k = strong[0] + 1; k < strong[1]; ++k) {
        if (units[k].longVowel) {
            const bool yaLast = letters[1] == kHamza || letters[1] == kYa; // جاء، شاء، آية
            const char32_t middle = yaLast && units[k].letter == kAlif ? kYa : weakOf(units[k], kWaw);
            return {utf8({letters[0], middle, letters[1]}), result.penalty + 0.6};
        }
    }
    for (std::size_t k = strong[1] + 1; k < units.size(); ++k) {
        if (units[k].longVowel) {
            const char32_t last = units[k].letter == kAlifMaqsura ? kYa : weakOf(units[k], kWaw);
            return {utf8({letters[0], letters[1], last}), result.penalty + 0.6};
        }
    }
    // No long vowel left: a weak radical fell away (يعد، قل، كن، يد).
    if (stripped == 'i' && first.vowel == 'i')
        return {utf8({kWaw, letters[0], letters[1]}), result.penalty + 1.5};
    if ((second.sukun || second.vowel == 0) && strong[1] + 1 == units.size())
        return {utf8({letters[0], first.vowel == 'i' ? kYa : kWaw, letters[1]}), result.penalty + 1.0};
    // Before a plural ending a last weak radical falls away: يبغون، يأتون.
    if (verbal)
        return {utf8({letters[0], letters[1], kYa}), result.penalty + 0.8};
    return {utf8({letters[0], letters[1], kWaw}), result.penalty + 2};
}

std::string rootOfWord(std::string_view uthmaniWord);

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

void addCandidates(std::vector<Candidate>& out, const std::vector<Unit>& units, bool wasla, char stripped, double penalty)
{
    bool endsInflected = false;
    auto add = [&](std::vector<Unit> core, double extra, bool verbal) {
        Candidate candidate = rootOfCore(std::move(core), wasla, stripped, verbal);
        if (extra == 0 && endsInflected)
            candidate.penalty += 1.0; // the ending read as radicals
        if (!candidate.root.empty())
            out.push_back({candidate.root, candidate.penalty + penalty + extra});
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
    add(units, 0, false);
    std::size_t longest = 0; // the longest ending found: its own last letter is no ending of its own
    for (const Suffix& suffix : suffixes()) {
        // A doubled letter counts twice: رَبُّكَ keeps رب ب.
        std::size_t left = 0;
        for (std::size_t k = 0; k + suffix.letters.size() < end + 1 && k < end - std::min(end, suffix.letters.size()); ++k)
            left += units[k].shadda ? 2 : 1;
        const bool merged = endsWith(units, end, suffix.letters) && suffix.letters.size() > 1
            && units[end - suffix.letters.size()].shadda
            && (suffix.letters[0] == kNun || suffix.letters[0] == kTa);
        if (endsWith(units, end, suffix.letters) && left + (merged ? 1 : 0) >= suffix.minimumLeft) {
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
            // After the endings of a verb's persons the word is a verb: its first letter may be
            // the imperfect's prefix even before only two radicals (تتلون).
            const bool verbal = suffix.letters == U"\u0648\u0646" || suffix.letters == U"\u0648\u0627"
                || suffix.letters == U"\u062A\u0645";
            add(core, (suffix.letters.size() == 1 ? 0.3 : 0.1) + tail + evidence, verbal);
            // A pronoun may follow a plural or verb ending: يعلمونهم، رزقناهم.
            for (const Suffix& inner : suffixes()) {
                const std::size_t left = core.size();
                const std::size_t size = inner.letters.size();
                const bool person = size == 2 || inner.letters == U"\u062A"; // فعلتها
                if (person && endsWith(core, left, inner.letters) && left - size >= 2) {
                    add(std::vector<Unit>(core.begin(), core.end() - static_cast<std::ptrdiff_t>(size)), 0.2, false);
                    break;
                }
            }
        }
    }
}

} // namespace

std::string arabicRoot(std::string_view uthmaniWord)
{
    // The Quran text has some 19,000 different written words: each is analysed once per thread.
    constexpr std::size_t kRemembered = 100'000;
    thread_local std::unordered_map<std::string, std::string> known;
    const std::string written(uthmaniWord);
    if (const auto found = known.find(written); found != known.end())
        return found->second;
    std::string root = rootOfWord(uthmaniWord);
    if (known.size() < kRemembered)
        known.emplace(written, root);
    return root;
}

namespace {

std::string rootOfWord(std::string_view uthmaniWord)
{
    Word word = parse(uthmaniWord);
    std::string folded;
    for (const FoldedWord& part : foldedWords(uthmaniWord))
        folded += part.folded;
    static const std::string kAllah = "\u0627\u0644\u0644\u0647";
    if (folded.find("\u0644\u0644\u0647") != std::string::npos && folded.size() <= kAllah.size() + 6)
        return "\u0627\u0644\u0647";
    std::vector<Candidate> candidates;
    const std::vector<Unit>& units = word.units;
    if (units.size() < 2)
        return {};
    auto tryFrom = [&](std::size_t start, bool wasla, char stripped, double penalty) {
        if (units.size() - start < 2)
            return;
        std::vector<Unit> rest(units.begin() + static_cast<std::ptrdiff_t>(start), units.end());
        std::string restFolded;
        for (const Unit& unit : rest)
            appendUtf8(restFolded, unit.letter == kHamza ? kAlif : unit.letter == kAlifMaqsura ? kYa : unit.letter);
        if (isParticle(restFolded))
            return;
        addCandidates(candidates, rest, wasla, stripped, penalty);
    };
    if (isParticle(folded))
        return {};
    // Conjunction, preposition or future particle, and the article, each tried with and without.
    std::vector<std::pair<std::size_t, bool>> starts{{0, !units.empty() && units[0].afterWasla}};
    std::size_t at = 0;
    if (units.size() > 3 && (isLetter(units[0], kWaw) || units[0].letter == U'\u0641') && units[0].vowel == 'a'
        && !units[0].shadda) {
        at = 1;
        starts.push_back({at, units[at].afterWasla});
    }
    const Unit& particle = units[std::min(at, units.size() - 1)];
    const bool preposition = (isLetter(particle, U'\u0628') && particle.vowel == 'i')
        || (isLetter(particle, kKaf) && particle.vowel == 'a')
        || (isLetter(particle, kLam) && (particle.vowel == 'i' || particle.vowel == 'a'))
        || (isLetter(particle, kSin) && particle.vowel == 'a' && units.size() > at + 1
            && (isLetter(units[at + 1], kYa) || isLetter(units[at + 1], kTa) || isLetter(units[at + 1], kNun)
                || isLetter(units[at + 1], kHamza)));
    // لِّلۡ: a doubled ل is the preposition before the article.
    const bool doubledBeforeArticle = particle.shadda && units.size() > at + 1 && isLetter(units[at + 1], kLam);
    if (units.size() > at + 2 && !particle.afterWasla && preposition && (!particle.shadda || doubledBeforeArticle)) {
        ++at;
        starts.push_back({at, units[at].afterWasla});
    }
    const bool article = units.size() > at + 2 && isLetter(units[at], kLam) && (units[at].afterWasla || at > 0)
        && (units[at].sukun || units[at + 1].shadda || units[at].vowel == 0);
    if (article) {
        starts.push_back({at + 1, false});
    }
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::size_t start = starts[k].first;
        const char stripped = start > 0 ? units[start - 1].vowel : 0;
        const bool afterArticle = article && k + 1 == starts.size();
        // The article once recognised is never a radical; a lone letter in front may be.
        const double keptArticle = article && !afterArticle ? 1.0 : 0.0;
        // A letter that can be a conjunction or preposition mostly is one.
        // ك begins many words (كثير، كبير): as a preposition it is less sure.
        const double sure = isLetter(units[std::max<std::size_t>(at, 1) - 1], kKaf) ? 0.3 : 0.8;
        const double keptParticles = sure * static_cast<double>(std::min(at, starts.size() - 1 - k));
        tryFrom(start, starts[k].second, afterArticle ? 0 : stripped, keptArticle + (article ? 0.0 : keptParticles));
    }
    if (candidates.empty())
        return {};
    return std::min_element(candidates.begin(), candidates.end(),
                            [](const Candidate& a, const Candidate& b) { return a.penalty < b.penalty; })
        ->root;
}

} // namespace

std::string rootOfTypedLetters(std::string_view folded)
{
    std::vector<char32_t> letters;
    for (std::size_t i = 0; i < folded.size();) {
        const char32_t c = nextCodePoint(folded, i);
        if (c < U'\u0621' || c > U'\u064A')
            return {};
        letters.push_back(isHamzaForm(c) || c == kAlif ? kHamza : c == kAlifMaqsura ? kYa : c == kTaMarbuta ? kTa : c);
    }
    if (letters.size() == 2)
        letters.push_back(letters[1]);
    if (letters.size() < 3 || letters.size() > 4)
        return {};
    return utf8(letters);
}

} // namespace tilvane
