#include "core/tajweed/tajweed_annotator.h"

#include "core/tajweed/letter_clusters.h"

#include <algorithm>
#include <cstddef>

namespace tilvane {

namespace {

constexpr char32_t kAlif = U'\u0627';
constexpr char32_t kWaslaAlif = U'\u0671';
constexpr char32_t kBeh = U'\u0628';
constexpr char32_t kTeh = U'\u062A';
constexpr char32_t kTheh = U'\u062B';
constexpr char32_t kDal = U'\u062F';
constexpr char32_t kThal = U'\u0630';
constexpr char32_t kReh = U'\u0631';
constexpr char32_t kTah = U'\u0637';
constexpr char32_t kZah = U'\u0638';
constexpr char32_t kLam = U'\u0644';
constexpr char32_t kMeem = U'\u0645';
constexpr char32_t kNoon = U'\u0646';
constexpr char32_t kHeh = U'\u0647';
constexpr char32_t kWaw = U'\u0648';
constexpr char32_t kAlifMaqsura = U'\u0649';
constexpr char32_t kYeh = U'\u064A';

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Marks that give a letter a sound of its own (a vowel, a doubling, a sukun) or take it away.
constexpr std::uint32_t kVoicing = kAnyVowel | kShadda | kSukun | kSilentZero | kWaslZero;
constexpr std::uint32_t kPlainVowelMarks = kShortVowels | kPauseMark | kOtherMark;

bool isOneOf(char32_t letter, std::u32string_view letters)
{
    return letters.find(letter) != std::u32string_view::npos;
}

// A hamza letter, or a seat letter with the hamza written as its mark (يِٕ).
bool isHamza(const LetterCluster& c)
{
    return isOneOf(c.letter, U"\u0621\u0623\u0624\u0625\u0626")
        || (isOneOf(c.letter, U"\u0627\u0648\u064A\u0649") && c.has(kHamzaMark) && !c.has(kVowelAfterTatweel));
}

// A hamza written on a tatweel after the letter: it follows the letter inside its word.
bool carriesFollowingHamza(const LetterCluster& c)
{
    return c.has(kHamzaMark) && c.has(kVowelAfterTatweel);
}

bool isQalqalahLetter(char32_t letter) { return isOneOf(letter, U"\u0642\u0637\u0628\u062C\u062F"); }

// The fifteen letters before which a noon without vowel is hidden.
bool isIkhfaLetter(char32_t letter)
{
    return isOneOf(letter, U"\u062A\u062B\u062C\u062F\u0630\u0632\u0633\u0634\u0635\u0636\u0637\u0638\u0641\u0642\u0643");
}

// Pairs said from the same place of the mouth: the first merges into the second.
bool areKindred(char32_t first, char32_t second)
{
    struct Pair {
        char32_t first;
        char32_t second;
    };
    static constexpr Pair kKindred[] = {
        {kTeh, kTah}, {kTah, kTeh}, {kDal, kTeh}, {kTeh, kDal}, {kThal, kZah}, {kTheh, kThal}, {kBeh, kMeem},
    };
    return std::any_of(std::begin(kKindred), std::end(kKindred),
                       [&](const Pair& p) { return p.first == first && p.second == second; });
}

// The rules of one aya, worked out over its letter clusters.
class AyaAnnotator {
public:
    explicit AyaAnnotator(std::string_view text) : m_c(splitLetterClusters(text)) { m_out.reserve(m_c.size() / 2); }

    std::vector<TajweedLetter> annotate()
    {
        for (std::size_t i = 0; i < m_c.size(); ++i) {
            // Most letters carry a plain short vowel and nothing else: no rule governs them
            // unless the reader stops on them.
            if (m_c[i].has(kShortVowels) && (m_c[i].marks & ~kPlainVowelMarks) == 0 && i != lastSpoken())
                continue;
            if (isOpeningLetterName(i)) {
                markOpeningLetter(i);
                continue;
            }
            // Starting the aya on it says it as a hamza.
            if (m_c[i].letter == kWaslaAlif && i != 0)
                add(i, TajweedRule::HamzatWasl);
            if (isArticleLam(i))
                add(i, TajweedRule::LamShamsiyyah);
            if (isSilent(i))
                add(i, TajweedRule::Silent);
            markMadd(i);
            if (isQalqalahLetter(m_c[i].letter) && (m_c[i].has(kSukun) || i == lastSpoken()))
                add(i, TajweedRule::Qalqalah);
            if (isDoubledNasal(i))
                add(i, TajweedRule::Ghunnah);
            markNoonOrTanween(i);
            markMeem(i);
            markMergedConsonant(i);
        }
        std::stable_sort(m_out.begin(), m_out.end(), [](const TajweedLetter& a, const TajweedLetter& b) {
            return a.letterIndex != b.letterIndex ? a.letterIndex < b.letterIndex : a.rule < b.rule;
        });
        return std::move(m_out);
    }

private:
    void add(std::size_t i, TajweedRule rule)
    {
        m_out.push_back({static_cast<std::uint32_t>(i), m_c[i].begin, m_c[i].end, rule});
    }

