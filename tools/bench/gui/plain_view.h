#pragma once

#include <QString>

#include <memory>

class QWebEngineView;
class QWidget;

namespace tilvane::bench {

// The floor of the page cases: a plain web view with the reader's engine flags but without its
// host, showing a saved page and running its focus function, as any program showing these
// pages would have to.
class PlainView {
public:
    PlainView(int width, int height);
    ~PlainView();

    // Loads the page file and runs focusOnAya(sura, aya) in it, waiting for both.
    void show(const QString& pageFile, int sura, int aya);
    // Runs focusOnAya(sura, aya) in the loaded page and waits for it.
    void focus(int sura, int aya);

    QWidget* widget() const;

private:
    std::unique_ptr<QWebEngineView> m_view;
};

} // namespace tilvane::bench
