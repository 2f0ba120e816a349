#include "FaultyFileIo.h"
#include "storage/FileSizeSignal.h"
#include "storage/SpreadsheetWriter.h"
#include "storage/StorageError.h"
#include "storage/Windows1252.h"
#include "TempProgramFolder.h"

#include <QDir>
#include <QTest>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QByteArray kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>Riepilogo "
    "Clienti</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head>"
    "<body><table x:str>";

const QByteArray kHeaderRow =
    "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Cognome e nome</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=150>Città</td></tr>";

const QByteArray kTail = "</table></body></html>";

const QList<SpreadsheetColumn> kColumns = {{QStringLiteral("Cognome e nome"), 250},
                                           {QStringLiteral("Città"), 150}};

QByteArray latin(const char* text)
{
    return QByteArray(text);
}

} // namespace

class TestSpreadsheetWriter : public QObject
{
    Q_OBJECT

private slots:
    void headerOnly()
    {
        TempProgramFolder folder;
        SpreadsheetWriter writer(folder.file(QStringLiteral("Clienti.xls")),
                                 QStringLiteral("Riepilogo Clienti"), kColumns);
        writer.finish();
        QByteArray header = kHeaderRow;
        header.replace("Citt\xC3\xA0", "Citt\xE0");
        QCOMPARE(folder.readAll(QStringLiteral("Clienti.xls")), kHead + header + kTail);
    }

    void cells_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("cell");
        QTest::newRow("trimmed") << QStringLiteral("  Rossi ") << latin("Rossi");
        QTest::newRow("accent and euro") << QStringLiteral("Niccolò €") << latin("Niccol\xF2 \x80");
        QTest::newRow("ampersand") << QStringLiteral("Rossi & figli") << latin("Rossi &amp; figli");
        QTest::newRow("angle brackets") << QStringLiteral("Carta <Visa>") << latin("Carta &lt;Visa&gt;");
        QTest::newRow("line break inside") << QStringLiteral("a\r\nb") << latin("a  b");
        // Shown as the lists show them, '¤' (0xA4).
        QTest::newRow("control characters inside")
            << QStringLiteral("a\u0001\tb\u007F\u0081c") << QByteArray("a\xA4\xA4") + "b\xA4\xA4" + 'c';
        QTest::newRow("outside the code page") << QStringLiteral("Ā") << latin("?");
        QTest::newRow("blanks only") << QStringLiteral(" \t\r\n ") << QByteArray();
        QTest::newRow("trailing line break") << QStringLiteral("Rossi &\r\n") << latin("Rossi &amp;");
        QTest::newRow("longer than the buffer") << QString(40000, u'x') << QByteArray(40000, 'x');
    }

    void cells()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, cell);
        TempProgramFolder folder;
        SpreadsheetWriter writer(folder.file(QStringLiteral("x.xls")), QStringLiteral("Riepilogo Clienti"),
                                 kColumns);
        const QString row[] = {value, QString()};
        writer.addRow(row);
        // The same row as a grid holds it: encoded cells, each ended by a 0 byte.
        writer.addEncodedCells(Windows1252::encode(value) + '\0' + '\0');
        writer.finish();
        const QByteArray bytes = folder.readAll(QStringLiteral("x.xls"));
        const QByteArray expectedRow = "<tr><td style=\"text-align: left;\" sdnum=\"1040;0;@\">" + cell +
                                       "</td><td style=\"text-align: left;\" sdnum=\"1040;0;@\"></td></tr>";
        QVERIFY2(bytes.endsWith(expectedRow + expectedRow + kTail), bytes.right(200).constData());
        QVERIFY(!bytes.contains('\r'));
        QVERIFY(!bytes.contains('\n'));
    }

    void replacesAnEarlierFileAndStreamsLargeExports()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.xls"));
        {
            SpreadsheetWriter writer(path, QStringLiteral("Riepilogo Clienti"), kColumns);
            const QString row[] = {QStringLiteral("uno"), QStringLiteral("due")};
            for (int i = 0; i < 5000; ++i)
                writer.addRow(row);
            writer.finish();
        }
        SpreadsheetWriter writer(path, QStringLiteral("Riepilogo Clienti"), kColumns);
        writer.finish();
        QVERIFY(!folder.readAll(QStringLiteral("Clienti.xls")).contains("uno"));
    }

    // A failed export (disk full, I/O error) leaves the earlier spreadsheet as it was, and no other file.
    void failedExportKeepsTheEarlierFile_data()
    {
        QTest::addColumn<int>("call");
        QTest::newRow("create") << int(FaultyFileIo::Open);
        QTest::newRow("write") << int(FaultyFileIo::Write);
        QTest::newRow("flush") << int(FaultyFileIo::Sync);
        QTest::newRow("close") << int(FaultyFileIo::Close);
        QTest::newRow("rename") << int(FaultyFileIo::Rename);
    }

    void failedExportKeepsTheEarlierFile()
    {
        QFETCH(int, call);
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.xls"));
        writeRows(path, 10);
        const QByteArray earlier = folder.readAll(QStringLiteral("Clienti.xls"));
        {
            FaultyFileIo io;
            io.failAt(FaultyFileIo::Call(call), 1, ENOSPC);
            QVERIFY_THROWS_EXCEPTION(StorageError, writeRows(path, 20000));
        }
        QCOMPARE(folder.readAll(QStringLiteral("Clienti.xls")), earlier);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("Clienti.xls")});
    }

    void realWriteFailureKeepsTheEarlierFile()
    {
        // A failure root cannot bypass: past the file-size limit the write fails with EFBIG, as it does in
        // the program, which ignores SIGXFSZ.
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Clienti.xls"));
        writeRows(path, 10);
        const QByteArray earlier = folder.readAll(QStringLiteral("Clienti.xls"));
        const pid_t child = fork();
        if (child == 0) {
            FileSizeSignal::ignore();
            rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            try {
                writeRows(path, 20000);
            } catch (const StorageError& error) {
                _exit(error.errorNumber() == EFBIG ? 0 : 2);
            }
            _exit(1);
        }
        int status = -1;
        waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(folder.readAll(QStringLiteral("Clienti.xls")), earlier);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("Clienti.xls")});
    }

private:
    static void writeRows(const QString& path, int count)
    {
        SpreadsheetWriter writer(path, QStringLiteral("Riepilogo Clienti"), kColumns);
        const QString row[] = {QStringLiteral("uno"), QStringLiteral("due")};
        for (int i = 0; i < count; ++i)
            writer.addRow(row);
        writer.finish();
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheetWriter)
#include "TestSpreadsheetWriter.moc"
