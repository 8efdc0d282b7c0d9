#include "cssbuilder/style_rules.h"

#include "generators/common/template.h"

namespace cssbuilder
{

namespace
{

// The preview page; <sheet> is the style sheet's file name.
constexpr char16_t kPreviewPage[] = uR"(
<HTML>
<HEAD>
<STYLE type=text/css>@import url(<dq><sheet><dq>);
</STYLE>
</HEAD>
<BODY>
<P class=<dq>try<dq>>Look at this style! Look at this style! <BR>Look at this style! Look at this style!</P>
<P class=<dq>try<dq>>Look at this style! Look at this style! <BR>Look at this style! Look at this style!</P>
</BODY>
</HTML>
)";

const QString kClassLine = QStringLiteral(".try");
const QString kOpenBrace = QStringLiteral("{");
const QString kCloseBrace = QStringLiteral("}");

// Options whose value is the property's initial one write nothing.
bool writesOptionLine(const OptionValue& option)
{
    return option.chosen && option.caption != QLatin1String("none") &&
           option.caption != QLatin1String("normal");
}

} // namespace

QStringList buildWebColors()
{
    static const char* const levels[] = {"00", "33", "66", "99", "CC", "FF"};
    QStringList colours(kWebColourEntries);
    int k = 0;
    for (const char* red : levels) {
        for (const char* green : levels) {
            for (const char* blue : levels)
                colours[++k] = QStringLiteral("#%1%2%3").arg(QLatin1String(red), QLatin1String(green),
                                                             QLatin1String(blue));
        }
    }
    return colours;
}

QStringList styleSheetLines(const StyleValues& values, const QStringList& webColors)
{
    QStringList lines{kClassLine, kOpenBrace};
    for (const LengthValue& length : values.lengths) {
        if (!length.text.isEmpty())
            lines.append(length.property + QStringLiteral(": ") + length.text + QStringLiteral("px;"));
    }
    for (const ListValue& list : values.lists) {
        if (!list.text.isEmpty())
            lines.append(list.property + QStringLiteral(": ") + list.text + QStringLiteral(";"));
    }
    for (const ColourValue& colour : values.colours) {
        if (colour.boxText.isEmpty())
            continue;
        // Only the slider's own range reaches the table; anything else has no colour to write.
        if (colour.position < 1 || colour.position >= webColors.size() ||
            webColors[colour.position].isEmpty())
            continue;
        lines.append(colour.property + QStringLiteral(": ") + webColors[colour.position] +
                     QStringLiteral(";"));
    }
    for (const OptionValue& option : values.options) {
        if (writesOptionLine(option))
            lines.append(option.tag + QStringLiteral(": ") + option.caption + QStringLiteral(";"));
    }
    lines.append(kCloseBrace);
    return lines;
}

QStringList emptyStyleSheetLines()
{
    return {kClassLine, kOpenBrace, kCloseBrace};
}

QStringList previewPageLines()
{
    return generators::expandBlock(kPreviewPage, {{QStringLiteral("sheet"), QLatin1String(kStyleSheetName)}});
}

QStringList ruleBoxLines(const QString& styleName, const QStringList& fileLines, bool fileRead)
{
    QStringList lines{QStringLiteral(".") + styleName};
    if (!fileRead)
        return lines;
    for (qsizetype i = 1; i < fileLines.size(); ++i)
        lines.append(fileLines[i].toLower());
    return lines;
}

} // namespace cssbuilder
