#include "PdfTools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

bool PdfTools::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

QString PdfTools::text(const QString& path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                             QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}

QMap<QString, QString> PdfTools::info(const QString& path)
{
    QMap<QString, QString> fields;
    const QString output =
        run(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path});
    for (const QString& line : output.split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0)
            fields.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    return fields;
}

QList<PdfTools::Bookmark> PdfTools::bookmarks(const QString& path)
{
    const QString xml = run(QStringLiteral("pdftohtml"),
                            {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-stdout"),
                             QStringLiteral("-enc"), QStringLiteral("UTF-8"), path});
    QList<Bookmark> found;
    QRegularExpressionMatchIterator item =
        QRegularExpression(QStringLiteral("<item page=\"(\\d+)\">([^<]*)</item>")).globalMatch(xml);
    while (item.hasNext()) {
        const QRegularExpressionMatch match = item.next();
        QString title = match.captured(2);
        title.replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        found.append({title, match.captured(1).toInt()});
    }
    return found;
}
