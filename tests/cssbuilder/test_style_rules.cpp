// The style-sheet builder's lines as pure functions: the web-safe colour table, the style
// sheet for given property values, the preview page and the rule shown for copying.

#include "cssbuilder/style_rules.h"

#include <QRegularExpression>
#include <QTest>

using namespace cssbuilder;

namespace
{

// The sixteen length properties as the window shows them after load, all empty.
QList<LengthValue> lengths()
{
    QList<LengthValue> rows;
    for (const char* name : {"font-size", "left", "height", "letter-spacing", "line-height", "margin-top",
                             "margin-bottom", "margin-left", "margin-right", "padding-top", "padding-bottom",
                             "padding-left", "padding-right", "text-indent", "width", "top"})
        rows.append({QString::fromLatin1(name), QString()});
    return rows;
}

QList<ColourValue> colours()
{
    return {{"background-color", 216, {}},  {"color", 1, {}},
            {"border-top-color", 1, {}},    {"border-left-color", 1, {}},
            {"border-bottom-color", 1, {}}, {"border-right-color", 1, {}}};
}

// Options 0..106 with their tags; `chosen` lists the chosen indexes, `captions` overrides.
QList<OptionValue> options(const QList<int>& chosen, const QMap<int, QString>& captions)
{
    QList<OptionValue> rows(107);
    for (int i = 0; i < rows.size(); ++i) {
        rows[i].tag = QStringLiteral("TAG%1").arg(i);
        rows[i].caption = captions.value(i, QStringLiteral("value%1").arg(i));
        rows[i].chosen = chosen.contains(i);
    }
    return rows;
}

StyleValues empty()
{
    StyleValues v;
    v.lengths = lengths();
    v.lists = {{"font-family", {}}, {"vertical-align", {}}};
    v.colours = colours();
    v.options = options({}, {});
    return v;
}

} // namespace

Q_DECLARE_METATYPE(cssbuilder::StyleValues)

class StyleRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void webColours_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("colour");
        QTest::newRow("spare entry 0") << 0 << QString();
        QTest::newRow("first") << 1 << "#000000";
        QTest::newRow("blue steps first") << 2 << "#000033";
        QTest::newRow("last blue") << 6 << "#0000FF";
        QTest::newRow("then green") << 7 << "#003300";
        QTest::newRow("last of the first red level") << 36 << "#00FFFF";
        QTest::newRow("then red") << 37 << "#330000";
        QTest::newRow("middle") << 108 << "#66FFFF";
        QTest::newRow("upper-case digits") << 180 << "#CCFFFF";
        QTest::newRow("last") << 216 << "#FFFFFF";
        QTest::newRow("spare entry 217") << 217 << QString();
        QTest::newRow("spare entry 220") << 220 << QString();
    }
    void webColours()
    {
        QFETCH(int, entry);
        QFETCH(QString, colour);
        const QStringList table = buildWebColors();
        QCOMPARE(table.size(), 221);
        QCOMPARE(table[entry], colour);
    }

    void webColoursAreDistinctAndAscending()
    {
        // Every entry a web-safe colour, each one greater than the last: exactly the 216 in order.
        const QStringList table = buildWebColors();
        const QRegularExpression safe(QStringLiteral("^#(00|33|66|99|CC|FF){3}$"));
        for (int k = 1; k <= 216; ++k) {
            QVERIFY2(safe.match(table[k]).hasMatch(), qPrintable(table[k]));
            if (k > 1)
                QVERIFY2(table[k - 1] < table[k], qPrintable(table[k]));
        }
    }

    void styleSheet_data()
    {
        QTest::addColumn<StyleValues>("values");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("nothing set") << empty() << QStringList{".try", "{", "}"};

        StyleValues v = empty();
        v.lengths[0].text = "18";
        v.lengths[5].text = "12";
        v.lengths[15].text = "2em";
        QTest::newRow("lengths in index order, units typed kept before px")
            << v << QStringList{".try", "{", "font-size: 18px;", "margin-top: 12px;", "top: 2empx;", "}"};

        v = empty();
        v.lists[1].text = "text-top";
        v.lists[0].text = "DejaVu Sans";
        QTest::newRow("lists: font first, text as typed")
            << v << QStringList{".try", "{", "font-family: DejaVu Sans;", "vertical-align: text-top;", "}"};

        v = empty();
        v.colours[1].boxText = "#FFFFFF";
        v.colours[1].position = 216;
        v.colours[2].boxText = "#123456"; // typed; the slider stays at 1
        v.colours[3].position = 7;        // box empty: not written
        QTest::newRow("colours come from the slider, the box only switches them on")
            << v << QStringList{".try", "{", "color: #FFFFFF;", "border-top-color: #000000;", "}"};

        v = empty();
        v.colours[4].boxText = "x";
        v.colours[4].position = 0;
        v.colours[5].boxText = "x";
        v.colours[5].position = 217;
        QTest::newRow("a position outside the table writes no colour") << v << QStringList{".try", "{", "}"};

        v = empty();
        v.options = options({1, 5, 66, 103}, {{1, "italic"}, {5, "thick"}, {66, "ltr"}, {103, "none"}});
        v.options[66].tag = "DIRECTION";
        QTest::newRow("chosen options in index order, tags as given")
            << v << QStringList{".try", "{", "TAG1: italic;", "TAG5: thick;", "DIRECTION: ltr;", "}"};

        v = empty();
        v.options = options({0, 3, 10, 85}, {{0, "normal"}, {3, "none"}, {10, "None"}, {85, "Normal"}});
        QTest::newRow("none and normal leave the property out, compared exactly")
            << v << QStringList{".try", "{", "TAG10: None;", "TAG85: Normal;", "}"};

        v = empty();
        v.lengths[1].text = "4";
        v.lists[1].text = "sub";
        v.colours[0].boxText = "#FFFFFF";
        v.options = options({2, 100}, {{2, "oblique"}, {100, "static"}});
        QTest::newRow("sections in order: lengths, lists, colours, options")
            << v
            << QStringList{".try",
                           "{",
                           "left: 4px;",
                           "vertical-align: sub;",
                           "background-color: #FFFFFF;",
                           "TAG2: oblique;",
                           "TAG100: static;",
                           "}"};
    }
    void styleSheet()
    {
        QFETCH(StyleValues, values);
        QFETCH(QStringList, lines);
        QCOMPARE(styleSheetLines(values, buildWebColors()), lines);
    }

    void emptySheet() { QCOMPARE(emptyStyleSheetLines(), (QStringList{".try", "{", "}"})); }

    void previewPage()
    {
        const QString paragraph =
            "<P class=\"try\">Look at this style! Look at this style! <BR>Look at this style! "
            "Look at this style!</P>";
        QCOMPARE(previewPageLines(),
                 (QStringList{"<HTML>", "<HEAD>", "<STYLE type=text/css>@import url(\"css_builder.css\");",
                              "</STYLE>", "</HEAD>", "<BODY>", paragraph, paragraph, "</BODY>", "</HTML>"}));
    }

    void ruleBox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QStringList>("box");
        const QStringList sheet{".try", "{", "Font-Size: 2EM px;", "DIRECTION: ltr;", "color: #FFFFFF;", "}"};
        const QStringList lowered{"{", "font-size: 2em px;", "direction: ltr;", "color: #ffffff;", "}"};
        QTest::newRow("empty name") << QString() << sheet << true << QStringList{"."} + lowered;
        QTest::newRow("name kept as typed")
            << "MyTitle" << sheet << true << QStringList{".MyTitle"} + lowered;
        QTest::newRow("unreadable file") << "x" << sheet << false << QStringList{".x"};
        QTest::newRow("empty file") << "x" << QStringList{} << true << QStringList{".x"};
    }
    void ruleBox()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, file);
        QFETCH(bool, read);
        QFETCH(QStringList, box);
        QCOMPARE(ruleBoxLines(name, file, read), box);
    }
};

QTEST_GUILESS_MAIN(StyleRulesTest)
#include "test_style_rules.moc"
