#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tilvane {

// Fills the "%s" placeholders of a fragment in order, each with the next argument taken as
// plain text: a '%' inside an argument or a lone '%' in the fragment stays as it is, and a
// placeholder left without an argument becomes empty.
std::string formatFragment(std::string_view fragment, std::initializer_list<std::string_view> args);

} // namespace tilvane
