#include "clients/SchedaCliente.h"
#include "CompanionCli.h"
#include "products/SchedaArticolo.h"
#include "storage/RecordFile.h"
#include "storage/Windows1252.h"
#include "TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

struct Cell
{
    QString text;
    bool isText = true;
    bool operator==(const Cell&) const = default;
};

using Rows = QList<QList<Cell>>;

QString unescaped(QString text)
{
    return text.replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s).replace(u"&amp;"_s, u"&"_s);
}

// What an export says each cell holds: the worksheet as written, read back.
Rows written(const QByteArray& bytes)
{
    const QString html = Windows1252::decode(bytes);
    static const QRegularExpression row(u"<tr>(.*?)</tr>"_s);
    static const QRegularExpression cell(u"<td[^>]*>(.*?)</td>"_s);
    Rows rows;
    for (const QRegularExpressionMatch& r : row.globalMatch(html)) {
        QList<Cell> cells;
        for (const QRegularExpressionMatch& c : cell.globalMatch(r.captured(1)))
            cells.append(Cell{unescaped(c.captured(1))});
        rows.append(cells);
    }
    return rows;
}

// The cells of the first sheet of a flat OpenDocument spreadsheet, with whether each holds text.
Rows converted(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    Rows rows;
    int tables = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"table" && ++tables == 1)
            break;
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"table-row") {
            rows.append(QList<Cell>());
        } else if (xml.name() == u"table-cell") {
            const QXmlStreamAttributes attributes = xml.attributes();
            const int repeated = qMax(1, attributes.value(u"table:number-columns-repeated"_s).toInt());
            const QStringView type = attributes.value(u"office:value-type"_s);
            Cell cell{{}, type.isEmpty() || type == u"string"};
            int paragraphs = 0;
            bool inParagraph = false;
            while (!(xml.isEndElement() && xml.name() == u"table-cell") && !xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == u"p") {
                    if (paragraphs++ > 0)
                        cell.text += u'\n';
                    inParagraph = true;
                } else if (xml.isEndElement() && xml.name() == u"p") {
                    inParagraph = false;
                } else if (xml.isStartElement() && xml.name() == u"s") {
                    cell.text += QString(qMax(1, xml.attributes().value(u"text:c"_s).toInt()), u' ');
                } else if (xml.isCharacters() && inParagraph) {
                    cell.text += xml.text();
                }
            }
            for (int i = 0; i < repeated && rows.last().size() < 1024; ++i)
                rows.last().append(cell);
        }
    }
    return rows;
}

// Empty cells at the end of a row and empty rows at the end of a sheet are no part of it.
Rows withoutTrailingEmpties(Rows rows)
{
    for (QList<Cell>& cells : rows)
        while (!cells.isEmpty() && cells.last().text.isEmpty())
            cells.removeLast();
    while (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows;
}

// A client and an article whose codes start with zeros or read as numbers in Italian.
void addCardsThatLookLikeNumbers(const TempProgramFolder& folder)
{
    RecordFile clients(folder.file(u"Clienti.pro"_s), SchedaCliente::layout);
    Record client = clients.read(0);
    client.setText(SchedaCliente::Cliente, u"Zeri Anna"_s);
    client.setText(SchedaCliente::CapRes, u"00184"_s);
    client.setText(SchedaCliente::PartitaIva, u"01234567890"_s);
    client.setText(SchedaCliente::Carta, u"4111111111111111"_s);
    client.setText(SchedaCliente::Note, u"1E5"_s);
    clients.append(client);
    RecordFile articles(folder.file(u"Magazzino.pro"_s), SchedaArticolo::layout);
    Record article = articles.read(0);
    article.setText(SchedaArticolo::Codice, u"0012"_s);
    articles.append(article);
}

} // namespace

// Every export, opened in LibreOffice Calc as an Italian user would, shows each cell as the text written:
// no code loses its zeros, no amount, date or time becomes a number.
class TestExportsInLibreOffice : public QObject
{
    Q_OBJECT

private slots:
    void everyCellStaysTheTextWritten()
    {
        const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
        if (soffice.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed: scripts/install-deps.sh installs it");
        TempProgramFolder folder;
        QCOMPARE(runCompanion({u"--cartella"_s, folder.path(), u"demo"_s, u"--clienti"_s, u"40"_s,
                               u"--operatori"_s, u"8"_s, u"--articoli"_s, u"20"_s, u"--chiamate"_s, u"40"_s,
                               u"--vendite"_s, u"40"_s, u"--appuntamenti"_s, u"40"_s, u"--anno"_s, u"2023"_s,
                               u"--seme"_s, u"7"_s})
                     .status,
                 0);
        addCardsThatLookLikeNumbers(folder);
        const QList<QStringList> exports = {
            {u"clienti"_s},
            {u"operatori"_s},
            {u"articoli"_s},
            {u"chiamate"_s, u"--anno"_s, u"2023"_s},
            {u"vendite"_s, u"--anno"_s, u"2023"_s},
            {u"appuntamenti"_s, u"--anno"_s, u"2023"_s},
        };
        QStringList files;
        for (const QStringList& archive : exports) {
            const CompanionRun run =
                runCompanion(QStringList{u"--cartella"_s, folder.path(), u"esporta"_s} + archive);
            QVERIFY2(run.status == 0, run.errors.constData());
            files.append(QString::fromUtf8(run.output).trimmed());
        }

        // One run converts them all, in a profile of its own, under an Italian locale that reads
        // "12,50" as a number.
        QTemporaryDir sheets;
        QProcess office;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LC_ALL"_s, u"it_IT.UTF-8"_s);
        environment.insert(u"LANG"_s, u"it_IT.UTF-8"_s);
        environment.insert(u"HOME"_s, sheets.path());
        office.setProcessEnvironment(environment);
        office.start(soffice, QStringList{u"-env:UserInstallation=file://"_s + sheets.path() + u"/profilo"_s,
                                          u"--headless"_s, u"--norestore"_s, u"--convert-to"_s, u"fods"_s,
                                          u"--outdir"_s, sheets.path()} +
                                  files);
        QVERIFY(office.waitForFinished(300000));
        QCOMPARE(office.exitCode(), 0);

        for (const QString& path : std::as_const(files)) {
            const QString name = QFileInfo(path).completeBaseName();
            QFile exported(path);
            QVERIFY(exported.open(QIODevice::ReadOnly));
            const Rows expected = withoutTrailingEmpties(written(exported.readAll()));
            QVERIFY2(expected.size() > 2, qPrintable(name));
            const Rows read = withoutTrailingEmpties(converted(sheets.filePath(name + u".fods"_s)));
            QCOMPARE(read.size(), expected.size());
            for (qsizetype r = 0; r < expected.size(); ++r)
                QVERIFY2(read.at(r) == expected.at(r),
                         qPrintable(u"%1, row %2: %3 read as %4"_s.arg(
                             name, QString::number(r + 1), describe(expected.at(r)), describe(read.at(r)))));
        }
    }

private:
    static QString describe(const QList<Cell>& cells)
    {
        QStringList shown;
        for (const Cell& cell : cells)
            shown.append((cell.isText ? u"\""_s : u"number "_s) + cell.text +
                         (cell.isText ? u"\""_s : u""_s));
        return shown.join(u" | "_s);
    }
};

QTEST_GUILESS_MAIN(TestExportsInLibreOffice)
#include "TestExportsInLibreOffice.moc"
