#include "calls/SchedaChiamata.h"
#include "clients/SchedaCliente.h"
#include "FaultyFileIo.h"
#include "storage/RecordFile.h"
#include "storage/RollbackJournal.h"
#include "storage/StorageError.h"
#include "TempProgramFolder.h"
#include "Workstations.h"

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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

// The bytes of the cards numbered 1 to n (n up to four scan blocks and one card), each named by its
// number: a card seen at index i must be i + 1. Built once: the tests below ask for many megabytes.
QByteArray numberedClients(qint64 n)
{
    static const QByteArray all = [] {
        const qint64 most = 4 * RecordFile::blockRecords(SchedaCliente::layout.size()) + 1;
        QByteArray bytes;
        bytes.reserve(most * SchedaCliente::layout.size());
        for (qint64 i = 1; i <= most; ++i)
            bytes.append(client(QString::number(i)).bytes());
        return bytes;
    }();
    Q_ASSERT(n * SchedaCliente::layout.size() <= all.size());
    return all.left(n * SchedaCliente::layout.size());
}

// Whether the card at index is the whole card numbered index + 1.
bool isNumberedClient(qint64 index, const RecordView& record)
{
    return record.text(SchedaCliente::Cliente) == QString::number(index + 1) &&
           record.text(SchedaCliente::CodFisc) == QStringLiteral("CF") + QString::number(index + 1) &&
           record.text(SchedaCliente::Ricontatta) == QStringLiteral("No");
}

// The real file calls, except that the k-th write stops halfway, as a workstation killed in the middle of
// it leaves the file: half the bytes are written, the test is told through a pipe, and the process waits
// there for its kill.
class StallingFileIo : public PosixFileIo
{
public:
    StallingFileIo(int k, int notify) : m_k(k), m_notify(notify) { FileIo::install(this); }
    ~StallingFileIo() override { FileIo::install(nullptr); }

    ssize_t pwrite(int fd, const void* buffer, std::size_t count, off_t offset) override
    {
        if (++m_writes != m_k)
            return PosixFileIo::pwrite(fd, buffer, count, offset);
        PosixFileIo::pwrite(fd, buffer, count / 2, offset);
        const char stalled = 's';
        if (::write(m_notify, &stalled, 1) != 1)
            _exit(3);
        for (;;)
            ::pause();
    }

private:
    int m_k;
    int m_notify;
    int m_writes = 0;
};

// Another workstation overwrites card number with record and is killed while the card is half written:
// its journal is left beside the archive. Returns whether it went so.
bool killMidOverwrite(const QString& path, qint64 number, const Record& record)
{
    return killedWhereItSignals([&](int signal) {
        RecordFile file(path, record.layout());
        // The first write is the journal's, the second the card's.
        const StallingFileIo io(2, signal);
        file.overwrite(number, record);
    });
}

Record withName(const QByteArray& bytes, const QString& name)
{
    Record record(SchedaCliente::layout, bytes);
    record.setText(SchedaCliente::Cliente, name);
    return record;
}

