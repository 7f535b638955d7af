#include "pages/QtWebBrowser.h"

#include "pages/EngineProfile.h"
#include "platform/Registry.h"
#include "support/LoopbackHttpServer.h"
#include "support/QtPrinters.h"
#include "support/TempEnvironment.h"
#include "support/Wait.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

constexpr int Bound = 30000;

// One engine start and one server for the whole file.
class EngineEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        // Read once, when the engine first starts.
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
        // The engine writes while it runs, up to the program's end, so its profile
        // lives beside the test program, away from the user's and from any test's
        // temporary folder; made now, before a test changes the environment.
        const QByteArray folder =
            (QCoreApplication::applicationDirPath() + "/engine-data").toUtf8();
        qputenv("XDG_DATA_HOME", folder);
        qputenv("XDG_CACHE_HOME", folder + "/cache");
        EngineProfile();
        server = std::make_unique<LoopbackHttpServer>();
    }
    void TearDown() override { server.reset(); }

    static inline std::unique_ptr<LoopbackHttpServer> server;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

LoopbackHttpServer& server() {
    return *EngineEnvironment::server;
}

bool requested(const QString& path) {
    return server().requests().contains(path);
}

bool hasFocus(QWidget* view) {
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == view || view->isAncestorOf(focus));
}

// A shown browser with every event written down as text.
struct Browser {
    explicit Browser(QPoint at = {0, 0}) {
        browser.widget()->resize(400, 300);
        browser.widget()->move(at);
        browser.widget()->show();
        record();
    }

    QWebEnginePage* page() { return qobject_cast<QWebEngineView*>(browser.widget())->page(); }

    void loadAndWait(const QString& path) {
        const qsizetype done = count(QStringLiteral("DocumentComplete"));
        browser.Navigate(server().url(path));
        ASSERT_TRUE(
            waitFor([&] { return count(QStringLiteral("DocumentComplete")) > done; }, Bound))
            << path.toStdString();
    }

    QVariant evaluate(const QString& script) {
        auto result = std::make_shared<std::optional<QVariant>>();
        page()->runJavaScript(script, [result](const QVariant& value) { *result = value; });
        EXPECT_TRUE(waitFor([&] { return result->has_value(); }, Bound)) << script.toStdString();
        return result->value_or(QVariant());
    }

    qsizetype count(const QString& event) const { return log.count(event); }
    // The events that start with a prefix, in order.
    QStringList events(const QString& prefix) const {
        QStringList found;
        for (const QString& event : log)
            if (event.startsWith(prefix))
                found << event;
        return found;
    }
    QStringList geometry() const { return events(QStringLiteral("Window")); }

    QtWebBrowser browser;
    QStringList log;
    std::function<bool(const QString& url)> cancelNavigation = [](const QString&) { return false; };

private:
    void record() {
        auto add = [this](const QString& event) { log << event; };
        auto number = [add](const char* name) {
            return [add, name](int value) { add(QStringLiteral("%1 %2").arg(name).arg(value)); };
        };
        QtWebBrowser* b = &browser;
        QObject::connect(b, &WebBrowser::TitleChange,
                         [add](const QString& t) { add("Title " + t); });
        QObject::connect(b, &WebBrowser::ProgressChange, [add](int progress, int max) {
            add(QStringLiteral("Progress %1/%2").arg(progress).arg(max));
        });
        QObject::connect(b, &WebBrowser::DownloadComplete, [add] { add("DownloadComplete"); });
        QObject::connect(b, &WebBrowser::DocumentComplete, [add] { add("DocumentComplete"); });
        QObject::connect(b, &WebBrowser::StatusTextChange,
                         [add](const QString& t) { add("Status " + t); });
        QObject::connect(b, &WebBrowser::BeforeNavigate2,
                         [this, add](const QString& url, bool& cancel) {
                             add("Before " + url);
                             cancel = cancelNavigation(url);
                         });
        QObject::connect(b, &WebBrowser::NavigateComplete2, [add](const QString& url, bool top) {
            add(QStringLiteral("NavigateComplete %1 %2").arg(url).arg(top));
        });
        QObject::connect(
            b, &WebBrowser::CommandStateChange, [add](BrowserCommand command, bool on) {
                add(QStringLiteral("%1 %2")
                        .arg(command == BrowserCommand::NavigateBack ? "Back" : "Forward")
                        .arg(on));
            });
        QObject::connect(b, &WebBrowser::SetSecureLockIcon, number("Lock"));
        QObject::connect(b, &WebBrowser::WindowSetLeft, number("WindowLeft"));
        QObject::connect(b, &WebBrowser::WindowSetTop, number("WindowTop"));
        QObject::connect(b, &WebBrowser::WindowSetWidth, number("WindowWidth"));
        QObject::connect(b, &WebBrowser::WindowSetHeight, number("WindowHeight"));
        QObject::connect(b, &WebBrowser::WindowClosing, [add](bool&) { add("Closing"); });
        QObject::connect(b, &WebBrowser::ShowContextMenu, [add] { add("ContextMenu"); });
    }
};

