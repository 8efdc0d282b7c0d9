#pragma once
// The option groups of the style-sheet builder as data: where each group sits, the
// property it sets (the tag of its options), its options with their index in the option
// array and their caption as designed, and the option chosen when the window opens.

#include <QList>
#include <QString>

namespace cssbuilder
{

inline constexpr int kOptionCount = 107; // ob(0..106)
inline constexpr int kPictureGroupCount = 10;
inline constexpr int kFrameGroupCount = 11;

struct OptionDef {
    int index;           // in the option array
    const char* caption; // as designed; the window lower-cases it when it loads
};

struct OptionGroupDef {
    bool inFrame;  // a captioned frame, else a borderless picture box
    int container; // index of the picture box or of the frame
    const char* frameCaption;
    const char* tag; // the CSS property, letter case as given
    QList<OptionDef> options;
    int defaultIndex;      // option index chosen at start, or kExtraOption
    const char* extraName; // the option outside the array ("lsp", "lst") or nullptr
    const char* extraCaption;
};

inline constexpr int kExtraOption = -1;

// The 21 groups: picture boxes 0 to 9, then frames 0 to 10.
const QList<OptionGroupDef>& optionGroups();

} // namespace cssbuilder
