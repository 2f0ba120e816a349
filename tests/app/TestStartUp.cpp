#include "rules/DateText.h"
#include "rules/NumberText.h"
#include "ServiceDoubles.h"
#include "app/Application.h"
#include "TempProgramFolder.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// Starts the program on a system whose regional settings write a decimal point and month-first dates.
class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(QLocale().decimalPoint(), u"."_s);
    }

    void startUp()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        Application telvara(*qApp);
        telvara.start();

        QCOMPARE(telvara.windows().names(),
                 (QStringList{u"TfrmPassword"_s, u"TfrmAvvio"_s, u"TfrmCambiaPassword"_s, u"TfrmGuida"_s,
                              u"TfrmInfo"_s, u"TfrmSplash"_s, u"TfrmAllegaCartella"_s, u"TfrmCarta"_s,
                              u"TfrmCartella"_s, u"TfrmClienti"_s, u"TfrmCodFisc"_s, u"TfrmDatiPneumatici"_s,
                              u"TfrmGiacenza"_s, u"TfrmIban"_s, u"TfrmIstruttori"_s, u"TfrmMagazzino"_s,
                              u"TfrmPartitaIva"_s, u"TfrmMenuChiamate"_s, u"TfrmChiamate"_s,
                              u"TfrmInserisciTel"_s}));
        QWidget* login = telvara.windows().window(u"TfrmPassword"_s);
        QVERIFY(QTest::qWaitForWindowExposed(login));
        for (QWidget* window : QApplication::topLevelWidgets())
            QCOMPARE(window->isVisible(), window == login);
        QCOMPARE(login->windowTitle(), u" Telvara 3.0 - Autenticazione"_s);

        // The formats of the run, whatever the system's settings.
        QCOMPARE(QLocale().decimalPoint(), u","_s);
        QCOMPARE(QLocale().toString(1234.5, 'f', 2), u"1234,50"_s);
        QCOMPARE(DateText::compose(QDate(2024, 3, 5)), u"05/03/2024"_s);
        QCOMPARE(DateText::parse(u"05/03/2024"_s), std::optional<QDate>(QDate(2024, 3, 5)));

        // Qt's own buttons speak Italian.
        QMessageBox box(QMessageBox::Question, u"Telvara 3.0"_s, u"?"_s,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), u"Sì"_s);
        QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), u"No"_s);
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(u'&'), u"Annulla"_s);
        QCOMPARE(box.button(QMessageBox::Ok)->text().remove(u'&'), u"OK"_s);
    }
};

int main(int argc, char* argv[])
{
    qputenv("LC_ALL", "en_US.UTF-8");
    QApplication application(argc, argv);
    TestStartUp test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestStartUp.moc"
