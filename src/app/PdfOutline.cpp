#include "app/PdfOutline.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// The number of the object a dictionary entry refers to ("/Root 1 0 R"), or -1.
int reference(const QByteArray& dictionary, const char* key)
{
    const QRegularExpression pattern(QStringLiteral("/%1\\s+(\\d+)\\s+0\\s+R").arg(QLatin1StringView(key)));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(dictionary));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The dictionary of object n, from its "<<" to its matching ">>".
QByteArray objectDictionary(const QByteArray& pdf, int n)
{
    const QByteArray head = QByteArray::number(n) + " 0 obj";
    qsizetype at = pdf.indexOf("\n" + head);
    if (at < 0)
        return {};
    const qsizetype open = pdf.indexOf("<<", at);
    if (open < 0)
        return {};
    int depth = 0;
    for (qsizetype i = open; i + 1 < pdf.size(); ++i) {
        if (pdf.at(i) == '<' && pdf.at(i + 1) == '<') {
            ++depth;
            ++i;
        } else if (pdf.at(i) == '>' && pdf.at(i + 1) == '>') {
            ++i;
            if (--depth == 0)
                return pdf.mid(open, i + 1 - open);
        }
    }
    return {};
}

// A text string in UTF-16 with its byte order mark, as PDF readers take any title.
QByteArray textString(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

} // namespace

namespace PdfOutline {

bool add(const QString& path, const QList<Bookmark>& bookmarks)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray pdf = file.readAll();

    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startAt < trailerAt)
        return false;
    const QByteArray trailer = pdf.mid(trailerAt, startAt - trailerAt);
    const qint64 previous = pdf.mid(startAt + 9).trimmed().split('\n').value(0).trimmed().toLongLong();
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(QString::fromLatin1(trailer));
    const int root = reference(trailer, "Root");
    const int info = reference(trailer, "Info");
    const QByteArray catalog = objectDictionary(pdf, root);
    const QByteArray pagesTree = objectDictionary(pdf, reference(catalog, "Pages"));
    const qsizetype kidsAt = pagesTree.indexOf("/Kids");
    if (!size.hasMatch() || catalog.isEmpty() || kidsAt < 0 || previous <= 0)
        return false;
    QList<int> pages;
    const QByteArray kids = pagesTree.mid(kidsAt, pagesTree.indexOf(']', kidsAt) - kidsAt);
    QRegularExpressionMatchIterator kid =
        QRegularExpression(QStringLiteral("(\\d+)\\s+0\\s+R")).globalMatch(QString::fromLatin1(kids));
    while (kid.hasNext())
        pages << kid.next().captured(1).toInt();

    // The outline's root, one item per bookmark, and the catalog again, now pointing at the outline.
    const int first = size.captured(1).toInt();
    const int count = int(bookmarks.size());
    QList<QPair<int, QByteArray>> objects;
    objects.append({first, "<< /Type /Outlines /First " + QByteArray::number(first + 1) + " 0 R /Last " +
                               QByteArray::number(first + count) + " 0 R /Count " +
                               QByteArray::number(count) + " >>"});
    for (int i = 0; i < count; ++i) {
        const int page = pages.value(qBound(0, bookmarks.at(i).page, int(pages.size()) - 1), -1);
        if (page < 0)
            return false;
        QByteArray item = "<< /Title " + textString(bookmarks.at(i).title) + " /Parent " +
                          QByteArray::number(first) + " 0 R /Dest [" + QByteArray::number(page) +
                          " 0 R /Fit]";
        if (i > 0)
            item += " /Prev " + QByteArray::number(first + i) + " 0 R";
        if (i + 1 < count)
            item += " /Next " + QByteArray::number(first + i + 2) + " 0 R";
        objects.append({first + 1 + i, item + " >>"});
    }
    objects.append({root, catalog.chopped(2) + " /Outlines " + QByteArray::number(first) +
                              " 0 R /PageMode /UseOutlines >>"});

    QByteArray update = "\n";
    QList<QPair<int, qint64>> offsets;
    for (const auto& [number, dictionary] : objects) {
        offsets.append({number, pdf.size() + update.size()});
        update += QByteArray::number(number) + " 0 obj\n" + dictionary + "\nendobj\n";
    }
    const qint64 xref = pdf.size() + update.size();
    update += "xref\n" + QByteArray::number(root) + " 1\n" +
              QByteArray::number(offsets.last().second).rightJustified(10, '0') + " 00000 n \n" +
              QByteArray::number(first) + ' ' + QByteArray::number(count + 1) + '\n';
    for (int i = 0; i <= count; ++i)
        update += QByteArray::number(offsets.at(i).second).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<< /Size " + QByteArray::number(first + count + 1) + " /Root " +
              QByteArray::number(root) + " 0 R";
    if (info >= 0)
        update += " /Info " + QByteArray::number(info) + " 0 R";
    update += " /Prev " + QByteArray::number(previous) + " >>\nstartxref\n" + QByteArray::number(xref) +
              "\n%%EOF\n";
    return file.seek(pdf.size()) && file.write(update) == update.size() && file.flush();
}

} // namespace PdfOutline