// A field of /proc/self/status in KiB (VmRSS, VmHWM).
qint64 statusKib(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field)) + 1).trimmed().split(' ').first().toLongLong();
    return -1;
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

    // The scan reads blocks of whole records and fetches fields ahead within each block: files shorter
    // than that lead, one card short of a block, a whole block and one card more, over one to three
    // blocks, with and without a partial tail, are read whole, each card once, in order, and the tail
    // never.
    void scanReadsEveryRecordWhateverTheSize_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("fields");
        QTest::addColumn<int>("tail");
        const int block = int(RecordFile::blockRecords(SchedaCliente::layout.size()));
        QList<int> counts = {1, 15, 16, 17, 40};
        for (int blocks = 1; blocks <= 3; ++blocks)
            counts << blocks * block - 1 << blocks * block << blocks * block + 1;
        for (int tail : {0, 1000})
            for (int fields : {2, 6})
                for (int records : counts)
                    QTest::addRow("%d cards, %d fields fetched, tail of %d bytes", records, fields, tail)
                        << records << fields << tail;
    }

    void scanReadsEveryRecordWhateverTheSize()
    {
        QFETCH(int, records);
        QFETCH(int, fields);
        QFETCH(int, tail);
        TempProgramFolder folder;
        folder.writeAll(QStringLiteral("Clienti.pro"), numberedClients(records) + QByteArray(tail, 'x'));
        RecordFile file(folder.file(QStringLiteral("Clienti.pro")), SchedaCliente::layout);
        QList<int> readAhead = {SchedaCliente::layout.offset(SchedaCliente::Cliente),
                                SchedaCliente::layout.size() - 1};
        for (int field = 1; readAhead.size() < fields; ++field)
            readAhead.append(SchedaCliente::layout.offset(field));
        qint64 expected = 0;
        file.scan(
            [&](qint64 index, const RecordView& record) {
                QCOMPARE(index, expected);
                QVERIFY(isNumberedClient(index, record));
                ++expected;
            },
            readAhead);
        QCOMPARE(expected, records);
    }

    // A file that changes during a scan is read as far as it goes, up to the size it had when the scan
    // began, whole cards only: the first block is already read when the first card is visited.
    void scanReadsWhatIsThereWhenTheFileChanges_data()
    {
        QTest::addColumn<qint64>("newSize");
        QTest::addColumn<int>("seen");
        const int size = SchedaCliente::layout.size();
        const int block = int(RecordFile::blockRecords(size));
        QTest::addRow("emptied") << qint64(0) << block;
        QTest::addRow("cut inside the second block") << qint64(block + 5) * size + 100 << block + 5;
        QTest::addRow("cut at the end of the second block") << qint64(2 * block) * size << 2 * block;
        QTest::addRow("grown") << qint64(4 * block) * size + 7 << 3 * block + 2;
    }

    void scanReadsWhatIsThereWhenTheFileChanges()
    {
        QFETCH(qint64, newSize);
        QFETCH(int, seen);
        const int block = int(RecordFile::blockRecords(SchedaCliente::layout.size()));
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        folder.writeAll(QStringLiteral("Clienti.pro"), numberedClients(3 * block + 2));
        RecordFile file(path, SchedaCliente::layout);
        qint64 visited = 0;
        file.scan([&](qint64 index, const RecordView& record) {
            if (index == 0) {
                const QByteArray grown = numberedClients(4 * block + 1);
                QFile raw(path);
                QVERIFY(raw.open(QIODevice::ReadWrite));
                if (newSize > raw.size())
                    raw.write(grown.left(newSize));
                QVERIFY(raw.resize(newSize));
            }
            QCOMPARE(index, visited);
            QVERIFY(isNumberedClient(index, record));
            ++visited;
        });
        QCOMPARE(visited, seen);
    }

    // While another process cuts the file back and restores it in a loop — the program's own cut-back of
    // an append that fails past the file-size limit, or an outside copy that truncates the file and
    // rewrites it as cp does — scans go on: each reads whole cards only, each card where it belongs.
    void scansSurviveAFileCutAndRestored_data()
    {
        QTest::addColumn<bool>("failedAppends");
        QTest::addRow("failed appends cut back") << true;
        QTest::addRow("copied over") << false;
    }

    void scansSurviveAFileCutAndRestored()
    {
        QFETCH(bool, failedAppends);
        const int size = SchedaCliente::layout.size();
        const int block = int(RecordFile::blockRecords(size));
        const int base = 2 * block + 3;
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        const QByteArray original = numberedClients(base);
        folder.writeAll(QStringLiteral("Clienti.pro"), original);
        // Cards the failed appends write: numbered as their places, so that a whole card read anywhere
        // is the card numbered by its place.
        QList<Record> more;
        for (int i = base + 1; i <= base + 3 * block; ++i)
            more.append(client(QString::number(i)));

        const pid_t child = fork();
        if (child == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL); // a scan that kills the test must not leave the writer going
            if (failedAppends) {
                signal(SIGXFSZ, SIG_IGN);
                const rlim_t limit = rlim_t(base + 2 * block) * rlim_t(size) + 1234;
                rlimit fileSize{limit, limit};
                setrlimit(RLIMIT_FSIZE, &fileSize);
                for (;;) {
                    try {
                        RecordFile file(path, SchedaCliente::layout);
                        file.append(more);
                        _exit(1); // the limit should have stopped it
                    } catch (const StorageError&) {
                    }
                }
            }
            const QByteArray native = QFile::encodeName(path);
            for (;;) {
                const int fd = ::open(native.constData(), O_WRONLY | O_TRUNC);
                if (fd < 0)
                    _exit(2);
                for (qsizetype at = 0; at < original.size(); at += 128 * 1024)
                    if (::write(fd, original.constData() + at,
                                std::size_t(std::min<qsizetype>(128 * 1024, original.size() - at))) < 0)
                        _exit(3);
                ::close(fd);
            }
        }

        qint64 scans = 0;
        qint64 cards = 0;
        qint64 wrong = 0;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 1500 || scans < 20) {
            RecordFile file(path, SchedaCliente::layout);
            file.scan([&](qint64 index, const RecordView& record) {
                ++cards;
                if (!isNumberedClient(index, record))
                    ++wrong;
            });
            ++scans;
        }
        ::kill(child, SIGKILL);
        int status = -1;
        waitpid(child, &status, 0);
        QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, "the writer stopped on its own");
        QCOMPARE(wrong, 0);
        QVERIFY(cards > 0);
    }

    // A scan holds one block in memory, not the file: the process's peak resident memory grows by far
    // less than the file's size while it scans a large one.
    void scanKeepsOneBlockResident()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        {
            const QByteArray block = numberedClients(RecordFile::blockRecords(SchedaCliente::layout.size()));
            QFile raw(path);
            QVERIFY(raw.open(QIODevice::WriteOnly));
            for (int i = 0; i < 16; ++i)
                QCOMPARE(raw.write(block), block.size());
        }
        RecordFile file(path, SchedaCliente::layout);
        QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
        if (!clearRefs.open(QIODevice::WriteOnly) || clearRefs.write("5") != 1)
            QSKIP("the peak resident memory cannot be reset here");
        clearRefs.close();
        const qint64 before = statusKib("VmRSS:");
        qint64 seen = 0;
        file.scan([&](qint64, const RecordView& record) { seen += record.bytes()[0] != 0; });
        const qint64 peak = statusKib("VmHWM:");
        QCOMPARE(seen, file.count());
        QVERIFY2(peak - before < 16 * 1024, qPrintable(QStringLiteral("peak grew by %1 KiB scanning %2 KiB")
                                                           .arg(peak - before)
                                                           .arg(QFileInfo(path).size() / 1024)));
    }

    // A failure at any call of a save leaves the file as it was and surfaces as StorageError; so does an
    // overwrite whose emptied journal cannot be made durable, since the journal may still put the old card
    // back.
    void failedSaveLeavesTheFileUnchanged_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<int>("nth");
        QTest::addColumn<bool>("append");
        for (bool append : {true, false}) {
            const char* kind = append ? "append" : "overwrite";
            QTest::addRow("%s: open", kind) << int(FaultyFileIo::Open) << 1 << append;
            QTest::addRow("%s: size", kind) << int(FaultyFileIo::Size) << 1 << append;
            QTest::addRow("%s: lock", kind) << int(FaultyFileIo::Lock) << 1 << append;
            QTest::addRow("%s: write", kind) << int(FaultyFileIo::Write) << 1 << append;
            QTest::addRow("%s: sync", kind) << int(FaultyFileIo::Sync) << 1 << append;
        }
        QTest::addRow("overwrite: the card's sync") << int(FaultyFileIo::Sync) << 2 << false;
        QTest::addRow("overwrite: the emptied journal's sync") << int(FaultyFileIo::Sync) << 3 << false;
    }

    void failedSaveLeavesTheFileUnchanged()
    {
        QFETCH(int, call);
        QFETCH(int, nth);
        QFETCH(bool, append);
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 2);
        const QByteArray before = folder.readAll(QStringLiteral("Clienti.pro"));

        FaultyFileIo io;
        io.failAt(FaultyFileIo::Call(call), nth, ENOSPC);
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
        QCOMPARE(folder.readAll(QStringLiteral("Clienti.pro")), before);
        QVERIFY(!RollbackJournal::existsFor(path));
    }

    void failedScanThrows()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 2);
        FaultyFileIo io;
        io.failAt(FaultyFileIo::Read, 1);
        RecordFile file(path, SchedaCliente::layout);
        QVERIFY_THROWS_EXCEPTION(StorageError, file.scan([](qint64, const RecordView&) {}));
    }

    // An overwrite that fails at any of its calls. Cut short there (a kill or a power loss: that call and
    // every later one fail, a failing write leaves half its bytes), the file opened again holds all the
    // old record or all the new one, the new one whenever the save was reported done. Failing at that
    // call alone, the save reports exactly what the file holds. The next card is never touched.
    void overwriteThatFailsAnywhereIsAllOldOrAllNew_data()
    {
        QTest::addColumn<bool>("cutShort");
        QTest::newRow("cut short") << true;
        QTest::newRow("one call fails") << false;
    }

    void overwriteThatFailsAnywhereIsAllOldOrAllNew()
    {
        QFETCH(bool, cutShort);
        const Record old = client(QStringLiteral("vecchio"));
        const Record fresh = client(QStringLiteral("nuovo con un nome molto più lungo del vecchio"));
        const auto prepare = [&](const TempProgramFolder& folder) {
            RecordFile file(folder.file(QStringLiteral("Clienti.pro")), SchedaCliente::layout);
            file.append(old);
            file.append(client(QStringLiteral("accanto")));
        };
        int callsOfASave = 0;
        {
            TempProgramFolder folder;
            prepare(folder);
            FaultyFileIo io;
            RecordFile(folder.file(QStringLiteral("Clienti.pro")), SchedaCliente::layout).overwrite(1, fresh);
            callsOfASave = io.calls(FaultyFileIo::AnyCall);
        }
        QVERIFY(callsOfASave > 8);
        for (int k = 1; k <= callsOfASave; ++k) {
            TempProgramFolder folder;
            prepare(folder);
            const QString path = folder.file(QStringLiteral("Clienti.pro"));
            bool reported = false;
            {
                FaultyFileIo io;
                io.tearFailingWrites();
                io.failAt(FaultyFileIo::AnyCall, k, EIO, cutShort);
                try {
                    RecordFile(path, SchedaCliente::layout).overwrite(1, fresh);
                    reported = true;
                } catch (const StorageError&) {
                }
            }
            RecordFile file(path, SchedaCliente::layout);
            const QByteArray now = file.read(0).bytes();
            const QString where = QStringLiteral("call %1, reported %2").arg(k).arg(reported);
            QVERIFY2(now == fresh.bytes() || now == old.bytes(), qPrintable(where));
            if (reported || !cutShort)
                QVERIFY2(now == (reported ? fresh : old).bytes(), qPrintable(where));
            QCOMPARE(file.read(1).text(SchedaCliente::Cliente), QStringLiteral("accanto"));
            QCOMPARE(file.count(), 2);
            QVERIFY(!RollbackJournal::existsFor(path));
        }
    }

    // A journal left by a workstation that stopped mid-write is rolled back by the next one to open the
    // file; one cut short while it was written (the archive not yet touched) is only removed.
    void nextOpenRollsBackAnInterruptedOverwrite_data()
    {
        QTest::addColumn<bool>("wholeJournal");
        QTest::addColumn<bool>("firstFormat");
        QTest::newRow("whole journal") << true << false;
        QTest::newRow("torn journal") << false << false;
        QTest::newRow("journal of the first format") << true << true;
    }

    void nextOpenRollsBackAnInterruptedOverwrite()
    {
        QFETCH(bool, wholeJournal);
        QFETCH(bool, firstFormat);
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 3);
        const QByteArray before = folder.readAll(QStringLiteral("Clienti.pro"));
        if (firstFormat) {
            // "TVJ1", the card's number and size, its old bytes, then FNV-1a of all that.
            QByteArray journal("TVJ1\x02\0\0\0\0\0\0\0\x2c\x0d\0\0", 16);
            journal.append(before.mid(SchedaCliente::layout.size(), SchedaCliente::layout.size()));
            quint64 hash = 14695981039346656037ULL;
            for (const char c : journal)
                hash = (hash ^ quint8(c)) * 1099511628211ULL;
            for (int i = 0; i < 8; ++i)
                journal.append(char(hash >> (8 * i)));
            QByteArray torn = before;
            torn.replace(SchedaCliente::layout.size() + 10, 100, QByteArray(100, 'X'));
            folder.writeAll(QStringLiteral("Clienti.pro"), torn);
            folder.writeAll(QFileInfo(RollbackJournal::pathOf(path)).fileName(), journal);
        } else {
            RecordFile file(path, SchedaCliente::layout);
            const QByteArray old = file.read(1).bytes();
            const RollbackJournal journal(path, 2, old,
                                          QByteArray(old).replace(10, 200, QByteArray(200, 'X')));
            // The new record is half written when the workstation stops: no commit.
            QFile raw(path);
            QVERIFY(raw.open(QIODevice::ReadWrite));
            raw.seek(SchedaCliente::layout.size() + 10);
            raw.write(QByteArray(100, 'X'));
        }
        if (!wholeJournal) {
            QFile journal(RollbackJournal::pathOf(path));
            QVERIFY(journal.resize(journal.size() - 3));
            // The archive was not touched before its journal was whole.
            QFile raw(path);
            QVERIFY(raw.open(QIODevice::WriteOnly));
            raw.write(before);
        }
        QVERIFY(RollbackJournal::existsFor(path));
        RecordFile file(path, SchedaCliente::layout);
        QCOMPARE(file.rolledBack(), wholeJournal ? 2 : 0);
        QCOMPARE(folder.readAll(QStringLiteral("Clienti.pro")), before);
        QVERIFY(!RollbackJournal::existsFor(path));
    }

    // A workstation that opened the archive before another one was killed halfway through an overwrite
    // then writes: before its own write it puts back the card the dead one left torn, and the killed write
    // never counts, whatever it writes (another card, the same card computed from what it holds, a new
    // card). The archive is left exactly as the dead write found it plus the new write.
    void staleJournalIsPutBackByTheNextWrite_data()
    {
        QTest::addColumn<QString>("write");
        QTest::newRow("overwrite of another card") << QStringLiteral("overwrite");
        QTest::newRow("update of the same card") << QStringLiteral("update");
        QTest::newRow("append") << QStringLiteral("append");
    }

    void staleJournalIsPutBackByTheNextWrite()
    {
        QFETCH(QString, write);
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 3);
        const QByteArray before = folder.readAll(QStringLiteral("Clienti.pro"));
        const int size = SchedaCliente::layout.size();
        RecordFile early(path, SchedaCliente::layout);

        QVERIFY(killMidOverwrite(path, 2, client(QStringLiteral("scritto da un banco poi spento"))));
        QVERIFY(RollbackJournal::existsFor(path));
        QVERIFY(folder.readAll(QStringLiteral("Clienti.pro")).mid(size, size) != before.mid(size, size));

        QByteArray expected = before;
        if (write == u"overwrite") {
            const Record first = client(QStringLiteral("primo rifatto"));
            early.overwrite(1, first);
            expected.replace(0, size, first.bytes());
        } else if (write == u"update") {
            QVERIFY(early.update(2, [](Record& record) {
                record.setText(SchedaCliente::Cliente,
                               record.text(SchedaCliente::Cliente) + QStringLiteral("+"));
                return true;
            }));
            expected.replace(size, size, withName(before.mid(size, size), QStringLiteral("2+")).bytes());
        } else {
            const Record fourth = client(QStringLiteral("4"));
            QCOMPARE(early.append(fourth), 4);
            expected.append(fourth.bytes());
        }
        QCOMPARE(early.rolledBack(), 2);
        QVERIFY(!RollbackJournal::existsFor(path));
        QCOMPARE(folder.readAll(QStringLiteral("Clienti.pro")), expected);
    }

    // A backup copied over the archive after a workstation died halfway through an overwrite: the dead
    // write's journal belongs to the archive that is gone, and puts nothing into the backup, whether the
    // next workstation opens the archive or was already writing to it.
    void backupCopiedOverIsNeverGivenAStaleCard_data()
    {
        QTest::addColumn<bool>("openedBefore");
        QTest::newRow("met at opening") << false;
        QTest::newRow("met by a write of a handle opened before") << true;
    }

    void backupCopiedOverIsNeverGivenAStaleCard()
    {
        QFETCH(bool, openedBefore);
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 3);
        const int size = SchedaCliente::layout.size();
        QByteArray backup = folder.readAll(QStringLiteral("Clienti.pro"));
        backup.replace(size, size, withName(backup.mid(size, size), QStringLiteral("dalla copia")).bytes());
        std::optional<RecordFile> early;
        if (openedBefore)
            early.emplace(path, SchedaCliente::layout);

        QVERIFY(killMidOverwrite(path, 2, client(QStringLiteral("scritto da un banco poi spento"))));
        folder.writeAll(QStringLiteral("Clienti.pro"), backup); // in place, as cp does
        QVERIFY(RollbackJournal::existsFor(path));

        const Record fourth = client(QStringLiteral("4"));
        if (openedBefore)
            early->append(fourth);
        else
            RecordFile(path, SchedaCliente::layout).append(fourth);
        QVERIFY(!RollbackJournal::existsFor(path));
        QCOMPARE(folder.readAll(QStringLiteral("Clienti.pro")), backup + fourth.bytes());
    }

    // Another file put in the archive's place (a backup renamed over it) while a workstation had it open:
    // the workstation's next write fails rather than go into the file that is gone, and the archive now
    // in place is left as it is.
    void writeToAnArchiveReplacedMeanwhileFails_data()
    {
        QTest::addColumn<QString>("write");
        QTest::newRow("overwrite") << QStringLiteral("overwrite");
        QTest::newRow("update") << QStringLiteral("update");
        QTest::newRow("append") << QStringLiteral("append");
    }

    void writeToAnArchiveReplacedMeanwhileFails()
    {
        QFETCH(QString, write);
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 2);
        RecordFile early(path, SchedaCliente::layout);
        const QByteArray backup = numberedClients(3);
        folder.writeAll(QStringLiteral("copia.pro"), backup);
        QVERIFY(::rename(QFile::encodeName(folder.file(QStringLiteral("copia.pro"))).constData(),
                         QFile::encodeName(path).constData()) == 0);
        const Record fresh = client(QStringLiteral("nuovo"));
        if (write == u"overwrite")
            QVERIFY_THROWS_EXCEPTION(StorageError, early.overwrite(1, fresh));
        else if (write == u"update")
            QVERIFY_THROWS_EXCEPTION(StorageError, early.update(1, [](Record&) { return true; }));
        else
            QVERIFY_THROWS_EXCEPTION(StorageError, early.append(fresh));
        QCOMPARE(folder.readAll(QStringLiteral("Clienti.pro")), backup);
        QCOMPARE(RecordFile(path, SchedaCliente::layout).append(fresh), 4);
    }

    // A symbolic link in the program folder, as the archive or as its journal, would lead a write to the
    // file it points to, which may be any file another desk can reach: it is refused at opening or at the
    // write that meets it, and the file it points to stays as it was (or missing).
    void linksAreRefused_data()
    {
        QTest::addColumn<QString>("linked");
        QTest::addColumn<bool>("targetExists");
        QTest::addColumn<QString>("write");
        for (const bool targetExists : {true, false}) {
            const char* target = targetExists ? "a file" : "nothing";
            QTest::addRow("archive linked to %s", target)
                << QStringLiteral("archive") << targetExists << QString();
            QTest::addRow("journal linked to %s, met at opening", target)
                << QStringLiteral("journal") << targetExists << QString();
            QTest::addRow("journal linked to %s, met by an overwrite", target)
                << QStringLiteral("journal") << targetExists << QStringLiteral("overwrite");
            QTest::addRow("journal linked to %s, met by an append", target)
                << QStringLiteral("journal") << targetExists << QStringLiteral("append");
        }
    }

    void linksAreRefused()
    {
        QFETCH(QString, linked);
        QFETCH(bool, targetExists);
        QFETCH(QString, write);
        TempProgramFolder folder;
        QTemporaryDir outside;
        const QString target = outside.filePath(QStringLiteral("di un altro banco"));
        const QByteArray theirs = numberedClients(2);
        if (targetExists) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(theirs);
        }
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        if (linked == u"journal")
            appendClients(path, 2);
        std::optional<RecordFile> early;
        if (!write.isEmpty())
            early.emplace(path, SchedaCliente::layout);
        QVERIFY(QFile::link(target, linked == u"archive" ? path : RollbackJournal::pathOf(path)));

        try {
            if (write.isEmpty())
                RecordFile(path, SchedaCliente::layout);
            else if (write == u"overwrite")
                early->overwrite(1, client(QStringLiteral("nuovo")));
            else
                early->append(client(QStringLiteral("nuovo")));
            QFAIL("the link was followed");
        } catch (const StorageError& error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(StorageError::linkText()), error.what());
        }
        QCOMPARE(QFileInfo::exists(target), targetExists);
        if (targetExists) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), theirs);
        }
    }

    // A journal that is a second name of another file (a hard link) is only a name to remove: the
    // overwrite goes on, and the other file is never emptied nor written.
    void journalThatIsAHardLinkIsNeverWrittenThrough()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 2);
        const QString other = folder.file(QStringLiteral("di un altro banco"));
        const QByteArray theirs = numberedClients(1);
        folder.writeAll(QStringLiteral("di un altro banco"), theirs);
        RecordFile file(path, SchedaCliente::layout);
        QCOMPARE(::link(QFile::encodeName(other).constData(),
                        QFile::encodeName(RollbackJournal::pathOf(path)).constData()),
                 0);
        file.overwrite(1, client(QStringLiteral("nuovo")));
        QCOMPARE(file.read(0).text(SchedaCliente::Cliente), QStringLiteral("nuovo"));
        QCOMPARE(folder.readAll(QStringLiteral("di un altro banco")), theirs);
        QVERIFY(!RollbackJournal::existsFor(path));
    }

    // Computed updates from several processes at once, each a read and a write of one record: every
    // one counts, none works on a copy another has already changed.
    void concurrentUpdatesLoseNothing()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 1);
        constexpr int kChildren = 4;
        constexpr int kEach = 60;
        QVERIFY(allWorkstationsSucceed(kChildren, [&](int) {
            for (int i = 0; i < kEach; ++i) {
                RecordFile file(path, SchedaCliente::layout);
                file.update(1, [](Record& record) {
                    record.setText(SchedaCliente::Cliente,
                                   QString::number(record.text(SchedaCliente::Cliente).toInt() + 1));
                    return true;
                });
            }
        }));
        RecordFile file(path, SchedaCliente::layout);
        QCOMPARE(file.read(0).text(SchedaCliente::Cliente), QString::number(1 + kChildren * kEach));
    }

    void updateThatChangesNothingWritesNothing()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        appendClients(path, 2);
        FaultyFileIo io;
        RecordFile file(path, SchedaCliente::layout);
        QVERIFY(!file.update(2, [](Record& record) {
            record.setText(SchedaCliente::Cliente, QStringLiteral("scartato"));
            return false;
        }));
        QCOMPARE(io.calls(FaultyFileIo::Write), 0);
        QCOMPARE(file.read(1).text(SchedaCliente::Cliente), QStringLiteral("2"));
        QVERIFY_THROWS_EXCEPTION(StorageError, file.update(3, [](Record&) { return true; }));
    }

    // Two workstations saving new cards at once never share a number nor overwrite each other.
    void concurrentAppendsLoseNothing()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        constexpr int kEach = 300;
        QVERIFY(allWorkstationsSucceed(2, [&](int c) {
            for (int i = 0; i < kEach; ++i) {
                RecordFile file(path, SchedaCliente::layout);
                file.append(client(QStringLiteral("%1-%2").arg(c).arg(i)));
            }
        }));
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
