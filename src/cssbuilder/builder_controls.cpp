#include "cssbuilder/builder_controls.h"

#include "cssbuilder/decorative_shape.h"
#include "cssbuilder/option_groups.h"
#include "cssbuilder/style_preview.h"
#include "cssbuilder/style_rules.h"
#include "kit/controls.h"
#include "platform/colours.h"
#include "platform/screen_units.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace cssbuilder
{

namespace
{

constexpr int kOptionColumns = 2;
constexpr int kSliderWidth = 100;
constexpr int kValueBoxWidth = 64;
constexpr int kPropertyColumnWidth = 360;
constexpr int kOptionColumnWidth = 320;

// A horizontal slider that reports a new position once it is settled: after a click on an
// arrow or on the track, or when a dragged thumb is released. A click on the track moves one
// step, as the arrows do, so a list slider never skips an item.
QScrollBar* slider(const QString& name, int minimum, int maximum, int start, QWidget* parent)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setTracking(false);
    bar->setRange(minimum, maximum);
    bar->setValue(start);
    bar->setPageStep(1);
    bar->setMinimumWidth(kSliderWidth);
    return bar;
}

QLineEdit* textBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFixedWidth(kValueBoxWidth);
    return box;
}

QWidget* propertyColumn(BuilderControls& c, QWidget* parent)
{
    auto* column = new QWidget(parent);
    column->setFixedWidth(kPropertyColumnWidth);
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (int i = 0; i < kLengthCount; ++i, ++row) {
        const LengthRowDef& def = lengthRows()[std::size_t(i)];
        c.l_pr[std::size_t(i)] =
            kit::label(kit::element("l_pr", i), QString::fromLatin1(def.caption), column);
        c.h_pr[std::size_t(i)] =
            slider(kit::element("h_pr", i), kLengthMinimum, def.maximum, kLengthMinimum, column);
        c.v_pr[std::size_t(i)] = textBox(kit::element("v_pr", i), column);
        grid->addWidget(c.l_pr[std::size_t(i)], row, 0);
        grid->addWidget(c.h_pr[std::size_t(i)], row, 1);
        grid->addWidget(c.v_pr[std::size_t(i)], row, 2);
    }
    for (int i = 0; i < kListCount; ++i, ++row) {
        c.lcb[std::size_t(i)] =
            kit::label(kit::element("lcb", i), QString::fromLatin1(listCaptions()[std::size_t(i)]), column);
        auto* combo = new kit::DropDown(kit::element("cb", i), column);
        combo->setEditable(true);
        // The window keeps its lists sorted itself; typed text is taken as typed.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        c.cb[std::size_t(i)] = combo;
        // The range reaches the list's last item once the window has filled the list.
        c.hcb[std::size_t(i)] = slider(kit::element("hcb", i), 0, kListSliderStart, kListSliderStart, column);
        grid->addWidget(c.lcb[std::size_t(i)], row, 0);
        grid->addWidget(combo, row, 1);
        grid->addWidget(c.hcb[std::size_t(i)], row, 2);
    }
    for (int i = 0; i < kColourCount; ++i, ++row) {
        const ColourRowDef& def = colourRows()[std::size_t(i)];
        c.lc[std::size_t(i)] = kit::label(kit::element("lc", i), QString::fromLatin1(def.caption), column);
        c.hr[std::size_t(i)] = slider(kit::element("hr", i), 1, kWebColourCount, def.start, column);
        c.vc[std::size_t(i)] = textBox(kit::element("vc", i), column);
        grid->addWidget(c.lc[std::size_t(i)], row, 0);
        grid->addWidget(c.hr[std::size_t(i)], row, 1);
        grid->addWidget(c.vc[std::size_t(i)], row, 2);
    }
    grid->setRowStretch(row, 1);
    return column;
}

QRadioButton* option(const QString& name, const QString& caption, const QString& tag, QWidget* parent)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    if (!tag.isEmpty())
        platform::setTag(button, tag);
    return button;
}

// One group's options in a few columns inside its container; the container keeps them
// exclusive. The start choice is made here, before any handler listens.
void fillGroup(BuilderControls& c, const OptionGroupDef& group, QWidget* container)
{
    auto* grid = new QGridLayout(container);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(0);
    const QString tag = QString::fromLatin1(group.tag);
    int position = 0;
    for (const OptionDef& def : group.options) {
        QRadioButton* button =
            option(kit::element("ob", def.index), QString::fromLatin1(def.caption), tag, container);
        c.ob[std::size_t(def.index)] = button;
        grid->addWidget(button, position / kOptionColumns, position % kOptionColumns);
        ++position;
        if (def.index == group.defaultIndex)
            button->setChecked(true);
    }
    if (group.extraName) {
        QRadioButton* extra = option(QString::fromLatin1(group.extraName),
                                     QString::fromLatin1(group.extraCaption), {}, container);
        grid->addWidget(extra, position / kOptionColumns, position % kOptionColumns);
        extra->setChecked(true);
        (QLatin1String(group.extraName) == QLatin1String("lsp") ? c.lsp : c.lst) = extra;
    }
}

