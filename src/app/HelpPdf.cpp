// Writes Guida.pdf, the printable form of the general help, at build time.

#include "app/GeneralHelp.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "Uso: telvara-guida-pdf FILE.pdf\n";
        return 2;
    }
    const HelpTopic help = GeneralHelp::topic();

    QPdfWriter writer(arguments.at(1));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("Guida all'utilizzo del software"));
    writer.setCreator(QStringLiteral("Telvara 3.0"));

    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 11));
    QTextCursor cursor(&document);
    QTextBlockFormat heading;
    heading.setBottomMargin(18);
    QTextCharFormat headingText;
    headingText.setFontPointSize(18);
    headingText.setFontWeight(QFont::Bold);
    headingText.setForeground(QColor(0x12, 0x2B, 0x57));
    cursor.setBlockFormat(heading);
    cursor.insertText(QStringLiteral("Telvara 3.0 - Guida all'utilizzo del software\n"), headingText);
    QTextCharFormat subheadingText = headingText;
    subheadingText.setFontPointSize(13);
    cursor.insertText(help.title, subheadingText);

    QTextBlockFormat paragraph;
    paragraph.setTopMargin(10);
    paragraph.setAlignment(Qt::AlignJustify);
    paragraph.setLineHeight(125, QTextBlockFormat::ProportionalHeight);
    for (const QString& text : help.paragraphs()) {
        cursor.insertBlock(paragraph, QTextCharFormat());
        cursor.insertText(text);
    }
    document.print(&writer);
    return 0;
}