    bool sameWord(std::size_t a, std::size_t b) const { return b < m_c.size() && m_c[a].word == m_c[b].word; }

    // Without any mark of its own: a noon or meem written so is not said plainly.
    bool isBare(std::size_t i) const { return !m_c[i].has(kVoicing | kMaddah | kDaggerAlif | kIqlabMeem); }

    // The alif or alif maqsura after a tanween of fatha: written, not said while joining.
    bool isTanweenSeat(std::size_t i) const
    {
        const LetterCluster& c = m_c[i];
        return (c.letter == kAlif || c.letter == kAlifMaqsura) && !c.wordStart && isBare(i)
            && (m_c[i - 1].has(kFathatan) || (m_c[i - 1].has(kFatha) && m_c[i - 1].has(kIqlabMeem)));
    }

    // Letters written and never said, and those said only when stopping on them (not at the
    // aya's end, where the reader stops). A waw or yaa carrying the dagger alif is read as
    // that alif (ٱلصَّلَوٰةَ).
    bool isSilent(std::size_t i) const
    {
        const LetterCluster& c = m_c[i];
        if (c.has(kSilentZero) || (c.has(kWaslZero) && i != lastSpoken()))
            return true;
        return (c.letter == kWaw || c.letter == kYeh) && c.has(kDaggerAlif) && !c.has(kAnyVowel | kShadda);
    }

    bool isSilentWhenJoined(std::size_t i) const
    {
        return m_c[i].has(kSilentZero | kWaslZero) || m_c[i].letter == kWaslaAlif || isTanweenSeat(i)
            || isArticleLam(i);
    }

    // The next letter said after letter i when reading on, or kNone at the aya's end.
    std::size_t nextSpoken(std::size_t i) const
    {
        for (std::size_t j = i + 1; j < m_c.size(); ++j) {
            if (!isSilentWhenJoined(j))
                return j;
        }
        return kNone;
    }

    // The aya's last letter said: the reader stops on it.
    std::size_t lastSpoken() const
    {
        if (m_lastSpoken == kUnknown) {
            m_lastSpoken = kNone;
            for (std::size_t j = m_c.size(); j-- > 0;) {
                // Stopping on a tanween of fatha says its alif as a long vowel, and the
                // upright zero marks a letter said when stopping.
                if (!m_c[j].has(kSilentZero)) {
                    m_lastSpoken = j;
                    break;
                }
            }
        }
        return m_lastSpoken;
    }

    // A doubled noon or meem, held with ghunnah. A word's first letter is doubled by the
    // merging of the word before: after a noon, tanween or meem that rule holds the ghunnah,
    // and at the aya's start the stop before it undoes the doubling.
    bool isDoubledNasal(std::size_t i) const
    {
        const LetterCluster& c = m_c[i];
        if ((c.letter != kNoon && c.letter != kMeem) || !c.has(kShadda))
            return false;
        if (!c.wordStart)
            return true;
        // The letter said before it, past a silent alif (بَلَـٰٓؤࣱاْ مُّبِينٌ).
        std::size_t said = i;
        do {
            if (said == 0)
                return false;
            --said;
        } while (m_c[said].has(kSilentZero));
        const LetterCluster& before = m_c[said];
        return !(before.has(kOpenTanween | kTanween) || before.letter == kNoon || before.letter == kMeem
                 || isTanweenSeat(said));
    }

    // The Name of God keeps its lam: ٱللَّه and ٱللَّهُمَّ are not the article before a lam.
    bool isNameOfGod(std::size_t lam) const
    {
        const std::size_t heh = lam + 2;
        if (heh >= m_c.size() || !sameWord(lam, heh) || m_c[lam + 1].letter != kLam || m_c[heh].letter != kHeh)
            return false;
        if (m_c[heh].wordEnd)
            return true;
        return m_c[heh + 1].letter == kMeem && m_c[heh + 1].has(kShadda) && m_c[heh + 1].wordEnd;
    }

