#include "app/main_window.h"
#include "app/program.h"
#include "generation_ui/aspx_generator_page.h"
#include "generation_ui/vb_generator_page.h"
#include "generation_ui/window_host.h"
#include "generators/common/module_file.h"
#include "kit/controls.h"
#include "platform/colours.h"
#include "platform/user_feedback.h"
#include "support/page_controls.h"
#include "support/scripted_catalogue.h"
#include "support/temp_home.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

class WindowHostTest : public QObject
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
        program.reset();
        home.reset();
        platform::setWaitCursor(false);
    }

    void previewsAppendLineByLine()
    {
        const testsupport::VbPageControls vb(w);
        generation_ui::WindowHost host(*w);
        vb.gnl[1]->setPlainText("old text");
        host.clearPreview(1);
        host.appendPreview(1, "\r\nPublic Module ORDERSManager");
        host.appendPreview(1, "\r\n    'x \"quoted\" ");
        host.appendPreview(1, "\r\n");
        host.flushPreviews(); // lines reach the box in batches
        QCOMPARE(vb.gnl[1]->toPlainText(), QString("\nPublic Module ORDERSManager\n    'x \"quoted\" \n"));
        QCOMPARE(vb.gnl[0]->toPlainText(), QString());
        host.appendPreview(7, "ignored"); // no such preview
        host.clearPreview(-1);
    }

    void emitLineReachesTheWindow()
    {
        generation_ui::WindowHost host(*w);
        generators::RunInputs inputs;
        testsupport::ScriptedCatalogue catalogue;
        generators::RunContext ctx(inputs, catalogue, host);
        generators::ModuleFile file(ctx, generators::kPreviewDataManager);
        QVERIFY(file.open(home->path() + "/out.vb", platform::OpenMode::Output));
        file.emit_line("NameSpace Common.Data");
        file.emit_line("End NameSpace");
        file.close();
        host.flushPreviews();
        QCOMPARE(testsupport::VbPageControls(w).gnl[1]->toPlainText(),
                 QString("\nNameSpace Common.Data\nEnd NameSpace"));
    }

    // Appending must not rebuild the whole text per line; the box keeps its last lines.
    void appendingStaysFast()
    {
        generation_ui::WindowHost host(*w);
        w->vvbg_Click(0);
        const QString line = QStringLiteral(
            "\r\n        sql = sql & \" and \" & \"COLUMN_NAME = '\" & z_TABLE.COLUMN_NAME & \"'\" ' %1");
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 2 * kit::kPreviewLines + 5000; ++i) {
            host.appendPreview(0, line.arg(i));
            if (i % 100 == 0)
                host.yield();
            if (i == 300)
                host.flushPreviews(); // the box holds lines before the rest arrives
        }
        host.flushPreviews();
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
        const QTextDocument* document = testsupport::VbPageControls(w).gnl[0]->document();
        QCOMPARE(document->blockCount(), kit::kPreviewLines);
        QCOMPARE(document->firstBlock().text(), line.mid(2).arg(kit::kPreviewLines + 5000));
        QCOMPARE(document->lastBlock().text(), line.mid(2).arg(2 * kit::kPreviewLines + 4999));
    }

    // Texts of one line or of many, flushed now and then, leave the box with the last lines
    // of all that was written, whatever the host held back on the way.
    void previewKeepsTheLastLinesOfAllWritten()
    {
        generation_ui::WindowHost host(*w);
        w->vvbg_Click(1);
        QString written;
        for (int i = 0; i < 3 * kit::kPreviewLines; ++i) {
            QString text = QStringLiteral("\r\nline %1").arg(i);
            for (int extra = 0; extra < i % 7; ++extra)
                text += QStringLiteral("\r\n  part %1 of %2").arg(extra).arg(i);
            if (i % 3 == 0)
                host.appendPreviewLine(1, text.mid(2));
            else
                host.appendPreview(1, text);
            written += text;
            if (i == 7000 || i == 7001 || i == 21000)
                host.flushPreviews();
        }
        host.flushPreviews();
        const QStringList lines = written.replace("\r\n", "\n").split('\n');
        QCOMPARE(testsupport::VbPageControls(w).gnl[1]->toPlainText(),
                 lines.mid(lines.size() - kit::kPreviewLines).join('\n'));
    }

    // A flushed preview shows its last line, not its top: the caret sits at the end.
    void previewFollowsItsLastLine()
    {
        generation_ui::WindowHost host(*w);
        host.showPreview(2);
        QPlainTextEdit* box = testsupport::VbPageControls(w).gnl[2];
        for (int i = 0; i < 500; ++i)
            host.appendPreview(2, QStringLiteral("\r\nPublic Class T%1").arg(i));
        host.flushPreviews();
        QVERIFY(box->toPlainText().endsWith("Public Class T499"));
        QVERIFY(box->textCursor().atEnd());
        QVERIFY(box->verticalScrollBar()->value() > 0);
        QVERIFY(box->viewport()->rect().contains(box->cursorRect()));
    }

    // With long lines the horizontal scroll bar shows, and the last line stays whole above it.
    void previewShowsItsLastLineWhole_data()
    {
        QTest::addColumn<int>("preview");
        QTest::newRow("data access") << int(generators::kPreviewDataAccess);
        QTest::newRow("VB6 classes") << int(generators::kPreviewVb6);
        QTest::newRow("aspx") << int(generators::kPreviewAspx);
        QTest::newRow("aspx.vb") << int(generators::kPreviewAspxVb);
    }
    void previewShowsItsLastLineWhole()
    {
        QFETCH(int, preview);
        const bool aspx = preview >= generators::kPreviewAspx;
        QPlainTextEdit* box =
            aspx ? testsupport::AspxPageControls(w).gasp[std::size_t(preview - generators::kPreviewAspx)]
                 : testsupport::VbPageControls(w).gnl[std::size_t(preview)];
        w->Command_Click(aspx ? 3 : 1);
        {
            generation_ui::WindowHost host(*w);
            if (!aspx)
                host.showPreview(preview);
            for (int i = 0; i < 300; ++i)
                host.appendPreview(preview, QStringLiteral("\r\n    Dim line%1 As String = \"%2\"")
                                                .arg(i)
                                                .arg(QString(i % 7 ? 10 : 300, QLatin1Char('x'))));
        }
        QCoreApplication::processEvents();
        QVERIFY(box->horizontalScrollBar()->isVisible());
        const QRect last = box->cursorRect(QTextCursor(box->document()->lastBlock()));
        QVERIFY2(last.top() >= 0 && last.bottom() < box->viewport()->height(),
                 qPrintable(QStringLiteral("line %1..%2, viewport height %3")
                                .arg(last.top())
                                .arg(last.bottom())
                                .arg(box->viewport()->height())));
    }

    // What the user sees of a fixed-pitch font: a narrow and a wide glyph take the same room.
    // Font-configuration metadata (QFontInfo::fixedPitch) is not trusted; some monospace
    // fonts do not claim it.
    static bool glyphsAdvanceAlike(const QFont& font)
    {
        const QFontMetrics metrics(font);
        const int wide = metrics.horizontalAdvance(QLatin1Char('W'));
        return wide > 0 && metrics.horizontalAdvance(QLatin1Char('i')) == wide &&
               metrics.horizontalAdvance(QLatin1Char('.')) == wide;
    }

    void previewsUseTheFixedPitchFont()
    {
        const testsupport::AspxPageControls aspx(w);
        const testsupport::VbPageControls vb(w);
        QList<QPlainTextEdit*> boxes{aspx.gasp.begin(), aspx.gasp.end()};
        boxes.append(QList<QPlainTextEdit*>(vb.gnl.begin(), vb.gnl.end()));
        for (QPlainTextEdit* box : boxes) {
            QVERIFY2(glyphsAdvanceAlike(box->font()), qPrintable(box->objectName()));
            QCOMPARE(box->font(), vb.gnl[0]->font());
        }
        // The check tells a proportional font apart: set one on a preview and it fails.
        QPlainTextEdit* box = vb.gnl[0];
        box->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
        QVERIFY(!glyphsAdvanceAlike(box->font()));
    }

    void showPreviewIsTheTabSwitch()
    {
        const testsupport::VbPageControls vb(w);
        generation_ui::WindowHost host(*w);
        host.showPreview(3);
        QVERIFY(!vb.gnl[3]->isHidden());
        QVERIFY(vb.gnl[0]->isHidden());
        QCOMPARE(platform::backColor(vb.vvbg[3]), platform::colourFromBgr(0xFFFF80));
    }

    void progressAboveMaximumIsRefused()
    {
        const testsupport::VbPageControls vb(w);
        generation_ui::WindowHost host(*w);
        QVERIFY(vb.pb1->isHidden());
        host.setProgressVisible(true);
        QVERIFY(!vb.pb1->isHidden());
        host.setProgressMaximum(6);
        host.setProgressValue(0);
        for (int i = 0; i < 8; ++i)
            generators::stepProgress(host);
        QCOMPARE(host.progressValue(), 6.0);
        QCOMPARE(host.progressMaximum(), 6.0);
        host.setProgressValue(7);
        QCOMPARE(host.progressValue(), 6.0);
        host.setProgressVisible(false);
        QVERIFY(vb.pb1->isHidden());
    }

    void emptyRangeStandsStill()
    {
        // A run of one table sets the maximum to 0: the bar is drawn empty and still,
        // as a bar with room left, not as a busy animation.
        generation_ui::WindowHost host(*w);
        host.setProgressVisible(true);
        QProgressBar* bar = testsupport::VbPageControls(w).pb1;
        host.setProgressMaximum(1);
        host.setProgressValue(0);
        const QImage empty = bar->grab().toImage();

        host.setProgressMaximum(0);
        QCOMPARE(host.progressMaximum(), 0.0);
        const QImage first = bar->grab().toImage();
        QTest::qWait(120);
        QCOMPARE(bar->grab().toImage(), first);
        QCOMPARE(first, empty);
    }

    void pointerAndMessages()
    {
        generation_ui::WindowHost host(*w);
        host.setBusyPointer(true);
        host.setBusyPointer(true);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        host.setBusyPointer(false);
        QVERIFY(!QApplication::overrideCursor());
        QStringList messages;
        program->session().messages().setSink([&](const QString& text) { messages.append(text); });
        host.message("Choose at least one table!");
        QCOMPARE(messages, QStringList{"Choose at least one table!"});
    }

    void runInputsSnapshot()
    {
        const testsupport::VbPageControls page(w);
        page.dbn->setText("shop_");
        page.tdn1->addItem("ORDERS");
        page.tdn1->addItem("address");
        page.gn[1]->setChecked(false);
        page.gcfk->setChecked(false);
        w->form().row_limit = " where rownum<2";
        const generators::RunInputs in = w->snapshot().run;
        QCOMPARE(in.dbn, QString("shop_"));
        QCOMPARE(in.tdn1, (QStringList{"address", "ORDERS"}));
        QCOMPARE(in.gn, (std::array<bool, 3>{true, false, true}));
        QCOMPARE(in.gnn[0], QString("shop_Access.vb"));
        QCOMPARE(in.gnn[1], QString());
        QVERIFY(!in.gcfk && in.ps && in.gwcf);
        QCOMPARE(in.pn, home->programFolder() + '/');
        QCOMPARE(in.row_limit, QString(" where rownum<2"));
        QVERIFY(!in.solutionVisible);
    }

private:
    std::unique_ptr<testsupport::TempHome> home;
    std::unique_ptr<app::Program> program;
    app::MainWindow* w = nullptr;
};

QTEST_MAIN(WindowHostTest)
#include "test_window_host.moc"