TEST(QtWebBrowser, LoadReportsTitleAndProgressThenDocumentComplete) {
    server().setPage("/events", "<html><head><title>Events</title></head><body>x</body></html>");
    Browser b;
    bool busyAtCommit = false;
    bool busyAtComplete = true;
    QObject::connect(&b.browser, &WebBrowser::NavigateComplete2,
                     [&] { busyAtCommit = b.browser.Busy(); });
    QObject::connect(&b.browser, &WebBrowser::DocumentComplete,
                     [&] { busyAtComplete = b.browser.Busy(); });

    b.loadAndWait("/events");

    const QString url = server().url("/events");
    EXPECT_EQ(b.events("Before"), QStringList{"Before " + url});
    EXPECT_EQ(b.events("NavigateComplete"), QStringList{"NavigateComplete " + url + " 1"});
    EXPECT_EQ(b.events("Title").last(), "Title Events");
    const QStringList progress = b.events("Progress");
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.first(), "Progress 0/100");
    EXPECT_EQ(progress.last(), "Progress -1/100");
    // Download, then document, then the commands, and nothing of this load after them.
    const QStringList tail = b.log.mid(b.log.lastIndexOf("Progress 100/100"));
    EXPECT_EQ(tail, (QStringList{"Progress 100/100", "Progress -1/100", "DownloadComplete",
                                 "DocumentComplete", "Forward 0", "Back 0"}));
    EXPECT_EQ(b.events("Lock"), QStringList{"Lock 0"});
    EXPECT_TRUE(busyAtCommit);
    EXPECT_FALSE(busyAtComplete);
    EXPECT_TRUE(b.browser.HasDocument());
    EXPECT_EQ(b.browser.LocationURL(), url);
    EXPECT_EQ(b.browser.LocationName(), "Events");
}

// In a window of the host's, beside a field that has the focus.
TEST(QtWebBrowser, UIActivateFocusesOnlyALoadedPage) {
    Browser b;
    EXPECT_FALSE(b.browser.HasDocument());
    EXPECT_FALSE(b.browser.Busy());
    EXPECT_EQ(b.browser.LocationURL(), QString());
    // Declared after the browser, the window deletes the view first, as a host may.
    QWidget window;
    auto* field = new QLineEdit;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(field);
    layout->addWidget(b.browser.widget());
    window.show();
    field->setFocus();
    ASSERT_TRUE(waitFor([&] { return field->hasFocus(); }, Bound));

    b.browser.UIActivate();
    EXPECT_TRUE(field->hasFocus());

    b.loadAndWait("/focus");
    b.browser.UIActivate();
    EXPECT_TRUE(hasFocus(b.browser.widget()));
}

TEST(QtWebBrowser, NavigateCancelledLoadsNothing) {
    Browser b;
    b.cancelNavigation = [](const QString&) { return true; };
    b.browser.Navigate(server().url("/refused-navigate"));
    EXPECT_EQ(b.log, QStringList{"Before " + server().url("/refused-navigate")});
    EXPECT_FALSE(b.browser.Busy());

    b.cancelNavigation = [](const QString&) { return false; };
    b.loadAndWait("/after-refused-navigate");
    EXPECT_FALSE(requested("/refused-navigate"));
}

