// The colour look of the real main window: the start-up pass in each look and the two look buttons.

#include "kit/action_guard.h"
#include "kit/look/look_rules.h"
#include "platform/colours.h"
#include "platform/settings_store.h"
#include "platform/static_edge.h"
#include "support/page_controls.h"
#include "window_fixture.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace kit::look;

namespace
{

constexpr quint32 skip = 0xFFFFFFFF;
const QString kvlNet = QStringLiteral("kvl_net");

struct Save {
    QString application, section, key, value;
    bool operator==(const Save&) const = default;
};

void storeLook(int look)
{
    platform::settings::save(kvlNet, QStringLiteral("style"), QStringLiteral("s"), QString::number(look));
}

QString storedLook()
{
    return platform::settings::get(kvlNet, QStringLiteral("style"), QStringLiteral("s"));
}

} // namespace

class LookWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void startUpColours_data()
    {
        QTest::addColumn<int>("look");
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("back");
        QTest::addColumn<quint32>("fore");
        QTest::addColumn<int>("opaque"); // -1: not checked

        for (int look : {systemLook, designedLook}) {
            const bool sys = look == systemLook;
            const QByteArray l = sys ? "look 0: " : "look 1: ";
            auto row = [&](const char* name) -> QTestData& { return QTest::newRow((l + name).constData()); };
            row("window") << look << "fbrowse" << (sys ? colour::buttonFace : skip) << skip << -1;
            row("page") << look << "pt_1" << (sys ? colour::buttonFace : quint32(0xE4FEFC)) << skip << 1;
            row("section heading") << look << "Label1" << quint32(0x80) << colour::lightYellow << 1;
            row("caption link") << look << "Etiquette6_13" << quint32(0x8000) << colour::lightYellow << 1;
            row("ASPX caption link") << look << "Etiquette6_17" << quint32(0x8000) << colour::lightYellow
                                     << 1;
            row("untagged caption") << look << "Etiquette6_6" << skip << skip << 0;
            row("bordered text box") << look << "pn" << colour::paleCyan << skip << -1;
            row("list box") << look << "tdn1" << colour::paleCyan << skip << -1;
            row("history drop-down") << look << "db" << colour::lightOrange << skip << -1;
            row("drive list") << look << "Drive1" << (sys ? colour::buttonFace : skip) << skip << -1;
            // The tabs and the menu take their own colours right after the pass.
            row("chosen preview tab") << look << "vvbg_0" << quint32(0xFFFF80) << skip << 1;
            row("other preview tab") << look << "vvbg_3" << quint32(0xFDFEDA) << skip << 1;
            row("chosen menu button") << look << "Command_2" << quint32(0xFFFF00) << skip << -1;
            row("other menu button") << look << "Command_1" << quint32(0xFFFFC0) << skip << -1;
        }
    }
    void startUpColours()
    {
        QFETCH(int, look);
        QFETCH(QString, name);
        QFETCH(quint32, back);
        QFETCH(quint32, fore);
        QFETCH(int, opaque);

        WindowFixture fixture;
        storeLook(look);
        fixture.start();
        QCOMPARE(fixture.window().form().look_style, look);
        QWidget* control = name == QLatin1String("fbrowse") ? &fixture.window() : fixture.find<QWidget>(name);
        QVERIFY2(control, qPrintable(name));
        if (back != skip)
            QCOMPARE(platform::backColor(control), platform::colourFromBgr(back));
        if (fore != skip)
            QCOMPARE(platform::foreColor(control), platform::colourFromBgr(fore));
        if (opaque >= 0)
            QCOMPARE(control->autoFillBackground(), opaque == 1);
    }

    // What the screen shows, not only what the palette holds: lists and multi-line boxes paint
    // their inside, and a drop-down its edit line, with colours of their own.
    void paintedColours_data()
    {
        QTest::addColumn<int>("look");
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("back");
        for (int look : {systemLook, designedLook}) {
            const QByteArray l = look == systemLook ? "look 0: " : "look 1: ";
            auto row = [&](const char* name) -> QTestData& { return QTest::newRow((l + name).constData()); };
            row("text box") << look << "dbn" << colour::paleCyan;
            row("list box") << look << "tdn1" << colour::paleCyan;
            row("ASPX list box") << look << "tdn2" << colour::paleCyan;
            row("preview") << look << "gnl_0" << colour::paleCyan;
            row("history drop-down") << look << "adb" << colour::lightOrange;
            row("page margin") << look << "pt_1"
                               << (look == systemLook ? colour::buttonFace : quint32(0xE4FEFC));
        }
    }
    void paintedColours()
    {
        QFETCH(int, look);
        QFETCH(QString, name);
        QFETCH(quint32, back);
        WindowFixture fixture;
        storeLook(look);
        fixture.start();
        fixture.window().Command_Click(1);
        QWidget* control = fixture.find<QWidget>(name);
        QVERIFY(control);
        QPoint inside(control->width() - 3, control->height() - 3);
        if (auto* list = qobject_cast<QAbstractScrollArea*>(control))
            inside = list->viewport()->geometry().center();
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
            inside = combo->lineEdit()->geometry().center();
        else if (qobject_cast<QLineEdit*>(control))
            inside = QPoint(control->width() - 6, control->height() / 2);
        const QImage shown = control->grab().toImage();
        QCOMPARE(shown.pixelColor(inside * shown.devicePixelRatio()), platform::colourFromBgr(back));
    }

    void everyCommandButtonHasStaticEdge()
    {
        WindowFixture fixture;
        fixture.start();
        const auto buttons = fixture.window().findChildren<QPushButton*>();
        QVERIFY(buttons.size() > 20);
        for (QPushButton* button : buttons)
            QVERIFY2(platform::hasStaticEdge(button), qPrintable(button->objectName()));
    }

    void refusedWhileConnected_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::newRow("a connection summary") << "Access: /data/shop.mdb";
        QTest::newRow("empty panel") << "";
        QTest::newRow("other letter case") << "not connected";
        QTest::newRow("trailing blank") << "Not connected ";
    }
    void refusedWhileConnected()
    {
        QFETCH(QString, panel);
        WindowFixture fixture;
        fixture.start();
        QList<Save> saves;
        fixture.program().session().settings().setSaveObserver([&saves](auto a, auto s, auto k, auto v) {
            saves.append({a, s, k, v});
        });
        app::MainWindow* before = &fixture.window();
        before->setStatusPanel(1, panel);

        testsupport::MainWindowControls(before).look[1]->click();

        QCOMPARE(fixture.messages,
                 QStringList{QStringLiteral("Make this change when you are not connected!")});
        QCOMPARE(&fixture.window(), before);
        QCOMPARE(fixture.window().form().look_style, 0);
        QVERIFY(saves.isEmpty());
        QCOMPARE(before->statusPanel(1), panel);
    }

    void currentLookDoesNothing_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::newRow("not connected") << "Not connected";
        QTest::newRow("connected") << "Access: /data/shop.mdb";
    }
    void currentLookDoesNothing()
    {
        QFETCH(QString, panel);
        WindowFixture fixture;
        fixture.start();
        app::MainWindow* before = &fixture.window();
        before->setStatusPanel(1, panel);
        testsupport::MainWindowControls(before).look[0]->click();
        QVERIFY(fixture.messages.isEmpty());
        QCOMPARE(&fixture.window(), before);
        QVERIFY(storedLook().isEmpty());
    }

    // The look is saved at once and nothing else: the window comes back with what the last Exit saved.
    void switchSavesLookAndRebuilds()
    {
        WindowFixture fixture;
        platform::settings::save(kvlNet, QStringLiteral("access"), QStringLiteral("pn"),
                                 QStringLiteral("/saved/"));
        fixture.start();
        QPointer<app::MainWindow> first = &fixture.window();
        first->findChild<QLineEdit*>(QStringLiteral("pn"))->setText(QStringLiteral("/typed/since/"));
        first->findChild<QLineEdit*>(QStringLiteral("spro"))->setText(QStringLiteral("SQLOLEDB.9"));
        QList<Save> saves;
        fixture.program().session().settings().setSaveObserver([&saves](auto a, auto s, auto k, auto v) {
            saves.append({a, s, k, v});
        });

        QTest::mouseClick(testsupport::MainWindowControls(first).look[1], Qt::LeftButton);

        QCOMPARE(saves,
                 (QList<Save>{{kvlNet, QStringLiteral("style"), QStringLiteral("s"), QStringLiteral("1")}}));
        QVERIFY(fixture.messages.isEmpty());
        QCOMPARE(storedLook(), QStringLiteral("1"));
        app::MainWindow& second = fixture.window();
        QVERIFY(&second != first.data());
        QVERIFY(second.isVisible());
        QCOMPARE(second.form().look_style, 1);
        QCOMPARE(second.findChild<QLineEdit*>(QStringLiteral("pn"))->text(), QStringLiteral("/saved/"));
        QCOMPARE(second.findChild<QLineEdit*>(QStringLiteral("spro"))->text(), QStringLiteral("SQLOLEDB.1"));
        QCOMPARE(platform::backColor(second.findChild<QWidget*>(QStringLiteral("pt_1"))),
                 platform::colourFromBgr(0xE4FEFC));
        WindowFixture::flushDeletes();
        QVERIFY(first.isNull());

        // And back to the system look.
        testsupport::MainWindowControls(&second).look[0]->click();
        QCOMPARE(storedLook(), QStringLiteral("0"));
        QCOMPARE(fixture.window().form().look_style, 0);
        QCOMPARE(platform::backColor(fixture.find<QWidget>(QStringLiteral("pt_1"))),
                 platform::colourFromBgr(colour::buttonFace));
    }

    // A switch in the middle of another action would pull the window away from under it.
    void noSwitchDuringAnAction()
    {
        WindowFixture fixture;
        fixture.start();
        app::MainWindow* before = &fixture.window();
        {
            kit::ActionGuard running(fixture.program().session().runGuard());
            testsupport::MainWindowControls(before).look[1]->click();
        }
        QCOMPARE(&fixture.window(), before);
        QVERIFY(storedLook().isEmpty());
    }
};

QTEST_MAIN(LookWindowTest)
#include "test_look_window.moc"
