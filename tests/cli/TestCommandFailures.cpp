#include "calls/SchedaChiamata.h"
#include "cli/Command.h"
#include "clients/SchedaCliente.h"
#include "FaultyFileIo.h"
#include "rules/ValueLists.h"
#include "sales/SchedaVendita.h"
#include "schedule/SchedaScadenza.h"
#include "screens/StorageMessages.h"
#include "storage/RecordFile.h"
#include "storage/Windows1252.h"
#include "TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <sys/stat.h>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

// A command run as telvara-cli runs it on the test's program folder, in this process, so that a fault
// of the file calls installed by the test reaches it.
Run run(const QStringList& commandLine)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    int exitCode = -1;
    for (const Command& command : commands())
        if (commandLine.first() == QLatin1StringView(command.name))
            exitCode = command.run(commandLine.mid(1), outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {exitCode, out, err};
}

void addSales(const TempProgramFolder& folder)
{
    RecordFile file(folder.file(u"2024.ven"_s), SchedaVendita::layout);
    for (const QString& amount : {u"10,50"_s, u"2,25"_s}) {
        Record record(SchedaVendita::layout);
        record.setText(SchedaVendita::DataRit, u"15/03/2024"_s);
        record.setText(SchedaVendita::Importo, amount);
        file.append(record);
    }
}

struct Appointment
{
    QString date;
    QString month;
    QString client = u"Rossi Anna"_s;
};

void addAppointments(const TempProgramFolder& folder, const QList<Appointment>& appointments)
{
    using namespace SchedaScadenza;
    RecordFile file(folder.file(u"2024.sca"_s), layout);
    for (const Appointment& a : appointments) {
        Record record(layout);
        record.setText(Giorno, a.date.left(2));
        record.setText(Mese, a.month);
        record.setText(Anno, u"2024"_s);
        record.setText(Data, a.date);
        record.setText(Ora, u"09:00"_s);
        record.setText(OreApp, u"09"_s);
        record.setText(MinutiApp, u"00"_s);
        record.setText(Avviso, u"1"_s);
        record.setText(Pagatore, a.client);
        file.append(record);
    }
}

// A register's year file of calls or sales (the date fields lie alike in both): June the 10th, a month
// that is no month's name, a day that is no day, the 11th with every length byte of its date past its
// field, a July call, and a year that is no year.
void addRegister(const TempProgramFolder& folder, const QString& name, const RecordLayout& layout)
{
    static_assert(int(SchedaChiamata::GiornoRit) == int(SchedaVendita::GiornoRit) &&
                  int(SchedaChiamata::MeseRit) == int(SchedaVendita::MeseRit) &&
                  int(SchedaChiamata::AnnoRit) == int(SchedaVendita::AnnoRit));
    using namespace SchedaVendita;
    RecordFile file(folder.file(name), layout);
    for (const auto& [day, month, year] : {std::tuple{u"10"_s, u"Giugno"_s, u"2024"_s},
                                           {u"10"_s, u"Giugnx"_s, u"2024"_s},
                                           {u"1x"_s, u"Giugno"_s, u"2024"_s},
                                           {u"11"_s, u"Giugno"_s, u"2024"_s},
                                           {u"12"_s, u"Luglio"_s, u"2024"_s},
                                           {u"12"_s, u"Giugno"_s, u"20x4"_s}}) {
        Record record(layout);
        record.setText(GiornoRit, day);
        record.setText(MeseRit, month);
        record.setText(AnnoRit, year);
        file.append(record);
    }
}

// The length byte of a field of record number (from 1) set past the field's width.
void damageLength(const TempProgramFolder& folder, const QString& name, const RecordLayout& layout,
                  qint64 number, int field)
{
    QByteArray bytes = folder.readAll(name);
    bytes[(number - 1) * layout.size() + layout.offset(field)] = char(255);
    folder.writeAll(name, bytes);
}

QString toldLeftOut(qint64 count)
{
    return count == 0 ? QString() : StorageMessages::cardsLeftOut(count) + u'\n';
}

} // namespace

