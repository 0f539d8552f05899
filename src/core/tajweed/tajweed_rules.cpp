#include "core/tajweed/tajweed_rules.h"

namespace tilvane {

namespace {

struct RuleNames {
    std::string_view name;
    std::string_view title;
};

constexpr RuleNames kRuleNames[kTajweedRuleCount] = {
    {"hamzat_wasl", "Hamzat al-wasl (silent when joined)"},
    {"lam_shamsiyyah", "Lam shamsiyyah (silent lam)"},
    {"silent", "Silent letter"},
    {"madd_2", "Natural madd (2 counts)"},
    {"madd_246", "Madd when stopping (2, 4 or 6 counts)"},
    {"madd_6", "Necessary madd (6 counts)"},
    {"madd_munfasil", "Separated madd (4 or 5 counts)"},
    {"madd_muttasil", "Joined madd (4 or 5 counts)"},
    {"qalqalah", "Qalqalah (echo)"},
    {"ghunnah", "Ghunnah (nasal sound, 2 counts)"},
    {"ikhfa", "Ikhfa (hidden noon)"},
    {"ikhfa_shafawi", "Ikhfa shafawi (hidden meem)"},
    {"iqlab", "Iqlab (noon said as meem)"},
    {"idghaam_ghunnah", "Idghaam with ghunnah"},
    {"idghaam_no_ghunnah", "Idghaam without ghunnah"},
    {"idghaam_shafawi", "Idghaam shafawi (meem into meem)"},
    {"idghaam_mutajanisayn", "Idghaam of kindred letters"},
    {"idghaam_mutaqaribayn", "Idghaam of close letters"},
};

} // namespace

std::string_view tajweedRuleName(TajweedRule rule)
{
    return kRuleNames[static_cast<std::size_t>(rule)].name;
}

std::string_view tajweedRuleTitle(TajweedRule rule)
{
    return kRuleNames[static_cast<std::size_t>(rule)].title;
}

std::optional<TajweedRule> tajweedRuleFromName(std::string_view name)
{
    for (std::size_t i = 0; i < kTajweedRuleCount; ++i) {
        if (kRuleNames[i].name == name)
            return static_cast<TajweedRule>(i);
    }
    return std::nullopt;
}

const std::array<TajweedRule, kTajweedRuleCount>& allTajweedRules()
{
    static const std::array<TajweedRule, kTajweedRuleCount> rules = [] {
        std::array<TajweedRule, kTajweedRuleCount> all{};
        for (std::size_t i = 0; i < kTajweedRuleCount; ++i)
            all[i] = static_cast<TajweedRule>(i);
        return all;
    }();
    return rules;
}

} // namespace tilvane
