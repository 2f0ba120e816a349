#include "platform/ReportPdf.h"

#include "platform/ReportPainter.h"

#include <cstdlib>
#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// A PDF text string: UTF-16BE with its byte-order mark, in hexadecimal, so any character is safe.
QByteArray pdfText(const QString& text)
{
    QByteArray bytes("FEFF");
    for (const QChar c : text)
        bytes += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return '<' + bytes + '>';
}

QByteArray pdfDate(const QDateTime& when)
{
    const int offset = when.offsetFromUtc();
    QByteArray zone = "Z";
    if (offset != 0) {
        const int minutes = std::abs(offset) / 60;
        zone = (offset > 0 ? "+" : "-") + QByteArray::number(minutes / 60).rightJustified(2, '0') + '\'' +
               QByteArray::number(minutes % 60).rightJustified(2, '0') + '\'';
    }
    return "(D:" + when.toString(u"yyyyMMddHHmmss").toLatin1() + zone + ')';
}

QString xmlEscaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QByteArray xmpMetadata(const ReportTemplate& report, const QDateTime& created)
{
    // With its offset from UTC, which a local time leaves out of its ISO form.
    const QString date = created.toOffsetFromUtc(created.offsetFromUtc()).toString(Qt::ISODate);
    const QString xml =
        QStringLiteral("<?xpacket begin='\xFEFF' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
                       "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
                       "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
                       "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'"
                       " xmlns:xmp='http://ns.adobe.com/xap/1.0/' xmlns:pdf='http://ns.adobe.com/pdf/1.3/'>\n"
                       "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
                       "<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>%2</rdf:li></rdf:Alt>"
                       "</dc:description>\n"
                       "<dc:creator><rdf:Seq><rdf:li>%3</rdf:li></rdf:Seq></dc:creator>\n"
                       "<xmp:CreatorTool>%4</xmp:CreatorTool>\n"
                       "<xmp:CreateDate>%5</xmp:CreateDate>\n"
                       "<pdf:Producer>Qt %6</pdf:Producer>\n"
                       "</rdf:Description>\n"
                       "</rdf:RDF>\n"
                       "</x:xmpmeta>\n"
                       "<?xpacket end='w'?>")
            .arg(xmlEscaped(report.title()), xmlEscaped(report.subject()), xmlEscaped(report.author()),
                 xmlEscaped(report.creator()), date, QLatin1StringView(QT_VERSION_STR));
    return xml.toUtf8();
}

// Appends a new information dictionary to a complete PDF as an incremental update: a new object, a
// cross-reference section for it and a trailer pointing back to the previous one. Empty when the file's
// trailer cannot be read.
QByteArray infoUpdate(const QByteArray& pdf, const ReportTemplate& report, const QDateTime& created)
{
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype trailer = pdf.lastIndexOf("trailer", startxref);
    if (startxref < 0 || trailer < 0)
        return {};
    static const QRegularExpression previousXref(QStringLiteral("^startxref\\s+(\\d+)"));
    static const QRegularExpression size(QStringLiteral("/Size\\s+(\\d+)"));
    static const QRegularExpression root(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)"));
    static const QRegularExpression id(QStringLiteral("/ID\\s*(\\[[^\\]]*\\])"));
    const QString tail = QString::fromLatin1(pdf.mid(startxref, 64));
    const QString dictionary = QString::fromLatin1(pdf.mid(trailer, startxref - trailer));
    const QRegularExpressionMatch prevMatch = previousXref.match(tail);
    const QRegularExpressionMatch sizeMatch = size.match(dictionary);
    const QRegularExpressionMatch rootMatch = root.match(dictionary);
    if (!prevMatch.hasMatch() || !sizeMatch.hasMatch() || !rootMatch.hasMatch())
        return {};
    const QByteArray object = sizeMatch.captured(1).toLatin1();
    const qsizetype objectCount = sizeMatch.captured(1).toLongLong() + 1;

    QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    const qsizetype objectOffset = pdf.size() + update.size();
    update += object + " 0 obj\n<<\n";
    update += "/Title " + pdfText(report.title()) + '\n';
    update += "/Subject " + pdfText(report.subject()) + '\n';
    update += "/Author " + pdfText(report.author()) + '\n';
    update += "/Creator " + pdfText(report.creator()) + '\n';
    update += "/Producer " + pdfText(QStringLiteral("Qt ") + QLatin1StringView(QT_VERSION_STR)) + '\n';
    update += "/CreationDate " + pdfDate(created) + '\n';
    update += ">>\nendobj\n";
    const qsizetype xrefOffset = pdf.size() + update.size();
    update +=
        "xref\n" + object + " 1\n" + QByteArray::number(objectOffset).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<\n/Size " + QByteArray::number(objectCount) + "\n/Root " +
              rootMatch.captured(1).toLatin1() + "\n/Info " + object + " 0 R\n";
    const QRegularExpressionMatch idMatch = id.match(dictionary);
    if (idMatch.hasMatch())
        update += "/ID " + idMatch.captured(1).toLatin1() + '\n';
    update += "/Prev " + prevMatch.captured(1).toLatin1() + "\n>>\nstartxref\n" +
              QByteArray::number(xrefOffset) + "\n%%EOF\n";
    return update;
}

} // namespace

QByteArray ReportPdf::document(const ReportTemplate& report, const QDateTime& created)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(report.title());
        writer.setCreator(report.creator());
        writer.setDocumentXmpMetadata(xmpMetadata(report, created));
        if (!ReportPainter::render(report, writer))
            return {};
    }
    QByteArray pdf = buffer.data();
    pdf += infoUpdate(pdf, report, created);
    return pdf;
}

bool ReportPdf::write(const ReportTemplate& report, const QString& path)
{
    const QByteArray pdf = document(report);
    if (pdf.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(pdf);
    return file.commit();
}
