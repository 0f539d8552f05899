#pragma once

#include "core/audio/reciter_catalogue.h"

#include <QTreeWidget>

#include <optional>
#include <vector>

namespace tilvane {

// The public recitations of the catalogue, one row each with its style, quality and the
// whole Quran's size, so that a new user can choose without knowing any address.
class ReciterCatalogueList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ReciterCatalogueList(QWidget* parent = nullptr);

    // Reads the catalogue file again (reciterCatalogueFile()).
    void reload();
    std::optional<CatalogueEntry> currentEntry() const;

signals:
    void entryChosen(const CatalogueEntry& entry);

private:
    void showHeader();

    std::vector<CatalogueEntry> m_entries;
};

} // namespace tilvane
