#pragma once

#include <QString>

#include <string_view>

namespace tilvane {

// A page layout's name (one of ViewStyleNames) in the interface language.
QString viewStyleLabel(std::string_view name);

} // namespace tilvane
