#pragma once

#include <QString>

class QComboBox;

namespace tilvane {

// The row of a font list that shows the stored family: the row of that exact name, else the
// first row of the family under a foundry's tag ("C059 [urw]" for "C059", when the list knows
// the family only so), else -1. Either row is stored back as the family alone.
int fontRowFor(const QComboBox& list, const QString& family);

} // namespace tilvane
