#include "structure_index.h"

#include "core/quran/sura_table.h"

namespace databuilder {

namespace {

std::string position(const AyaPosition& at)
{
    return std::to_string(at.sura) + ":" + std::to_string(at.aya);
}

class IndexWriter {
public:
    explicit IndexWriter(const std::vector<SuraSource>& suras) : m_suras(suras) {}

    void group(int depth, const std::string& label) { add(depth, label, ""); }
    void node(int depth, const std::string& label, int globalAya)
    {
        add(depth, label, position(positionOfAya(m_suras, globalAya)));
    }
    void node(int depth, const std::string& label, const AyaPosition& at)
    {
        add(depth, label, position(at));
    }
    StructureIndex take() { return std::move(m_index); }

private:
    void add(int depth, const std::string& label, const std::string& target)
    {
        m_index.lines.push_back(std::string(static_cast<std::size_t>(depth), '\t') + label);
        m_index.targets.push_back(target);
    }

    const std::vector<SuraSource>& m_suras;
    StructureIndex m_index;
};

// The part of every sura that lies in the juz, as one line each.
void addSuraRanges(IndexWriter& out, const std::vector<SuraSource>& suras, AyaPosition start,
                   const AyaPosition* next)
{
    for (int s = start.sura; s <= static_cast<int>(suras.size()); ++s) {
        const SuraSource& sura = suras[static_cast<std::size_t>(s) - 1];
        const AyaPosition first {s, s == start.sura ? start.aya : 1};
        AyaPosition last {s, static_cast<int>(sura.arabic.size())};
        if (next != nullptr) {
            if (s > next->sura || (s == next->sura && next->aya == 1))
                break;
            if (s == next->sura)
                last.aya = next->aya - 1;
        }
        // Spelt as in the contents list and the Index's own target column, so that one row
        // never shows two spellings of a name.
        out.node(1, tilvane::SuraLatinNames[static_cast<std::size_t>(s)] + " " + position(first) + " - " + position(last), first);
    }
}

std::string quarterLabel(int quarter)
{
    static const char* const kFractions[] = {"", " \xC2\xBC", " \xC2\xBD", " \xC2\xBE"}; // ¼ ½ ¾
    return "Hizb " + std::to_string(quarter / 4 + 1) + kFractions[quarter % 4];
}

void addJuz(IndexWriter& out, const std::vector<SuraSource>& suras, const QuranMeta& meta)
{
    constexpr int kQuartersPerJuz = kHizbQuarterCount / kJuzCount;
    for (int juz = 0; juz < kJuzCount; ++juz) {
        const int start = meta.juzStarts[static_cast<std::size_t>(juz)];
        out.node(0, "Juz " + std::to_string(juz + 1), start);
        AyaPosition next {};
        if (juz + 1 < kJuzCount)
            next = positionOfAya(suras, meta.juzStarts[static_cast<std::size_t>(juz) + 1]);
        addSuraRanges(out, suras, positionOfAya(suras, start), juz + 1 < kJuzCount ? &next : nullptr);
        for (int q = juz * kQuartersPerJuz; q < (juz + 1) * kQuartersPerJuz; ++q)
            out.node(1, quarterLabel(q), meta.quarterStarts[static_cast<std::size_t>(q)]);
    }
}

// A page belongs to the juz its first aya lies in.
void addPages(IndexWriter& out, const QuranMeta& meta)
{
    out.group(0, "Halaman");
    std::size_t juz = 0;
    for (std::size_t page = 0; page < meta.pageStarts.size(); ++page) {
        const int start = meta.pageStarts[page];
        if (juz < meta.juzStarts.size() && start >= meta.juzStarts[juz]) {
            while (juz < meta.juzStarts.size() && start >= meta.juzStarts[juz])
                ++juz;
            out.node(1, "Juz " + std::to_string(juz), start);
        }
        out.node(2, "Halaman " + std::to_string(page + 1), start);
    }
}

void addSajda(IndexWriter& out, const QuranMeta& meta)
{
    out.group(0, "Sajdah");
    for (std::size_t i = 0; i < meta.sajdaAyat.size(); ++i)
        out.node(1, "Sajdah " + std::to_string(i + 1), meta.sajdaAyat[i]);
}

} // namespace

StructureIndex structureIndex(const std::vector<SuraSource>& suras, const QuranMeta& meta)
{
    IndexWriter out(suras);
    addJuz(out, suras, meta);
    addPages(out, meta);
    addSajda(out, meta);
    return out.take();
}

} // namespace databuilder
