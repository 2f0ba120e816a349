#include "calls/SchedaChiamata.h"
#include "checks/CodiceFiscale.h"
#include "checks/CreditCard.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"
#include "clients/SchedaCliente.h"
#include "demo/DemoGenerator.h"
#include "operators/SchedaOperatore.h"
#include "products/SchedaArticolo.h"
#include "rules/DateText.h"
#include "rules/NumberText.h"
#include "rules/ValueLists.h"
#include "sales/SchedaVendita.h"
#include "schedule/SchedaScadenza.h"
#include "app/ArchiveCatalog.h"
#include "storage/RecordFile.h"
#include "TempProgramFolder.h"
#include "FaultyFileIo.h"
#include "storage/StorageError.h"

#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDate kToday(2024, 6, 10);

DemoOptions smallOptions(quint64 seed = 7)
{
    DemoOptions options;
    options.clients = 60;
    options.staff = 16;
    options.products = 30;
    options.calls = 400;
    options.sales = 90;
    options.appointments = 80;
    options.year = 2024;
    options.seed = seed;
    options.today = kToday;
    return options;
}

// Every record of a file, as views over one buffer the caller keeps.
template <typename Visit>
void forEach(const TempProgramFolder& folder, const QString& name, const RecordLayout& layout, Visit visit)
{
    const RecordFile file(folder.file(name), layout);
    file.scan([&](qint64, const RecordView& record) { visit(record); });
}

bool isElevenDigits(const QString& text)
{
    static const QRegularExpression digits(u"^[0-9]{11}$"_s);
    return digits.match(text).hasMatch();
}

} // namespace

class TestDemoGenerator : public QObject
{
    Q_OBJECT

private slots:
    void sameSeedGivesTheSameBytes()
    {
        TempProgramFolder first;
        TempProgramFolder second;
        TempProgramFolder other;
        DemoGenerator(smallOptions()).writeTo(first.path());
        DemoGenerator(smallOptions()).writeTo(second.path());
        DemoGenerator(smallOptions(8)).writeTo(other.path());
        const QStringList files = ArchiveCatalog::filesIn(first.path());
        QCOMPARE(files.size(), 6);
        QCOMPARE(ArchiveCatalog::filesIn(second.path()), files);
        for (const QString& name : files) {
            QVERIFY2(first.readAll(name) == second.readAll(name), qPrintable(name));
            QVERIFY2(first.readAll(name) != other.readAll(name), qPrintable(name));
        }
    }

    void everyFileIsSoundAndHoldsWhatWasAsked()
    {
        TempProgramFolder folder;
        const DemoOptions options = smallOptions();
        const QList<DemoGenerator::Written> written = DemoGenerator(options).writeTo(folder.path());
        const QMap<QString, qint64> expected = {
            {u"Clienti.pro"_s, options.clients},    {u"Dipendenti.pro"_s, options.staff},
            {u"Magazzino.pro"_s, options.products}, {u"2024.tel"_s, options.calls},
            {u"2024.ven"_s, options.sales},         {u"2024.sca"_s, options.appointments},
        };
        QCOMPARE(written.size(), expected.size());
        for (const DemoGenerator::Written& w : written)
            QCOMPARE(w.records, expected.value(w.fileName));
        for (const QString& name : ArchiveCatalog::filesIn(folder.path())) {
            const ArchiveCatalog::Report report =
                ArchiveCatalog::check(folder.file(name), *ArchiveCatalog::layoutOf(name));
            QVERIFY2(report.sound(), qPrintable(name));
            QCOMPARE(report.records, expected.value(name));
        }
    }

