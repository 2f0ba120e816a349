#include "Workstations.h"
#include "app/ArchiveCatalog.h"
#include "cli/CopyCommand.h"
#include "cli/DemoCommand.h"
#include "storage/FileIo.h"
#include "storage/FileRecordStore.h"
#include "storage/ServerRecordStore.h"
#include "TempProgramFolder.h"
#include "ThrowawayServer.h"

#include <csignal>
#include <functional>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The real file calls, except that one call on the first file opened of that name stops: its first read
// or write (the copy is then in the middle of it, every archive before it copied), or its rename into the
// destination (the copy is whole, being moved in). Stopping, it tells the test through a pipe and waits
// for its kill; or it only sleeps a while, or does what another workstation does meanwhile, and goes on.
class StallingFileIo : public PosixFileIo
{
public:
    enum Call { Read, Write, Rename };
    enum Stop { KilledThere, SleepsThere, ActsThere };

    StallingFileIo(const QString& name, Call call, Stop stop, int notify = -1)
        : m_name(u'/' + name), m_call(call), m_stop(stop), m_notify(notify)
    {
        FileIo::install(this);
    }
    StallingFileIo(const QString& name, Call call, std::function<void()> meanwhile)
        : StallingFileIo(name, call, ActsThere)
    {
        m_meanwhile = std::move(meanwhile);
    }
    ~StallingFileIo() override { FileIo::install(nullptr); }

    int open(const QString& path, bool create, bool truncate) override
    {
        const int fd = PosixFileIo::open(path, create, truncate);
        if (m_fd < 0 && path.endsWith(m_name))
            m_fd = fd;
        return fd;
    }

    ssize_t pread(int fd, void* buffer, std::size_t count, off_t offset) override
    {
        if (m_call == Read && fd == m_fd)
            stop();
        return PosixFileIo::pread(fd, buffer, count, offset);
    }

    ssize_t pwrite(int fd, const void* buffer, std::size_t count, off_t offset) override
    {
        if (m_call == Write && fd == m_fd && !m_stopped) {
            if (m_stop == KilledThere)
                PosixFileIo::pwrite(fd, buffer, count / 2, offset);
            stop();
        }
        return PosixFileIo::pwrite(fd, buffer, count, offset);
    }

    int rename(const QString& from, const QString& to) override
    {
        if (m_call == Rename && to.endsWith(m_name))
            stop();
        return PosixFileIo::rename(from, to);
    }

private:
    void stop()
    {
        if (m_stopped)
            return;
        m_stopped = true;
        if (m_stop == SleepsThere) {
            QThread::msleep(1100);
            return;
        }
        if (m_stop == ActsThere) {
            m_meanwhile();
            return;
        }
        const char stopped = 's';
        if (::write(m_notify, &stopped, 1) != 1)
            _exit(3);
        for (;;)
            ::pause();
    }

    QString m_name;
    Call m_call;
    Stop m_stop;
    int m_notify;
    std::function<void()> m_meanwhile;
    int m_fd = -1;
    bool m_stopped = false;
};

struct Run
{
    int status;
    QString output;
    QString errors;
};

Run copy(const QString& from, const QString& to)
{
    QString output;
    QString errors;
    QTextStream out(&output);
    QTextStream err(&errors);
    const int status = runCopy({u"copia"_s, u"--da"_s, from, u"--a"_s, to}, out, err);
    out.flush();
    err.flush();
    return {status, output, errors};
}

// Runs the copy in a child process killed at that call on the archive of that name. Returns whether it
// went so.
bool killMidCopy(const QString& from, const QString& to, const QString& name, StallingFileIo::Call call)
{
    return killedWhereItSignals([&](int signal) {
        const StallingFileIo io(name, call, StallingFileIo::KilledThere, signal);
        copy(from, to);
    });
}

const QString kListing = u"Clienti.pro\t300\nDipendenti.pro\t12\nMagazzino.pro\t40\n"
                         u"2025.sca\t400\n2025.tel\t2000\n2025.ven\t600\n"_s;

} // namespace

