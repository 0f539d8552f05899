#pragma once

// The application-wide error handler: an exception that escapes an event handler becomes a
// message box titled "Tilvane" with the exception's what(), the operation in progress ends
// there, and the program keeps running.
//
// How to use it:
// - Slots: connect through guarded(), which runs the callable under runGuarded():
//       connect(btnGo, &QPushButton::clicked, this, guarded([this] { actGotoSelectedSuraExecute(); }));
//   The callable may take the signal's leading arguments or none of them.
// - Overridden event handlers (showEvent, closeEvent, timerEvent, ...) and any other code
//   entered from the event loop: wrap the body, runGuarded([&] { FormClose(); }).
// - Application::notify() catches what still escapes an event delivery, as a last resort:
//   Qt does not promise to be exception-safe, so an exception crossing Qt's frames may skip
//   Qt's own clean-up. Do not rely on it; guard the handler itself.
// - Tests replace the message box with setErrorReporter() to capture the messages.

#include <QApplication>
#include <QString>

#include <cstddef>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace tilvane {

using ErrorReporter = std::function<void(const QString& message)>;

// Replaces how errors are shown and returns the previous reporter; an empty reporter
// restores the message box.
ErrorReporter setErrorReporter(ErrorReporter reporter);

// Shows message through the current reporter.
void reportError(const QString& message);

// Runs fn; an exception it throws is reported and goes no further. Returns whether fn
// completed without an exception.
bool runGuarded(const std::function<void()>& fn);

namespace detail {

template <typename Fn, typename Tuple, std::size_t... Index>
constexpr bool invocableWithLeading(std::index_sequence<Index...>)
{
    return std::is_invocable_v<Fn&, std::tuple_element_t<Index, Tuple>...>;
}

// Calls fn with as many of the leading arguments as it takes, as Qt does for slots.
template <std::size_t Count, typename Fn, typename Tuple>
void invokeWithLeading(Fn& fn, Tuple& arguments)
{
    if constexpr (invocableWithLeading<Fn, Tuple>(std::make_index_sequence<Count>{})) {
        [&]<std::size_t... Index>(std::index_sequence<Index...>) {
            std::invoke(fn, std::get<Index>(arguments)...);
        }(std::make_index_sequence<Count>{});
    } else {
        static_assert(Count > 0, "the callable takes none of the signal's leading arguments");
        invokeWithLeading<Count - 1>(fn, arguments);
    }
}

} // namespace detail

// A slot functor that runs fn under runGuarded().
template <typename Fn>
auto guarded(Fn fn)
{
    return [fn = std::move(fn)](auto&&... arguments) mutable {
        runGuarded([&] {
            auto argumentRefs = std::forward_as_tuple(arguments...);
            detail::invokeWithLeading<sizeof...(arguments)>(fn, argumentRefs);
        });
    };
}

// The application object of the reader (and of the GUI tests).
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace tilvane
