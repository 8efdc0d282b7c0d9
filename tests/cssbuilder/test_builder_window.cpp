// The style-sheet builder window offscreen: what it writes when it opens, how each kind
// of control rewrites the style sheet at once, the rule box, the preview requests, the
// colour look and the window's life. The browser engine is left out: the preview's
// requests are checked, not its rendering.

#include "cssbuilder/css_builder_window.h"
#include "cssbuilder/style_preview.h"
#include "kit/look/look_rules.h"
#include "platform/colours.h"
#include "platform/settings_store.h"
#include "platform/static_edge.h"
#include "platform/user_feedback.h"
#include "support/find_control.h"
#include "support/focus_marks.h"
#include "support/golden.h"
#include "support/temp_home.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using cssbuilder::CssBuilderWindow;
using cssbuilder::PreviewEngine;
using cssbuilder::StylePreview;
using testsupport::readFileBytes;

namespace
{

QByteArray crlf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// The style sheet at load with a given run of property lines in place of the defaults'.
const QStringList kDefaultOptions{"DIRECTION: ltr;", "DISPLAY: inline;", "text-align: left;",
                                  "position: static;"};

QStringList sheet(const QStringList& before, const QStringList& options = kDefaultOptions)
{
    return QStringList{".try", "{"} + before + options + QStringList{"}"};
}

} // namespace

class BuilderWindowTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<testsupport::TempHome> home;
    CssBuilderWindow* w = nullptr;
    QPointer<CssBuilderWindow> builder; // the open builder, as the program holds it
    platform::Messages messages;        // where its messages go, as the program's session holds it
    // The plain preview starts at once; the browser engine is tried where it is asked for.
    PreviewEngine engine = PreviewEngine::plainText;
    QString startFolder;

    template <class T> T* find(const QString& name) { return testsupport::child<T>(w, name); }
    QString cssPath() const { return home->programFolder() + "/css_builder.css"; }
    QString htmPath() const { return home->programFolder() + "/style.htm"; }
    QString ruleBox() { return find<QPlainTextEdit>("css")->toPlainText(); }
    StylePreview* preview() { return find<StylePreview>("wb"); }

    void open()
    {
        w = CssBuilderWindow::showBuilder(builder, messages, engine);
        QVERIFY(w);
    }

    // One user step: "NAME=N" moves a slider as a click on its track would, "NAME:TEXT"
    // types into a box (replacing what it held), "NAME" chooses an option.
    void act(const QString& step)
    {
        if (const qsizetype eq = step.indexOf('='); eq > 0) {
            auto* slider = find<QScrollBar>(step.left(eq));
            QVERIFY(slider);
            slider->setValue(step.mid(eq + 1).toInt());
        } else if (const qsizetype colon = step.indexOf(':'); colon > 0) {
            QWidget* target = find<QWidget>(step.left(colon));
            QVERIFY(target);
            QLineEdit* box = qobject_cast<QLineEdit*>(target);
            if (auto* list = qobject_cast<QComboBox*>(target))
                box = list->lineEdit();
            QVERIFY(box);
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, step.mid(colon + 1));
        } else {
            auto* option = find<QRadioButton>(step);
            QVERIFY(option);
            option->click();
        }
    }

