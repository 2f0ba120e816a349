#include "PdfTools.h"

#include <QProcess>
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