QWidget* optionColumn(BuilderControls& c, QWidget* parent)
{
    auto* scroll = new QScrollArea(parent);
    scroll->setFixedWidth(kOptionColumnWidth);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // It shows no focus mark, so Tab passes it by for the options it holds.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* inner = new QWidget(scroll);
    auto* stack = new QVBoxLayout(inner);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(2);
    for (const OptionGroupDef& group : optionGroups()) {
        if (group.inFrame) {
            auto* frame = new QGroupBox(QString::fromLatin1(group.frameCaption), inner);
            frame->setObjectName(kit::element("Frame1", group.container));
            c.frames[std::size_t(group.container)] = frame;
            fillGroup(c, group, frame);
            stack->addWidget(frame);
        } else {
            // A borderless box has no caption of its own; a plain heading names its property.
            auto* heading = new QLabel(QString::fromLatin1(group.tag).toLower(), inner);
            stack->addWidget(heading);
            auto* box = new QWidget(inner);
            box->setObjectName(kit::element("pct", group.container));
            c.pct[std::size_t(group.container)] = box;
            fillGroup(c, group, box);
            stack->addWidget(box);
        }
    }
    stack->addStretch();
    scroll->setWidget(inner);
    return scroll;
}

QWidget* ruleColumn(BuilderControls& c, QWidget* parent, PreviewEngine engine)
{
    auto* column = new QWidget(parent);
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    c.fin_0 = kit::pictureButton(kit::element("fin", 0), QStyle::SP_DialogCloseButton, QStringLiteral("Exit"),
                                 column);
    stack->addWidget(c.fin_0, 0, Qt::AlignRight);
    c.Label1 = kit::label(QStringLiteral("Label1"), QStringLiteral("Style Name"), column);
    c.sn = new QLineEdit(column);
    c.sn->setObjectName(QStringLiteral("sn"));
    stack->addWidget(c.Label1);
    stack->addWidget(c.sn);
    stack->addWidget(
        kit::label(QStringLiteral("Label2"), QStringLiteral("Copy / Paste in your Css File:"), column));
    c.css = new QPlainTextEdit(column);
    c.css->setObjectName(QStringLiteral("css"));
    // The box is written afresh at every change, so a Tab typed into it would not last:
    // Tab goes on to the next control, as everywhere else in the window.
    c.css->setTabChangesFocus(true);
    stack->addWidget(new DecorativeShape(kit::element("Shape1", 2), c.css, column), 1);
    stack->addWidget(kit::label(QStringLiteral("Label3"), QStringLiteral("Your Style is:"), column));
    c.wb = new StylePreview(engine, column);
    c.wb->setObjectName(QStringLiteral("wb"));
    stack->addWidget(new DecorativeShape(kit::element("Shape1", 3), c.wb, column), 2);
    return column;
}

} // namespace

const std::array<LengthRowDef, kLengthCount>& lengthRows()
{
    static const std::array<LengthRowDef, kLengthCount> rows{{
        {"FONT-SIZE", 100},
        {"LEFT", 300},
        {"HEIGHT", 300},
        {"LETTER-SPACING", 300},
        {"LINE-HEIGHT", 300},
        {"Margin-top", 300},
        {"Margin-bottom", 300},
        {"Margin-left", 300},
        {"Margin-right", 300},
        {"Padding-top", 300},
        {"Padding-bottom", 300},
        {"Padding-left", 300},
        {"Padding-right", 300},
        {"Text-indent", 300},
        {"WIDTH", 300},
        {"TOP", 300},
    }};
    return rows;
}

const std::array<const char*, kListCount>& listCaptions()
{
    static const std::array<const char*, kListCount> captions{"FONT-FAMILY", "vertical-align"};
    return captions;
}

const QList<QString>& verticalAlignItems()
{
    static const QList<QString> items{
        QStringLiteral("auto"),   QStringLiteral("baseline"), QStringLiteral("sub"),
        QStringLiteral("super"),  QStringLiteral("top"),      QStringLiteral("middle"),
        QStringLiteral("bottom"), QStringLiteral("text-top"), QStringLiteral("text-bottom"),
    };
    return items;
}

const std::array<ColourRowDef, kColourCount>& colourRows()
{
    static const std::array<ColourRowDef, kColourCount> rows{{
        {"BACKGROUND-COLOR", 216},
        {"COLOR", 1},
        {"BORDER-TOP-COLOR", 1},
        {"BORDER-LEFT-COLOR", 1},
        {"BORDER-BOTTOM-COLOR", 1},
        {"BORDER-RIGHT-COLOR", 1},
    }};
    return rows;
}

BuilderControls buildControls(QWidget* window, PreviewEngine engine)
{
    BuilderControls c;
    auto* row = new QHBoxLayout(window);
    row->addWidget(new DecorativeShape(kit::element("Shape1", 0), propertyColumn(c, window), window));
    row->addWidget(new DecorativeShape(kit::element("Shape1", 1), optionColumn(c, window), window));
    row->addWidget(ruleColumn(c, window, engine), 1);
    return c;
}

} // namespace cssbuilder