    // The article's lam before a "sun" letter, which takes the doubling in its place (also
    // after the preposition li, which drops the article's alif: لِلنَّاسِ).
    bool isArticleLam(std::size_t i) const
    {
        const LetterCluster& c = m_c[i];
        return c.letter == kLam && !c.wordStart && !c.wordEnd && isBare(i) && m_c[i + 1].has(kShadda)
            && !isNameOfGod(i);
    }

    // The disjoined letters opening some suras (الٓمٓ, حمٓ, طه): a word of the aya's start
    // whose letters carry no vowel, each said by its name.
    bool isOpeningLetterName(std::size_t i) const
    {
        const std::uint32_t word = m_c[i].word;
        if (word != 0)
            return false;
        for (std::size_t j = 0; j < m_c.size() && m_c[j].word == word; ++j) {
            if (m_c[j].has(kVoicing))
                return false;
        }
        return true;
    }

    // Names ending in a long vowel followed by a consonant (laam, meem, saad ...) are written
    // with the maddah and held for six counts; the names ending in the vowel (haa, yaa, taa,
    // haa, raa) take the natural two. Alif's name has no madd.
    void markOpeningLetter(std::size_t i)
    {
        if (m_c[i].has(kMaddah))
            add(i, TajweedRule::Madd6);
        else if (isOneOf(m_c[i].letter, U"\u062D\u064A\u0637\u0647\u0631"))
            add(i, TajweedRule::Madd2);
    }

    // A long vowel letter: alif after fatha, waw after damma, yaa after kasra.
    bool isLongVowelLetter(std::size_t i) const
    {
        const LetterCluster& c = m_c[i];
        // A vowel after a tatweel belongs to a hamza written there (خَطِيٓـَٔتُهُۥ), not to the letter.
        const std::uint32_t ownVoicing = c.has(kVowelAfterTatweel) ? kVoicing & ~kAnyVowel : kVoicing;
        if (c.wordStart || c.has(ownVoicing))
            return false;
        const LetterCluster& before = m_c[i - 1];
        if (before.has(kTanween | kSukun))
            return false;
        switch (c.letter) {
        case kAlif: return before.has(kFatha);
        case kWaw: return before.has(kDamma);
        case kYeh: return before.has(kKasra);
        case kAlifMaqsura: return before.has(kFatha | kKasra);
        default: return false;
        }
    }

    // A small yaa after a tatweel with a vowel of its own is a consonant (لِنُحۡـِۧيَ).
    bool isMadd(std::size_t i) const
    {
        const bool smallLongVowel = m_c[i].has(kDaggerAlif | kSmallWaw)
            || (m_c[i].has(kSmallYeh) && !m_c[i].has(kVowelAfterTatweel));
        return isLongVowelLetter(i) || smallLongVowel;
    }

    // Waw or yaa with sukun after fatha: lengthened only when the reader stops right after it.
    bool isLeenLetter(std::size_t i) const
    {
        return (m_c[i].letter == kWaw || m_c[i].letter == kYeh) && m_c[i].has(kSukun) && !m_c[i].wordStart
            && m_c[i - 1].has(kFatha);
    }

    // The last letter said of the word holding letter i is i itself.
    bool endsItsWord(std::size_t i) const
    {
        for (std::size_t j = i + 1; j < m_c.size() && sameWord(i, j); ++j) {
            if (!m_c[j].has(kSilentZero | kWaslZero) && !isTanweenSeat(j))
                return false;
        }
        return true;
    }

    // The vocative yaa and the ha of attention (يَٰٓأَيُّهَا، هَٰٓؤُلَآءِ) are words of their own
    // written joined to the next: their madd before its hamza is a separated one.
    bool isJoinedParticle(std::size_t i) const
    {
        return m_c[i].wordStart && m_c[i].has(kDaggerAlif) && (m_c[i].letter == kYeh || m_c[i].letter == kHeh);
    }

