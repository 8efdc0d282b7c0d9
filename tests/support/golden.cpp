#include "support/golden.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

namespace testsupport
{

QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString asPreview(const QByteArray& file)
{
    QString text = "\n" + QString::fromLatin1(file);
    text.chop(2);
    return text.replace("\r\n", "\n");
}

QString compareWithGolden(const QString& goldenName, const QByteArray& actual)
{
    const QString path = QStringLiteral(QUILLMERE_GOLDEN_DIR "/") + goldenName;
    const bool exists = QFileInfo::exists(path);
    const QByteArray expected = readFileBytes(path);
    if (exists && expected == actual)
        return {};
    if (qEnvironmentVariable("QUILLMERE_UPDATE_GOLDEN") == QLatin1String("1")) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile out(path);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(actual);
        return {};
    }
    if (!exists)
        return QStringLiteral("golden file %1 is missing").arg(path);
    const QList<QByteArray> e = expected.split('\n');
    const QList<QByteArray> a = actual.split('\n');
    for (qsizetype i = 0; i < qMax(e.size(), a.size()); ++i) {
        const QByteArray el = i < e.size() ? e[i] : QByteArray("<end of file>");
        const QByteArray al = i < a.size() ? a[i] : QByteArray("<end of file>");
        if (el != al) {
            return QStringLiteral("%1 differs at line %2:\n  expected: %3\n  actual:   %4")
                .arg(goldenName)
                .arg(i + 1)
                .arg(QString::fromLatin1(el.toPercentEncoding(" =;,.()<>&'\"_-:/*+!?#[]{}|\\")),
                     QString::fromLatin1(al.toPercentEncoding(" =;,.()<>&'\"_-:/*+!?#[]{}|\\")));
        }
    }
    return QStringLiteral("%1 differs").arg(goldenName);
}

} // namespace testsupport
