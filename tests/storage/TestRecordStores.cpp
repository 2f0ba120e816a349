#include "app/ArchiveServerSetting.h"
#include "clients/SchedaCliente.h"
#include "screens/CardMerge.h"
#include "screens/FieldCriteria.h"
#include "storage/ArchiveLocation.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "TempProgramFolder.h"
#include "TestRecords.h"
#include "ThrowawayServer.h"
#include "Workstations.h"

#include <cstring>
#include <functional>
#include <numeric>
#include <QElapsedTimer>
#include <QSet>
#include <QTest>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// A program folder whose archives are its files, or the tables of a fresh database on the tests' server.
class ArchivePlace
{
public:
    explicit ArchivePlace(bool onServer)
    {
        if (onServer)
            ArchiveServerSetting::attach(m_folder.path(), ThrowawayServer::shared().freshDatabase());
    }
    ~ArchivePlace() { ArchiveServerSetting::attach(m_folder.path(), QString()); }

    QString clients() const { return m_folder.file(QStringLiteral("Clienti.pro")); }

private:
    TempProgramFolder m_folder;
};

Record client(const QString& name)
{
    return TestRecords::make(SchedaCliente::layout, {{SchedaCliente::Cliente, name},
                                                     {SchedaCliente::CodFisc, QStringLiteral("CF") + name}});
}

// A client card whose Cliente field holds these stored bytes (length byte first), the rest empty.
Record clientWithField(const QByteArray& field)
{
    QByteArray bytes = Record(SchedaCliente::layout).bytes();
    bytes.replace(SchedaCliente::layout.offset(SchedaCliente::Cliente), field.size(), field);
    return Record(SchedaCliente::layout, bytes);
}

} // namespace

