#pragma once

#include "core/base/sqlite_db.h"

#include <memory>
#include <string>

namespace tilvane {

// A connection to a search index file. Its failures are SqliteErrors naming the index, which
// the index answers by building itself anew where the file is damaged. A link or special file
// where the index belongs is removed first, never followed.
std::unique_ptr<SqliteDb> openSearchDb(const std::string& path);

} // namespace tilvane
