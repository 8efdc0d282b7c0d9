#pragma once
// Reads back what a written .xlsx holds, through the unzip tool: the cells of its first
// sheet (reference such as "B2" -> text or number as written), their number formats and
// its sheet names.

#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace testsupport
{

inline bool unzipAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty();
}

inline QByteArray xlsxPart(const QString& path, const QString& part)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, part});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0)
        return {};
    return unzip.readAllStandardOutput();
}

// Cells of xl/worksheets/sheet1.xml; a number is prefixed "#" so a test sees which
// cells hold numbers and which hold text.
inline QMap<QString, QString> xlsxCells(const QString& path)
{
    QMap<QString, QString> cells;
    QXmlStreamReader xml(xlsxPart(path, QStringLiteral("xl/worksheets/sheet1.xml")));
    QString ref;
    bool number = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("c")) {
            ref = xml.attributes().value(QLatin1String("r")).toString();
            number = xml.attributes().value(QLatin1String("t")).isEmpty();
        } else if (xml.name() == QLatin1String("t") || xml.name() == QLatin1String("v")) {
            const QString text = xml.readElementText();
            cells[ref] = number ? QLatin1Char('#') + text : text;
        }
    }
    return cells;
}

// The number format of every styled cell of the first sheet (reference -> format code
// such as "yyyy-mm-dd"), through xl/styles.xml.
inline QMap<QString, QString> xlsxCellFormats(const QString& path)
{
    QMap<int, QString> codes; // numFmtId -> formatCode
    QList<int> styleFormats;  // cellXfs index -> numFmtId
    QXmlStreamReader styles(xlsxPart(path, QStringLiteral("xl/styles.xml")));
    bool inCellXfs = false;
    while (!styles.atEnd()) {
        styles.readNext();
        if (styles.isEndElement() && styles.name() == QLatin1String("cellXfs"))
            inCellXfs = false;
        if (!styles.isStartElement())
            continue;
        const QXmlStreamAttributes a = styles.attributes();
        if (styles.name() == QLatin1String("numFmt"))
            codes[a.value(QLatin1String("numFmtId")).toInt()] =
                a.value(QLatin1String("formatCode")).toString();
        else if (styles.name() == QLatin1String("cellXfs"))
            inCellXfs = true;
        else if (inCellXfs && styles.name() == QLatin1String("xf"))
            styleFormats << a.value(QLatin1String("numFmtId")).toInt();
    }
    QMap<QString, QString> formats;
    QXmlStreamReader sheet(xlsxPart(path, QStringLiteral("xl/worksheets/sheet1.xml")));
    while (!sheet.atEnd()) {
        sheet.readNext();
        if (!sheet.isStartElement() || sheet.name() != QLatin1String("c"))
            continue;
        const QXmlStreamAttributes a = sheet.attributes();
        if (!a.hasAttribute(QLatin1String("s")))
            continue;
        const int style = a.value(QLatin1String("s")).toInt();
        const int id = style < styleFormats.size() ? styleFormats[style] : -1;
        formats[a.value(QLatin1String("r")).toString()] = codes.value(id, QString::number(id));
    }
    return formats;
}

inline QStringList xlsxSheetNames(const QString& path)
{
    QStringList names;
    QXmlStreamReader xml(xlsxPart(path, QStringLiteral("xl/workbook.xml")));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("sheet"))
            names << xml.attributes().value(QLatin1String("name")).toString();
    }
    return names;
}

} // namespace testsupport