// Navigations the page starts itself are asked about once; a refused one never
// reaches the server.
TEST(QtWebBrowser, PageNavigationAsksBeforeNavigate) {
    struct Case {
        const char* name;
        QString script; // %1: the address to go to
        QString query;  // what the navigation adds to it
    };
    const Case cases[] = {
        {"anchor click",
         "var a = document.createElement('a'); a.href = '%1'; document.body.appendChild(a); "
         "a.click();",
         ""},
        {"location", "location.href = '%1';", ""},
        {"form submit",
         "var f = document.createElement('form'); f.action = '%1'; f.method = 'get'; "
         "var i = document.createElement('input'); i.name = 'q'; i.value = '1'; "
         "f.appendChild(i); document.body.appendChild(f); f.submit();",
         "?q=1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString slug = QString(c.name).replace(' ', '-');
        const QString refused = "/refused-" + slug;
        const QString allowed = "/allowed-" + slug;
        Browser b;
        b.cancelNavigation = [&](const QString& url) { return url.contains(refused); };
        b.loadAndWait("/from-" + slug);

        b.evaluate(c.script.arg(refused));
        ASSERT_TRUE(
            waitFor([&] { return b.count("Before " + server().url(refused + c.query)); }, Bound));
        // A round trip to the page lets the renderer settle the refusal; a load
        // started before that may be reported stopped while it goes on.
        b.evaluate("1");
        b.loadAndWait("/barrier-" + slug);
        EXPECT_FALSE(requested(refused + c.query));
        // Nothing of the refused load reaches the host.
        const QStringList afterRefusal =
            b.log.mid(b.log.indexOf("Before " + server().url(refused + c.query)) + 1);
        EXPECT_EQ(afterRefusal.value(0), "Before " + server().url("/barrier-" + slug));
        EXPECT_EQ(b.browser.LocationURL(), server().url("/barrier-" + slug));

        b.log.clear();
        const QString target = server().url(allowed + c.query);
        b.evaluate(c.script.arg(allowed));
        ASSERT_TRUE(waitFor([&] { return b.count("DocumentComplete") > 0; }, Bound));
        EXPECT_EQ(b.events("Before"), QStringList{"Before " + target});
        EXPECT_EQ(b.browser.LocationURL(), target);
    }
}

TEST(QtWebBrowser, HistoryReportsCommandStatesAndTitlesNearestFirst) {
    Browser b;
    b.loadAndWait("/first");
    b.loadAndWait("/second");
    b.loadAndWait("/third");
    EXPECT_EQ(b.events("Back").last(), "Back 1");
    EXPECT_EQ(b.events("Forward").last(), "Forward 0");
    EXPECT_EQ(b.browser.BackTitles(), (QStringList{"/second", "/first"}));
    EXPECT_EQ(b.browser.ForwardTitles(), QStringList());

    b.log.clear();
    b.browser.GoBack();
    ASSERT_TRUE(waitFor([&] { return b.count("DocumentComplete") > 0; }, Bound));
    // Going back is the engine's own navigation: it asks too.
    EXPECT_EQ(b.events("Before"), QStringList{"Before " + server().url("/second")});
    EXPECT_EQ(b.events("Forward").last(), "Forward 1");
    EXPECT_EQ(b.events("Back").last(), "Back 1");
    EXPECT_EQ(b.browser.BackTitles(), QStringList{"/first"});
    EXPECT_EQ(b.browser.ForwardTitles(), QStringList{"/third"});
}

TEST(QtWebBrowser, LoadBlankAndGoHome) {
    TempEnvironment environment; // the registry
    Browser b;
    b.browser.LoadBlank();
    ASSERT_TRUE(waitFor([&] { return b.count("DocumentComplete") > 0; }, Bound));
    EXPECT_EQ(b.events("Before"), QStringList());
    EXPECT_TRUE(b.browser.HasDocument());
    EXPECT_EQ(b.browser.LocationURL(), "about:blank");

    const QString mainKey = "Software\\Microsoft\\Internet Explorer\\Main";
    Registry registry;
    ASSERT_TRUE(registry.openKey(mainKey, true));
    ASSERT_TRUE(registry.writeString("Start Page", server().url("/home")));
    b.log.clear();
    b.browser.GoHome();
    ASSERT_TRUE(waitFor([&] { return b.count("DocumentComplete") > 0; }, Bound));
    EXPECT_EQ(b.events("Before"), QStringList{"Before " + server().url("/home")});
    EXPECT_EQ(b.browser.LocationURL(), server().url("/home"));

    ASSERT_TRUE(registry.writeString("Start Page", ""));
    b.log.clear();
    b.browser.GoHome();
    ASSERT_TRUE(waitFor([&] { return b.count("DocumentComplete") > 0; }, Bound));
    EXPECT_EQ(b.events("Before"), QStringList{"Before about:blank"});
    EXPECT_EQ(b.browser.LocationURL(), "about:blank");
}

// A script's window.open, with the new window given to another browser.
class Popup : public ::testing::Test {
protected:
    // Opens the page at the path from a script; the opener's handler decides.
    void open(const QString& path, const QString& features) {
        opener.loadAndWait("/opener");
        opener.evaluate(QStringLiteral("window.open('%1', '', '%2'); true").arg(path, features));
        ASSERT_TRUE(waitFor([&] { return !requests.empty(); }, Bound));
    }

    void SetUp() override {
        QObject::connect(&opener.browser, &WebBrowser::NewWindow2, [this](NewWindowRequest& r) {
            requests.push_back(r);
            decide(r);
        });
    }

    Browser opener;
    Browser target{{50, 60}};
    std::vector<NewWindowRequest> requests;
    std::function<void(NewWindowRequest&)> decide = [this](NewWindowRequest& r) {
        r.target = &target.browser;
    };
};

TEST_F(Popup, ScriptWindowOpensInTheTargetWithItsGeometry) {
    struct Case {
        const char* features;
        QStringList geometry;
    };
    const Case cases[] = {
        {"left=10,top=20,width=300,height=200",
         {"WindowLeft 10", "WindowTop 20", "WindowWidth 300", "WindowHeight 200"}},
        // The engine leaves an unnamed position at 0; the window keeps its own.
        {"width=300,height=200", {"WindowWidth 300", "WindowHeight 200"}},
        {"left=10,top=20", {}},
        {"", {}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.features);
        const QString path = QStringLiteral("/popup-%1").arg(++n);
        requests.clear();
        target.log.clear();
        open(path, c.features);
        ASSERT_TRUE(waitFor([&] { return target.count("DocumentComplete") > 0; }, Bound));

        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].url, server().url(path));
        EXPECT_FALSE(requests[0].userInitiated);
        EXPECT_EQ(target.geometry(), c.geometry);
        EXPECT_EQ(target.events("Before"), QStringList{"Before " + server().url(path)});
        EXPECT_EQ(target.browser.LocationURL(), server().url(path));
        EXPECT_TRUE(requested(path));
    }
}

