#include "app/main_window.h"
#include "app/program.h"
#include "generation_ui/aspx_generator_page.h"
#include "generation_ui/folder_picker.h"
#include "generation_ui/vb_generator_page.h"
#include "support/page_controls.h"
#include "support/temp_home.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using app::MainWindow;

class OutputFolderTest : public QObject
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
        pn = testsupport::VbPageControls(w).pn;
        pn2 = testsupport::AspxPageControls(w).pn2;
    }
    void cleanup()
    {
        program.reset();
        home.reset();
    }

    void typingIsMirrored_data()
    {
        QTest::addColumn<bool>("intoPn2");
        QTest::newRow("typing into pn") << false;
        QTest::newRow("typing into pn2") << true;
    }
    void typingIsMirrored()
    {
        QFETCH(bool, intoPn2);
        kit::TextBox* box = intoPn2 ? pn2 : pn;
        w->Command_Click(intoPn2 ? 3 : 1);
        box->clear();
        QTest::keyClicks(box, "/tmp/out");
        QCOMPARE(pn->text(), QString("/tmp/out"));
        QCOMPARE(pn2->text(), QString("/tmp/out"));
        QCOMPARE(w->statusPanel(3), QString("/tmp/out"));
    }

    void lostFocusAddsOneSeparator_data()
    {
        QTest::addColumn<bool>("onPn2");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("pn without separator") << false << "/tmp/out"
                                              << "/tmp/out/";
        QTest::newRow("pn2 without separator") << true << "/tmp/out"
                                               << "/tmp/out/";
        QTest::newRow("already ends in one") << false << "/tmp/out/"
                                             << "/tmp/out/";
        QTest::newRow("emptied box becomes one separator") << false << ""
                                                           << "/";
        QTest::newRow("emptied pn2 too") << true << ""
                                         << "/";
    }
    void lostFocusAddsOneSeparator()
    {
        QFETCH(bool, onPn2);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        kit::TextBox* box = onPn2 ? pn2 : pn;
        box->setText(typed);
        emit box->lostFocus();
        QCOMPARE(pn->text(), after);
        QCOMPARE(pn2->text(), after);
        QCOMPARE(w->statusPanel(3), after);
    }

    // The real focus change raises the handler as well.
    void focusLeavingTheBox()
    {
        w->Command_Click(1);
        w->activateWindow();
        pn->setFocus();
        QTRY_VERIFY(pn->hasFocus());
        pn->setText("/tmp/x");
        testsupport::VbPageControls(w).dbn->setFocus();
        QTRY_COMPARE(pn->text(), QString("/tmp/x/"));
        QCOMPARE(pn2->text(), QString("/tmp/x/"));
    }

    void pickerTakesTheFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("gen/sub"));
        pn->setText(dir.path() + "/gen/");
        QTest::mouseClick(testsupport::VbPageControls(w).chpth_1, Qt::LeftButton);
        generation_ui::FolderPicker& picker = *testsupport::page<generation_ui::FolderPicker>(w);
        auto* folders = testsupport::child<kit::FolderList>(w, "Dir1");
        QVERIFY(!picker.isHidden());
        QCOMPARE(folders->path(), dir.path() + "/gen");
        const QWidget* area = picker.parentWidget();
        QCOMPARE(picker.x(), (area->width() - picker.width()) / 2);
        QCOMPARE(picker.y(), (area->height() - picker.height()) / 2);
        // Open the sub-folder by a double click, then take it.
        QListWidgetItem* sub = folders->findItems("sub", Qt::MatchEndsWith).value(0);
        QVERIFY(sub);
        emit folders->itemDoubleClicked(sub);
        QCOMPARE(folders->path(), dir.path() + "/gen/sub");
        QTest::mouseClick(testsupport::child<QPushButton>(w, "Command9"), Qt::LeftButton);
        QVERIFY(picker.isHidden());
        QCOMPARE(pn->text(), dir.path() + "/gen/sub/");
        QCOMPARE(pn2->text(), dir.path() + "/gen/sub/");
        QCOMPARE(w->statusPanel(3), dir.path() + "/gen/sub/");
    }

    void pickerOnTheRootFolder()
    {
        pn->setText("/");
        QTest::mouseClick(testsupport::AspxPageControls(w).chpth_0, Qt::LeftButton);
        QCOMPARE(testsupport::child<QComboBox>(w, "Drive1")->currentText(), QString("/"));
        QCOMPARE(testsupport::child<kit::FolderList>(w, "Dir1")->path(), QString("/"));
        w->Command9_Click();
        QCOMPARE(pn->text(), QString("/"));
        QCOMPARE(pn2->text(), QString("/"));
    }

    void pickerOnAMissingFolderAndCancel()
    {
        pn->setText("/no/such/folder/");
        w->chpth_Click(0);
        QCOMPARE(testsupport::child<kit::FolderList>(w, "Dir1")->path(), QString("/"));
        QTest::mouseClick(testsupport::child<QPushButton>(w, "Command17"), Qt::LeftButton);
        QVERIFY(testsupport::page<generation_ui::FolderPicker>(w)->isHidden());
        QCOMPARE(pn->text(), QString("/no/such/folder/"));
        QCOMPARE(pn2->text(), QString("/no/such/folder/"));
    }

    void driveOfAPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("drive");
        QTest::newRow("root") << "/"
                              << "/";
        QTest::newRow("on the root volume") << "/tmp/out/"
                                            << "/";
        QTest::newRow("on a mounted volume") << "/mnt/data/out/"
                                             << "/mnt/data";
        QTest::newRow("volume root itself") << "/mnt/data"
                                            << "/mnt/data";
        QTest::newRow("name that only starts alike") << "/mnt/database/"
                                                     << "/";
        QTest::newRow("relative text") << "out/"
                                       << "/";
    }
    void driveOfAPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, drive);
        QCOMPARE(generation_ui::driveOf(path, {"/", "/mnt/data", "/boot"}), drive);
        QVERIFY(generation_ui::mountedDrives().contains("/"));
    }

private:
    std::unique_ptr<testsupport::TempHome> home;
    std::unique_ptr<app::Program> program;
    MainWindow* w = nullptr;
    kit::TextBox* pn = nullptr;
    kit::TextBox* pn2 = nullptr;
};

QTEST_MAIN(OutputFolderTest)
#include "test_output_folder.moc"