// What every archive store does alike, run over the folder's files and over a server's tables.
class TestRecordStores : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<bool>("onServer");
        QTest::newRow("cartella") << false;
        QTest::newRow("server") << true;
    }

    void appendReadAndScan()
    {
        QFETCH_GLOBAL(bool, onServer);
        ArchivePlace place(onServer);
        QVERIFY(!RecordFile::exists(place.clients()));
        RecordFile file(place.clients(), SchedaCliente::layout);
        QVERIFY(RecordFile::exists(place.clients()));
        QCOMPARE(file.count(), 0);
        QCOMPARE(file.append(client(QStringLiteral("1"))), 1);
        std::vector<Record> more;
        for (int i = 2; i <= 2500; ++i)
            more.push_back(client(QString::number(i)));
        QCOMPARE(file.append(more), 2);
        QCOMPARE(file.count(), 2500);
        QCOMPARE(file.read(1999).text(SchedaCliente::Cliente), QStringLiteral("2000"));
        QVERIFY_THROWS_EXCEPTION(StorageError, file.read(2500));
        qint64 seen = 0;
        file.scan([&](qint64 index, const RecordView& record) {
            if (record.text(SchedaCliente::Cliente) != QString::number(index + 1))
                return false;
            return ++seen < 2400;
        });
        QCOMPARE(seen, 2400);
    }

    // Whatever bytes a field holds come back the same: texts with accents, apostrophes and the code
    // page's own signs, and the damage of a foreign or broken file.
    void storedBytesComeBackUnchanged_data()
    {
        QTest::addColumn<QByteArray>("field");
        const auto text = [](const QByteArray& bytes) { return TestRecords::field(50, bytes); };
        QTest::newRow("empty") << text({});
        QTest::newRow("accents") << text("Societ\xe0 Cooperativa Bont\xe0 & Perch\xe9");
        QTest::newRow("apostrophe and quotes") << text("D'Angelo \"Pino\" l'\xabunico\xbb");
        QTest::newRow("code page signs") << text("\x80 12,50 \x99 \x85 \x8a\x9e");
        QTest::newRow("undefined bytes and controls") << text("a\x81\x8d\x8f\x90\x9d\tb\nc\\d");
        QTest::newRow("blanks at the ends") << text("  spazi  ");
        QTest::newRow("full width") << text(QByteArray(50, 'x'));
        QTest::newRow("length past the field") << QByteArray("\xff") + QByteArray(50, 'y');
        QTest::newRow("bytes after the text") << QByteArray("\x02" "ab\0\0zz", 7) + QByteArray(44, '\0');
        QTest::newRow("NUL inside the text") << QByteArray("\x03" "a\0b", 4) + QByteArray(47, '\0');
    }

    void storedBytesComeBackUnchanged()
    {
        QFETCH_GLOBAL(bool, onServer);
        QFETCH(QByteArray, field);
        ArchivePlace place(onServer);
        const Record stored = clientWithField(field);
        {
            RecordFile file(place.clients(), SchedaCliente::layout);
            file.append(client(QStringLiteral("primo")));
            file.append(stored);
            file.append(std::vector<Record>{stored, client(QStringLiteral("ultimo"))});
            file.overwrite(1, stored);
        }
        RecordFile file(place.clients(), SchedaCliente::layout);
        for (qint64 index : {0, 1, 2})
            QCOMPARE(file.read(index).bytes(), stored.bytes());
        QCOMPARE(file.read(3).text(SchedaCliente::Cliente), QStringLiteral("ultimo"));
    }

    // A scan that reads some fields sees each as a whole read gives it, whatever bytes it holds, and
    // every other field empty.
    void scanOfSomeFieldsSeesThemWhole_data() { storedBytesComeBackUnchanged_data(); }

    void scanOfSomeFieldsSeesThemWhole()
    {
        QFETCH_GLOBAL(bool, onServer);
        QFETCH(QByteArray, field);
        using namespace SchedaCliente;
        ArchivePlace place(onServer);
        QByteArray odd = client(QStringLiteral("strano")).bytes();
        odd.replace(layout.offset(Cliente), field.size(), field);
        RecordFile file(place.clients(), layout);
        file.append(std::vector<Record>{client(QStringLiteral("primo")), Record(layout, odd),
                                        client(QStringLiteral("ultimo"))});
        for (const QList<int>& read :
             {QList<int>{Cliente}, QList<int>{CodFisc}, QList<int>{CodFisc, Cliente}}) {
            QList<QByteArray> seen;
            file.scan(
                [&](qint64, const RecordView& record) {
                    seen.append(QByteArray(record.bytes(), layout.size()));
                },
                ScanFields(layout, read));
            QCOMPARE(seen.size(), 3);
            for (qsizetype i = 0; i < seen.size(); ++i) {
                const QByteArray whole = file.read(i).bytes();
                for (int f = 0; f < layout.fieldCount(); ++f) {
                    const QByteArray got = seen[i].mid(layout.offset(f), layout.width(f) + 1);
                    const QByteArray stored = whole.mid(layout.offset(f), layout.width(f) + 1);
                    // A file is read whole outside a debug build; a server sends only what is read.
                    if (read.contains(f) || (!onServer && got == stored))
                        QCOMPARE(got, stored);
                    else
                        QCOMPARE(got, QByteArray(layout.width(f) + 1, '\0'));
                }
            }
        }
    }

    // A search finds the same cards whichever store holds them: the code page's own lower case, signs
    // that mean something to a pattern, and the damaged card always tested by its bytes.
    void searchesFindTheSameCards_data()
    {
        QTest::addColumn<QString>("looked");
        QTest::addColumn<QList<int>>("found");
        QTest::newRow("accented capital") << QStringLiteral("società") << QList<int>{1};
        QTest::newRow("apostrophe") << QStringLiteral("D'AN") << QList<int>{2};
        QTest::newRow("ligature and y") << QStringLiteral("œÿ") << QList<int>{3};
        QTest::newRow("caron") << QStringLiteral("Š") << QList<int>{3};
        QTest::newRow("euro") << QStringLiteral("€ 5") << QList<int>{4};
        QTest::newRow("dot is a dot") << QStringLiteral("a.b") << QList<int>{5};
        QTest::newRow("brackets and backslash") << QStringLiteral("[x]\\") << QList<int>{6};
        QTest::newRow("question mark") << QStringLiteral("?") << QList<int>{7};
        QTest::newRow("outside the code page") << QStringLiteral("ā") << QList<int>{};
        QTest::newRow("in the damaged card's bytes") << QStringLiteral("nascosto") << QList<int>{8};
        QTest::newRow("an 'a' in many") << QStringLiteral("A") << QList<int>{1, 2, 5, 6, 8, 9};
        QTest::newRow("a NUL between letters") << QStringLiteral("a%1b").arg(QChar(0)) << QList<int>{9};
        QTest::newRow("as long as the field")
            << QStringLiteral("un testo nascosto") + QString(33, u'z') << QList<int>{8};
        QTest::newRow("longer than the field") << QString(51, u'x') << QList<int>{};
        QTest::newRow("far longer than the field") << QString(50000, u'n') << QList<int>{};
        QList<int> every(3009);
        std::iota(every.begin(), every.end(), 1);
        QTest::newRow("blanks only: every card") << QStringLiteral("  ") << every;
    }

    void searchesFindTheSameCards()
    {
        QFETCH_GLOBAL(bool, onServer);
        QFETCH(QString, looked);
        QFETCH(QList<int>, found);
        ArchivePlace place(onServer);
        RecordFile file(place.clients(), SchedaCliente::layout);
        const QStringList names = {QStringLiteral("SOCIETÀ AGRICOLA"), QStringLiteral("d'Angelo Pino"),
                                   QStringLiteral("ŒŸ e šoci"), QStringLiteral("prezzo € 5"),
                                   QStringLiteral("a.b"), QStringLiteral("axb [X]\\ c"), QStringLiteral("chi?")};
        for (const QString& name : names)
            file.append(client(name));
        // A length byte past its field: the text runs on into the bytes that follow.
        file.append(clientWithField(QByteArray("\xff") + "un testo nascosto" + QByteArray(33, 'z')));
        // A NUL inside the text, as a foreign file may hold.
        file.append(clientWithField(QByteArray("\x05" "xa\0bx", 6)));
        std::vector<Record> others;
        for (int i = 0; i < 3000; ++i)
            others.push_back(client(QStringLiteral("n%1").arg(i)));
        file.append(others);
        FieldCriteria criteria;
        criteria.add(SchedaCliente::Cliente, looked);
        const FieldCriteria::Probes probes = criteria.probes(SchedaCliente::layout);
        QList<int> seen;
        file.scanCandidates(criteria.all(), [&](qint64 index, const RecordView& record) {
            if (probes.matches(record.bytes()))
                seen.append(int(index) + 1);
        });
        QCOMPARE(seen, found);
    }

    void overwriteAndUpdateKeepTheirRecord()
    {
        QFETCH_GLOBAL(bool, onServer);
        ArchivePlace place(onServer);
        RecordFile file(place.clients(), SchedaCliente::layout);
        file.append(std::vector<Record>{client(QStringLiteral("a")), client(QStringLiteral("b"))});
        file.overwrite(2, client(QStringLiteral("B")));
        QVERIFY_THROWS_EXCEPTION(StorageError, file.overwrite(3, client(QStringLiteral("c"))));
        QVERIFY(!file.update(1, [](Record& record) {
            record.setText(SchedaCliente::Cliente, QStringLiteral("scartato"));
            return false;
        }));
        QVERIFY(file.update(1, [](Record& record) {
            record.setText(SchedaCliente::Cliente, record.text(SchedaCliente::Cliente) + QStringLiteral("!"));
            return true;
        }));
        QVERIFY_THROWS_EXCEPTION(StorageError, file.update(3, [](Record&) { return true; }));
        QCOMPARE(file.count(), 2);
        QCOMPARE(file.read(0).text(SchedaCliente::Cliente), QStringLiteral("a!"));
        QCOMPARE(file.read(1).bytes(), client(QStringLiteral("B")).bytes());
    }

    // Eight workstations saving new cards while four take stock out of the same card: no card lost,
    // none numbered twice, every unloading counted.
    void workstationsAtOnceLoseNothing()
    {
        QFETCH_GLOBAL(bool, onServer);
        ArchivePlace place(onServer);
        RecordFile(place.clients(), SchedaCliente::layout).append(client(QStringLiteral("0")));
        constexpr int kAppenders = 8;
        constexpr int kUpdaters = 4;
        constexpr int kEach = 40;
        QVERIFY(allWorkstationsSucceed(kAppenders + kUpdaters, [&](int c) {
            for (int i = 0; i < kEach; ++i) {
                RecordFile file(place.clients(), SchedaCliente::layout);
                if (c < kAppenders) {
                    file.append(client(QStringLiteral("%1-%2").arg(c).arg(i)));
                    continue;
                }
                file.update(1, [](Record& record) {
                    record.setText(SchedaCliente::Cliente,
                                   QString::number(record.text(SchedaCliente::Cliente).toInt() + 1));
                    return true;
                });
            }
        }));
        RecordFile file(place.clients(), SchedaCliente::layout);
        QCOMPARE(file.count(), 1 + kAppenders * kEach);
        QCOMPARE(file.read(0).text(SchedaCliente::Cliente), QString::number(kUpdaters * kEach));
        QSet<QString> names;
        file.scan([&](qint64 index, const RecordView& record) {
            if (index > 0)
                names.insert(record.text(SchedaCliente::Cliente));
        });
        QCOMPARE(names.size(), kAppenders * kEach);
    }

    // Two workstations saving one card over and over, as a card's Save does: each read what it shows,
    // changed its own field and moved a count, then saved through the compare-and-change. Nothing either
    // saved is undone by the other, and no movement of the count is lost.
    void savesOfOneCardFromTwoWorkstationsKeepBoth()
    {
        QFETCH_GLOBAL(bool, onServer);
        ArchivePlace place(onServer);
        Record first = client(QStringLiteral("0"));
        first.setText(SchedaCliente::CapRes, QStringLiteral("0"));
        RecordFile(place.clients(), SchedaCliente::layout).append(first);
        constexpr int kRounds = 40;
        const int own[] = {SchedaCliente::TelCasa, SchedaCliente::Estremi};
        QVERIFY(allWorkstationsSucceed(2, [&](int c) {
            for (int i = 1; i <= kRounds; ++i) {
                RecordFile file(place.clients(), SchedaCliente::layout);
                const Record base = file.read(0);
                Record mine = base;
                mine.setText(own[c], QStringLiteral("%1-%2").arg(c).arg(i));
                mine.setText(SchedaCliente::CapRes,
                             QString::number(base.text(SchedaCliente::CapRes).toInt() + 1));
                usleep(500); // the other workstation saves meanwhile
                file.update(1, [&](Record& stored) {
                    const CardMerge::Outcome outcome = CardMerge::merge(
                        base, stored, mine, {own[c], SchedaCliente::CapRes}, {SchedaCliente::CapRes});
                    if (!outcome.conflicts.isEmpty())
                        throw std::runtime_error("conflict");
                    stored = outcome.merged;
                    return true;
                });
            }
        }));
        const Record saved = RecordFile(place.clients(), SchedaCliente::layout).read(0);
        QCOMPARE(saved.text(SchedaCliente::TelCasa), QStringLiteral("0-%1").arg(kRounds));
        QCOMPARE(saved.text(SchedaCliente::Estremi), QStringLiteral("1-%1").arg(kRounds));
        QCOMPARE(saved.text(SchedaCliente::CapRes), QString::number(2 * kRounds));
        QCOMPARE(saved.text(SchedaCliente::Cliente), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestRecordStores)
#include "TestRecordStores.moc"