private slots:
    void initTestCase() { startFolder = QDir::currentPath(); }
    void init()
    {
        home = std::make_unique<testsupport::TempHome>();
        w = nullptr;
    }
    void cleanup()
    {
        delete builder.data();
        QDir::setCurrent(startFolder);
        home.reset();
    }

    void openingWritesTheStartFiles()
    {
        open();
        QCOMPARE(readFileBytes(cssPath()), crlf(sheet({"font-size: 18px;"})));
        const QString paragraph =
            "<P class=\"try\">Look at this style! Look at this style! <BR>Look at this style! "
            "Look at this style!</P>";
        QCOMPARE(readFileBytes(htmPath()),
                 crlf({"<HTML>", "<HEAD>", "<STYLE type=text/css>@import url(\"css_builder.css\");",
                       "</STYLE>", "</HEAD>", "<BODY>", paragraph, paragraph, "</BODY>", "</HTML>"}));
        QCOMPARE(ruleBox(), QString(".\n{\nfont-size: 18px;\ndirection: ltr;\ndisplay: inline;\ntext-align: "
                                    "left;\nposition: static;\n}"));
        QCOMPARE(w->cssFile(), cssPath());
        QCOMPARE(w->htmFile(), htmPath());
        QCOMPARE(QDir::currentPath(), home->programFolder());
    }

    void startState()
    {
        open();
        QCOMPARE(w->windowTitle(), QString("CSS Builder"));
        QCOMPARE(find<QScrollBar>("h_pr_0")->value(), 18);
        QCOMPARE(find<QLineEdit>("v_pr_0")->text(), QString("18"));
        QCOMPARE(find<QScrollBar>("h_pr_0")->maximum(), 100);
        for (int i = 1; i < 16; ++i) {
            auto* slider = find<QScrollBar>(QString("h_pr_%1").arg(i));
            QCOMPARE(slider->value(), 1);
            QCOMPARE(slider->minimum(), 1);
            QCOMPARE(slider->maximum(), 300);
            QVERIFY(find<QLineEdit>(QString("v_pr_%1").arg(i))->text().isEmpty());
        }
        for (int i = 0; i < 6; ++i) {
            auto* slider = find<QScrollBar>(QString("hr_%1").arg(i));
            QCOMPARE(slider->value(), i == 0 ? 216 : 1);
            QCOMPARE(slider->minimum(), 1);
            QCOMPARE(slider->maximum(), 216);
            QVERIFY(find<QLineEdit>(QString("vc_%1").arg(i))->text().isEmpty());
        }
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(find<QScrollBar>(QString("hcb_%1").arg(i))->value(), 1);
            QVERIFY(find<QComboBox>(QString("cb_%1").arg(i))->currentText().isEmpty());
        }
        QVERIFY(find<QLineEdit>("sn")->text().isEmpty());
        for (const char* chosen : {"ob_0",   "ob_3",  "ob_103", "ob_10", "ob_25", "ob_104", "ob_38",
                                   "ob_105", "ob_46", "ob_106", "ob_59", "ob_62", "ob_66",  "ob_69",
                                   "lsp",    "lst",   "ob_85",  "ob_90", "ob_94", "ob_97",  "ob_100"})
            QVERIFY2(find<QRadioButton>(chosen)->isChecked(), chosen);
        const QList<QRadioButton*> all = w->findChildren<QRadioButton*>();
        QCOMPARE(all.size(), 109);
        int checked = 0;
        for (const QRadioButton* option : all)
            checked += option->isChecked() ? 1 : 0;
        QCOMPARE(checked, 21);
    }

    void listsAreSortedAfterAnEmptyItem()
    {
        open();
        auto* align = find<QComboBox>("cb_1");
        QStringList items;
        for (int i = 0; i < align->count(); ++i)
            items << align->itemText(i);
        QCOMPARE(items, (QStringList{"", "auto", "baseline", "bottom", "middle", "sub", "super",
                                     "text-bottom", "text-top", "top"}));
        QCOMPARE(find<QScrollBar>("hcb_1")->maximum(), 9);
        QCOMPARE(find<QScrollBar>("hcb_1")->minimum(), 0);

        auto* fonts = find<QComboBox>("cb_0");
        QCOMPARE(fonts->count(), QFontDatabase::families().size() + 1);
        QCOMPARE(fonts->itemText(0), QString());
        for (int i = 2; i < fonts->count(); ++i)
            QVERIFY(QString::compare(fonts->itemText(i - 1), fonts->itemText(i), Qt::CaseInsensitive) <= 0);
        QCOMPARE(find<QScrollBar>("hcb_0")->maximum(), fonts->count() - 1);
    }

    void captionsAreLowerCasedTagsAreNot()
    {
        open();
        QCOMPARE(find<QLabel>("l_pr_5")->text(), QString("margin-top"));
        QCOMPARE(find<QLabel>("lcb_0")->text(), QString("font-family"));
        QCOMPARE(find<QLabel>("lc_0")->text(), QString("background-color"));
        QCOMPARE(find<QLabel>("Label1")->text(), QString("style name"));
        QCOMPARE(find<QRadioButton>("ob_4")->text(), QString("smallcaps"));
        QCOMPARE(find<QRadioButton>("lst")->text(), QString("no list"));
        QCOMPARE(find<QGroupBox>("Frame1_4")->title(), QString("list-style-position"));
        QCOMPARE(platform::tag(find<QRadioButton>("ob_64")), QString("DIRECTION"));
        QCOMPARE(platform::tag(find<QRadioButton>("ob_84")), QString("Font-Weight"));
    }

    void webColoursTable()
    {
        open();
        const QStringList& colours = w->webColors();
        QCOMPARE(colours.size(), 221);
        QCOMPARE(colours[0], QString());
        QCOMPARE(colours[1], QString("#000000"));
        QCOMPARE(colours[7], QString("#003300"));
        QCOMPARE(colours[216], QString("#FFFFFF"));
    }

    void eachChangeRewritesTheSheet_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("length slider 5 to 12")
            << QStringList{"h_pr_5=12"} << sheet({"font-size: 18px;", "margin-top: 12px;"});
        QTest::newRow("length typed with its own unit")
            << QStringList{"v_pr_0:2em"} << sheet({"font-size: 2empx;"});
        QTest::newRow("length box emptied") << QStringList{"v_pr_0:"} << sheet({});
        QTest::newRow("every length, in index order")
            << QStringList{"h_pr_15=15", "h_pr_1=2", "h_pr_14=14", "h_pr_3=4", "h_pr_13=13"}
            << sheet({"font-size: 18px;", "left: 2px;", "letter-spacing: 4px;", "text-indent: 13px;",
                      "width: 14px;", "top: 15px;"});
        QTest::newRow("vertical-align from its slider")
            << QStringList{"hcb_1=3"} << sheet({"font-size: 18px;", "vertical-align: bottom;"});
        QTest::newRow("vertical-align slider back to 0")
            << QStringList{"hcb_1=3", "hcb_1=0"} << sheet({"font-size: 18px;"});
        QTest::newRow("vertical-align typed")
            << QStringList{"cb_1:Middle"} << sheet({"font-size: 18px;", "vertical-align: Middle;"});
        QTest::newRow("colour slider 1 to 216")
            << QStringList{"hr_1=216"} << sheet({"font-size: 18px;", "color: #FFFFFF;"});
        QTest::newRow("colour typed, slider at 1")
            << QStringList{"vc_2:#123456"} << sheet({"font-size: 18px;", "border-top-color: #000000;"});
        QTest::newRow("background typed, slider at its start")
            << QStringList{"vc_0:red"} << sheet({"font-size: 18px;", "background-color: #FFFFFF;"});
        QTest::newRow("colours in index order")
            << QStringList{"hr_5=2", "hr_3=37"}
            << sheet({"font-size: 18px;", "border-left-color: #330000;", "border-right-color: #000033;"});
        QTest::newRow("thick top border")
            << QStringList{"ob_5"}
            << sheet({"font-size: 18px;"}, QStringList{"BORDER-TOP-WIDTH: thick;"} + kDefaultOptions);
        QTest::newRow("thick, then none again")
            << QStringList{"ob_5", "ob_103"} << sheet({"font-size: 18px;"});
        QTest::newRow("options that leave the property out")
            << QStringList{"ob_1", "ob_0", "ob_84", "ob_85", "ob_83", "ob_61", "ob_62"}
            << sheet({"font-size: 18px;"});
        QTest::newRow("list style position and type")
            << QStringList{"ob_73", "ob_77"}
            << sheet({"font-size: 18px;"},
                     {"DIRECTION: ltr;", "DISPLAY: inline;", "List-style-position: inside;",
                      "List-style-type: square;", "text-align: left;", "position: static;"});
        QTest::newRow("no list position: the lines stay until the next rewrite")
            << QStringList{"ob_73", "ob_77", "lsp"}
            << sheet({"font-size: 18px;"},
                     {"DIRECTION: ltr;", "DISPLAY: inline;", "List-style-position: inside;",
                      "List-style-type: square;", "text-align: left;", "position: static;"});
        QTest::newRow("no list position, then another change")
            << QStringList{"ob_73", "ob_77", "lsp", "h_pr_1=5"} << sheet({"font-size: 18px;", "left: 5px;"});
        QTest::newRow("every section at once")
            << QStringList{"ob_93", "hcb_1=5", "ob_1",  "h_pr_15=7", "hr_5=2",
                           "ob_87", "ob_65",   "ob_67", "ob_91",     "ob_101"}
            << sheet(
                   {"font-size: 18px;", "top: 7px;", "vertical-align: sub;", "border-right-color: #000033;"},
                   {"FONT-STYLE: italic;", "DIRECTION: rtl;", "DISPLAY: block;", "Font-Weight: bold;",
                    "text-align: right;", "text-decoration: overline;", "position: absolute;"});
    }
    void eachChangeRewritesTheSheet()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, lines);
        open();
        for (const QString& step : steps)
            act(step);
        QCOMPARE(QString::fromUtf8(readFileBytes(cssPath())), QString::fromUtf8(crlf(lines)));
    }

    // Every settled change of a control runs the writer once, at once: the file, the rule
    // box and a new preview request.
    void oneRewritePerChange_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("line");
        QTest::newRow("length slider") << "h_pr_5=12"
                                       << "v_pr_5"
                                       << "12"
                                       << "margin-top: 12px;";
        QTest::newRow("list slider") << "hcb_1=4"
                                     << "cb_1"
                                     << "middle"
                                     << "vertical-align: middle;";
        QTest::newRow("colour slider") << "hr_1=216"
                                       << "vc_1"
                                       << "#FFFFFF"
                                       << "color: #ffffff;";
        QTest::newRow("option") << "ob_98"
                                << ""
                                << ""
                                << "text-transform: uppercase;";
    }
    void oneRewritePerChange()
    {
        QFETCH(QString, step);
        QFETCH(QString, box);
        QFETCH(QString, shown);
        QFETCH(QString, line);
        open();
        const int before = preview()->navigationCount();
        act(step);
        QCOMPARE(preview()->navigationCount(), before + 1);
        QCOMPARE(preview()->requestedUrl(), QUrl::fromLocalFile(htmPath()));
        if (!box.isEmpty()) {
            QWidget* target = find<QWidget>(box);
            const QString text = qobject_cast<QComboBox*>(target)
                                     ? qobject_cast<QComboBox*>(target)->currentText()
                                     : qobject_cast<QLineEdit*>(target)->text();
            QCOMPARE(text, shown);
        }
        QVERIFY2(ruleBox().split('\n').contains(line), qPrintable(ruleBox()));
        QVERIFY(QString::fromUtf8(readFileBytes(cssPath())).toLower().contains(line + "\r\n"));
    }

    // A choice from a list's drop-down is written at once, and the font size typed by the
    // user stays as typed.
    void choiceFromAListIsWrittenAtOnce()
    {
        open();
        act("v_pr_0:2em");
        auto* align = find<QComboBox>("cb_1");
        const int before = preview()->navigationCount();
        align->setCurrentIndex(align->findText("text-top"));
        QCOMPARE(preview()->navigationCount(), before + 1);
        QCOMPARE(find<QLineEdit>("v_pr_0")->text(), QString("2em"));
        QCOMPARE(readFileBytes(cssPath()), crlf(sheet({"font-size: 2empx;", "vertical-align: text-top;"})));

        auto* fonts = find<QComboBox>("cb_0");
        if (fonts->count() < 3)
            QSKIP("too few screen fonts on this machine");
        // The slider starts at 1; the last font is a move away.
        const int last = fonts->count() - 1;
        find<QScrollBar>("hcb_0")->setValue(last);
        QCOMPARE(fonts->currentText(), fonts->itemText(last));
        QCOMPARE(readFileBytes(cssPath()),
                 crlf(sheet({"font-size: 2empx;", "font-family: " + fonts->itemText(last) + ";",
                             "vertical-align: text-top;"})));
    }

    void dragWritesOnlyWhenReleased()
    {
        open();
        auto* slider = find<QScrollBar>("h_pr_2");
        const int before = preview()->navigationCount();
        slider->setSliderDown(true);
        for (int position = 2; position <= 40; ++position)
            slider->setSliderPosition(position);
        QCOMPARE(preview()->navigationCount(), before);
        QVERIFY(find<QLineEdit>("v_pr_2")->text().isEmpty());
        slider->setSliderDown(false);
        QCOMPARE(preview()->navigationCount(), before + 1);
        QCOMPARE(find<QLineEdit>("v_pr_2")->text(), QString("40"));
        QVERIFY(readFileBytes(cssPath()).contains("height: 40px;\r\n"));
    }

    // A click on a list slider's track moves one item, as its arrows do: no item is skipped.
    void trackClickMovesOneItem()
    {
        open();
        auto* slider = find<QScrollBar>("hcb_1");
        auto* list = find<QComboBox>("cb_1");
        QVERIFY(slider && list);
        const int start = slider->value();
        slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(slider->value(), start + 1);
        QCOMPARE(list->currentText(), list->itemText(start + 1));
    }

    void previewIsAskedForThePage()
    {
        open();
        QCOMPARE(preview()->requestedUrl(), QUrl::fromLocalFile(htmPath()));
        // Once for the page, once for the first rule.
        QCOMPARE(preview()->navigationCount(), 2);
        QVERIFY(!preview()->usesBrowserEngine());
    }

    // With the browser engine built in, the preview is a real browser; it is asked for the
    // same page. Its rendering is not waited for.
    void browserEngineWhenBuiltIn()
    {
        engine = PreviewEngine::browser;
        open();
        engine = PreviewEngine::plainText;
#ifdef QUILLMERE_HAVE_WEBENGINE
        QVERIFY(preview()->usesBrowserEngine());
#else
        QVERIFY(!preview()->usesBrowserEngine());
#endif
        act("h_pr_5=12");
        QCOMPARE(preview()->requestedUrl(), QUrl::fromLocalFile(htmPath()));
        QCOMPARE(preview()->navigationCount(), 3);
    }

    void ruleBoxShowsTheStyleName()
    {
        open();
        act("sn:MyTitle");
        // The name alone rewrites nothing; the next change shows it.
        QCOMPARE(ruleBox().section('\n', 0, 0), QString("."));
        act("hr_1=216");
        QCOMPARE(ruleBox(),
                 QString(".MyTitle\n{\nfont-size: 18px;\ncolor: #ffffff;\ndirection: ltr;\ndisplay: "
                         "inline;\ntext-align: left;\nposition: static;\n}"));
        QVERIFY(readFileBytes(cssPath()).startsWith(".try\r\n{\r\n"));
    }

    void unwritableSheetKeepsTheWindowWorking()
    {
        // A folder where the sheet should be: it can be neither written nor read.
        QVERIFY(QDir().mkpath(cssPath()));
        QStringList shown;
        messages.setSink([&shown](const QString& text) { shown << text; });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("css_builder.css: cannot be written"));
        open();
        act("sn:Name");
        act("h_pr_3=9");
        messages.setSink({});
        QCOMPARE(find<QLineEdit>("v_pr_3")->text(), QString("9"));
        QCOMPARE(ruleBox(), QString(".Name"));
        QVERIFY(QFileInfo(cssPath()).isDir());
        QVERIFY(QFileInfo(htmPath()).isFile());
        // Told once with the system's reason, not at every rewrite.
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith(cssPath() + ": cannot be written (") && shown[0].endsWith(")") &&
                     !shown[0].endsWith("()"),
                 qPrintable(shown[0]));
    }

    // Something planted at a builder file's name: a link's target is never written, a FIFO
    // never waited on; each is told once, like a file that cannot be written, and the
    // window works on.
    void plantedFileIsRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("planted"); // "link" or "fifo"
        QTest::newRow("link at css_builder.css") << "css_builder.css"
                                                 << "link";
        QTest::newRow("FIFO at css_builder.css") << "css_builder.css"
                                                 << "fifo";
        QTest::newRow("link at style.htm") << "style.htm"
                                           << "link";
        QTest::newRow("FIFO at style.htm") << "style.htm"
                                           << "fifo";
    }
    void plantedFileIsRefused()
    {
        QFETCH(QString, file);
        QFETCH(QString, planted);
        const QString path = home->programFolder() + '/' + file;
        const QString target = home->path() + "/target";
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write("keep me\n");
        kept.close();
        if (planted == "link")
            QCOMPARE(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()),
                     0);
        else
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QStringList shown;
        messages.setSink([&shown](const QString& text) { shown << text; });
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QRegularExpression::escape(file) + ": cannot be written"));
        open();
        act("h_pr_3=9");
        act("h_pr_3=10");
        messages.setSink({});
        QCOMPARE(find<QLineEdit>("v_pr_3")->text(), QString("10"));
        QCOMPARE(readFileBytes(target), QByteArray("keep me\n"));
        QCOMPARE(shown, QStringList{path + ": cannot be written (" + file + " is not a regular file)"});
        const QString other = file == "style.htm" ? cssPath() : htmPath();
        QVERIFY(QFileInfo(other).isFile() && !QFileInfo(other).isSymLink());
    }

    // Four shapes frame the property columns, the rule box and the preview, and are drawn.
    void decorativeShapes()
    {
        open();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        for (int i = 0; i < 4; ++i) {
            auto* shape = find<QWidget>(QString("Shape1_%1").arg(i));
            QVERIFY(shape);
            QVERIFY(shape->isVisible());
            // An outline all round, in a colour of its own.
            const QImage image = shape->grab().toImage();
            const QColor outline = image.pixelColor(image.width() / 2, 1);
            QVERIFY2(outline != platform::backColor(w), qPrintable(shape->objectName()));
            QCOMPARE(image.pixelColor(1, image.height() / 2), outline);
            QCOMPARE(image.pixelColor(image.width() / 2, image.height() - 2), outline);
            QCOMPARE(image.pixelColor(image.width() - 2, image.height() / 2), outline);
        }
        QVERIFY(find<QWidget>("Shape1_2")->isAncestorOf(find<QPlainTextEdit>("css")));
        QVERIFY(find<QWidget>("Shape1_3")->isAncestorOf(preview()));
    }

    // The font list keeps its width; its open list shows whole names.
    void fontListOpensWide()
    {
        open();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto* fonts = find<QComboBox>("cb_0");
        int widest = 0;
        for (int i = 0; i < fonts->count(); ++i)
            widest = std::max(widest, fonts->view()->sizeHintForColumn(0));
        fonts->showPopup();
        QTRY_VERIFY(fonts->view()->isVisible());
        QVERIFY(fonts->view()->viewport()->width() >=
                std::min(widest, fonts->screen()->availableGeometry().width() / 2));
        fonts->hidePopup();
    }

    void colourLookAtLoad_data()
    {
        QTest::addColumn<int>("look");
        QTest::newRow("system colours") << 0;
        QTest::newRow("designed colours") << 1;
        QTest::newRow("nothing stored") << -1;
    }
    void colourLookAtLoad()
    {
        QFETCH(int, look);
        using namespace kit::look;
        if (look >= 0)
            platform::settings::save("kvl_net", "style", "s", QString::number(look));
        open();
        const bool system = look != designedLook;
        QCOMPARE(w->lookStyle(), system ? 0 : 1);
        QCOMPARE(platform::backColor(w), platform::colourFromBgr(system ? colour::buttonFace : 0xFFFFC0));
        auto* exit = find<QPushButton>("fin_0");
        QVERIFY(platform::hasStaticEdge(exit));
        QCOMPARE(platform::backColor(exit), platform::colourFromBgr(colour::buttonFace));
        QCOMPARE(platform::backColor(find<QLineEdit>("v_pr_0")), platform::colourFromBgr(colour::paleCyan));
        QCOMPARE(platform::backColor(find<QLineEdit>("sn")), platform::colourFromBgr(colour::paleCyan));
        QCOMPARE(platform::backColor(find<QPlainTextEdit>("css")), platform::colourFromBgr(colour::paleCyan));
        QCOMPARE(platform::backColor(find<QComboBox>("cb_1")), platform::colourFromBgr(colour::lightOrange));
        QCOMPARE(platform::backStyle(find<QLabel>("l_pr_0")), transparentBackStyle);
        QCOMPARE(find<QLabel>("l_pr_0")->text(), QString("font-size"));
    }

    // The Exit button, or Escape wherever the focus is, closes the window the same way.
    void exitUnloadsAndTheNextOpeningStartsAfresh_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Exit button") << "click"
                                     << "";
        QTest::newRow("Escape in a box") << "Escape"
                                         << "sn";
        QTest::newRow("Escape on a slider") << "Escape"
                                            << "h_pr_5";
        QTest::newRow("Escape in a list's box") << "Escape"
                                                << "cb_1";
        QTest::newRow("Escape in the rule box") << "Escape"
                                                << "css";
    }
    void exitUnloadsAndTheNextOpeningStartsAfresh()
    {
        QFETCH(QString, how);
        QFETCH(QString, focus);
        open();
        act("h_pr_5=12");
        act("ob_5");
        act("sn:Kept?");
        QPointer<CssBuilderWindow> first = w;
        if (how == "click") {
            QTest::mouseClick(find<QPushButton>("fin_0"), Qt::LeftButton);
        } else {
            QVERIFY(QTest::qWaitForWindowActive(w));
            QWidget* box = find<QWidget>(focus);
            QVERIFY(box);
            box->setFocus();
            QTRY_VERIFY(box->hasFocus() || box->isAncestorOf(QApplication::focusWidget()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }
        QTRY_VERIFY(first.isNull());
        QVERIFY(builder.isNull());
        // The files stay as last written.
        QVERIFY(readFileBytes(cssPath()).contains("BORDER-TOP-WIDTH: thick;"));
        open();
        QVERIFY(w != first);
        QCOMPARE(readFileBytes(cssPath()), crlf(sheet({"font-size: 18px;"})));
        QVERIFY(find<QLineEdit>("v_pr_5")->text().isEmpty());
        QVERIFY(find<QLineEdit>("sn")->text().isEmpty());
        QVERIFY(find<QRadioButton>("ob_103")->isChecked());
    }

    // Escape with a list open closes the list, not the window.
    void escapeClosesAnOpenListFirst()
    {
        open();
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* list = find<QComboBox>("cb_1");
        QVERIFY(list);
        list->setFocus();
        list->showPopup();
        QWidget* popup = list->view()->window();
        QTRY_VERIFY(popup->isVisible());
        QTest::keyClick(list->view(), Qt::Key_Escape);
        QTRY_VERIFY(!popup->isVisible());
        QCoreApplication::processEvents();
        QVERIFY(!builder.isNull());
        QVERIFY(w->isVisible());
    }

    // Every Tab stop of the window shows where the focus is.
    void everyTabStopShowsTheFocus()
    {
        open();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QWidget* start = find<QPushButton>("fin_0");
        start->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(start->hasFocus());
        const QStringList unmarked = testsupport::stopsWithoutFocusMark(start);
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QStringLiteral(", "))));
    }

    void openingTwiceKeepsOneWindow()
    {
        open();
        act("h_pr_5=12");
        CssBuilderWindow* again = CssBuilderWindow::showBuilder(builder, messages, engine);
        QCOMPARE(again, w);
        QCOMPARE(find<QLineEdit>("v_pr_5")->text(), QString("12"));
    }
};

QTEST_MAIN(BuilderWindowTest)
#include "test_builder_window.moc"
