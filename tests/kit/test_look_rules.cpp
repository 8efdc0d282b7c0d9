#include "kit/look/look_rules.h"

#include <QTest>

using namespace kit::look;

namespace
{

using OptColour = std::optional<quint32>;
using OptInt = std::optional<int>;

constexpr quint32 darkRed = 0x80;
constexpr quint32 darkGreen = 0x8000;
constexpr quint32 pageBack = 0xE4FEFC;
constexpr quint32 black = 0x0;
constexpr quint32 white = 0xFFFFFF;

ControlLook control(Kind kind, const QString& tag, OptColour back, OptColour fore, OptInt backStyle,
                    OptInt border)
{
    ControlLook c;
    c.kind = kind;
    c.tag = tag;
    c.backColour = back;
    c.foreColour = fore;
    c.backStyle = backStyle;
    c.borderStyle = border;
    return c;
}

ControlLook runPass(int look, ControlLook c, OptColour& windowBack)
{
    applySystemColours(look, c, windowBack);
    applyFixedColours(c);
    return c;
}

} // namespace

Q_DECLARE_METATYPE(ControlLook)
Q_DECLARE_METATYPE(OptColour)
Q_DECLARE_METATYPE(OptInt)

class LookRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void pass_data()
    {
        QTest::addColumn<int>("look");
        QTest::addColumn<ControlLook>("designed");
        QTest::addColumn<OptColour>("back");
        QTest::addColumn<OptColour>("fore");
        QTest::addColumn<OptInt>("backStyle");
        QTest::addColumn<bool>("staticEdge");
        QTest::addColumn<bool>("windowPainted");

        const OptColour none;
        const OptInt noStyle;
        const QString heading = QStringLiteral("h");
        for (int look : {systemLook, designedLook}) {
            const bool sys = look == systemLook;
            const QByteArray l = sys ? "look 0: " : "look 1: ";
            auto row = [&](const char* name) -> QTestData& { return QTest::newRow((l + name).constData()); };

            // Section headings and caption links keep their designed colours in both looks.
            row("tagged heading keeps dark red and light yellow")
                << look << control(Kind::Label, heading, darkRed, colour::lightYellow, opaqueBackStyle, 0)
                << OptColour(darkRed) << OptColour(colour::lightYellow) << OptInt(opaqueBackStyle) << false
                << false;
            row("tagged caption link keeps dark green")
                << look << control(Kind::Label, heading, darkGreen, colour::lightYellow, opaqueBackStyle, 0)
                << OptColour(darkGreen) << OptColour(colour::lightYellow) << OptInt(opaqueBackStyle) << false
                << false;
            row("untagged label turns transparent, light yellow becomes window text in look 0")
                << look << control(Kind::Label, {}, darkRed, colour::lightYellow, opaqueBackStyle, 0)
                << OptColour(sys ? colour::buttonFace : darkRed)
                << OptColour(sys ? colour::windowText : colour::lightYellow) << OptInt(transparentBackStyle)
                << false << sys;
            row("untagged label in other lettering keeps it")
                << look << control(Kind::Label, {}, pageBack, black, opaqueBackStyle, 0)
                << OptColour(sys ? colour::buttonFace : pageBack) << OptColour(black)
                << OptInt(transparentBackStyle) << false << sys;
            row("lettering close to light yellow is not replaced")
                << look << control(Kind::Label, {}, pageBack, colour::lightYellow - 1, opaqueBackStyle, 0)
                << OptColour(sys ? colour::buttonFace : pageBack) << OptColour(colour::lightYellow - 1)
                << OptInt(transparentBackStyle) << false << sys;

            row("command button gets static edge and button face")
                << look << control(Kind::CommandButton, {}, white, none, noStyle, noStyle)
                << OptColour(colour::buttonFace) << none << noStyle << true << sys;
            row("tagged command button gets them too")
                << look << control(Kind::CommandButton, heading, white, none, noStyle, noStyle)
                << OptColour(colour::buttonFace) << none << noStyle << true << sys;

            row("untagged bordered text box is pale cyan")
                << look << control(Kind::TextBox, {}, white, black, noStyle, fixedSingleBorder)
                << OptColour(colour::paleCyan) << OptColour(black) << noStyle << false << sys;
            row("untagged borderless text box")
                << look << control(Kind::TextBox, {}, white, black, noStyle, 0)
                << OptColour(sys ? colour::buttonFace : white) << OptColour(black) << noStyle << false << sys;
            row("tagged bordered text box is not pale cyan")
                << look << control(Kind::TextBox, heading, white, black, noStyle, fixedSingleBorder)
                << OptColour(sys ? colour::buttonFace : white) << OptColour(black) << noStyle << false << sys;
            row("text box with light-yellow lettering")
                << look << control(Kind::TextBox, {}, white, colour::lightYellow, noStyle, fixedSingleBorder)
                << OptColour(colour::paleCyan) << OptColour(sys ? colour::windowText : colour::lightYellow)
                << noStyle << false << sys;

            row("untagged bordered list box is pale cyan")
                << look << control(Kind::ListBox, {}, white, black, noStyle, fixedSingleBorder)
                << OptColour(colour::paleCyan) << OptColour(black) << noStyle << false << sys;
            row("untagged borderless list box")
                << look << control(Kind::ListBox, {}, white, black, noStyle, 0)
                << OptColour(sys ? colour::buttonFace : white) << OptColour(black) << noStyle << false << sys;
            row("tagged bordered list box")
                << look << control(Kind::ListBox, heading, white, black, noStyle, fixedSingleBorder)
                << OptColour(sys ? colour::buttonFace : white) << OptColour(black) << noStyle << false << sys;

            row("untagged drop-down list is light orange")
                << look << control(Kind::DropDownList, {}, white, black, noStyle, noStyle)
                << OptColour(colour::lightOrange) << OptColour(black) << noStyle << false << sys;
            row("tagged drop-down list")
                << look << control(Kind::DropDownList, heading, white, black, noStyle, noStyle)
                << OptColour(sys ? colour::buttonFace : white) << OptColour(black) << noStyle << false << sys;

            // Other kinds: a page, a bordered folder list, a check box with a Tag, a timer.
            row("page panel") << look << control(Kind::Other, {}, pageBack, black, noStyle, fixedSingleBorder)
                              << OptColour(sys ? colour::buttonFace : pageBack) << OptColour(black) << noStyle
                              << false << sys;
            row("tagged check box is painted in look 0")
                << look << control(Kind::Other, heading, pageBack, black, noStyle, noStyle)
                << OptColour(sys ? colour::buttonFace : pageBack) << OptColour(black) << noStyle << false
                << sys;
            row("timer has no colours") << look << control(Kind::Other, {}, none, none, noStyle, noStyle)
                                        << none << none << noStyle << false << sys;
            row("label without a back colour still turns transparent")
                << look << control(Kind::Label, {}, none, colour::lightYellow, opaqueBackStyle, 0) << none
                << OptColour(sys ? colour::windowText : colour::lightYellow) << OptInt(transparentBackStyle)
                << false << sys;
        }
    }
    void pass()
    {
        QFETCH(int, look);
        QFETCH(ControlLook, designed);
        QFETCH(OptColour, back);
        QFETCH(OptColour, fore);
        QFETCH(OptInt, backStyle);
        QFETCH(bool, staticEdge);
        QFETCH(bool, windowPainted);

        OptColour windowBack = pageBack;
        const ControlLook result = runPass(look, designed, windowBack);
        QCOMPARE(result.backColour, back);
        QCOMPARE(result.foreColour, fore);
        QCOMPARE(result.backStyle, backStyle);
        QCOMPARE(result.borderStyle, designed.borderStyle);
        QCOMPARE(result.staticEdge, staticEdge);
        QCOMPARE(windowBack, windowPainted ? OptColour(colour::buttonFace) : OptColour(pageBack));
    }

    void lookSwitch_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("lookStyle");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("expected");
        const auto nothing = int(LookSwitch::Nothing);
        const auto refuse = int(LookSwitch::Refuse);
        const auto change = int(LookSwitch::Switch);
        QTest::newRow("current look, not connected") << 0 << 0 << false << nothing;
        QTest::newRow("current look, connected") << 1 << 1 << true << nothing;
        QTest::newRow("other look, not connected") << 1 << 0 << false << change;
        QTest::newRow("back to look 0") << 0 << 1 << false << change;
        QTest::newRow("other look, connected") << 1 << 0 << true << refuse;
        QTest::newRow("back to look 0, connected") << 0 << 1 << true << refuse;
    }
    void lookSwitch()
    {
        QFETCH(int, index);
        QFETCH(int, lookStyle);
        QFETCH(bool, connected);
        QFETCH(int, expected);
        QCOMPARE(int(decideLookSwitch(index, lookStyle, connected)), expected);
    }
};

QTEST_GUILESS_MAIN(LookRulesTest)
#include "test_look_rules.moc"
