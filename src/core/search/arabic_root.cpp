#include "core/search/arabic_root.h"

#include "core/search/arabic_letters.h"
#include "core/search/arabic_stem.h"
#include "core/search/root_patterns.h"
#include "core/search/text_fold.h"

#include <algorithm>
#include <utility>
#include <array>
#include <unordered_map>
#include <vector>

namespace tilvane {

namespace {

// Particles and pronouns have no root; as written without marks.
bool isParticle(std::string_view folded)
{
    static constexpr std::array<std::string_view, 64> kParticles = {
        "من", "في", "علي", "الي", "عن", "ما", "لا", "ان", "او", "ام", "هو", "هي", "هم", "هما", "هن", "انا", "نحن",
        "انت", "انتم", "انتما", "انتن", "الذي", "التي", "الذين", "اللذان", "اللاتي", "اللاي", "ذلك", "ذلكم", "تلك",
        "هذا", "هذه", "هذان", "هولا", "اولا", "اوليك", "ثم", "قد", "لم", "لن", "اذا", "اذ", "حتي", "بل", "لو",
        "لولا", "لكن", "الا", "اما", "اي", "يا", "ايها", "ايه", "كي", "مع", "منه", "منها", "منهم", "فيه", "عما", "مما", "الم", "افلم", "اولم"};
    return std::find(kParticles.begin(), kParticles.end(), folded) != kParticles.end();
}

// A particle with an attached pronoun (عَنۡهُمۡ، عَلَيۡكُمۡ، إِنَّهُۥ).
bool isParticleWithPronoun(std::string_view folded)
{
    static constexpr std::string_view kPronouns[] = {"هما", "كما", "هم", "هن", "كم", "كن", "نا", "ها", "ه", "ك"};
    // These followed by such letters are nouns and verbs more often (أُمُّهُۥ، إِلَٰهَ، ثُمَّ).
    static constexpr std::string_view kNouns[] = {"ام", "الا", "ثم", "ما", "لا", "من"};
    if (isParticle(folded))
        return true;
    for (std::string_view pronoun : kPronouns) {
        if (folded.size() > pronoun.size() && folded.ends_with(pronoun)) {
            const std::string_view particle = folded.substr(0, folded.size() - pronoun.size());
            if (std::find(std::begin(kNouns), std::end(kNouns), particle) == std::end(kNouns) && isParticle(particle))
                return true;
        }
    }
    return false;
}

// ٱللَّه with the particles in front of it (لِلَّهِ، وَٱللَّهِ، تَٱللَّهِ) and ٱللَّهُمَّ.
bool isAllah(std::string_view folded)
{
    static constexpr std::string_view kLillah = "\u0644\u0644\u0647";
    std::string_view front = folded;
    if (front.ends_with("\u0645"))
        front.remove_suffix(std::string_view("\u0645").size());
    if (!front.ends_with(kLillah))
        return false;
    front.remove_suffix(kLillah.size());
    for (std::size_t i = 0; i < front.size();) {
        const char32_t c = nextCodePoint(front, i);
        if (c != kWaw && c != kFa && c != kBa && c != kTa && c != kAlif && c != kHamza)
            return false;
    }
    return true;
}

// Nouns whose root their letters do not show, without prefixes and pronouns, in modern spelling.
std::string_view rootOfIrregular(std::string_view stem)
{
    struct Irregular {
        std::string_view stem;
        std::string_view root;
    };
    static constexpr Irregular kIrregulars[] = {
        {"دنيا", "دنو"},   {"ماء", "موه"},   {"ملايكه", "ملك"}, {"بسم", "سمو"},
        {"ذريه", "ذرر"},   {"ذريات", "ذرر"},
        {"اسم", "سمو"},    {"انسان", "انس"}, {"اثنان", "ثني"},  {"اثنين", "ثني"},  {"اثنتا", "ثني"},
        {"اثنتين", "ثني"}, {"اثنا", "ثني"}, {"الاء", "الو"},   {"ءال", "اول"},    {"كلما", "كلل"},
        {"اولي", "اول"},   {"اولوا", "اول"}, {"اولات", "اول"},  {"اول", "اول"},
        // ابن and its plurals.
        {"ابن", "بني"},    {"ابنت", "بني"},  {"ابناء", "بني"},  {"بنون", "بني"},   {"بنين", "بني"},
        {"بنات", "بني"},   {"بنت", "بني"},   {"امهات", "امم"},
        // أب and أخ lengthen their ending before a pronoun (أَبِيهِ، أَخُوهُ).
        {"اب", "ابو"},     {"ابو", "ابو"},   {"ابا", "ابو"},    {"ابي", "ابو"},    {"ابوي", "ابو"},
        {"ابوا", "ابو"},   {"ابت", "ابو"},   {"اخ", "اخو"},     {"اخو", "اخو"},    {"اخا", "اخو"},
        {"اخي", "اخو"},    {"اخت", "اخو"},   {"اختين", "اخو"},
        // يَد shows no ي but in its plural (يَدَيۡهِ، بِيَدِهِۦ، أَيۡدِيهِمۡ).
        {"يد", "يدي"},     {"يدي", "يدي"},   {"يدا", "يدي"},    {"يدان", "يدي"},   {"يده", "يدي"},
        {"يدك", "يدي"},
        // Hamzas the text no longer writes, a fayʿāl, the ت of تقوى, and the passive of قال.
        {"نبي", "نبا"},    {"نبيا", "نبا"},  {"نبيين", "نبا"}, {"نبيون", "نبا"},  {"انبياء", "نبا"}, {"شيطان", "شطن"},
        {"شياطين", "شطن"}, {"تقوي", "وقي"},  {"تقاه", "وقي"},   {"قيل", "قول"},
        // كاد, of a root كود that no other word writes (كَيۡد is another).
        {"كاد", "كود"},    {"يكاد", "كود"},  {"تكاد", "كود"},   {"اكاد", "كود"},   {"كادوا", "كود"},
        {"يكادون", "كود"}, {"كدت", "كود"},
        // وَرَآءَ "behind", whose و is no conjunction.
        {"وراء", "وري"},   {"وراي", "وري"},
        // كان's jussive without its ن (لَمۡ يَكُ).
        {"يك", "كون"},     {"تك", "كون"},    {"نك", "كون"},     {"اك", "كون"},
        // The imperatives of أكل and أخذ without their hamza.
        {"كلوا", "اكل"},   {"كلي", "اكل"},   {"خذ", "اخذ"},     {"خذوا", "اخذ"},
    };
    for (const Irregular& irregular : kIrregulars) {
        if (irregular.stem == stem)
            return irregular.root;
    }
    return {};
}

std::string irregularRoot(std::string_view written, const std::string& folded, const Units& units)
{
    std::vector<std::string> spellings{folded};
    if (const std::vector<FoldedWord> words = foldedWords(written); words.size() == 1) {
        const std::vector<std::string> others = alternativeSpellings(written, words.front());
        spellings.insert(spellings.end(), others.begin(), others.end());
    }
    // أُولِي "those of" has a u where أَوۡلَىٰ "worthier" has an a.
    const auto hamza = std::find_if(units.begin(), units.end(), [](const Unit& u) { return isLetter(u, kHamza); });
    const bool possessors = hamza != units.end() && hamza->vowel == 'u';
    // يَد has its ي with a: كَيۡدَهُمۡ is no كَ and يَد.
    const bool handWritten = std::adjacent_find(units.begin(), units.end(), [](const Unit& a, const Unit& b) {
        return isLetter(a, kYa) && a.vowel == 'a' && isLetter(b, U'\u062F');
    }) != units.end();
    for (const std::string& spelling : spellings) {
        std::string_view bare = spelling;
        if (bare.starts_with("\u0648") || bare.starts_with("\u0641"))
            bare.remove_prefix(std::string_view("\u0648").size());
        // The vocative written with its noun (يَـٰٓأَبَتِ).
        if (bare.starts_with("\u064A\u0627") && bare.size() > std::string_view("\u064A\u0627").size() + 2)
            bare.remove_prefix(std::string_view("\u064A\u0627").size());
        if (isParticleWithPronoun(bare)) // وَأُوْلَـٰٓئِكَ is no أُولِي with a pronoun
            return {};
        // The word with a pronoun taken off but its first letter kept (وَرَآءَهُمۡ).
        std::string_view pronounless = spelling;
        for (std::string_view pronoun : {"\u0647\u0645", "\u0643\u0645", "\u0647", "\u0643"}) {
            if (pronounless.size() > pronoun.size() + 4 && pronounless.ends_with(pronoun)) {
                pronounless.remove_suffix(pronoun.size());
                break;
            }
        }
        for (const std::string& stem : {spelling, arabicStem(spelling), std::string(bare), std::string(pronounless)}) {
            const std::string_view root = rootOfIrregular(stem);
            if (!root.empty() && (!stem.starts_with("\u0627\u0648\u0644") || possessors)
                && (!stem.starts_with("\u064A\u062F") || handWritten))
                return std::string(root);
        }
    }
    return {};
}

constexpr double kGuessedSwap = 0.15;
constexpr double kWrittenSwap = 0.8;


// A weak radical read from a long vowel may be و or ي (قال from قول, باع from بيع); one
// written out is surer, but و and ي still trade places (رضي، يرضون، رضوان).
void addWeakAlternatives(std::vector<RootCandidate>& candidates)
{
    const std::size_t found = candidates.size();
    for (std::size_t k = 0; k < found; ++k) {
        const std::u32string letters = rootLetters(candidates[k].root);
        if (letters.size() != 3)
            continue;
        for (std::size_t position = 1; position < 3; ++position) {
            if (letters[position] != kWaw && letters[position] != kYa)
                continue;
            std::u32string other = letters;
            other[position] = letters[position] == kWaw ? kYa : kWaw;
            // With two weak radicals the middle one is written (أوي، حيي): only the last is guessed.
            const bool writtenMiddle = position == 1 && (letters[2] == kWaw || letters[2] == kYa);
            const unsigned bit = 1u << position;
            const double cost = (candidates[k].guessed & bit) != 0 && !writtenMiddle ? kGuessedSwap : kWrittenSwap;
            candidates.push_back({rootText(other), candidates[k].penalty + cost, candidates[k].guessed | bit});
        }
    }
}

std::vector<RootCandidate> ranked(std::vector<RootCandidate> candidates)
{
    addWeakAlternatives(candidates);
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const RootCandidate& a, const RootCandidate& b) { return a.penalty < b.penalty; });
    std::vector<RootCandidate> out;
    for (const RootCandidate& candidate : candidates) {
        if (std::none_of(out.begin(), out.end(), [&](const RootCandidate& c) { return c.root == candidate.root; }))
            out.push_back({candidate.root, candidate.penalty, candidate.guessed});
    }
    return out;
}

} // namespace