    void markMadd(std::size_t i)
    {
        const bool leen = isLeenLetter(i);
        if (!leen && !isMadd(i))
            return;
        const std::size_t next = nextSpoken(i);
        const bool stopsAfterNext = next != kNone && next == lastSpoken() && sameWord(i, next);
        if (leen) {
            if (stopsAfterNext)
                add(i, TajweedRule::Madd246);
            return;
        }
        // A maddah on the aya's last long vowel reaches into the next aya; the stop ends it.
        if (m_c[i].has(kMaddah) && next != kNone) {
            add(i, lengthenedMadd(i));
            return;
        }
        if (stopsAfterNext) {
            add(i, TajweedRule::Madd246);
            return;
        }
        // The natural madd is coloured only where the script writes its long vowel small
        // (dagger alif, small waw or yaa): a full letter of madd shows itself, and so does
        // a final alif maqsura, whose dagger alif only says how it is read.
        if (!m_c[i].has(kDaggerAlif | kSmallWaw | kSmallYeh) || (m_c[i].letter == kAlifMaqsura && m_c[i].wordEnd))
            return;
        if (next == kNone) {
            // Stopping drops the long vowel of the pronoun's ha; any other final one stays.
            if (!m_c[i].has(kSmallWaw | kSmallYeh) || m_c[i].letter != kHeh)
                add(i, TajweedRule::Madd2);
            return;
        }
        // A long vowel that ends its word before a letter without vowel is dropped when joined.
        if (endsItsWord(i) && (m_c[next].has(kSukun | kShadda) || m_c[i + 1].letter == kWaslaAlif))
            return;
        add(i, TajweedRule::Madd2);
    }

    // A madd written with the maddah: which lengthening the next letter calls for.
    TajweedRule lengthenedMadd(std::size_t i) const
    {
        const std::size_t after = i + 1;
        if (carriesFollowingHamza(m_c[i]) || (after < m_c.size() && sameWord(i, after) && isHamza(m_c[after])))
            return isJoinedParticle(i) ? TajweedRule::MaddMunfasil : TajweedRule::MaddMuttasil;
        if (endsItsWord(i)) {
            const std::size_t next = nextSpoken(i);
            if (next != kNone && m_c[next].wordStart && isHamza(m_c[next]))
                return TajweedRule::MaddMunfasil;
        }
        return TajweedRule::Madd6;
    }

    void markNoonOrTanween(std::size_t i)
    {
        const LetterCluster& c = m_c[i];
        const bool hiddenNoon = (c.letter == kNoon && isBare(i)) || c.has(kSmallNoon);
        const bool iqlab = c.has(kIqlabMeem) && (c.letter == kNoon || c.has(kAnyVowel));
        if (!(hiddenNoon || iqlab || c.has(kOpenTanween)))
            return;
        // At the aya's end the reader stops: the noon or tanween is said plainly.
        const std::size_t next = nextSpoken(i);
        if (next == kNone || i == lastSpoken())
            return;
        if (iqlab) {
            add(i, TajweedRule::Iqlab);
            return;
        }
        const char32_t letter = m_c[next].letter;
        if (isOneOf(letter, U"\u064A\u0646\u0645\u0648"))
            add(i, TajweedRule::IdghaamGhunnah);
        else if (letter == kLam || letter == kReh)
            add(i, TajweedRule::IdghaamNoGhunnah);
        else if (isIkhfaLetter(letter))
            add(i, TajweedRule::Ikhfa);
        else if (letter == kBeh)
            add(i, TajweedRule::Iqlab);
    }

    // A meem without sukun before baa is hidden, before meem merged.
    void markMeem(std::size_t i)
    {
        if (m_c[i].letter != kMeem || !isBare(i) || i == lastSpoken())
            return;
        const std::size_t next = nextSpoken(i);
        if (next == kNone)
            return;
        if (m_c[next].letter == kBeh)
            add(i, TajweedRule::IkhfaShafawi);
        else if (m_c[next].letter == kMeem)
            add(i, TajweedRule::IdghaamShafawi);
    }

    // Any other consonant written without a vowel or sukun merges into the next letter, which
    // is written doubled; taa after taa' merges only in part and is written single.
    void markMergedConsonant(std::size_t i)
    {
        const LetterCluster& c = m_c[i];
        if (!isBare(i) || isOneOf(c.letter, U"\u0646\u0645\u0627\u0648\u064A\u0649\u0671\u0621")
            || isArticleLam(i) || i == lastSpoken() || i + 1 >= m_c.size())
            return;
        const LetterCluster& next = m_c[i + 1];
        const bool merges = next.has(kShadda) || (c.letter == kTah && next.letter == kTeh);
        if (!merges || next.letter == c.letter)
            return;
        add(i, areKindred(c.letter, next.letter) ? TajweedRule::IdghaamMutajanisayn
                                                 : TajweedRule::IdghaamMutaqaribayn);
    }

    static constexpr std::size_t kUnknown = static_cast<std::size_t>(-2);

    const std::vector<LetterCluster> m_c;
    mutable std::size_t m_lastSpoken = kUnknown;
    std::vector<TajweedLetter> m_out;
};

} // namespace

std::vector<TajweedLetter> annotateTajweed(std::string_view ayaText)
{
    return AyaAnnotator(ayaText).annotate();
}

} // namespace tilvane
