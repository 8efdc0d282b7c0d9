// The colouring pass over real widgets of each kind, tagged and untagged, in both looks.

#include "kit/folder_list.h"
#include "kit/look/look_rules.h"
#include "kit/look/widget_look.h"
#include "platform/colours.h"
#include "platform/static_edge.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace kit::look;

namespace
{

constexpr quint32 darkRed = 0x80;
constexpr quint32 darkGreen = 0x8000;
constexpr quint32 pageBack = 0xE4FEFC;
constexpr quint32 white = 0xFFFFFF;
constexpr quint32 black = 0x000000;
constexpr quint32 skip = 0xFFFFFFFF;

template <class T> T* named(QWidget* parent, const char* name, T* widget)
{
    widget->setParent(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

void paint(QWidget* widget, quint32 back, quint32 fore, const char* tag = nullptr)
{
    platform::setBackColor(widget, back);
    platform::setForeColor(widget, fore);
    if (tag)
        platform::setTag(widget, QString::fromLatin1(tag));
}

// A small window holding one control of each kind, painted as a designer would.
std::unique_ptr<QWidget> designedWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QStringLiteral("fixture"));
    platform::setBackColor(window.get(), pageBack);
    QWidget* w = window.get();

    paint(named(w, "heading", new QLabel(QStringLiteral("Connection"))), darkRed, colour::lightYellow, "h");
    paint(named(w, "link", new QLabel(QStringLiteral("Generate VB.Net Files!"))), darkGreen,
          colour::lightYellow, "link");
    paint(named(w, "yellowLabel", new QLabel(QStringLiteral("Path"))), darkRed, colour::lightYellow);
    paint(named(w, "blackLabel", new QLabel(QStringLiteral("Path"))), pageBack, black);
    paint(named(w, "boxed", new QLineEdit()), white, black);
    auto* bare = named(w, "bare", new QLineEdit());
    bare->setFrame(false);
    paint(bare, white, black);
    paint(named(w, "taggedBox", new QLineEdit()), white, black, "t");
    paint(named(w, "preview", new QPlainTextEdit()), white, black);
    paint(named(w, "list", new QListWidget()), white, black);
    auto* bareList = named(w, "bareList", new QListWidget());
    bareList->setFrameShape(QFrame::NoFrame);
    paint(bareList, white, black);
    paint(named(w, "taggedList", new QListWidget()), white, black, "t");
    paint(named(w, "combo", new QComboBox()), white, black);
    auto* editable = named(w, "editableCombo", new QComboBox());
    editable->setEditable(true);
    paint(editable, white, black);
    paint(named(w, "taggedCombo", new QComboBox()), white, black, "t");
    paint(named(w, "Drive1", new QComboBox()), white, black);
    paint(new kit::FolderList(QStringLiteral("Dir1"), w), white, black);
    named(w, "button", new QPushButton(QStringLiteral("Ok")));
    named(w, "taggedButton", new QPushButton(QStringLiteral("Ok")))->setProperty("Tag", QStringLiteral("t"));
    paint(named(w, "check", new QCheckBox(QStringLiteral("Data Access Module"))), pageBack, black);
    auto* page = named(w, "page", new QWidget());
    paint(page, pageBack, black);
    paint(named(page, "pageLabel", new QLabel(QStringLiteral("on the page"))), pageBack, colour::lightYellow);
    paint(named(page, "pageHeading", new QLabel(QStringLiteral("ASPX Generator"))), darkRed,
          colour::lightYellow, "h");
    named(w, "progress", new QProgressBar());
    auto* framedPanel = named(w, "framedPanel", new QWidget());
    paint(framedPanel, pageBack, black);
    platform::static_edge(framedPanel);
    return window;
}

QColor screen(quint32 value)
{
    return platform::colourFromBgr(value);
}

} // namespace

