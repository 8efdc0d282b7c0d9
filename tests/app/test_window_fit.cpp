// The main window on the screen it opens on: it fits the screen's free area, and every
// control of every page, of the floating panels and of the status bar can be brought into
// view there. CTest runs this file on several screen sizes, offscreen and on an X server
// with a window manager that frames the window (see tests/CMakeLists.txt).
#include "app/main_window.h"
#include "app/screen_fit.h"
#include "platform/user_feedback.h"
#include "support/page_controls.h"
#include "window_fixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace
{

// The named widgets a user reads or works with, shown inside `root`.
QList<QWidget*> shownControls(QWidget* root)
{
    QList<QWidget*> controls;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || name == QLatin1String("static_edge"))
            continue;
        if (widget->isVisibleTo(root->window()) && !widget->isWindow())
            controls.append(widget);
    }
    return controls;
}

QRect globalRect(const QWidget* widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

// The part of `widget` that can be seen: clipped by every widget it lies in and by the
// screen's free area.
QRect seenPart(const QWidget* widget, const QRect& screenArea)
{
    QRect seen = globalRect(widget) & screenArea;
    for (const QWidget* outer = widget->parentWidget(); outer; outer = outer->parentWidget())
        seen &= globalRect(outer);
    return seen;
}

bool onXServer()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// The output of an X tool; empty when it cannot be run.
QString xTool(const QString& tool, const QStringList& arguments)
{
    QProcess run;
    run.start(tool, arguments);
    if (!run.waitForFinished(10000) || run.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(run.readAllStandardOutput());
}

QList<int> numbersAfter(const QString& text, const QString& label)
{
    QList<int> numbers;
    const QRegularExpressionMatch line =
        QRegularExpression(QRegularExpression::escape(label) + QStringLiteral("[^\\n]*")).match(text);
    QRegularExpressionMatchIterator each =
        QRegularExpression(QStringLiteral("-?\\d+")).globalMatch(line.captured().mid(label.size()));
    while (each.hasNext())
        numbers.append(each.next().captured().toInt());
    return numbers;
}

// The window's frame and the screen's free area as the X server holds them, in its pixels:
// the client's place grown by the frame the window manager says it drew.
struct ServerView {
    QRect frame;
    QRect workArea;
};

ServerView serverView(const QWidget* window)
{
    const QString id = QString::number(window->winId());
    const QString client = xTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    const QList<int> x = numbersAfter(client, QStringLiteral("Absolute upper-left X:"));
    const QList<int> y = numbersAfter(client, QStringLiteral("Absolute upper-left Y:"));
    const QList<int> width = numbersAfter(client, QStringLiteral("Width:"));
    const QList<int> height = numbersAfter(client, QStringLiteral("Height:"));
    const QList<int> extents = numbersAfter(
        xTool(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")}),
        QStringLiteral("_NET_FRAME_EXTENTS(CARDINAL) ="));
    const QList<int> work = numbersAfter(
        xTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_WORKAREA")}),
        QStringLiteral("_NET_WORKAREA(CARDINAL) ="));
    ServerView view;
    if (x.isEmpty() || y.isEmpty() || width.isEmpty() || height.isEmpty() || extents.size() != 4 ||
        work.size() < 4)
        return view;
    // The extents are left, right, top, bottom.
    view.frame =
        QRect(x[0], y[0], width[0], height[0]).adjusted(-extents[0], -extents[2], extents[1], extents[3]);
    view.workArea = QRect(work[0], work[1], work[2], work[3]);
    return view;
}

} // namespace

class WindowFitTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> fixture;

    app::MainWindow& w() { return fixture->window(); }
    QRect screenArea() { return w().screen()->availableGeometry(); }
    app::PageScroller* scroller() { return w().findChild<app::PageScroller*>(); }

    // Scrolls `control` into view and checks that the whole of it, or as much of it as the
    // page area can show, is on the screen.
    void verifyReachable(QWidget* control)
    {
        scroller()->ensureWidgetVisible(control, 0, 0);
        const QRect seen = seenPart(control, screenArea());
        const QSize room = scroller()->viewport()->size().boundedTo(screenArea().size());
        const QSize whole = control->size().boundedTo(room);
        QVERIFY2(seen.width() >= whole.width() && seen.height() >= whole.height(),
                 qPrintable(QStringLiteral("%1: %2x%3 of %4x%5 seen")
                                .arg(control->objectName())
                                .arg(seen.width())
                                .arg(seen.height())
                                .arg(control->width())
                                .arg(control->height())));
    }

private slots:
    void init()
    {
        fixture = std::make_unique<WindowFixture>();
        fixture->start();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
        // On an X server the window manager frames the window a moment after it shows, and
        // the window fits itself again then.
        if (onXServer()) {
            QTRY_VERIFY_WITH_TIMEOUT(!app::frameOf(&w()).isNull(), 10000);
            QTRY_VERIFY_WITH_TIMEOUT(screenArea().contains(w().geometry().marginsAdded(app::frameOf(&w()))),
                                     10000);
        }
        QCoreApplication::processEvents();
    }
    void cleanup() { fixture.reset(); }

    void windowFitsTheScreen()
    {
        QVERIFY2(screenArea().contains(w().frameGeometry()),
                 qPrintable(QStringLiteral("window %1,%2 %3x%4 on %5x%6")
                                .arg(w().frameGeometry().x())
                                .arg(w().frameGeometry().y())
                                .arg(w().frameGeometry().width())
                                .arg(w().frameGeometry().height())
                                .arg(screenArea().width())
                                .arg(screenArea().height())));
        // The X server sees the whole frame, title bar and borders, on the free area too.
        if (onXServer()) {
            // The manager applies the window's last fit a moment after the window asked.
            ServerView seen = serverView(&w());
            for (QDeadlineTimer deadline(10000);
                 !seen.workArea.contains(seen.frame) && !deadline.hasExpired();) {
                QTest::qWait(50);
                seen = serverView(&w());
            }
            QVERIFY2(!seen.frame.isNull(), "xwininfo or xprop gave no frame");
            QVERIFY2(seen.frame.height() > w().height() * w().devicePixelRatio(), "the window has no frame");
            QVERIFY2(seen.workArea.contains(seen.frame),
                     qPrintable(QStringLiteral("frame %1,%2 %3x%4 on %5x%6")
                                    .arg(seen.frame.x())
                                    .arg(seen.frame.y())
                                    .arg(seen.frame.width())
                                    .arg(seen.frame.height())
                                    .arg(seen.workArea.width())
                                    .arg(seen.workArea.height())));
        }
        // Where the designed size fits, the window has it and nothing needs scrolling.
        const QSize designed = QSize(1010, 740).expandedTo(w().sizeHint());
        const QSize frame = w().frameGeometry().size() - w().size();
        if (screenArea().width() >= designed.width() + frame.width() &&
            screenArea().height() >= designed.height() + frame.height()) {
            QCOMPARE(w().size(), designed);
            QCOMPARE(scroller()->verticalScrollBar()->maximum(), 0);
            QCOMPARE(scroller()->horizontalScrollBar()->maximum(), 0);
        }
    }

    void everyControlOfEveryPageCanBeReached_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("Connection") << 2;
        QTest::newRow("VB Generator") << 1;
        QTest::newRow("ASPX Generator") << 3;
        QTest::newRow("Data Browser") << 0;
    }
    void everyControlOfEveryPageCanBeReached()
    {
        QFETCH(int, page);
        w().Command_Click(page);
        QCoreApplication::processEvents();
        const testsupport::MainWindowControls mw(&w());
        QWidget* shown = mw.pt[std::size_t(page)];
        const QList<QWidget*> controls = shownControls(shown);
        QVERIFY(controls.size() > 5);
        for (QWidget* control : controls) {
            verifyReachable(control);
            if (QTest::currentTestFailed())
                return;
        }
        // The menu and the buttons above the pages.
        for (QWidget* control : std::initializer_list<QWidget*>{mw.Command[0], mw.Command[4], mw.fin_0,
                                                                mw.look[0], mw.Command16}) {
            verifyReachable(control);
            if (QTest::currentTestFailed())
                return;
        }
    }

    // The status bar stays in view whatever the page area shows.
    void statusBarIsOnScreen()
    {
        const testsupport::MainWindowControls mw(&w());
        for (int panel = 1; panel <= 3; ++panel) {
            const QWidget* shown = w().findChild<QWidget*>(QStringLiteral("st1_%1").arg(panel));
            QVERIFY(shown && shown->isVisible());
            QVERIFY2(screenArea().contains(globalRect(shown)), qPrintable(shown->objectName()));
        }
        scroller()->ensureWidgetVisible(mw.Command[2]);
        QVERIFY(screenArea().contains(globalRect(mw.st1)));
    }

    // A drop-down list opens right under its box, or right above it where the screen ends
    // first, and within the screen.
    void dropDownsOpenAtTheirBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("current");
        for (const char* name : {"db", "o", "sdb", "adb", "ocnx"}) {
            QTest::addRow("%s, first item", name) << name << 2 << 0;
            QTest::addRow("%s, last item", name) << name << 2 << 29;
        }
    }
    void dropDownsOpenAtTheirBox()
    {
        QFETCH(QString, box);
        QFETCH(int, page);
        QFETCH(int, current);
        w().Command_Click(page);
        auto* list = w().findChild<QComboBox*>(box);
        QVERIFY(list);
        for (int i = 0; i < 30; ++i)
            list->addItem(QStringLiteral("entry %1 ").arg(i).repeated(i == 7 ? 12 : 1));
        list->setCurrentIndex(current);
        scroller()->ensureWidgetVisible(list);
        list->showPopup();
        QWidget* popup = list->view()->window();
        QTRY_VERIFY(popup->isVisible());
        const QRect shown = popup->frameGeometry();
        const QRect at = globalRect(list);
        QVERIFY2(shown.top() == at.bottom() + 1 || shown.bottom() + 1 == at.top(),
                 qPrintable(QStringLiteral("list %1..%2, box %3..%4")
                                .arg(shown.top())
                                .arg(shown.bottom())
                                .arg(at.top())
                                .arg(at.bottom())));
        QVERIFY(screenArea().contains(shown));
        list->hidePopup();
    }

    // The panels that float over the pages open inside the window's client area.
    void floatingPanelsOpenInView_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("panel");
        QTest::newRow("solution dialog") << "Command19" << 1 << "pt_5";
        QTest::newRow("folder picker, VB page") << "chpth_1" << 1 << "pt_4";
        QTest::newRow("folder picker, ASPX page") << "chpth_0" << 3 << "pt_4";
        QTest::newRow("help") << "Command16" << 2 << "help";
    }
    void floatingPanelsOpenInView()
    {
        QFETCH(QString, opener);
        QFETCH(int, page);
        QFETCH(QString, panel);
        w().Command_Click(page);
        auto* button = w().findChild<QPushButton*>(opener);
        QVERIFY(button);
        scroller()->ensureWidgetVisible(button);
        button->click();
        QCoreApplication::processEvents();
        auto* opened = w().findChild<QWidget*>(panel);
        QVERIFY(opened && opened->isVisible());
        const QRect client = globalRect(w().centralWidget()) & screenArea();
        QVERIFY2(client.contains(globalRect(opened)), qPrintable(panel));
        for (QWidget* control : shownControls(opened))
            QVERIFY2(client.contains(globalRect(control)), qPrintable(control->objectName()));
    }

    // A long output folder shows its end, where one folder differs from another, and the
    // whole of it in the tool tip; also after the user leaves the box.
    void pathBoxShowsTheFolderEnd_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("page");
        QTest::newRow("VB Generator") << "pn" << 1;
        QTest::newRow("ASPX Generator") << "pn2" << 3;
    }
    void pathBoxShowsTheFolderEnd()
    {
        QFETCH(QString, box);
        QFETCH(int, page);
        w().Command_Click(page);
        auto* path = w().findChild<QLineEdit*>(box);
        QVERIFY(path);
        const QString folder = QStringLiteral("/home/someone/.local/share/Quillmere/projects/2026/customer "
                                              "orders/generated/vb-net/");
        path->setText(folder);
        QCOMPARE(path->cursorPosition(), int(folder.size()));
        QCOMPARE(path->toolTip(), folder);
        QVERIFY(path->width() >= path->fontMetrics().horizontalAdvance(QStringLiteral("generated/vb-net/")));

        scroller()->ensureWidgetVisible(path);
        path->setFocus();
        QTRY_VERIFY(path->hasFocus());
        path->setCursorPosition(0);
        testsupport::MainWindowControls(&w()).Command[std::size_t(page)]->setFocus();
        QTRY_VERIFY(!path->hasFocus());
        QCOMPARE(path->cursorPosition(), int(path->text().size()));
    }

    // A run's long problem list: the box opens within the screen with its details pane
    // showing, however low its window sits.
    void messageBoxWithDetailsStaysOnScreen()
    {
        QStringList problems;
        for (int i = 1; i <= 60; ++i)
            problems.append(
                QStringLiteral("Table %1: the column \"Name\" has no type the generator knows").arg(i));
        w().move(w().x(), screenArea().bottom() + 1 - w().frameGeometry().height());
        QRect opened;
        bool detailsShown = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box)
                return;
            opened = box->frameGeometry();
            const auto* details = box->findChild<QWidget*>(QStringLiteral("messageDetails"));
            detailsShown = details && details->isVisible();
            static_cast<QDialog*>(box)->accept();
        });
        platform::Messages().show(problems.join(QLatin1Char('\n')), &w());
        QVERIFY(!opened.isNull());
        QVERIFY(detailsShown);
        QVERIFY2(screenArea().contains(opened), qPrintable(QStringLiteral("box %1..%2 on %3")
                                                               .arg(opened.top())
                                                               .arg(opened.bottom())
                                                               .arg(screenArea().height())));
    }
};

QTEST_MAIN(WindowFitTest)
#include "test_window_fit.moc"
