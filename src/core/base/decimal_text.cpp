#include "core/base/decimal_text.h"

#include <charconv>

namespace tilvane {

std::optional<int> parseDecimalInt(std::string_view text)
{
    // from_chars takes a minus sign but no plus sign; "+-5" stays unreadable.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

} // namespace tilvane
