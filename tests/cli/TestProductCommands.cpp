#include "products/ProductExport.h"
#include "products/SchedaArticolo.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SchedaArticolo;

namespace {

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

Run cli(const TempProgramFolder& folder, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TELVARA_CLI), QStringList({u"--cartella"_s, folder.path()}) + arguments);
    process.waitForFinished();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

using Fields = std::initializer_list<std::pair<Field, QString>>;

void addProducts(const TempProgramFolder& folder, std::initializer_list<Fields> products)
{
    RecordFile file(folder.file(u"Magazzino.pro"_s), layout);
    for (const Fields& fields : products) {
        Record record(layout);
        for (const auto& [field, text] : fields)
            record.setText(field, text);
        file.append(record);
    }
}

} // namespace

class TestProductCommands : public QObject
{
    Q_OBJECT

private slots:
    void searchPrintsTheLinesAndTheCount()
    {
        TempProgramFolder folder;
        addProducts(folder,
                    {{{Codice, u"A1"_s}, {Marca, u"Acme"_s}, {Modello, u"X200"_s}, {Note, u"perché"_s}},
                     {{Codice, u"A2"_s}, {Marca, u"ACME"_s}, {Modello, u"X300"_s}},
                     {{Codice, u"B1"_s}, {Marca, u"Beta"_s}, {Modello, u"200"_s}}});
        const Run run =
            cli(folder, {u"cerca"_s, u"articoli"_s, u"--marca"_s, u"acme"_s, u"--modello"_s, u"200"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, u"A1"_s + QString(28, u' ') + u"  Acme X200"_s + QString(31, u' ') +
                              u"  Costo: "_s + QString(12, u' ') + u"  Giacenza: "_s + QString(12, u' ') +
                              u"  Note: perché\nIl presente elenco contiene 1 schede.\n"_s);
        QCOMPARE(cli(folder, {u"cerca"_s, u"articoli"_s}).out.count(u'\n'), 4);
        for (const char16_t* option : {u"--codice", u"--tipologia", u"--descrizione", u"--accessori",
                                       u"--fornitore", u"--documento", u"--collocazione", u"--note"})
            QCOMPARE(cli(folder, {u"cerca"_s, u"articoli"_s, QString::fromUtf16(option), u"zzz"_s}).out,
                     u"Il presente elenco contiene 0 schede.\n"_s);
        QCOMPARE(cli(folder, {u"cerca"_s, u"articoli"_s, u"--prezzo"_s, u"1"_s}).exitCode, 2);
    }

    void lowStockListsWhatIsRunningOut()
    {
        TempProgramFolder folder;
        addProducts(folder, {{{Codice, u"PARI"_s}, {Giacenza, u"5"_s}, {Sottoscorta, u"5"_s}},
                             {{Codice, u"SOPRA"_s}, {Giacenza, u"6"_s}, {Sottoscorta, u"5"_s}},
                             {{Codice, u"ROTTO"_s}, {Giacenza, u"x"_s}, {Sottoscorta, u"5"_s}},
                             {{Codice, u"ZERO"_s}, {Giacenza, u"0"_s}, {Sottoscorta, u"0"_s}}});
        const Run run = cli(folder, {u"sottoscorta"_s});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(u'\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(u"PARI "_s));
        QVERIFY(lines[1].startsWith(u"ZERO "_s));
        QCOMPARE(run.err,
                 u"Attenzione: una scheda non è stata inclusa nell'elenco perché contiene valori non "
                 u"leggibili.\n"_s);
    }

    // The command writes the bytes the export window writes.
    void exportWritesTheSpreadsheet()
    {
        TempProgramFolder folder;
        addProducts(folder, {{{Codice, u"A1"_s}, {Marca, u"Pane & Vino"_s}, {Note, u"è <fragile>"_s}}});
        const Run run = cli(folder, {u"esporta"_s, u"articoli"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, folder.file(u"Magazzino.xls"_s) + u'\n');
        TextTable rows(int(ProductExport::columns().size()));
        ProductExport::definition().fill(rows);
        RecordGrid::write(folder.file(u"Atteso.xls"_s), ProductExport::target().sheetName,
                          ProductExport::columns(), rows);
        QCOMPARE(folder.readAll(u"Magazzino.xls"_s), folder.readAll(u"Atteso.xls"_s));
        QVERIFY(folder.readAll(u"Magazzino.xls"_s).contains("Pane &amp; Vino"));
    }
};

QTEST_GUILESS_MAIN(TestProductCommands)
#include "TestProductCommands.moc"
