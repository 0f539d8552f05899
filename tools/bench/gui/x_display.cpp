#include "x_display.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <stdexcept>
#include <vector>

namespace tilvane::bench {

namespace {

// One property of a window as 32-bit items; empty when it is not set.
std::vector<unsigned long> cardinals(Display* display, Window window, const char* name, Atom type)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 16, False, type, &actualType,
                           &format, &count, &remaining, &data)
            == Success
        && data != nullptr) {
        if (format == 32) {
            const auto* items = reinterpret_cast<const unsigned long*>(data);
            values.assign(items, items + count);
        }
        XFree(data);
    }
    return values;
}

bool isOrdinary(Display* display, Window window)
{
    const Atom normal = XInternAtom(display, "_NET_WM_WINDOW_TYPE_NORMAL", False);
    const std::vector<unsigned long> types = cardinals(display, window, "_NET_WM_WINDOW_TYPE", XA_ATOM);
    return types.empty() || types.front() == normal;
}

void sendKey(Display* display, KeySym symbol, bool press)
{
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, symbol), press ? True : False, CurrentTime);
}

} // namespace

XDisplay::XDisplay()
    : m_display(XOpenDisplay(nullptr))
{
    if (m_display == nullptr)
        throw std::runtime_error("no X display to run the reader on (run under Xvfb, as scripts/bench.sh does)");
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(m_display, &event, &error, &major, &minor))
        throw std::runtime_error("the X display has no XTest extension to press keys with");
}

XDisplay::~XDisplay()
{
    XCloseDisplay(m_display);
}

std::optional<XDisplay::WindowId> XDisplay::shownWindowOf(pid_t pid) const
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count))
        return std::nullopt;
    std::optional<WindowId> largest;
    long largestArea = 0;
    for (unsigned int i = 0; i < count; ++i) {
        const std::vector<unsigned long> owner = cardinals(m_display, children[i], "_NET_WM_PID", XA_CARDINAL);
        XWindowAttributes attributes{};
        if (owner.empty() || owner.front() != static_cast<unsigned long>(pid)
            || !XGetWindowAttributes(m_display, children[i], &attributes) || attributes.map_state != IsViewable
            || !isOrdinary(m_display, children[i]))
            continue;
        const long area = static_cast<long>(attributes.width) * attributes.height;
        if (area > largestArea) {
            largestArea = area;
            largest = children[i];
        }
    }
    if (children != nullptr)
        XFree(children);
    return largest;
}

void XDisplay::pressControlPageDown(WindowId window) const
{
    // No window manager runs under Xvfb to give the window the keyboard.
    XSetInputFocus(m_display, window, RevertToParent, CurrentTime);
    sendKey(m_display, XK_Control_L, true);
    sendKey(m_display, XK_Next, true);
    sendKey(m_display, XK_Next, false);
    sendKey(m_display, XK_Control_L, false);
    XFlush(m_display);
}

std::uint64_t XDisplay::middleDigest(WindowId window) const
{
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(m_display, window, &attributes))
        return 0;
    const int width = attributes.width / 2;
    const int height = attributes.height * 3 / 4;
    XImage* image = XGetImage(m_display, window, attributes.width / 4, attributes.height / 8, width, height, AllPlanes,
                              ZPixmap);
    if (image == nullptr)
        return 0;
    // FNV-1a over the pixels.
    std::uint64_t digest = 1469598103934665603ULL;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            digest ^= XGetPixel(image, x, y);
            digest *= 1099511628211ULL;
        }
    }
    XDestroyImage(image);
    return digest;
}

} // namespace tilvane::bench
