#pragma once
// The controls of the style-sheet builder and their layout: the length, list and colour
// rows, the option groups, the style name, the rule box, the preview and the Exit button,
// each carrying its control name, in the state the window starts from.

#include "cssbuilder/option_groups.h"
#include "cssbuilder/style_preview.h"

#include <QList>
#include <QString>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace cssbuilder
{

inline constexpr int kLengthCount = 16;
inline constexpr int kListCount = 2;
inline constexpr int kColourCount = 6;

struct LengthRowDef {
    const char* caption;
    int maximum;
};
// The length properties in index order; every slider starts at its minimum of 1.
const std::array<LengthRowDef, kLengthCount>& lengthRows();
inline constexpr int kLengthMinimum = 1;

// The list properties: their captions, and the fixed items of the vertical-align list.
const std::array<const char*, kListCount>& listCaptions();
const QList<QString>& verticalAlignItems();
inline constexpr int kListSliderStart = 1;

struct ColourRowDef {
    const char* caption;
    int start;
};
const std::array<ColourRowDef, kColourCount>& colourRows();

struct BuilderControls {
    std::array<QLabel*, kLengthCount> l_pr{};
    std::array<QScrollBar*, kLengthCount> h_pr{};
    std::array<QLineEdit*, kLengthCount> v_pr{};
    std::array<QLabel*, kListCount> lcb{};
    std::array<QComboBox*, kListCount> cb{};
    std::array<QScrollBar*, kListCount> hcb{};
    std::array<QLabel*, kColourCount> lc{};
    std::array<QScrollBar*, kColourCount> hr{};
    std::array<QLineEdit*, kColourCount> vc{};
    std::array<QRadioButton*, kOptionCount> ob{};
    QRadioButton* lsp = nullptr;
    QRadioButton* lst = nullptr;
    std::array<QWidget*, kPictureGroupCount> pct{};
    std::array<QGroupBox*, kFrameGroupCount> frames{};
    QLabel* Label1 = nullptr;
    QLineEdit* sn = nullptr;
    QPlainTextEdit* css = nullptr;
    StylePreview* wb = nullptr;
    QPushButton* fin_0 = nullptr;
};

// Creates every control inside `window`, lays them out and gives them their start state.
// No handler is connected yet.
BuilderControls buildControls(QWidget* window, PreviewEngine engine);

} // namespace cssbuilder
