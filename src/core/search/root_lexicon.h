#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <functional>
#include <vector>

namespace tilvane {

// The roots of the words of one text (the Quran's), each word's reading chosen with the
// whole text as evidence: a word alone often cannot tell a weak radical's و from its ي, a
// hamza from a prefix, or a radical from a suffix, but the other forms of the same root
// elsewhere in the text can. Of the readings a word allows (rootCandidates), the one that
// other words bear out wins unless it strays much further from the word's own likeliest.
class RootLexicon {
    // Looked up by the words of a text as they stand, without copying them.
    struct WordHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view word) const { return std::hash<std::string_view>()(word); }
    };

public:
    // Each written word (pause marks aside) with its root.
    using Roots = std::unordered_map<std::string, std::string, WordHash, std::equal_to<>>;

    RootLexicon() = default;
    explicit RootLexicon(Roots roots);

    // Reads every vowelled Arabic word of the texts.
    static RootLexicon derive(const std::vector<std::string>& texts);

    // The root of a word as the text writes it; a word the text does not hold is read alone
    // (arabicRoot). Empty for a particle.
    std::string rootOf(std::string_view written) const;

    const Roots& roots() const { return m_roots; }
    bool empty() const { return m_roots.empty(); }

private:
    Roots m_roots;
};

} // namespace tilvane