// A copy of the archives stopped halfway, by a kill, between a folder and a PostgreSQL server.
class TestInterruptedCopy : public QObject
{
    Q_OBJECT

private:
    TempProgramFolder m_files;
    QString m_server;

    void compareWithTheSource(const QString& folder)
    {
        const QStringList names = QDir(m_files.path()).entryList(QDir::Files);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), names);
        for (const QString& name : names) {
            QFile copied(QDir(folder).filePath(name));
            QVERIFY(copied.open(QIODevice::ReadOnly));
            QVERIFY2(copied.readAll() == m_files.readAll(name), qPrintable(name));
        }
    }

private slots:
    void initTestCase()
    {
        QString output;
        QTextStream out(&output);
        QCOMPARE(runDemo({u"--clienti"_s, u"300"_s, u"--operatori"_s, u"12"_s, u"--articoli"_s, u"40"_s,
                          u"--chiamate"_s, u"2000"_s, u"--vendite"_s, u"600"_s, u"--appuntamenti"_s, u"400"_s,
                          u"--anno"_s, u"2025"_s, u"--seme"_s, u"11"_s},
                         out, out),
                 0);
        m_server = ThrowawayServer::shared().freshDatabase();
        QCOMPARE(copy(m_files.path(), m_server).status, 0);
    }

    // Killed in the middle of one archive, every archive before it copied: the destination shows no
    // archive, and the next copy to it gives the source's bytes, file for file.
    void killedCopyLeavesNothingAndTheNextOneCopiesAll_data()
    {
        QTest::addColumn<bool>("toServer");
        QTest::newRow("folder to server") << true;
        QTest::newRow("server to folder") << false;
    }

    void killedCopyLeavesNothingAndTheNextOneCopiesAll()
    {
        QFETCH(bool, toServer);
        QTemporaryDir folder;
        const QString server = ThrowawayServer::shared().freshDatabase();
        const QString from = toServer ? m_files.path() : m_server;
        const QString to = toServer ? server : folder.path();

        // A folder source is stopped reading the archive, a folder destination writing it.
        QVERIFY(
            killMidCopy(from, to, u"2025.tel"_s, toServer ? StallingFileIo::Read : StallingFileIo::Write));
        if (toServer)
            QCOMPARE(ArchiveCatalog::archivesOn(server), QStringList());
        else
            QCOMPARE(ArchiveCatalog::filesInFolder(folder.path()), QStringList());

        const Run again = copy(from, to);
        QCOMPARE(again.status, 0);
        QCOMPARE(again.output, kListing);
        if (toServer)
            QCOMPARE(copy(server, folder.path()).status, 0);
        compareWithTheSource(folder.path());
    }

    // Archives already made in the destination but still empty (a workstation opened them) give way to
    // the copied ones.
    void emptyArchivesInTheDestinationGiveWay_data()
    {
        QTest::addColumn<bool>("toServer");
        QTest::newRow("folder to server") << true;
        QTest::newRow("server to folder") << false;
    }

    void emptyArchivesInTheDestinationGiveWay()
    {
        QFETCH(bool, toServer);
        QTemporaryDir folder;
        const QString server = ThrowawayServer::shared().freshDatabase();
        for (const QString& name : {u"Clienti.pro"_s, u"2025.tel"_s}) {
            if (toServer)
                ServerRecordStore(server, ArchiveCatalog::tableOf(name), *ArchiveCatalog::layoutOf(name));
            else
                FileRecordStore(QDir(folder.path()).filePath(name), *ArchiveCatalog::layoutOf(name));
        }
        const Run run = toServer ? copy(m_files.path(), server) : copy(m_server, folder.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.output, kListing);
        if (toServer)
            QCOMPARE(copy(server, folder.path()).status, 0);
        compareWithTheSource(folder.path());
    }

    // An archive of the destination that was empty when the copy began and got a card meanwhile (a
    // workstation saved one) is never replaced: the copy is refused whole, and the card stays.
    void archiveThatGetsCardsMeanwhileIsKept_data()
    {
        QTest::addColumn<bool>("toServer");
        QTest::newRow("folder to server") << true;
        QTest::newRow("server to folder") << false;
    }

    void archiveThatGetsCardsMeanwhileIsKept()
    {
        QFETCH(bool, toServer);
        QTemporaryDir folder;
        const QString server = ThrowawayServer::shared().freshDatabase();
        const RecordLayout& layout = *ArchiveCatalog::layoutOf(u"Clienti.pro"_s);
        const auto open = [&]() -> std::unique_ptr<RecordStore> {
            if (toServer)
                return std::make_unique<ServerRecordStore>(server, u"clienti"_s, layout);
            return std::make_unique<FileRecordStore>(QDir(folder.path()).filePath(u"Clienti.pro"_s), layout);
        };
        open();
        Record saved(layout);
        saved.setText(0, u"salvata durante la copia"_s);
        Run run;
        {
            const StallingFileIo io(u"2025.tel"_s, toServer ? StallingFileIo::Read : StallingFileIo::Write,
                                    [&] { open()->append(std::span<const Record>(&saved, 1)); });
            run = toServer ? copy(m_files.path(), server) : copy(m_server, folder.path());
        }
        QCOMPARE(run.status, 1);
        QCOMPARE(run.output, QString());
        QCOMPARE(run.errors,
                 (toServer ? u"la destinazione ha ricevuto schede in clienti durante la copia\n"_s
                           : u"la destinazione ha ricevuto schede in Clienti.pro durante la copia\n"_s) +
                     u"archivi copia: nulla è stato copiato\n"_s);
        if (toServer) {
            // Beside the archive, only the server's own count of its rows.
            QStringList tables = ServerRecordStore::tables(server);
            tables.removeAll(u"telvara_righe"_s);
            QCOMPARE(tables, QStringList{u"clienti"_s});
        }
        else
            QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList{u"Clienti.pro"_s});
        const std::unique_ptr<RecordStore> kept = open();
        QCOMPARE(kept->count(), 1);
        QByteArray bytes(layout.size(), Qt::Uninitialized);
        QCOMPARE(kept->readBlock(bytes.data(), 0, 1), 1);
        QCOMPARE(bytes, saved.bytes());
    }

    // Killed while the whole copy is moved into the folder, some archives in and some not: the next copy
    // into the folder finishes the move, says so, and copies nothing over it.
    void copyKilledWhileMovedInIsFinishedByTheNext()
    {
        QTemporaryDir folder;
        QVERIFY(killMidCopy(m_files.path(), folder.path(), u"Dipendenti.pro"_s, StallingFileIo::Rename));
        QCOMPARE(ArchiveCatalog::filesInFolder(folder.path()),
                 QStringList({u"Clienti.pro"_s, u"2025.sca"_s, u"2025.tel"_s, u"2025.ven"_s}));

        const Run again = copy(m_files.path(), folder.path());
        QCOMPARE(again.status, 1);
        QCOMPARE(again.output, QString());
        QVERIFY2(again.errors.startsWith(u"archivi copia: finita la copia interrotta in "_s + folder.path() +
                                         u'\n'),
                 qPrintable(again.errors));
        compareWithTheSource(folder.path());
    }

    // A copy that takes more than a second tells how far it has gone, archive by archive, on the error
    // stream; one within its first second says nothing. Either gives the source's bytes.
    void longCopyTellsItsProgress()
    {
        QTemporaryDir folder;
        // A destination named as a path relative to the working folder, as people type it.
        const QString working = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QFileInfo(folder.path()).path()));
        Run run;
        {
            const StallingFileIo io(u"2025.tel"_s, StallingFileIo::Read, StallingFileIo::SleepsThere);
            run = copy(m_files.path(), QFileInfo(folder.path()).fileName());
        }
        QVERIFY(QDir::setCurrent(working));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.output, kListing);
        QCOMPARE(run.errors, u"2025.tel: 2000 di 2000 schede copiate\n"_s);
        compareWithTheSource(folder.path());
    }
};

QTEST_GUILESS_MAIN(TestInterruptedCopy)
#include "TestInterruptedCopy.moc"
