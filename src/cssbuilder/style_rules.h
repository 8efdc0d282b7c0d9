#pragma once
// The style-sheet builder's files as pure functions of the edited values: the web-safe
// colour table, the style sheet the preview imports, the preview page itself and the
// rule shown for copying. The window gathers the values from its controls; nothing here
// touches a widget or a file.

#include <QList>
#include <QString>
#include <QStringList>

namespace cssbuilder
{

inline constexpr char kStyleSheetName[] = "css_builder.css";
inline constexpr char kPreviewPageName[] = "style.htm";

// The web-safe colours: entries 1 to 216 hold "#" and six hexadecimal digits (red,
// green, blue stepping through 00 33 66 99 CC FF, blue fastest); entry 0 and the
// spare entries 217 to 220 stay empty.
inline constexpr int kWebColourCount = 216;
inline constexpr int kWebColourEntries = 221;
QStringList buildWebColors();

// A property written in pixels: the property name and the box text (empty: left out).
struct LengthValue {
    QString property;
    QString text;
};

// A property chosen from a list or typed: the name and the box text (empty: left out).
struct ListValue {
    QString property;
    QString text;
};

// A colour property: the colour written is the web-safe colour at the slider's
// position; the box text only says whether the property is written.
struct ColourValue {
    QString property;
    int position = 1;
    QString boxText;
};

// One option of the option groups, in index order: the property (its tag), the value
// (its caption) and whether it is the chosen option of its group.
struct OptionValue {
    QString tag;
    QString caption;
    bool chosen = false;
};

struct StyleValues {
    QList<LengthValue> lengths;
    QList<ListValue> lists;
    QList<ColourValue> colours;
    QList<OptionValue> options;
};

// The style sheet's lines: the class "try" with every property that is set.
QStringList styleSheetLines(const StyleValues& values, const QStringList& webColors);

// The style sheet as it stands before any property is set.
QStringList emptyStyleSheetLines();

// The preview page: two sample paragraphs of the class "try", importing the style sheet.
QStringList previewPageLines();

// The rule shown for copying, from the style sheet as read back: "." and the style
// name, then every line of the file after its first, in lower case. When the file could
// not be read, the first line alone.
QStringList ruleBoxLines(const QString& styleName, const QStringList& fileLines, bool fileRead);

} // namespace cssbuilder
