#include "calls/SchedaChiamata.h"
#include "clients/SchedaCliente.h"
#include "FaultyFileIo.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "TempProgramFolder.h"

#include <QProcess>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

namespace {

Record client(const QString& name)
{
    Record record(SchedaCliente::layout);
    record.setText(SchedaCliente::Cliente, name);
    record.setText(SchedaCliente::CodFisc, QStringLiteral("CF") + name);
    record.setText(SchedaCliente::Ricontatta, QStringLiteral("No"));
    return record;
}

void appendClients(const QString& path, int n)
{
    RecordFile file(path, SchedaCliente::layout);
    for (int i = 1; i <= n; ++i)
        file.append(client(QString::number(i)));
}

} // namespace

class TestRecordFile : public QObject
{
    Q_OBJECT

private slots:
    void openingCreatesAnEmptyFile()
    {
        TempProgramFolder folder;
        {
            RecordFile file(folder.file(QStringLiteral("2031.tel")), SchedaChiamata::layout);
            QCOMPARE(file.count(), 0);
        }
        QVERIFY(QFile::exists(folder.file(QStringLiteral("2031.tel"))));
        QCOMPARE(QFileInfo(folder.file(QStringLiteral("2031.tel"))).size(), 0);
    }

    void appendNumbersAfterTheLastRecord()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 41);
        RecordFile file(path, SchedaCliente::layout);
        QCOMPARE(file.append(client(QStringLiteral("nuovo"))), 42);
        QCOMPARE(file.count(), 42);
        QCOMPARE(file.read(41).text(SchedaCliente::Cliente), QStringLiteral("nuovo"));
        QCOMPARE(QFileInfo(path).size(), 42 * 3372);
    }

    void overwriteKeepsTheNumberAndZeroesTheOldText()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 3);
        RecordFile file(path, SchedaCliente::layout);
        Record second = file.read(1);
        second.setText(SchedaCliente::Cliente, QStringLiteral("Li"));
        file.overwrite(2, second);
        QCOMPARE(file.count(), 3);
        const Record back = file.read(1);
        QCOMPARE(back.text(SchedaCliente::Cliente), QStringLiteral("Li"));
        QCOMPARE(back.bytes().mid(SchedaCliente::layout.offset(SchedaCliente::Cliente), 4),
                 QByteArray("\x02Li\0", 4));
        QCOMPARE(file.read(2).text(SchedaCliente::Cliente), QStringLiteral("3"));
    }

    void partialTailIsIgnoredThenHealed()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 2);
        {
            QFile raw(path);
            QVERIFY(raw.open(QIODevice::Append));
            raw.write(QByteArray(1000, 'x'));
        }
        RecordFile file(path, SchedaCliente::layout);
        QCOMPARE(file.count(), 2);
        QCOMPARE(file.trailingBytes(), 1000);
        int seen = 0;
        file.scan([&](qint64, const RecordView&) { ++seen; });
        QCOMPARE(seen, 2);
        QCOMPARE(file.append(client(QStringLiteral("terzo"))), 3);
        QCOMPARE(file.trailingBytes(), 0);
        QCOMPARE(QFileInfo(path).size(), 3 * 3372);
        QCOMPARE(file.read(2).text(SchedaCliente::Cliente), QStringLiteral("terzo"));
    }

    void scanVisitsInFileOrderAndCanStop()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 5);
        RecordFile file(path, SchedaCliente::layout);
        QStringList names;
        file.scan([&](qint64 index, const RecordView& record) {
            names.append(record.text(SchedaCliente::Cliente));
            return index < 2;
        });
        QCOMPARE(names, QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    }

    // The scan fetches fields ahead, and for a visit that reads many fields maps pages ahead of itself:
    // files smaller, around and larger than those leads, ending inside a page or not, are all read
    // whole, each record once and in order.
    void scanReadsEveryRecordWhateverTheSize_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("fields");
        for (int fields : {2, 6})
            for (int records : {1, 15, 16, 17, 19, 20, 21, 39, 40, 97, 250})
                QTest::addRow("%d cards, %d fields fetched", records, fields) << records << fields;
    }

    void scanReadsEveryRecordWhateverTheSize()
    {
        QFETCH(int, records);
        QFETCH(int, fields);
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        QList<Record> cards;
        for (int i = 1; i <= records; ++i)
            cards.append(client(QString::number(i)));
        RecordFile file(path, SchedaCliente::layout);
        file.append(cards);
        QList<int> readAhead = {SchedaCliente::layout.offset(SchedaCliente::Cliente),
                                SchedaCliente::layout.size() - 1};
        for (int field = 1; readAhead.size() < fields; ++field)
            readAhead.append(SchedaCliente::layout.offset(field));
        qint64 expected = 0;
        file.scan(
            [&](qint64 index, const RecordView& record) {
                QCOMPARE(index, expected);
                QCOMPARE(record.text(SchedaCliente::Cliente), QString::number(++expected));
            },
            readAhead);
        QCOMPARE(expected, records);
    }

    // A failure at any call of a save leaves the file as it was and surfaces as StorageError.
    void failedSaveLeavesTheFileUnchanged_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<bool>("append");
        for (bool append : {true, false}) {
            const char* kind = append ? "append" : "overwrite";
            QTest::addRow("%s: open", kind) << int(FaultyFileIo::Open) << append;
            QTest::addRow("%s: size", kind) << int(FaultyFileIo::Size) << append;
            QTest::addRow("%s: lock", kind) << int(FaultyFileIo::Lock) << append;
            QTest::addRow("%s: write", kind) << int(FaultyFileIo::Write) << append;
            QTest::addRow("%s: sync", kind) << int(FaultyFileIo::Sync) << append;
        }
    }

    void failedSaveLeavesTheFileUnchanged()
    {
        QFETCH(int, call);
        QFETCH(bool, append);
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 2);
        const QByteArray before = folder.readAll(QStringLiteral("Clienti.pro"));

        FaultyFileIo io;
        io.failAt(FaultyFileIo::Call(call), 1, ENOSPC);
        bool failed = false;
        try {
            RecordFile file(path, SchedaCliente::layout);
            if (append)
                file.append(client(QStringLiteral("nuovo")));
            else
                file.overwrite(1, client(QStringLiteral("nuovo")));
        } catch (const StorageError& error) {
            failed = true;
            QCOMPARE(error.errorNumber(), ENOSPC);
        }
        QVERIFY(failed);
        if (call != FaultyFileIo::Sync || append)
            QCOMPARE(folder.readAll(QStringLiteral("Clienti.pro")), before);
    }

    void failedScanThrows()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 2);
        FaultyFileIo io;
        io.failAt(FaultyFileIo::Map, 1);
        RecordFile file(path, SchedaCliente::layout);
        QVERIFY_THROWS_EXCEPTION(StorageError, file.scan([](qint64, const RecordView&) {}));
    }

    // Two workstations saving new cards at once never share a number nor overwrite each other.
    void concurrentAppendsLoseNothing()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        constexpr int kEach = 300;
        pid_t children[2];
        for (int c = 0; c < 2; ++c) {
            children[c] = fork();
            if (children[c] == 0) {
                try {
                    for (int i = 0; i < kEach; ++i) {
                        RecordFile file(path, SchedaCliente::layout);
                        file.append(client(QStringLiteral("%1-%2").arg(c).arg(i)));
                    }
                } catch (...) {
                    _exit(1);
                }
                _exit(0);
            }
        }
        for (pid_t child : children) {
            int status = -1;
            waitpid(child, &status, 0);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        QCOMPARE(QFileInfo(path).size(), 2 * kEach * 3372);
        QSet<QString> names;
        RecordFile file(path, SchedaCliente::layout);
        file.scan([&](qint64, const RecordView& record) {
            QCOMPARE(record.text(SchedaCliente::CodFisc),
                     QStringLiteral("CF") + record.text(SchedaCliente::Cliente));
            names.insert(record.text(SchedaCliente::Cliente));
        });
        QCOMPARE(names.size(), 2 * kEach);
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "TestRecordFile.moc"
