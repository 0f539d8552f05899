#include "core/render/fragment_format.h"

namespace tilvane {

std::string formatFragment(std::string_view fragment, std::initializer_list<std::string_view> args)
{
    static constexpr std::string_view kPlaceholder = "%s";
    std::string out;
    std::size_t reserve = fragment.size();
    for (std::string_view arg : args)
        reserve += arg.size();
    out.reserve(reserve);

    auto next = args.begin();
    std::size_t start = 0;
    for (std::size_t at = fragment.find(kPlaceholder); at != std::string_view::npos;
         at = fragment.find(kPlaceholder, start)) {
        out.append(fragment.substr(start, at - start));
        if (next != args.end())
            out.append(*next++);
        start = at + kPlaceholder.size();
    }
    out.append(fragment.substr(start));
    return out;
}

} // namespace tilvane
