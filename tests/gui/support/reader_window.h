#pragma once

#include "gui/support/app_folder.h"
#include "gui/ui/main_window.h"

#include <memory>
#include <string>

namespace tilvane::test {

// Shows the reader with its settings file saying to open sura:aya (settings may add further
// sections) and waits until that aya is focused in its page.
std::unique_ptr<TfmMain> showReaderAt(const TestAppFolder& app, int sura, int aya, const std::string& settings = {});

// The shown position is sura:aya with its page loaded, and the page marks that aya and keeps
// it in view; waits for it with the usual deadline.
bool showsAya(TfmMain& window, int sura, int aya);

} // namespace tilvane::test
