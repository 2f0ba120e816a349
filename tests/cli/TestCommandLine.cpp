#include "TempProgramFolder.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

const QString kProgram = QStringLiteral(TELVARA_PROGRAM);
const QString kCompanion = QStringLiteral(TELVARA_CLI);

} // namespace

// The command-line conventions of the program and its companion: help and version on standard output
// with exit 0, usage errors on standard error with exit 2.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersion_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("program --help") << kProgram << QStringList{u"--help"_s} << u"Uso: telvara [--cartella"_s;
        QTest::newRow("program -h") << kProgram << QStringList{u"-h"_s} << u"Uso: telvara [--cartella"_s;
        QTest::newRow("program --version") << kProgram << QStringList{u"--version"_s} << u"telvara 3.0"_s;
        QTest::newRow("companion --help") << kCompanion << QStringList{u"--help"_s} << u"Uso: telvara-cli"_s;
        QTest::newRow("companion --version") << kCompanion << QStringList{u"--version"_s} << u"telvara-cli 3.0"_s;
        for (const QStringList& command :
             {QStringList{u"verifica"_s}, QStringList{u"controlla"_s}, QStringList{u"cerca"_s, u"clienti"_s},
              QStringList{u"esporta"_s, u"chiamate"_s}, QStringList{u"demo"_s}}) {
            QTest::addRow("%s --help", qPrintable(command.join(u' ')))
                << kCompanion << command + QStringList{u"--help"_s}
                << u"Uso: telvara-cli [--cartella CARTELLA] "_s + command.first();
        }
    }

    void helpAndVersion()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        TempProgramFolder folder;
        const Run result = run(program, QStringList{u"--cartella"_s, folder.path()} + arguments);
        QCOMPARE(result.status, 0);
        QVERIFY2(result.out.startsWith(expected), qPrintable(result.out));
        QCOMPARE(result.err, QString());
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    }

    void usageErrors_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("program, unknown option") << kProgram << QStringList{u"--bogus"_s} << u"Opzione sconosciuta: --bogus"_s;
        QTest::newRow("program, stray argument") << kProgram << QStringList{u"archivio"_s} << u"Argomento inatteso: archivio"_s;
        QTest::newRow("companion, unknown option") << kCompanion << QStringList{u"--bogus"_s} << u"Opzione sconosciuta: --bogus"_s;
        QTest::newRow("companion, no command") << kCompanion << QStringList{} << u"Uso: telvara-cli"_s;
        QTest::newRow("companion, unknown command") << kCompanion << QStringList{u"cancella"_s} << u"Comando sconosciuto: cancella"_s;
        QTest::newRow("search, unknown option")
            << kCompanion << QStringList{u"cerca"_s, u"clienti"_s, u"--bogus"_s, u"x"_s} << u"Opzione sconosciuta: --bogus"_s;
        QTest::newRow("search, option without its value")
            << kCompanion << QStringList{u"cerca"_s, u"clienti"_s, u"--cliente"_s} << u"Manca il valore di --cliente"_s;
        QTest::newRow("search, stray argument")
            << kCompanion << QStringList{u"cerca"_s, u"clienti"_s, u"rossi"_s} << u"Argomento inatteso: rossi"_s;
        QTest::newRow("export, unknown option")
            << kCompanion << QStringList{u"esporta"_s, u"clienti"_s, u"--bogus"_s, u"x"_s} << u"Opzione sconosciuta: --bogus"_s;
        QTest::newRow("verify, an argument") << kCompanion << QStringList{u"verifica"_s, u"--bogus"_s} << u"verifica"_s;
        QTest::newRow("demo, unknown option") << kCompanion << QStringList{u"demo"_s, u"--bogus"_s, u"1"_s} << u"demo"_s;
    }

    void usageErrors()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        TempProgramFolder folder;
        const Run result = run(program, QStringList{u"--cartella"_s, folder.path()} + arguments);
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(result.out, QString());
    }

    void searchOptionsTakeTheirValueEitherWay()
    {
        TempProgramFolder folder;
        const Run spaced = run(kCompanion, {u"--cartella"_s, folder.path(), u"cerca"_s, u"clienti"_s, u"--cliente"_s, u"ross"_s});
        const Run joined = run(kCompanion, {u"--cartella"_s, folder.path(), u"cerca"_s, u"clienti"_s, u"--cliente=ross"_s});
        QCOMPARE(spaced.status, 0);
        QCOMPARE(joined.status, 0);
        QCOMPARE(joined.out, spaced.out);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "TestCommandLine.moc"