    void everyIdentifierPassesItsCheck()
    {
        TempProgramFolder folder;
        DemoGenerator(smallOptions()).writeTo(folder.path());
        int firms = 0;
        int cards = 0;
        int ibans = 0;
        forEach(folder, u"Clienti.pro"_s, SchedaCliente::layout, [&](const RecordView& r) {
            const QString codFisc = r.text(SchedaCliente::CodFisc);
            if (isElevenDigits(codFisc)) {
                ++firms;
                QVERIFY2(PartitaIva::isValid(codFisc), qPrintable(codFisc));
                QCOMPARE(r.text(SchedaCliente::PartitaIva), codFisc);
            } else {
                QVERIFY2(CodiceFiscale::isValid(codFisc), qPrintable(codFisc));
                QCOMPARE(r.text(SchedaCliente::Sesso), codFisc.mid(9, 2).toInt() > 40 ? u"F"_s : u"M"_s);
                QCOMPARE(codFisc.mid(9, 2).toInt() % 40,
                         DateText::parse(r.text(SchedaCliente::DataNasc))->day());
            }
            const QString vat = r.text(SchedaCliente::PartitaIva);
            QVERIFY2(vat.isEmpty() || PartitaIva::isValid(vat), qPrintable(vat));
            const QString iban = r.text(SchedaCliente::Iban);
            ibans += !iban.isEmpty();
            QVERIFY2(iban.isEmpty() || (iban.size() == 27 && iban.startsWith(u"IT"_s) && Iban::isValid(iban)),
                     qPrintable(iban));
            const QString card = r.text(SchedaCliente::Carta);
            cards += !card.isEmpty();
            QVERIFY2(card.isEmpty() || CreditCard::isValid(card), qPrintable(card));
        });
        QVERIFY(firms > 0 && cards > 0 && ibans > 0);
        forEach(folder, u"Dipendenti.pro"_s, SchedaOperatore::layout, [&](const RecordView& r) {
            QVERIFY(CodiceFiscale::isValid(r.text(SchedaOperatore::CodFisc)));
            const QString vat = r.text(SchedaOperatore::Iva);
            QVERIFY2(vat.isEmpty() || PartitaIva::isValid(vat), qPrintable(vat));
            QVERIFY(Iban::isValid(r.text(SchedaOperatore::Iban)));
            const QString card = r.text(SchedaOperatore::Carta);
            QVERIFY2(card.isEmpty() || CreditCard::isValid(card), qPrintable(card));
        });
    }

    void codiceFiscaleIsComposedFromThePerson()
    {
        TempProgramFolder folder;
        DemoGenerator(smallOptions()).writeTo(folder.path());
        forEach(folder, u"Dipendenti.pro"_s, SchedaOperatore::layout, [&](const RecordView& r) {
            const QString codFisc = r.text(SchedaOperatore::CodFisc);
            const QDate birth = *DateText::parse(r.text(SchedaOperatore::DataNasc));
            QCOMPARE(codFisc.mid(6, 2), QString::number(birth.year() % 100).rightJustified(2, u'0'));
            QCOMPARE(codFisc[8], u"ABCDEHLMPRST"_s[birth.month() - 1]);
            QCOMPARE(codFisc.mid(9, 2).toInt(),
                     birth.day() + (r.text(SchedaOperatore::Sesso) == u"F"_s ? 40 : 0));
        });
    }

