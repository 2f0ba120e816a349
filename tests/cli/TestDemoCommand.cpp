#include "CompanionCli.h"
#include "TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

using Run = CompanionRun;

Run cli(const QString& folder, const QStringList& arguments)
{
    return runCompanion(QStringList{u"--cartella"_s, folder} + arguments);
}

const QStringList kSmall = {
    u"demo"_s, u"--clienti"_s,  u"30"_s,   u"--operatori"_s, u"5"_s,  u"--articoli"_s,
    u"12"_s,   u"--chiamate"_s, u"90"_s,   u"--vendite"_s,   u"20"_s, u"--appuntamenti"_s,
    u"15"_s,   u"--anno"_s,     u"2023"_s, u"--seme"_s,      u"5"_s};

} // namespace

// telvara-cli demo, run as a script would run it.
class TestDemoCommand : public QObject
{
    Q_OBJECT

private slots:
    void writesSoundArchivesThatVerificaAccepts()
    {
        TempProgramFolder folder;
        const Run demo = cli(folder.path(), kSmall);
        QCOMPARE(demo.status, 0);
        QCOMPARE(demo.output,
                 QByteArray("Clienti.pro\t30\nDipendenti.pro\t5\nMagazzino.pro\t12\n2023.tel\t90\n"
                            "2023.ven\t20\n2023.sca\t15\n"));
        const Run verify = cli(folder.path(), {u"verifica"_s});
        QCOMPARE(verify.status, 0);
        QCOMPARE(verify.output.count('\n'), 6);
    }

    void sameSeedSameBytes()
    {
        TempProgramFolder first;
        TempProgramFolder second;
        QCOMPARE(cli(first.path(), kSmall).status, 0);
        QCOMPARE(cli(second.path(), kSmall).status, 0);
        for (const QString& name : QDir(first.path()).entryList(QDir::Files))
            QVERIFY2(first.readAll(name) == second.readAll(name), qPrintable(name));
    }

    // Pointed at a folder that does not exist yet, demo makes it and writes its archives there, and
    // nothing else; a folder that cannot be made is said in Italian.
    void makesAMissingFolderOrSaysItCannot()
    {
        QTemporaryDir root;
        const QString made = root.filePath(u"nuova/demo"_s);
        const Run demo = cli(made, kSmall);
        QCOMPARE(demo.status, 0);
        QCOMPARE(QDir(made).entryList(QDir::Files),
                 (QStringList{u"2023.sca"_s, u"2023.tel"_s, u"2023.ven"_s, u"Clienti.pro"_s, u"Dipendenti.pro"_s,
                              u"Magazzino.pro"_s}));

        QFile blocker(root.filePath(u"un-file"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString impossible = root.filePath(u"un-file/demo"_s);
        const Run refused = cli(impossible, kSmall);
        QCOMPARE(refused.status, 1);
        QCOMPARE(QString::fromUtf8(refused.errors),
                 u"demo: non è possibile creare la cartella "_s + impossible + u"\n"_s);
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("error");
        QTest::newRow("missing value")
            << QStringList{u"--clienti"_s} << 2 << QByteArray("demo: manca il valore di --clienti\n");
        QTest::newRow("negative count") << QStringList{u"--chiamate"_s, u"-1"_s} << 2
                                        << QByteArray("demo: valore non valido per --chiamate: -1\n");
        QTest::newRow("two-digit year") << QStringList{u"--anno"_s, u"24"_s} << 2
                                        << QByteArray("demo: valore non valido per --anno: 24\n");
        QTest::newRow("unknown option") << QStringList{u"--clienti2"_s, u"1"_s} << 2
                                        << QByteArray("demo: opzione sconosciuta --clienti2\n");
        QTest::newRow("registers without clients")
            << QStringList{u"--clienti"_s, u"0"_s, u"--operatori"_s, u"0"_s, u"--articoli"_s, u"0"_s} << 1
            << QByteArray("demo: nessun cliente in archivio, chiamate, vendite e appuntamenti non scritti\n");
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, error);
        TempProgramFolder folder;
        const Run run = cli(folder.path(), QStringList{u"demo"_s} + arguments);
        QCOMPARE(run.status, status);
        QCOMPARE(run.errors, error);
    }
};

QTEST_GUILESS_MAIN(TestDemoCommand)
#include "TestDemoCommand.moc"