std::vector<RootCandidate> rootCandidates(std::string_view uthmaniWord)
{
    const Units units = readUnits(uthmaniWord);
    std::string folded;
    for (const FoldedWord& part : foldedWords(uthmaniWord))
        folded += part.folded;
    if (isAllah(folded))
        return {{"\u0627\u0644\u0647", 0}};
    // No particle takes tanween (فِئَةࣱ is no فِيهِ); أَمۡ and مَنۡ never double their last letter:
    // أُمّ and مَنَّ are a noun and a verb.
    const bool indefinite = std::any_of(units.begin(), units.end(), [](const Unit& u) { return u.tanween; });
    auto isParticleHere = [&](std::string_view letters) {
        const bool doubled = !units.empty() && units.back().shadda;
        return isParticleWithPronoun(letters) && !indefinite
            && !(doubled && (letters == "\u0627\u0645" || letters == "\u0645\u0646"));
    };
    if (isParticleHere(folded))
        return {};
    // A conjunction before a particle (وَلَوۡ، فَلَوۡلَا، وَلَٰكِن).
    if (units.size() > 2 && (isLetter(units[0], kWaw) || isLetter(units[0], kFa)) && units[0].vowel == 'a'
        && isParticleHere(std::string_view(folded).substr(std::string_view("\u0648").size())))
        return {};
    if (const std::string root = irregularRoot(uthmaniWord, folded, units); !root.empty())
        return {{root, 0, kListed}};
    std::vector<RootCandidate> candidates;
    if (units.size() < 2)
        return {};
    auto tryFrom = [&](std::size_t start, bool wasla, char stripped, bool noun, double penalty) {
        if (units.size() - start < 2)
            return;
        std::vector<Unit> rest(units.begin() + static_cast<std::ptrdiff_t>(start), units.end());
        std::string restFolded;
        for (const Unit& unit : rest)
            appendUtf8(restFolded, unit.letter == kHamza ? kAlif : unit.letter == kAlifMaqsura ? kYa : unit.letter);
        // No particle takes the article (ٱلۡعَلِيُّ).
        if (!noun && isParticleHere(restFolded))
            return;
        addRootReadings(candidates, rest, wasla, stripped, noun, penalty);
    };
    // Conjunction, preposition or future particle, and the article, each tried with and without.
    std::vector<std::pair<std::size_t, bool>> starts{{0, !units.empty() && units[0].afterWasla}};
    std::size_t at = 0;
    // يَٰ: the vocative written with its noun and a small alif (يَٰقَوۡمِ، يَـٰٓأَبَتِ; يَابِس has a full one).
    if (units.size() > 4 && isLetter(units[0], kYa) && units[0].dagger && isLetter(units[1], kAlif)) {
        at = 2;
        starts.push_back({at, false});
    }
    // أَفَ، أَوَ: the question's hamza before the conjunction.
    if (units.size() > 4 && isLetter(units[0], kHamza) && units[0].vowel == 'a'
        && (isLetter(units[1], kWaw) || isLetter(units[1], kFa)) && units[1].vowel == 'a') {
        at = 1;
        starts.push_back({at, false});
    }
    // A shadda on the first letter comes from the word before (مِّنۡ، وَّكَانُواْ): the particle
    // is one still. Before two letters only when they look like a word of their own: a doubled
    // or silent second (وَكُلَّ، وَقُلۡ) or an imperative's u (فَقُلِ).
    const std::size_t left = units.size() - at;
    // A long a after it makes the letter a radical (فَٰسِقُونَ، فَاتَكُمۡ).
    if ((left > 3 || (left == 3 && (units[at + 2].shadda || units[at + 2].sukun || units[at + 1].vowel == 'u')))
        && (isLetter(units[at], kWaw) || isLetter(units[at], kFa))
        && units[at].vowel == 'a' && !units[at + 1].longVowel
        // No word begins with a silent letter but after ٱ, the command's ل and an imperative
        // that dropped its ٱ (فَوۡقِهِمۡ; وَٱذۡكُرۡ، وَلۡيَكۡتُب، فَأۡتُواْ، فَسۡـَٔلُوٓاْ).
        && (!units[at + 1].sukun || units[at + 1].afterWasla || isLetter(units[at + 1], kLam)
            || isLetter(units[at + 1], kHamza) || (units.size() > at + 2 && isLetter(units[at + 2], kHamza)))) {
        ++at;
        starts.push_back({at, units[at].afterWasla});
    }
    const Unit& particle = units[std::min(at, units.size() - 1)];
    const bool preposition = (isLetter(particle, U'\u0628') && particle.vowel == 'i')
        || (isLetter(particle, kKaf) && particle.vowel == 'a')
        || (isLetter(particle, kLam) && (particle.vowel == 'i' || particle.vowel == 'a'))
        // فَلۡيَ، وَلۡتَ: the command's ل before an imperfect.
        || (isLetter(particle, kLam) && particle.sukun && at > 0 && units.size() > at + 1
            && (isLetter(units[at + 1], kYa) || isLetter(units[at + 1], kTa)))
        || (isLetter(particle, kSin) && particle.vowel == 'a' && units.size() > at + 1
            && (isLetter(units[at + 1], kYa) || isLetter(units[at + 1], kTa) || isLetter(units[at + 1], kNun)
                // سَأُ، سَأَصۡ: the future's I, not the hamza of سَأَلَ
                || (isLetter(units[at + 1], kHamza) && units.size() > at + 2
                    && (units[at + 1].vowel == 'u' || units[at + 2].sukun))));
    // After a preposition too no word begins with a silent letter but the article's ل (كَيۡد).
    const bool silentAfter = units.size() > at + 1 && units[at + 1].sukun && !units[at + 1].afterWasla
        && !isLetter(units[at + 1], kLam) && !isLetter(units[at + 1], kHamza);
    if (units.size() > at + 2 && !particle.afterWasla && preposition && !silentAfter) {
        ++at;
        starts.push_back({at, units[at].afterWasla});
    }
    // Only لِ drops the article's alif (لِلۡ); after بِ and كَ it stays as ٱ.
    const bool article = units.size() > at + 2 && isLetter(units[at], kLam)
        && (units[at].afterWasla || (at > 0 && isLetter(units[at - 1], kLam)))
        && (units[at].sukun || units[at + 1].shadda || units[at].vowel == 0);
    if (article) {
        starts.push_back({at + 1, false});
    }
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::size_t start = starts[k].first;
        // Letters in front of a ٱ are particles: no radical stands before it (وَٱتَّقِينَ).
        if (k + 1 < starts.size() && starts[k + 1].second)
            continue;
        const char stripped = start > 0 ? units[start - 1].vowel : 0;
        const bool afterArticle = article && k + 1 == starts.size();
        // The article once recognised is never a radical; a lone letter in front may be.
        // (Only form VIII of a root beginning with ل keeps it after ٱ: ٱلۡتَقَى.)
        const double keptArticle = !article || afterArticle ? 0.0 : isLetter(units[at + 1], kTa) ? 1.0 : 2.0;
        // A letter that can be a conjunction or preposition mostly is one.
        // ك begins many words (كثير، كبير): as a preposition it is less sure.
        const double sure = isLetter(units[std::max<std::size_t>(at, 1) - 1], kKaf) ? 0.3 : 0.8;
        const double keptParticles = sure * static_cast<double>(std::min(at, starts.size() - 1 - k));
        tryFrom(start, starts[k].second, afterArticle ? 0 : stripped, afterArticle,
                keptArticle + (article ? 0.0 : keptParticles));
    }
    return ranked(std::move(candidates));
}


std::string arabicRoot(std::string_view uthmaniWord)
{
    // The Quran text has some 19,000 different written words: each is analysed once per thread.
    constexpr std::size_t kRemembered = 100'000;
    thread_local std::unordered_map<std::string, std::string> known;
    const std::string written(uthmaniWord);
    if (const auto found = known.find(written); found != known.end())
        return found->second;
    const std::vector<RootCandidate> candidates = rootCandidates(uthmaniWord);
    std::string root = candidates.empty() ? std::string() : candidates.front().root;
    if (known.size() < kRemembered)
        known.emplace(written, root);
    return root;
}

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
    return rootText(std::u32string(letters.begin(), letters.end()));
}

} // namespace tilvane
