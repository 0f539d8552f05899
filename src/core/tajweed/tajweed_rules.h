#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tilvane {

// The rules of Hafs' recitation that the reader colours. The order is the legend's.
enum class TajweedRule : std::uint8_t {
    HamzatWasl,
    LamShamsiyyah,
    Silent,
    Madd2,
    Madd246,
    Madd6,
    MaddMunfasil,
    MaddMuttasil,
    Qalqalah,
    Ghunnah,
    Ikhfa,
    IkhfaShafawi,
    Iqlab,
    IdghaamGhunnah,
    IdghaamNoGhunnah,
    IdghaamShafawi,
    IdghaamMutajanisayn,
    IdghaamMutaqaribayn,
};

inline constexpr std::size_t kTajweedRuleCount = 18;

// The rule's name in class names and data: "hamzat_wasl", "madd_246", ...
std::string_view tajweedRuleName(TajweedRule rule);
std::optional<TajweedRule> tajweedRuleFromName(std::string_view name);

// The rule's name as an English reader knows it ("Hamzat al-wasl", "Madd of 2, 4 or 6"),
// shown on hover unless the interface gives its own translation.
std::string_view tajweedRuleTitle(TajweedRule rule);

// Every rule in legend order.
const std::array<TajweedRule, kTajweedRuleCount>& allTajweedRules();

} // namespace tilvane