    void registerDates_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<const RecordLayout*>("layout");
        QTest::addColumn<int>("firstDateField");
        QTest::addColumn<int>("codFiscField");
        QTest::newRow("calls") << u"2024.tel"_s << &SchedaChiamata::layout << int(SchedaChiamata::GiornoRit)
                               << int(SchedaChiamata::CodFisc);
        QTest::newRow("sales") << u"2024.ven"_s << &SchedaVendita::layout << int(SchedaVendita::GiornoRit)
                               << int(SchedaVendita::CodFisc);
        QTest::newRow("appointments") << u"2024.sca"_s << &SchedaScadenza::layout
                                      << int(SchedaScadenza::Giorno) << int(SchedaScadenza::CodFisc);
    }

    // Valid dates of the requested year, the date block consistent, the client one of the demo's.
    void registerDates()
    {
        QFETCH(QString, file);
        QFETCH(const RecordLayout*, layout);
        QFETCH(int, firstDateField);
        QFETCH(int, codFiscField);
        TempProgramFolder folder;
        DemoGenerator(smallOptions()).writeTo(folder.path());
        QSet<QString> clients;
        forEach(folder, u"Clienti.pro"_s, SchedaCliente::layout,
                [&](const RecordView& r) { clients.insert(r.text(SchedaCliente::CodFisc)); });
        QSet<int> months;
        forEach(folder, file, *layout, [&](const RecordView& r) {
            const QString day = r.text(firstDateField);
            const QString month = r.text(firstDateField + 1);
            const QString date = r.text(firstDateField + 3);
            const std::optional<QDate> parsed = DateText::parse(date);
            QVERIFY2(parsed.has_value(), qPrintable(date));
            QCOMPARE(parsed->year(), 2024);
            QCOMPARE(r.text(firstDateField + 2), u"2024"_s);
            QVERIFY(ValueLists::monthNames().contains(month));
            QCOMPARE(DateText::composeFromParts(day, month, u"2024"), date);
            QVERIFY(ValueLists::hours().contains(r.text(firstDateField + 4)));
            QVERIFY(ValueLists::minutes().contains(r.text(firstDateField + 5)));
            QCOMPARE(r.text(firstDateField + 6),
                     DateText::composeTime(r.text(firstDateField + 4), r.text(firstDateField + 5)));
            QVERIFY2(clients.contains(r.text(codFiscField)), qPrintable(r.text(codFiscField)));
            months.insert(parsed->month());
        });
        QCOMPARE(months.size(), 12);
    }

    void appointmentsHoldTheirFlagsAndSomeAreImminent()
    {
        TempProgramFolder folder;
        DemoGenerator(smallOptions()).writeTo(folder.path());
        int imminent = 0;
        forEach(folder, u"2024.sca"_s, SchedaScadenza::layout, [&](const RecordView& r) {
            const QDate date = *DateText::parse(r.text(SchedaScadenza::Data));
            bool ok = false;
            const int notice = r.text(SchedaScadenza::Avviso).toInt(&ok);
            QVERIFY(ok);
            imminent += date.addDays(-notice) <= kToday && kToday <= date;
            for (int flag : {SchedaScadenza::DaConfermare, SchedaScadenza::Effettuata})
                QVERIFY(r.raw(flag) == QByteArray("S\xEC") || r.raw(flag) == QByteArray("No"));
            QVERIFY(NumberText::read(r.text(SchedaScadenza::Costo)).has_value());
            QVERIFY(!r.text(SchedaScadenza::Pagatore).isEmpty() &&
                    !r.text(SchedaScadenza::Dettagli).isEmpty());
        });
        QVERIFY(imminent >= 3);
    }

    void someProductsAreLowAndPricesAddUp()
    {
        TempProgramFolder folder;
        DemoGenerator(smallOptions()).writeTo(folder.path());
        int low = 0;
        forEach(folder, u"Magazzino.pro"_s, SchedaArticolo::layout, [&](const RecordView& r) {
            const double stock = *NumberText::read(r.text(SchedaArticolo::Giacenza));
            low += stock <= *NumberText::read(r.text(SchedaArticolo::Sottoscorta));
            const double cost = *NumberText::read(r.text(SchedaArticolo::Costo));
            const double price = *NumberText::read(r.text(SchedaArticolo::Prezzo));
            const double vat = *NumberText::read(r.text(SchedaArticolo::PercIva));
            QCOMPARE(r.text(SchedaArticolo::Valore),
                     NumberText::normaliseAmount(NumberText::write(cost * stock), 2));
            QCOMPARE(r.text(SchedaArticolo::Prezzo_con_Iva),
                     NumberText::normaliseAmount(NumberText::write(price * (1 + vat / 100)), 2));
        });
        QVERIFY(low > 0);
    }

    void someContractsAreDue()
    {
        TempProgramFolder folder;
        DemoGenerator(smallOptions()).writeTo(folder.path());
        int due = 0;
        forEach(folder, u"Dipendenti.pro"_s, SchedaOperatore::layout, [&](const RecordView& r) {
            const std::optional<QDate> hired = DateText::parse(r.text(SchedaOperatore::Decorrenza));
            const std::optional<QDate> deadline = DateText::parse(r.text(SchedaOperatore::Scadenza));
            QVERIFY(hired && deadline && *hired <= *deadline);
            due += deadline->addDays(-r.text(SchedaOperatore::Preavviso).toInt()) <= kToday;
        });
        QVERIFY(due > 0 && due < 16);
    }

    void appendsAfterWhatIsThere()
    {
        TempProgramFolder folder;
        DemoGenerator(smallOptions()).writeTo(folder.path());
        const QByteArray before = folder.readAll(u"Clienti.pro"_s);
        DemoGenerator(smallOptions()).writeTo(folder.path());
        const QByteArray after = folder.readAll(u"Clienti.pro"_s);
        QCOMPARE(after.size(), 2 * before.size());
        QVERIFY(after.startsWith(before));
        QVERIFY(after.sliced(before.size()) != before);
    }

    void registersAloneReferToTheClientsInTheArchive()
    {
        TempProgramFolder folder;
        DemoOptions clientsOnly = smallOptions();
        clientsOnly.staff = clientsOnly.products = clientsOnly.calls = clientsOnly.sales =
            clientsOnly.appointments = 0;
        DemoGenerator(clientsOnly).writeTo(folder.path());
        QSet<QString> clients;
        forEach(folder, u"Clienti.pro"_s, SchedaCliente::layout,
                [&](const RecordView& r) { clients.insert(r.text(SchedaCliente::CodFisc)); });

        DemoOptions callsOnly = smallOptions();
        callsOnly.clients = callsOnly.staff = callsOnly.products = callsOnly.sales = callsOnly.appointments =
            0;
        DemoGenerator generator(callsOnly);
        generator.writeTo(folder.path());
        QCOMPARE(generator.clientCount(), 60);
        int calls = 0;
        forEach(folder, u"2024.tel"_s, SchedaChiamata::layout, [&](const RecordView& r) {
            ++calls;
            QVERIFY(clients.contains(r.text(SchedaChiamata::CodFisc)));
        });
        QCOMPARE(calls, callsOnly.calls);
    }

    void registersWithoutAnyClientAreNotWritten()
    {
        TempProgramFolder folder;
        DemoOptions options = smallOptions();
        options.clients = 0;
        DemoGenerator generator(options);
        const QList<DemoGenerator::Written> written = generator.writeTo(folder.path());
        QCOMPARE(generator.clientCount(), 0);
        QCOMPARE(written.size(), 2);
        QVERIFY(!QFileInfo::exists(folder.file(u"2024.tel"_s)));
    }

    // A run that fails part-way tells what each file kept: the batches written before the failure, and
    // whether the failed batch could not be cut back either.
    void failedRunTellsWhatStayed_data()
    {
        QTest::addColumn<bool>("cutBackFails");
        QTest::newRow("failed batch cut back") << false;
        QTest::newRow("cut-back fails too") << true;
    }

    void failedRunTellsWhatStayed()
    {
        QFETCH(bool, cutBackFails);
        // Refuses every cut-back when asked to, besides the chosen fault.
        class Faults : public FaultyFileIo
        {
        public:
            bool refuseCutBack = false;
            int truncate(int fd, off_t size) override
            {
                if (!refuseCutBack)
                    return FaultyFileIo::truncate(fd, size);
                errno = EROFS;
                return -1;
            }
        };
        TempProgramFolder folder;
        DemoOptions options = smallOptions();
        options.clients = 5;
        options.staff = 0;
        options.products = 0;
        options.calls = 9000;
        options.sales = 0;
        options.appointments = 0;
        DemoGenerator generator(options);
        {
            Faults faults;
            faults.refuseCutBack = cutBackFails;
            // One flush per batch: the clients', the first batch of calls', then the second's fails.
            faults.failAt(FaultyFileIo::Sync, 3, ENOSPC);
            try {
                generator.writeTo(folder.path());
                QFAIL("the run did not fail");
            } catch (const StorageError& error) {
                QCOMPARE(error.errorNumber(), ENOSPC);
                QCOMPARE(error.cutBackFailed(), cutBackFails);
            }
        }
        QCOMPARE(generator.written().size(), 2);
        QCOMPARE(generator.written().at(0).fileName, u"Clienti.pro"_s);
        QCOMPARE(generator.written().at(0).records, 5);
        QCOMPARE(generator.written().at(1).fileName, u"2024.tel"_s);
        QCOMPARE(generator.written().at(1).records, 8192);
        QCOMPARE(QFileInfo(folder.file(u"2024.tel"_s)).size(),
                 qint64(cutBackFails ? 9000 : 8192) * SchedaChiamata::layout.size());
    }
};

QTEST_GUILESS_MAIN(TestDemoGenerator)
#include "TestDemoGenerator.moc"