// What the companion does when it cannot read what it shows: it says so and fails, or tells what it
// left out, and never passes a damaged or unreadable archive off as a result.
class TestCommandFailures : public QObject
{
    Q_OBJECT

private slots:
    // The lines of the profit summary are read again after its total: a failure there prints neither
    // the empty lines nor the total.
    void profitLinesThatCannotBeReadFailTheSummary_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QString>("operation");
        QTest::newRow("open") << int(FaultyFileIo::Open) << u"open"_s;
        QTest::newRow("read") << int(FaultyFileIo::Read) << u"scan"_s;
    }

    void profitLinesThatCannotBeReadFailTheSummary()
    {
        QFETCH(int, call);
        QFETCH(QString, operation);
        TempProgramFolder folder;
        addSales(folder);
        const QStringList summary{u"riepilogo"_s, u"profitti"_s, u"--anno"_s, u"2024"_s,
                                  u"--dal"_s,     u"01/03"_s,    u"--al"_s,   u"31/03"_s};
        QCOMPARE(run(summary).out.count(u'\n'), 4);
        FaultyFileIo io;
        // The first call of the kind reads the totals, the second the lines.
        io.failAt(FaultyFileIo::Call(call), 2, EIO, true);
        const Run failed = run(summary);
        QCOMPARE(failed.exitCode, 1);
        QCOMPARE(failed.out, QString());
        QCOMPARE(failed.err, operation + u' ' + folder.file(u"2024.ven"_s) + u": Input/output error\n"_s);
    }

    // A FIFO (or a device) in an archive's place is refused as the archive check describes it, without
    // waiting on a writer and without an export.
    void archivesThatAreNoFileAreRefused_data()
    {
        QTest::addColumn<QStringList>("commandLine");
        QTest::addColumn<QString>("archive");
        const auto row = [](const char* name, const QString& archive, const QString& commandLine) {
            QTest::newRow(name) << commandLine.split(u' ') << archive;
        };
        row("client search", u"Clienti.pro"_s, u"cerca clienti --cliente rossi"_s);
        row("client export", u"Clienti.pro"_s, u"esporta clienti"_s);
        row("operator export", u"Dipendenti.pro"_s, u"esporta operatori"_s);
        row("contracts", u"Dipendenti.pro"_s, u"contratti"_s);
        row("product export", u"Magazzino.pro"_s, u"esporta articoli"_s);
        row("low stock", u"Magazzino.pro"_s, u"sottoscorta"_s);
        row("call export", u"2024.tel"_s, u"esporta chiamate --anno 2024"_s);
        row("calls chart", u"2024.tel"_s, u"grafico chiamate --anno 2024"_s);
        row("sale summary export", u"2024.ven"_s, u"esporta vendite --anno 2024 --mese giugno"_s);
        row("profit summary", u"2024.ven"_s, u"riepilogo profitti --anno 2024 --dal 01/01 --al 31/12"_s);
        row("schedule export", u"2024.sca"_s, u"esporta appuntamenti --anno 2024"_s);
        row("month list export", u"2024.sca"_s, u"esporta appuntamenti --anno 2024 --mese giugno"_s);
        row("month list", u"2024.sca"_s, u"scadenze --anno 2024 --mese giugno"_s);
        row("appointment search", u"2024.sca"_s, u"cerca appuntamenti --anno 2024 --cliente rossi"_s);
    }

    void archivesThatAreNoFileAreRefused()
    {
        QFETCH(QStringList, commandLine);
        QFETCH(QString, archive);
        TempProgramFolder folder;
        QCOMPARE(mkfifo(QFile::encodeName(folder.file(archive)).constData(), 0600), 0);
        const Run refused = run(commandLine);
        QCOMPARE(refused.err, archive + u": non è un file normale (FIFO, dispositivo o socket)\n"_s);
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.out, QString());
        QCOMPARE(QDir(folder.path()).entryList({u"*.xls"_s}), QStringList());
    }

    // The schedule's lists and their exports tell, on the error stream, how many records they left out
    // because a date or a month in them could not be read. A month list selects by month and year alone:
    // it lists a record of its month whose date cannot be read, takes a `Mese` that is no month's name
    // (or whose length byte runs past the field) for unreadable, and a valid other month for no concern
    // of its own. A day list, which selects by date, cannot place a date that is no date.
    void scheduleListsTellWhatTheyLeftOut_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("listed");
        QTest::addColumn<int>("leftOut");
        QTest::newRow("month") << u"--mese giugno"_s << 2 << 2;
        QTest::newRow("another month") << u"--mese luglio"_s << 1 << 2;
        QTest::newRow("imminent") << u"--imminenti --oggi 09/06/2024"_s << 1 << 1;
        QTest::newRow("day") << u"--giorno 10/06"_s << 1 << 1;
    }

    void scheduleListsTellWhatTheyLeftOut()
    {
        QFETCH(QString, list);
        QFETCH(int, listed);
        QFETCH(int, leftOut);
        TempProgramFolder folder;
        addAppointments(folder, {{u"10/06/2024"_s, u"Giugno"_s},
                                 {u"1x/06/2024"_s, u"Giugno"_s},
                                 {u"20/06/2024"_s, u"Giugnx"_s},
                                 {u"21/06/2024"_s, u"Giugno"_s},
                                 {u"22/07/2024"_s, u"Luglio"_s}});
        damageLength(folder, u"2024.sca"_s, SchedaScadenza::layout, 4, SchedaScadenza::Mese);
        const QStringList options = (u"--anno 2024 "_s + list).split(u' ');

        const Run shown = run(QStringList{u"scadenze"_s} + options);
        QCOMPARE(shown.exitCode, 0);
        QCOMPARE(shown.out.count(u'\n'), listed);
        QCOMPARE(shown.err, toldLeftOut(leftOut));

        const Run exported = run(QStringList{u"esporta"_s, u"appuntamenti"_s} + options);
        QCOMPARE(exported.exitCode, 0);
        QVERIFY(exported.out.endsWith(u".xls\n"_s));
        QCOMPARE(exported.err, toldLeftOut(leftOut));
    }

    // The register summaries and the register export tell how many records they left out because the
    // year, month or day they choose by could not be read there; a part that can be read and differs
    // puts a record elsewhere whatever the others hold.
    void registerSummariesTellWhatTheyLeftOut_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("period");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("leftOut");
        for (const QString& archive : {u"chiamate"_s, u"vendite"_s}) {
            const auto row = [&archive](const char* name, const QString& period, int rows, int leftOut) {
                QTest::addRow("%s, %s", qPrintable(archive), name) << archive << period << rows << leftOut;
            };
            row("year", QString(), 4, 2);
            row("month", u"--mese giugno"_s, 2, 3);
            row("another month", u"--mese luglio"_s, 1, 2);
            row("day", u"--mese giugno --giorno 10"_s, 1, 3);
        }
    }

    void registerSummariesTellWhatTheyLeftOut()
    {
        QFETCH(QString, archive);
        QFETCH(QString, period);
        QFETCH(int, rows);
        QFETCH(int, leftOut);
        TempProgramFolder folder;
        const bool calls = archive == u"chiamate";
        const QString name = calls ? u"2024.tel"_s : u"2024.ven"_s;
        const RecordLayout& layout = calls ? SchedaChiamata::layout : SchedaVendita::layout;
        addRegister(folder, name, layout);
        for (const int field : {SchedaVendita::GiornoRit, SchedaVendita::MeseRit, SchedaVendita::AnnoRit})
            damageLength(folder, name, layout, 4, field);
        const Run exported = run(QStringList{u"esporta"_s, archive, u"--anno"_s, u"2024"_s} +
                                 period.split(u' ', Qt::SkipEmptyParts));
        QCOMPARE(exported.exitCode, 0);
        QCOMPARE(exported.err, toldLeftOut(leftOut));
        const QString file = exported.out.trimmed();
        // A header row, then one row each.
        QCOMPARE(folder.readAll(QFileInfo(file).fileName()).count("<tr"), rows + 1);
    }

    // Every length byte of the month list's fields damaged: no record is readable, and all are told.
    void everyLengthByteDamagedLeavesEveryRecordOut()
    {
        TempProgramFolder folder;
        addAppointments(folder, {{u"10/06/2024"_s, u"Giugno"_s}, {u"11/06/2024"_s, u"Giugno"_s}});
        for (const int field :
             {SchedaScadenza::Giorno, SchedaScadenza::Mese, SchedaScadenza::Anno, SchedaScadenza::Data})
            for (const qint64 number : {1, 2})
                damageLength(folder, u"2024.sca"_s, SchedaScadenza::layout, number, field);
        const Run shown = run({u"scadenze"_s, u"--anno"_s, u"2024"_s, u"--mese"_s, u"giugno"_s});
        QCOMPARE(shown.out, QString());
        QCOMPARE(shown.err, toldLeftOut(2));
    }

    // A damaged record's control bytes are shown as '¤' in the lines and the exports, so that a record
    // stays one line and one row; the file keeps its bytes.
    void controlBytesAreShownAsAPlaceholder()
    {
        TempProgramFolder folder;
        {
            RecordFile file(folder.file(u"Clienti.pro"_s), SchedaCliente::layout);
            Record record(SchedaCliente::layout);
            record.setText(SchedaCliente::Cliente, u"Rossi\nMario\u0001\tBis"_s);
            file.append(record);
        }
        const QByteArray stored = folder.readAll(u"Clienti.pro"_s);
        const Run found = run({u"cerca"_s, u"clienti"_s, u"--cliente"_s, u"rossi"_s});
        QCOMPARE(found.exitCode, 0);
        const QStringList lines = found.out.split(u'\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith(u"Rossi¤Mario¤¤Bis "_s), qPrintable(lines[0]));

        QCOMPARE(run({u"esporta"_s, u"clienti"_s}).exitCode, 0);
        const QByteArray exported = folder.readAll(u"Clienti.xls"_s);
        const QByteArray shown = QByteArray(">Rossi Mario") + Windows1252::kControlShownByte +
                                 Windows1252::kControlShownByte + "Bis<";
        QVERIFY2(exported.contains(shown), exported.constData());
        QCOMPARE(folder.readAll(u"Clienti.pro"_s), stored);

        addAppointments(folder, {{u"10/06/2024"_s, u"Giugno"_s, u"Verdi\tLuca"_s}});
        const Run listed = run({u"scadenze"_s, u"--anno"_s, u"2024"_s, u"--giorno"_s, u"10/06"_s});
        QCOMPARE(listed.out.count(u'\t'), 20);
        QVERIFY(listed.out.contains(u"\tVerdi¤Luca\t"_s));
    }
};

QTEST_GUILESS_MAIN(TestCommandFailures)
#include "TestCommandFailures.moc"