class LookPassTest : public QObject
{
    Q_OBJECT
private slots:
    void controls_data()
    {
        QTest::addColumn<int>("look");
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("back");
        QTest::addColumn<quint32>("fore");
        QTest::addColumn<int>("opaque"); // -1: not checked
        QTest::addColumn<bool>("edge");

        for (int look : {systemLook, designedLook}) {
            const bool sys = look == systemLook;
            const QByteArray l = sys ? "look 0: " : "look 1: ";
            auto row = [&](const char* name) -> QTestData& { return QTest::newRow((l + name).constData()); };
            const quint32 face = colour::buttonFace;

            row("heading keeps its colours")
                << look << "heading" << darkRed << colour::lightYellow << 1 << false;
            row("caption link keeps its colours")
                << look << "link" << darkGreen << colour::lightYellow << 1 << false;
            row("heading on a page") << look << "pageHeading" << darkRed << colour::lightYellow << 1 << false;
            row("untagged label is transparent")
                << look << "yellowLabel" << skip << (sys ? colour::windowText : colour::lightYellow) << 0
                << false;
            row("untagged label keeps other lettering")
                << look << "blackLabel" << skip << black << 0 << false;
            row("label on a page") << look << "pageLabel" << skip
                                   << (sys ? colour::windowText : colour::lightYellow) << 0 << false;
            row("bordered text box") << look << "boxed" << colour::paleCyan << black << -1 << false;
            row("borderless text box") << look << "bare" << (sys ? face : white) << black << -1 << false;
            row("tagged text box") << look << "taggedBox" << (sys ? face : white) << black << -1 << false;
            row("multi-line preview") << look << "preview" << colour::paleCyan << black << -1 << false;
            row("bordered list box") << look << "list" << colour::paleCyan << black << -1 << false;
            row("borderless list box") << look << "bareList" << (sys ? face : white) << black << -1 << false;
            row("tagged list box") << look << "taggedList" << (sys ? face : white) << black << -1 << false;
            row("drop-down list") << look << "combo" << colour::lightOrange << black << -1 << false;
            row("editable drop-down list")
                << look << "editableCombo" << colour::lightOrange << black << -1 << false;
            row("tagged drop-down list")
                << look << "taggedCombo" << (sys ? face : white) << black << -1 << false;
            row("drive list is no drop-down list")
                << look << "Drive1" << (sys ? face : white) << black << -1 << false;
            row("folder list is no list box")
                << look << "Dir1" << (sys ? face : white) << black << -1 << false;
            row("command button") << look << "button" << face << skip << -1 << true;
            row("tagged command button") << look << "taggedButton" << face << skip << -1 << true;
            row("check box") << look << "check" << (sys ? face : pageBack) << black << -1 << false;
            row("page") << look << "page" << (sys ? face : pageBack) << black << 1 << false;
            row("panel with an edge")
                << look << "framedPanel" << (sys ? face : pageBack) << black << 1 << true;
        }
    }
    void controls()
    {
        QFETCH(int, look);
        QFETCH(QString, name);
        QFETCH(quint32, back);
        QFETCH(quint32, fore);
        QFETCH(int, opaque);
        QFETCH(bool, edge);

        auto window = designedWindow();
        colourPass(window.get(), look);
        QWidget* control = window->findChild<QWidget*>(name);
        QVERIFY(control);
        if (back != skip)
            QCOMPARE(platform::backColor(control), screen(back));
        if (fore != skip)
            QCOMPARE(platform::foreColor(control), screen(fore));
        if (opaque >= 0)
            QCOMPARE(control->autoFillBackground(), opaque == 1);
        QCOMPARE(platform::hasStaticEdge(control), edge);
    }

    void windowBackground_data()
    {
        QTest::addColumn<int>("look");
        QTest::addColumn<quint32>("back");
        QTest::newRow("look 0 paints the window button face") << systemLook << colour::buttonFace;
        QTest::newRow("look 1 keeps its designed colour") << designedLook << pageBack;
    }
    void windowBackground()
    {
        QFETCH(int, look);
        QFETCH(quint32, back);
        auto window = designedWindow();
        colourPass(window.get(), look);
        QCOMPARE(platform::backColor(window.get()), screen(back));
    }

    // The edge drawn over a control is no control: painting it would cover the control.
    void edgeFramesAreLeftAlone()
    {
        auto window = designedWindow();
        colourPass(window.get(), systemLook);
        for (auto* name : {"framedPanel", "button"}) {
            auto* edge = window->findChild<QWidget*>(QString::fromLatin1(name))->findChild<QFrame*>();
            QVERIFY(edge);
            QVERIFY(!edge->autoFillBackground());
        }
    }

    void barsHaveNoColours()
    {
        auto window = designedWindow();
        auto* bar = window->findChild<QProgressBar*>(QStringLiteral("progress"));
        colourPass(window.get(), systemLook);
        QCOMPARE(bar->palette().resolveMask(), QPalette::ResolveMask(0));
        QVERIFY(!bar->autoFillBackground());
    }

    // Qt's inner widgets are no controls: the pass visits each named control once, in order.
    void visitsControlsOnceInOrder()
    {
        auto window = designedWindow();
        QStringList names;
        for (QWidget* control : controlsInOrder(window.get()))
            names.append(control->objectName());
        QCOMPARE(names.count(QStringLiteral("editableCombo")), 1);
        QVERIFY(!names.contains(QString()));
        QCOMPARE(names.indexOf(QStringLiteral("pageLabel")), names.indexOf(QStringLiteral("page")) + 1);
        QCOMPARE(names.first(), QStringLiteral("heading"));
        QCOMPARE(names.last(), QStringLiteral("framedPanel"));
        for (const QString& name : names)
            QVERIFY2(!name.startsWith(QLatin1String("qt_")), qPrintable(name));
    }

    // Events that arrive meanwhile are handled during the pass, once per control.
    void yieldsPerControl()
    {
        auto window = designedWindow();
        int ticks = 0;
        QTimer timer;
        timer.setInterval(0);
        connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
        timer.start();
        colourPass(window.get(), designedLook);
        timer.stop();
        QVERIFY(ticks >= controlsInOrder(window.get()).size() / 2);
    }
};

QTEST_MAIN(LookPassTest)
#include "test_look_pass.moc"
