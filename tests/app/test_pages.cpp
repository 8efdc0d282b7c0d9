#include "app/help_text.h"
#include "app/main_window.h"
#include "app/program.h"
#include "browser/data_browser_page.h"
#include "cssbuilder/css_builder_window.h"
#include "generation_ui/folder_picker.h"
#include "generation_ui/solution_panel.h"
#include "generation_ui/vb_generator_page.h"
#include "platform/colours.h"
#include "support/page_controls.h"
#include "support/temp_home.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

using app::MainWindow;
using platform::backColor;
using platform::colourFromBgr;

class PagesTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        home = std::make_unique<testsupport::TempHome>();
        program = std::make_unique<app::Program>();
        program->setEndStep([] {});
        program->start();
        w = program->window();
    }
    void cleanup()
    {
        delete program->session().builderWindow().data();
        program.reset();
        home.reset();
    }

    void menuOrderAndNames()
    {
        const QStringList captions{"Connection", "VB Generator", "ASPX Generator", "Data Browser",
                                   "Css Builder"};
        const int indexes[] = {2, 1, 3, 0, 4};
        for (int position = 0; position < 5; ++position) {
            auto* button = w->findChild<QPushButton*>(QStringLiteral("Command_%1").arg(indexes[position]));
            QVERIFY(button);
            QCOMPARE(button->text(), captions[position]);
            if (position > 0) {
                auto* above =
                    w->findChild<QPushButton*>(QStringLiteral("Command_%1").arg(indexes[position - 1]));
                QVERIFY(above->y() < button->y());
            }
        }
        for (const char* name :
             {"pt_0",    "pt_1",      "pt_2",  "pt_3",   "pt_4",     "pt_5",         "tdn",     "tdn1",
              "tdn2",    "t",         "dbn",   "gn_2",   "gnn_0",    "gnl_4",        "vvbg_3",  "l_def",
              "pb1",     "Command11", "tb2_3", "pn",     "pn2",      "chpth_0",      "chpth_1", "Drive1",
              "Dir1",    "sng",       "stcss", "avasn",  "db",       "adb",          "ocnx",    "sdb",
              "c1",      "sc1",       "spro",  "o",      "Command6", "fin_0",        "help",    "Command16",
              "chdbc_2", "dbs_0",     "nr",    "Timer2", "st1",      "Etiquette6_13"})
            QVERIFY2(w->findChild<QObject*>(QString::fromLatin1(name)), name);
    }

    void pageSwitch_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("Data Browser") << 0;
        QTest::newRow("VB Generator") << 1;
        QTest::newRow("Connection, already shown") << 2;
        QTest::newRow("ASPX Generator") << 3;
    }
    void pageSwitch()
    {
        QFETCH(int, index);
        testsupport::page<generation_ui::FolderPicker>(w)->show();
        testsupport::page<generation_ui::SolutionPanel>(w)->show();
        testsupport::page<browser::DataBrowserPage>(w)->chdbc_Click(2);
        const testsupport::BrowserPageControls browserPage(w);
        QTest::mouseClick(mw().Command[std::size_t(index)], Qt::LeftButton);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(mw().pt[std::size_t(k)]->isHidden(), k != index);
            QCOMPARE(backColor(mw().Command[std::size_t(k)]),
                     colourFromBgr(k == index ? 0xFFFF00 : 0xFFFFC0));
        }
        QCOMPARE(backColor(mw().Command[4]), colourFromBgr(0xFFFFC0));
        QVERIFY(testsupport::page<generation_ui::FolderPicker>(w)
                    ->isHidden()); // the picker closes without taking its folder
        QVERIFY(!testsupport::page<generation_ui::SolutionPanel>(w)
                     ->isHidden());               // the solution dialog stays open
        QVERIFY(!browserPage.dbs[0]->isHidden()); // back on the "Sort" tab
        QVERIFY(browserPage.dbs[1]->isHidden() && browserPage.dbs[2]->isHidden());
        QCOMPARE(backColor(browserPage.chdbc[0]), colourFromBgr(0xFFFF00));
        QCOMPARE(backColor(browserPage.chdbc[2]), colourFromBgr(0xFDFEDA));
    }

    void cssBuilderLeavesTheMainWindowAlone()
    {
        w->Command_Click(1);
        QTest::mouseClick(mw().Command[4], Qt::LeftButton);
        cssbuilder::CssBuilderWindow* builder = program->session().builderWindow().data();
        QVERIFY(builder);
        QVERIFY(builder->isVisible());
        QCOMPARE(builder->objectName(), QString("fcss"));
        QVERIFY(builder->parentWidget() == nullptr);
        QVERIFY(!builder->isModal());
        QVERIFY(!testsupport::page<generation_ui::VbGeneratorPage>(w)->isHidden());
        QCOMPARE(backColor(mw().Command[1]), colourFromBgr(0xFFFF00));
        QCOMPARE(backColor(mw().Command[4]), colourFromBgr(0xFFFFC0));
        QTest::mouseClick(mw().Command[4], Qt::LeftButton);
        QCOMPARE(program->session().builderWindow().data(), builder);
        // Its Exit unloads it; the next opening builds a new one.
        QTest::mouseClick(builder->findChild<QPushButton*>("fin_0"), Qt::LeftButton);
        QTRY_VERIFY(program->session().builderWindow().data() == nullptr);
        w->Command_Click(4);
        QVERIFY(program->session().builderWindow().data());
    }

    void previewTabs_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 5; ++i)
            QTest::addRow("tab %d", i) << i;
        QTest::newRow("out of range shows none") << 5;
        QTest::newRow("negative shows none") << -1;
    }
    void previewTabs()
    {
        QFETCH(int, index);
        const testsupport::VbPageControls page(w);
        for (int k = 0; k < 5; ++k) {
            page.gnl[std::size_t(k)]->setPlainText(QStringLiteral("text %1").arg(k));
            platform::setBackStyle(page.vvbg[std::size_t(k)], 0); // as the colour pass leaves them
        }
        w->vvbg_Click(index);
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(page.gnl[std::size_t(k)]->isHidden(), k != index);
            QCOMPARE(platform::backStyle(page.vvbg[std::size_t(k)]), 1);
            QCOMPARE(backColor(page.vvbg[std::size_t(k)]), colourFromBgr(k == index ? 0xFFFF80 : 0xFDFEDA));
            QCOMPARE(page.gnl[std::size_t(k)]->toPlainText(), QStringLiteral("text %1").arg(k));
        }
    }

    void previewTabCaptionsAndNote()
    {
        const testsupport::VbPageControls vb(w);
        const QStringList captions{"Data Access File", "Data Manager File", "Data Classes File",
                                   "Oracle Stored Proc.", "VB6 Classes"};
        for (int k = 0; k < 5; ++k)
            QCOMPARE(vb.vvbg[std::size_t(k)]->text(), captions[k]);
        QCOMPARE(
            vb.l_def->text(),
            QString("If generated code is too large, these text boxes may have not whole information. See "
                    "created files to get full source code."));
    }

    void hoverFrameFollowsTheMouse()
    {
        w->Command_Click(1);
        const testsupport::VbPageControls page(w);
        QTest::mouseMove(page.vvbg[2]);
        QCOMPARE(platform::borderStyle(page.vvbg[2]), 1);
        QTest::mouseMove(page.vvbg[4]);
        QCOMPARE(platform::borderStyle(page.vvbg[4]), 1);
        QCOMPARE(platform::borderStyle(page.vvbg[2]), 0);
        testsupport::page<browser::DataBrowserPage>(w)->chdbc_MouseMove(1);
        const testsupport::BrowserPageControls browserPage(w);
        QCOMPARE(platform::borderStyle(browserPage.chdbc[1]), 1);
        QWidget* vbPage = testsupport::page<generation_ui::VbGeneratorPage>(w);
        QTest::mouseMove(vbPage, QPoint(vbPage->width() - 5, vbPage->height() / 2));
        for (int k = 0; k < 5; ++k)
            QCOMPARE(platform::borderStyle(page.vvbg[std::size_t(k)]), 0);
        QCOMPARE(platform::borderStyle(browserPage.chdbc[1]), 0);
    }

    // The folder picker and the solution dialog float over the pages; the mouse on their
    // background takes the hover frame away as a page's background does.
    void hoverFrameGoesOverFloatingPanels_data()
    {
        QTest::addColumn<int>("panel");
        QTest::newRow("folder picker") << 4;
        QTest::newRow("solution dialog") << 5;
    }
    void hoverFrameGoesOverFloatingPanels()
    {
        QFETCH(int, panel);
        w->Command_Click(1);
        const testsupport::VbPageControls page(w);
        QTest::mouseMove(page.vvbg[3]);
        QCOMPARE(platform::borderStyle(page.vvbg[3]), 1);
        testsupport::page<browser::DataBrowserPage>(w)->chdbc_MouseMove(2);
        const testsupport::BrowserPageControls browserPage(w);
        QCOMPARE(platform::borderStyle(browserPage.chdbc[2]), 1);

        QWidget* floating = mw().pt[std::size_t(panel)];
        floating->move(0, 0);
        floating->show();
        floating->raise();
        QPoint background(-1, -1);
        for (int y = 2; y < floating->height() && background.x() < 0; y += 4)
            for (int x = 2; x < floating->width() && background.x() < 0; x += 4)
                if (!floating->childAt(x, y))
                    background = QPoint(x, y);
        QVERIFY(background.x() >= 0);
        QTest::mouseMove(floating, background);
        QCOMPARE(platform::borderStyle(page.vvbg[3]), 0);
        QCOMPARE(platform::borderStyle(browserPage.chdbc[2]), 0);
    }

    // The window is opened large enough for every page, so switching pages neither grows
    // it nor moves it off the centre the start-up gave it.
    void pageSwitchKeepsWindowSizeAndPlace()
    {
        QCoreApplication::sendPostedEvents();
        const QRect opened = w->geometry();
        QVERIFY(opened.width() >= 1010 && opened.height() >= 740);
        for (int index : {0, 1, 3, 2, 1}) {
            w->Command_Click(index);
            QCoreApplication::sendPostedEvents();
            QCOMPARE(w->geometry(), opened);
        }
    }

    void helpBox()
    {
        const QString text = app::helpText();
        QCOMPARE(text.size(), 1752);
        QVERIFY(text.startsWith(
            "This Generator browses a Data Base and builds VB Net Modules:\r\n\r\nData Class"));
        QVERIFY(text.contains(". A function with a Table Class argument, returns a Data Reader. \r\n"));
        QVERIFY(text.contains("syntax in Data Access Module to \r\ncall these procedures.\r\n"));
        QVERIFY(text.endsWith("\r\n\r\nClick to close.\r\n"));
        QCOMPARE(text.count("\r\n"), 36);

        QVERIFY(mw().help->isHidden());
        QCOMPARE(mw().help->parentWidget(), w->centralWidget());
        QVERIFY(!mw().Command16->toolTip().isEmpty());
        QTest::mouseClick(mw().Command16, Qt::LeftButton);
        QVERIFY(!mw().help->isHidden());
        // At 1400, 500 twips, 7700 x 7700 twips or what the text needs: it shows whole, down
        // to its last line.
        const QRect shown = mw().help->geometry();
        QCOMPARE(shown.topLeft(), QPoint(93, 33));
        QVERIFY(shown.width() >= 513 && shown.height() >= 513);
        QCOMPARE(mw().help->toPlainText(), QString(text).replace("\r\n", "\n"));
        QTRY_COMPARE(mw().help->verticalScrollBar()->maximum(), 0);
        QCOMPARE(mw().help->horizontalScrollBar()->maximum(), 0);
        const QTextBlock last = mw().help->document()->findBlockByNumber(35);
        QCOMPARE(last.text(), QString("Click to close."));
        QVERIFY(mw().help->cursorRect(QTextCursor(last)).bottom() < mw().help->viewport()->height());
        QTest::mouseClick(mw().Command16, Qt::LeftButton);
        QVERIFY(mw().help->isHidden());
        QTest::mouseClick(mw().Command16, Qt::LeftButton);
        QTest::mouseClick(mw().help->viewport(), Qt::LeftButton);
        QVERIFY(mw().help->isHidden());
    }

    // Enter (either key) on a focused button presses it, as Space does.
    void enterPressesAFocusedButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        for (const char* name : {"Command16", "Command_1", "chpth_1"}) {
            QTest::addRow("%s, Return", name) << name << int(Qt::Key_Return);
            QTest::addRow("%s, Enter", name) << name << int(Qt::Key_Enter);
        }
    }
    void enterPressesAFocusedButton()
    {
        QFETCH(QString, button);
        QFETCH(int, key);
        auto* pressed = w->findChild<QPushButton*>(button);
        QVERIFY(pressed);
        QSignalSpy clicks(pressed, &QPushButton::clicked);
        pressed->setFocus(Qt::TabFocusReason);
        QTest::keyClick(pressed, Qt::Key(key));
        QCOMPARE(clicks.size(), 1);
    }

    // The style's own outline is under the button's sunken edge; the mark must show all round.
    void focusMarkOnAPictureButton()
    {
        QVERIFY(QTest::qWaitForWindowActive(w));
        QPushButton* button = mw().Command16;
        mw().fin_0->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!button->hasFocus());
        const QImage unfocused = button->grab().toImage();
        button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button->hasFocus());
        const QImage focused = button->grab().toImage();
        QCOMPARE(focused.size(), unfocused.size());
        int changed = 0;
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x)
                changed += focused.pixel(x, y) != unfocused.pixel(x, y);
        }
        QVERIFY2(changed >= 2 * (button->width() + button->height()), qPrintable(QString::number(changed)));
    }

    // Escape cancels the open folder picker: the folder is not taken.
    void escapeClosesTheFolderPicker()
    {
        QVERIFY(QTest::qWaitForWindowActive(w));
        const testsupport::VbPageControls vb(w);
        auto* folders = testsupport::child<kit::FolderList>(w, "Dir1");
        vb.pn->setText(home->path() + "/");
        w->Command_Click(1);
        testsupport::click(w->findChild<QPushButton*>("chpth_1"));
        QVERIFY(testsupport::page<generation_ui::FolderPicker>(w)->isVisible());
        folders->setPath("/");
        folders->setFocus(Qt::TabFocusReason);
        QTest::keyClick(folders, Qt::Key_Escape);
        QVERIFY(testsupport::page<generation_ui::FolderPicker>(w)->isHidden());
        QCOMPARE(vb.pn->text(), home->path() + "/");
    }

private:
    testsupport::MainWindowControls mw() const { return testsupport::MainWindowControls(w); }

    std::unique_ptr<testsupport::TempHome> home;
    std::unique_ptr<app::Program> program;
    MainWindow* w = nullptr;
};

QTEST_MAIN(PagesTest)
#include "test_pages.moc"
