// The message box with a long text (a run's problem list): the first lines and a count
// above, the whole text in a details pane that scrolls and can be copied, and a box that
// stays within the screen however long or wide the text.
#include "platform/user_feedback.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

class MessageBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void longTextFitsTheScreen_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("width"); // characters per line
        QTest::addColumn<bool>("details");
        QTest::newRow("one line") << 1 << 20 << false;
        QTest::newRow("9,001 lines") << 9001 << 60 << true;
        QTest::newRow("wide lines") << 400 << 600 << true;
    }
    void longTextFitsTheScreen()
    {
        QFETCH(int, lines);
        QFETCH(int, width);
        QFETCH(bool, details);
        QStringList text;
        for (int i = 0; i < lines; ++i)
            text << QStringLiteral("t%1: ").arg(i, 4, 10, QLatin1Char('0')) +
                        QString(width, QLatin1Char('x'));
        const QString whole = text.join('\n');

        QRect box;
        QRect room;
        bool scrolls = false;
        QString copied;
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Quillmere"));
            box = dialog->frameGeometry();
            room = dialog->screen()->availableGeometry();
            shown = dialog->findChild<QLabel*>("messageText")->text();
            if (auto* pane = dialog->findChild<QPlainTextEdit*>("messageDetails")) {
                scrolls = pane->verticalScrollBar()->maximum() > 0;
                QVERIFY(pane->isReadOnly());
                dialog->findChild<QPushButton*>("messageCopy")->click();
                copied = QGuiApplication::clipboard()->text();
            }
            dialog->accept();
        });
        platform::Messages().show(whole, nullptr);

        QVERIFY2(room.contains(QRect(room.topLeft(), box.size())), qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                                                                  .arg(box.width())
                                                                                  .arg(box.height())
                                                                                  .arg(room.width())
                                                                                  .arg(room.height())));
        QCOMPARE(scrolls, details);
        QCOMPARE(copied, details ? whole : QString());
        QCOMPARE(shown.count('\n') + 1, details ? platform::kShownMessageLines + 1 : lines);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "test_message_box.moc"
