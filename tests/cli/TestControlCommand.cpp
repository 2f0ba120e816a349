#include "TempProgramFolder.h"

#include <QProcess>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// telvara-cli controlla, run as a script would run it.
class TestControlCommand : public QObject
{
    Q_OBJECT

private slots:
    void control_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("cf valid, typed in lower case")
            << QStringList{u"cf"_s, u" mrtmtt25d09f205z "_s} << 0
            << QByteArray("Il codice fiscale digitato è VALIDO.\n");
        QTest::newRow("cf invalid") << QStringList{u"cf"_s, u"MRTMTT25D09F205A"_s} << 1
                                    << QByteArray("Attenzione: il codice fiscale digitato è ERRATO.\n");
        QTest::newRow("cf short") << QStringList{u"cf"_s, u"MRTMTT"_s} << 2
                                  << QByteArray(
                                         "Attenzione: il codice fiscale deve essere composto da 16 caratteri "
                                         "alfanumerici.\n");
        QTest::newRow("piva valid, typed with a letter the keys drop")
            << QStringList{u"piva"_s, u"1234567063x7"_s} << 0
            << QByteArray("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
                          "dall'Ufficio IVA del Comune di Napoli 1.\n");
        QTest::newRow("carta valid, typed with blanks")
            << QStringList{u"carta"_s, u"4111 1111 1111 1111"_s} << 0
            << QByteArray("Il numero di carta di credito 4111111111111111 risulta valido.\r\n\r\nLa carta di "
                          "credito è del tipo Visa.\n");
        QTest::newRow("carta without message")
            << QStringList{u"carta"_s, u"3200000000000002"_s} << 3 << QByteArray();
        QTest::newRow("carta empty") << QStringList{u"carta"_s, QString()} << 2
                                     << QByteArray(
                                            "Attenzione: immettere il numero di carta di credito prima di "
                                            "premere il pulsante di controllo.\n");
        QTest::newRow("iban valid") << QStringList{u"iban"_s, u"it60x0542811101000000123456"_s} << 0
                                    << QByteArray("L'IBAN digitato è VALIDO.\n");
        QTest::newRow("iban invalid") << QStringList{u"iban"_s, u"IT61X0542811101000000123456"_s} << 1
                                      << QByteArray("Attenzione: l'IBAN digitato è ERRATO!\n");
        QTest::newRow("unknown check") << QStringList{u"bic"_s, u"X"_s} << 4 << QByteArray();
        QTest::newRow("missing value") << QStringList{u"cf"_s} << 4 << QByteArray();
    }

    void control()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, output);
        TempProgramFolder folder;
        QProcess cli;
        cli.start(QStringLiteral(TELVARA_CLI),
                  QStringList{u"--cartella"_s, folder.path(), u"controlla"_s} + arguments);
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), status);
        QCOMPARE(cli.readAllStandardOutput(), output);
    }
};

QTEST_GUILESS_MAIN(TestControlCommand)
#include "TestControlCommand.moc"