TEST_F(Popup, RefusedWindowLoadsNothing) {
    struct Case {
        const char* name;
        std::function<void(NewWindowRequest&)> decide;
    };
    const Case cases[] = {
        {"cancelled with a target",
         [this](NewWindowRequest& r) {
             r.target = &target.browser;
             r.cancel = true;
         }},
        {"no target", [](NewWindowRequest&) {}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = QStringLiteral("/refused-popup-%1").arg(++n);
        decide = c.decide;
        requests.clear();
        open(path, "width=300,height=200");
        opener.loadAndWait(path + "-barrier");
        EXPECT_FALSE(requested(path));
        EXPECT_FALSE(target.browser.HasDocument());
        EXPECT_EQ(target.log, QStringList());
    }
}

// The values come as the script gave them, unclamped.
TEST_F(Popup, ScriptGeometryAsksForWhatTheScriptGave) {
    open("/sized", "");
    ASSERT_TRUE(waitFor([&] { return target.count("DocumentComplete") > 0; }, Bound));
    ASSERT_TRUE(
        waitFor([&] { return target.evaluate("screenX == 50 && screenY == 60").toBool(); }, Bound));
    target.log.clear();

    target.evaluate("resizeTo(20, 20)");
    ASSERT_TRUE(waitFor([&] { return target.count("WindowHeight 20"); }, Bound));
    EXPECT_EQ(target.geometry(), (QStringList{"WindowWidth 20", "WindowHeight 20"}));

    target.log.clear();
    target.evaluate("moveTo(0, 10)");
    ASSERT_TRUE(waitFor([&] { return target.count("WindowTop 10"); }, Bound));
    EXPECT_EQ(target.geometry(), (QStringList{"WindowLeft 0", "WindowTop 10"}));
}

TEST_F(Popup, ScriptCloseAsksToCloseTheWindow) {
    open("/closing", "");
    ASSERT_TRUE(waitFor([&] { return target.count("DocumentComplete") > 0; }, Bound));
    target.evaluate("window.close()");
    ASSERT_TRUE(waitFor([&] { return target.count("Closing") > 0; }, Bound));
    EXPECT_EQ(target.count("Closing"), 1);
}

TEST(QtWebBrowser, DownloadOptionsControlWhatThePageFetchesAndRuns) {
    struct Case {
        const char* name;
        DownloadOptions options;
        bool image;
        bool video;
        QString title;
    };
    const DownloadOptions all =
        DownloadControl::DLIMAGES | DownloadControl::VIDEOS | DownloadControl::BGSOUNDS;
    const Case cases[] = {
        {"everything", all, true, true, "scripted"},
        {"no images", all & ~DownloadOptions(DownloadControl::DLIMAGES), false, true, "scripted"},
        {"no videos", all & ~DownloadOptions(DownloadControl::VIDEOS), true, false, "scripted"},
        {"no scripts", all | DownloadControl::NO_SCRIPTS, true, true, "static"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString page = QStringLiteral("/media-%1").arg(++n);
        const QString image = page + "/image.png";
        const QString video = page + "/video.webm";
        server().setPage(page, QStringLiteral("<html><head><title>static</title></head><body>"
                                              "<img src='%1'><video src='%2' preload='auto'>"
                                              "</video><script>document.title = 'scripted';"
                                              "</script></body></html>")
                                   .arg(image, video)
                                   .toUtf8());
        Browser b;
        b.browser.setDownloadOptions(c.options);
        EXPECT_EQ(b.browser.downloadOptions(), c.options);
        b.loadAndWait(page);
        EXPECT_EQ(b.browser.LocationName(), c.title);
        // The video is fetched after the document completes; a later page is the barrier.
        if (c.video) {
            EXPECT_TRUE(waitFor([&] { return requested(video); }, Bound));
        }
        b.loadAndWait(page + "-barrier");
        EXPECT_EQ(requested(image), c.image);
        EXPECT_EQ(requested(video), c.video);
    }
}

TEST(QtWebBrowser, MouseOverLinkAndRightClickReachTheHost) {
    server().setPage("/mouse", "<html><body style='margin:0'><a href='/linked' "
                               "style='display:block;width:200px;height:100px'>link</a>"
                               "</body></html>");
    Browser b;
    b.loadAndWait("/mouse");
    QWidget* surface = b.browser.widget()->focusProxy();
    ASSERT_NE(surface, nullptr);
    const QPoint onLink(50, 50);
    ASSERT_TRUE(waitFor(
        [&] {
            QMouseEvent move(QEvent::MouseMove, onLink, surface->mapToGlobal(onLink), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(surface, &move);
            return b.count("Status " + server().url("/linked")) > 0;
        },
        Bound));

    const QPoint offLink(300, 250);
    ASSERT_TRUE(waitFor(
        [&] {
            QMouseEvent move(QEvent::MouseMove, offLink, surface->mapToGlobal(offLink),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(surface, &move);
            return b.events("Status").last() == "Status ";
        },
        Bound));

    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, onLink, surface->mapToGlobal(onLink), Qt::RightButton,
                          type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(surface, &click);
    }
    ASSERT_TRUE(waitFor([&] { return b.count("ContextMenu") > 0; }, Bound));
    // The engine's own menu follows.
    ASSERT_TRUE(waitFor([] { return QApplication::activePopupWidget() != nullptr; }, Bound));
    QApplication::activePopupWidget()->close();
}

} // namespace
