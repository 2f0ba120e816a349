#include "FaultyFileIo.h"
#include "rules/PasswordFile.h"
#include "storage/StorageError.h"
#include "TempProgramFolder.h"

#include <QDir>
#include <QTest>

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

    void unreadableFileThrows()
    {
        TempProgramFolder folder;
        QDir(folder.path()).mkdir(u"unins000.dll"_s);
        QVERIFY_THROWS_EXCEPTION(StorageError, PasswordFile::read(folder.file(u"unins000.dll"_s)));
    }

    void interruptedChangeKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("call");
        QTest::newRow("create") << int(FaultyFileIo::Open);
        QTest::newRow("write") << int(FaultyFileIo::Write);
        QTest::newRow("flush") << int(FaultyFileIo::Sync);
        QTest::newRow("close") << int(FaultyFileIo::Close);
        QTest::newRow("rename") << int(FaultyFileIo::Rename);
    }

    void interruptedChangeKeepsTheOldFile()
    {
        QFETCH(int, call);
        TempProgramFolder folder;
        const QByteArray old("[Accesso]\r\nValore=7A6A\r\n[Altro]\r\nX=1\r\n");
        folder.writeAll(u"unins000.dll"_s, old);
        {
            FaultyFileIo faulty;
            faulty.failAt(FaultyFileIo::Call(call), 1, ENOSPC);
            QVERIFY_THROWS_EXCEPTION(StorageError,
                                     PasswordFile::write(folder.file(u"unins000.dll"_s), u"11"_s));
        }
        QCOMPARE(folder.readAll(u"unins000.dll"_s), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"unins000.dll"_s});
        PasswordFile::write(folder.file(u"unins000.dll"_s), u"11"_s);
        QCOMPARE(folder.readAll(u"unins000.dll"_s),
                 QByteArray("[Accesso]\r\nValore=11\r\n[Altro]\r\nX=1\r\n"));
    }

    void fullDiskKeepsTheOldFile()
    {
        // A real failing write: the temporary file goes to /dev/full, whose writes fail with ENOSPC.
        if (!QFileInfo::exists(u"/dev/full"_s))
            QSKIP("no /dev/full");
        TempProgramFolder folder;
        const QByteArray old("[Accesso]\r\nValore=7A6A\r\n");
        folder.writeAll(u"unins000.dll"_s, old);
        QVERIFY(QFile::link(u"/dev/full"_s, folder.file(u"unins000.dll.tmp"_s)));
        QVERIFY_THROWS_EXCEPTION(StorageError, PasswordFile::write(folder.file(u"unins000.dll"_s), u"11"_s));
        QCOMPARE(folder.readAll(u"unins000.dll"_s), old);
    }
};

QTEST_GUILESS_MAIN(TestPasswordFile)
#include "TestPasswordFile.moc"
