#include "app/HelpCatalogue.h"
#include "PdfTools.h"

#include <algorithm>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The text without its spacing, which lines, columns and justified lines change as they lay it out.
QString words(QString text)
{
    return text.remove(QRegularExpression(u"\\s+"_s));
}

} // namespace

// Guida.pdf, as the build writes it: every help the windows show, each under its title, found from the
// contents and from the bookmarks.
class TestGuide : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!PdfTools::available())
            QSKIP("poppler-utils is not installed");
        m_pages = PdfTools::text(QStringLiteral(TELVARA_GUIDE)).split(u'\f');
        if (m_pages.last().trimmed().isEmpty())
            m_pages.removeLast();
        QVERIFY(m_pages.size() > 2);
        // Each page ends with its number.
        for (qsizetype i = 0; i < m_pages.size(); ++i) {
            QString& page = m_pages[i];
            page = page.trimmed();
            QVERIFY2(page.endsWith(QString::number(i + 1)), qPrintable(page.right(40)));
            page.chop(QString::number(i + 1).size());
        }
    }

    // The helps of the lists, summaries and exports are there beside the applications'.
    void holdsTheHelpsOfEveryWindow_data()
    {
        QTest::addColumn<QString>("title");
        for (const char* title :
             {"Uno sguardo a Telvara 3.0.", "Esportazione archivio clienti in Microsoft Excel.",
              "Esportazione archivio operatori e agenti in Microsoft Excel.",
              "Esportazione archivio prodotti e servizi in Microsoft Excel.",
              "Esportazione Scadenzario e appuntamenti in Microsoft Excel.",
              "Esportazione Registro chiamate in Microsoft Excel.",
              "Esportazione Registro vendite in Microsoft Excel.", "Riepilogo chiamate.",
              "Riepilogo vendite.", "Visualizzazione scadenze e appuntamenti.",
              "Visualizzazione scadenze o appuntamenti."})
            QTest::newRow(title) << QString::fromUtf8(title);
    }

    void holdsTheHelpsOfEveryWindow()
    {
        QFETCH(QString, title);
        const bool listed = std::any_of(m_catalogue.cbegin(), m_catalogue.cend(),
                                        [&title](const HelpTopic& topic) { return topic.title == title; });
        QVERIFY2(listed, qPrintable(title));
    }

    // Each help starts a page with its title, followed by its text word for word, and has a bookmark
    // that leads there and a line of the contents that names that page.
    void everyHelpUnderItsTitle()
    {
        const QList<PdfTools::Bookmark> bookmarks = PdfTools::bookmarks(QStringLiteral(TELVARA_GUIDE));
        QCOMPARE(bookmarks.size(), m_catalogue.size());
        const QString contents = words(m_pages.first());
        for (qsizetype i = 0; i < m_catalogue.size(); ++i) {
            const HelpTopic& topic = m_catalogue.at(i);
            QCOMPARE(bookmarks.at(i).title, topic.title);
            const int page = bookmarks.at(i).page;
            QVERIFY2(page >= 1 && page <= m_pages.size(), qPrintable(topic.title));
            QVERIFY2(words(m_pages.at(page - 1)).startsWith(words(topic.title)), qPrintable(topic.title));
            QVERIFY2(contents.contains(words(topic.title) + QString::number(page)), qPrintable(topic.title));
            // Its paragraphs follow, in their order, across as many pages as they take.
            QString from = m_pages.at(page - 1);
            for (int next = page; next < m_pages.size() && !words(from).contains(words(topic.text)); ++next)
                from += u' ' + m_pages.at(next);
            from = words(from);
            qsizetype at = 0;
            for (const QString& paragraph : topic.paragraphs()) {
                at = from.indexOf(words(paragraph), at);
                QVERIFY2(at >= 0, qPrintable(topic.title + u": "_s + paragraph));
            }
        }
    }

private:
    const QList<HelpTopic> m_catalogue = HelpCatalogue::topics();
    QStringList m_pages;
};

QTEST_MAIN(TestGuide)
#include "TestGuide.moc"
