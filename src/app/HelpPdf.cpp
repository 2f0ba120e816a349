// Writes Guida.pdf at build time: every help the program shows, each under its title on a page of its
// own, after a table of contents, with a bookmark for each help.

#include "app/HelpCatalogue.h"
#include "app/PdfOutline.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>

namespace {

const QString guideTitle = QStringLiteral("Telvara 3.0 - Guida all'utilizzo del software");

QTextCharFormat headingFormat(qreal points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(QFont::Bold);
    format.setForeground(QColor(0x12, 0x2B, 0x57));
    return format;
}

// The guide on pages of the writer's size: the title and the contents, then each help from a new page.
// Returns the block of each help's title; pages gives the page each help starts on, for the contents.
// Margins are in the layout's dots, layoutDots of the page's each.
QList<QTextBlock> compose(QTextDocument& document, const QList<HelpTopic>& topics, const QList<int>& pages,
                          int margin, qreal layoutDots)
{
    document.clear();
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(margin);
    document.rootFrame()->setFrameFormat(frame);
    QTextCursor cursor(&document);
    QTextBlockFormat title;
    title.setBottomMargin(18);
    cursor.setBlockFormat(title);
    cursor.insertText(guideTitle, headingFormat(18));

    QTextBlockFormat contentsHeading;
    contentsHeading.setTopMargin(12);
    contentsHeading.setBottomMargin(8);
    cursor.insertBlock(contentsHeading);
    cursor.insertText(QStringLiteral("Indice"), headingFormat(13));
    QTextBlockFormat contentsLine;
    contentsLine.setTopMargin(3);
    const qreal width = document.pageSize().width() / layoutDots - 2 * margin;
    contentsLine.setTabPositions({QTextOption::Tab(width, QTextOption::RightTab)});
    for (qsizetype i = 0; i < topics.size(); ++i) {
        cursor.insertBlock(contentsLine, QTextCharFormat());
        cursor.insertText(topics.at(i).title + u'\t' + QString::number(pages.value(i) + 1));
    }

    QList<QTextBlock> headings;
    QTextBlockFormat heading;
    heading.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    heading.setBottomMargin(8);
    QTextBlockFormat paragraph;
    paragraph.setTopMargin(10);
    paragraph.setAlignment(Qt::AlignJustify);
    paragraph.setLineHeight(125, QTextBlockFormat::ProportionalHeight);
    for (const HelpTopic& topic : topics) {
        cursor.insertBlock(heading, QTextCharFormat());
        cursor.insertText(topic.title, headingFormat(13));
        headings << cursor.block();
        for (const QString& text : topic.paragraphs()) {
            cursor.insertBlock(paragraph, QTextCharFormat());
            cursor.insertText(text);
        }
    }
    return headings;
}

// The page (from 0) each block starts on.
QList<int> pagesOf(const QTextDocument& document, const QList<QTextBlock>& blocks)
{
    QList<int> pages;
    for (const QTextBlock& block : blocks)
        pages << int(document.documentLayout()->blockBoundingRect(block).top() /
                     document.pageSize().height());
    return pages;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "Uso: telvara-guida-pdf FILE.pdf\n";
        return 2;
    }
    const QList<HelpTopic> topics = HelpCatalogue::topics();

    QList<int> pages;
    {
        QPdfWriter writer(arguments.at(1));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Guida all'utilizzo del software"));
        writer.setCreator(QStringLiteral("Telvara 3.0"));

        QTextDocument document;
        document.documentLayout()->setPaintDevice(&writer);
        document.setDefaultFont(QFont(QStringLiteral("Arial"), 11));
        // The layout measures margins and tabs at 96 dots an inch and scales them to the writer's.
        const qreal layoutDots = writer.resolution() / 96.0;
        const int margin = int(2 / 2.54 * 96);
        document.setPageSize(QSizeF(writer.width(), writer.height()));

        // The contents take the same lines whatever pages they name: a first layout gives the pages.
        pages =
            pagesOf(document, compose(document, topics, QList<int>(topics.size(), 0), margin, layoutDots));
        pages = pagesOf(document, compose(document, topics, pages, margin, layoutDots));

        QPainter painter(&writer);
        const QSizeF page = document.pageSize();
        for (int i = 0; i < document.pageCount(); ++i) {
            if (i > 0)
                writer.newPage();
            painter.save();
            painter.translate(0, -i * page.height());
            document.drawContents(&painter, QRectF(0, i * page.height(), page.width(), page.height()));
            painter.restore();
            painter.setFont(QFont(QStringLiteral("Arial"), 9));
            painter.drawText(
                QRectF(0, page.height() - margin * layoutDots, page.width(), margin * layoutDots / 2),
                Qt::AlignCenter, QString::number(i + 1));
        }
    }

    QList<PdfOutline::Bookmark> bookmarks;
    for (qsizetype i = 0; i < topics.size(); ++i)
        bookmarks << PdfOutline::Bookmark{topics.at(i).title, pages.at(i)};
    if (!PdfOutline::add(arguments.at(1), bookmarks)) {
        QTextStream(stderr) << "telvara-guida-pdf: segnalibri non scritti in " << arguments.at(1) << '\n';
        return 1;
    }
    return 0;
}
