#include "FaultyFileIo.h"
#include "Garbage.h"
#include "rules/PasswordFile.h"
#include "storage/FileSizeSignal.h"
#include "storage/StorageError.h"
#include "TempProgramFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

class TestPasswordFile : public QObject
{
    Q_OBJECT

private slots:
    void valueIn_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("value");
        QTest::newRow("usual") << QByteArray("[Accesso]\r\nValore=7A6A\r\n") << u"7A6A"_s;
        QTest::newRow("names in any case, blanks")
            << QByteArray("[ accesso ]\nVALORE = 7A6A \n") << u"7A6A"_s;
        QTest::newRow("among other sections")
            << QByteArray("[Altro]\nValore=11\n[Accesso]\nX=1\nValore=22\n") << u"22"_s;
        QTest::newRow("first key wins") << QByteArray("[Accesso]\nValore=11\nValore=22\n") << u"11"_s;
        QTest::newRow("no final line end") << QByteArray("[Accesso]\r\nValore=7A") << u"7A"_s;
        QTest::newRow("key of another section") << QByteArray("[Accesso]\n[Altro]\nValore=11\n") << QString();
        QTest::newRow("comment") << QByteArray("[Accesso]\n;Valore=11\n") << QString();
        QTest::newRow("no section") << QByteArray("Valore=11\n") << QString();
        QTest::newRow("empty value") << QByteArray("[Accesso]\nValore=\n") << QString();
        QTest::newRow("empty file") << QByteArray() << QString();
    }

    void valueIn()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, value);
        QCOMPARE(PasswordFile::valueIn(content), value);
    }

    void withValue_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("result");
        QTest::newRow("replaced") << QByteArray("[Accesso]\r\nValore=11\r\n")
                                  << QByteArray("[Accesso]\r\nValore=7A\r\n");
        QTest::newRow("others kept")
            << QByteArray("; nota\r\n[Accesso]\r\nAltro = x\r\nvalore = 11\r\n\r\n[B]\r\nValore=1\r\n")
            << QByteArray("; nota\r\n[Accesso]\r\nAltro = x\r\nValore=7A\r\n\r\n[B]\r\nValore=1\r\n");
        QTest::newRow("no final line end")
            << QByteArray("[Accesso]\nValore=11") << QByteArray("[Accesso]\nValore=7A");
        QTest::newRow("key added after the section's lines")
            << QByteArray("[Accesso]\nX=1\n\n[B]\nY=2\n")
            << QByteArray("[Accesso]\nX=1\nValore=7A\n\n[B]\nY=2\n");
        QTest::newRow("key added at the end")
            << QByteArray("[Accesso]") << QByteArray("[Accesso]\r\nValore=7A\r\n");
        QTest::newRow("section added")
            << QByteArray("[B]\nY=2") << QByteArray("[B]\nY=2\n[Accesso]\nValore=7A\n");
        QTest::newRow("new file") << QByteArray() << QByteArray("[Accesso]\r\nValore=7A\r\n");
    }

    void withValue()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, result);
        QCOMPARE(PasswordFile::withValue(content, u"7A"_s), result);
        QCOMPARE(PasswordFile::valueIn(result), u"7A"_s);
    }

    void missingFileReadsEmptyAndIsCreated()
    {
        TempProgramFolder folder;
        const QString path = folder.file(u"unins000.dll"_s);
        QCOMPARE(PasswordFile::read(path), QString());
        PasswordFile::write(path, u"7A6A"_s);
        QCOMPARE(folder.readAll(u"unins000.dll"_s), QByteArray("[Accesso]\r\nValore=7A6A\r\n"));
        QCOMPARE(PasswordFile::read(path), u"7A6A"_s);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"unins000.dll"_s});
    }

    void unreadableFileThrows_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("folder") << false;
        // Read without waiting for a writer that never comes.
        QTest::newRow("FIFO") << true;
    }

    void unreadableFileThrows()
    {
        QFETCH(bool, fifo);
        TempProgramFolder folder;
        if (fifo)
            QCOMPARE(mkfifo(QFile::encodeName(folder.file(u"unins000.dll"_s)).constData(), 0600), 0);
        else
            QDir(folder.path()).mkdir(u"unins000.dll"_s);
        QVERIFY_THROWS_EXCEPTION(StorageError, PasswordFile::read(folder.file(u"unins000.dll"_s)));
    }

    // A file that exists must read as INI text to hold a password: one of other content (overwritten
    // with other data) is an unreadable password file, not an empty password, and a change leaves it.
    void contentThatIsNoIniTextHoldsNoPassword_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("ini");
        QTest::newRow("usual") << QByteArray("[Accesso]\r\nValore=7A6A\r\n") << true;
        QTest::newRow("comments, blanks, tabs")
            << QByteArray("; nota\r\n\r\n# altra\r\n[Accesso]\r\n\tValore = 7A \r\n") << true;
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Accesso]\nValore=7A\n") << true;
        QTest::newRow("no section") << QByteArray("X=1\n") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("4 KB of other data") << garbage(4096) << false;
        QTest::newRow("zero byte") << QByteArray("[Accesso]\r\nValore=7A") + '\0' + "\r\n" << false;
        QTest::newRow("a line of prose") << QByteArray("[Accesso]\r\nsolo testo\r\n") << false;
        QTest::newRow("section not closed") << QByteArray("[Accesso\r\nValore=7A\r\n") << false;
        QTest::newRow("no key") << QByteArray("[Accesso]\r\n=7A\r\n") << false;
    }

    void contentThatIsNoIniTextHoldsNoPassword()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, ini);
        QCOMPARE(PasswordFile::readsAsIni(content), ini);
        TempProgramFolder folder;
        const QString path = folder.file(u"unins000.dll"_s);
        folder.writeAll(u"unins000.dll"_s, content);
        if (ini) {
            QCOMPARE(PasswordFile::read(path), PasswordFile::valueIn(content));
            return;
        }
        QVERIFY_THROWS_EXCEPTION(StorageError, PasswordFile::read(path));
        bool decided = false;
        QVERIFY_THROWS_EXCEPTION(StorageError, PasswordFile::change(path, [&decided](const QString&) {
                                     decided = true;
                                     return std::optional<QString>(u"11"_s);
                                 }));
        QVERIFY(!decided);
        QCOMPARE(folder.readAll(u"unins000.dll"_s), content);
    }

    // A change killed between creating its temporary file and renaming it leaves that file behind; the
    // next change removes it, and only what a replacement of the password file names so.
    void aChangeRemovesWhatKilledChangesLeft()
    {
        TempProgramFolder folder;
        folder.writeAll(u"unins000.dll"_s, "[Accesso]\r\nValore=7A6A\r\n");
        folder.writeAll(u"unins000.dll.3f9a01c2.tmp"_s, "[Accesso]\r\nVal");
        folder.writeAll(u"unins000.dll.b7.tmp"_s, QByteArray());
        folder.writeAll(u"unins000.dll.copia.tmp"_s, "mia");
        folder.writeAll(u"Clienti.xls.5e2d.tmp"_s, "altro");
        PasswordFile::write(folder.file(u"unins000.dll"_s), u"11"_s);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 (QStringList{u"Clienti.xls.5e2d.tmp"_s, u"unins000.dll"_s, u"unins000.dll.copia.tmp"_s}));
        QCOMPARE(PasswordFile::read(folder.file(u"unins000.dll"_s)), u"11"_s);
    }

    void interruptedChangeKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<int>("at");
        QTest::newRow("open") << int(FaultyFileIo::Open) << 1;
        QTest::newRow("lock") << int(FaultyFileIo::Lock) << 1;
        QTest::newRow("read") << int(FaultyFileIo::Read) << 1;
        QTest::newRow("create") << int(FaultyFileIo::Open) << 2;
        QTest::newRow("write") << int(FaultyFileIo::Write) << 1;
        QTest::newRow("flush") << int(FaultyFileIo::Sync) << 1;
        QTest::newRow("close") << int(FaultyFileIo::Close) << 1;
        QTest::newRow("rename") << int(FaultyFileIo::Rename) << 1;
    }

    void interruptedChangeKeepsTheOldFile()
    {
        QFETCH(int, call);
        QFETCH(int, at);
        TempProgramFolder folder;
        const QByteArray old("[Accesso]\r\nValore=7A6A\r\n[Altro]\r\nX=1\r\n");
        folder.writeAll(u"unins000.dll"_s, old);
        {
            FaultyFileIo faulty;
            faulty.failAt(FaultyFileIo::Call(call), at, ENOSPC);
            QVERIFY_THROWS_EXCEPTION(StorageError,
                                     PasswordFile::write(folder.file(u"unins000.dll"_s), u"11"_s));
        }
        QCOMPARE(folder.readAll(u"unins000.dll"_s), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"unins000.dll"_s});
        PasswordFile::write(folder.file(u"unins000.dll"_s), u"11"_s);
        QCOMPARE(folder.readAll(u"unins000.dll"_s),
                 QByteArray("[Accesso]\r\nValore=11\r\n[Altro]\r\nX=1\r\n"));
    }

    void realWriteFailureKeepsTheOldFile()
    {
        // A failure root cannot bypass: past the file-size limit the write fails with EFBIG, as it does
        // in the program, which ignores SIGXFSZ.
        TempProgramFolder folder;
        const QByteArray old("[Accesso]\r\nValore=7A6A\r\n");
        folder.writeAll(u"unins000.dll"_s, old);
        const pid_t child = fork();
        if (child == 0) {
            FileSizeSignal::ignore();
            rlimit limit{8, 8};
            setrlimit(RLIMIT_FSIZE, &limit);
            try {
                PasswordFile::write(folder.file(u"unins000.dll"_s), u"11"_s);
            } catch (const StorageError& error) {
                _exit(error.errorNumber() == EFBIG ? 0 : 2);
            }
            _exit(1);
        }
        QCOMPARE(exitStatus(child), 0);
        QCOMPARE(folder.readAll(u"unins000.dll"_s), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"unins000.dll"_s});
    }

    void decisionSeesTheStoredValueAndMayKeepIt()
    {
        TempProgramFolder folder;
        const QString path = folder.file(u"unins000.dll"_s);
        QString seen = u"none"_s;
        const auto keep = [&seen](const QString& stored) {
            seen = stored;
            return std::optional<QString>();
        };
        QVERIFY(!PasswordFile::change(path, keep));
        QCOMPARE(seen, QString());
        QVERIFY(!QFile::exists(path));
        folder.writeAll(u"unins000.dll"_s, "[Accesso]\r\nValore=7A6A\r\n");
        QVERIFY(!PasswordFile::change(path, keep));
        QCOMPARE(seen, u"7A6A"_s);
        QCOMPARE(folder.readAll(u"unins000.dll"_s), QByteArray("[Accesso]\r\nValore=7A6A\r\n"));
    }

    // Workstations changing the value at the same moment: each change decides on the value the one
    // before stored, no change fails, and a reader meanwhile always finds a whole value.
    void concurrentChangesEachSeeTheLastOne()
    {
        TempProgramFolder folder;
        const QString path = folder.file(u"unins000.dll"_s);
        PasswordFile::write(path, u"0"_s);
        constexpr int kWriters = 4;
        constexpr int kEach = 40;
        const QString last = QString::number(kWriters * kEach);
        QList<pid_t> writers;
        for (int w = 0; w < kWriters; ++w) {
            const pid_t child = fork();
            if (child == 0) {
                try {
                    for (int i = 0; i < kEach; ++i)
                        PasswordFile::change(path, [](const QString& stored) {
                            return std::optional<QString>(QString::number(stored.toInt() + 1));
                        });
                } catch (const StorageError&) {
                    _exit(1);
                }
                _exit(0);
            }
            writers.append(child);
        }
        const pid_t reader = fork();
        if (reader == 0) {
            QElapsedTimer waited;
            waited.start();
            while (waited.elapsed() < 120000) {
                const QString value = PasswordFile::read(path);
                if (value.isEmpty())
                    _exit(1);
                if (value == last)
                    _exit(0);
            }
            _exit(2);
        }
        for (const pid_t writer : writers)
            QCOMPARE(exitStatus(writer), 0);
        QCOMPARE(PasswordFile::read(path), last);
        QCOMPARE(exitStatus(reader), 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"unins000.dll"_s});
    }

private:
    static int exitStatus(pid_t child)
    {
        int status = -1;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

QTEST_GUILESS_MAIN(TestPasswordFile)
#include "TestPasswordFile.moc"
