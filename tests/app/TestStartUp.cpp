#include "app/Application.h"
#include "rules/DateText.h"
#include "rules/NumberText.h"
#include "ServiceDoubles.h"
#include "TempProgramFolder.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
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

        // The persistent windows the program has so far, in the start-up order of the whole program.
        const QStringList order = {u"TfrmPassword"_s,
                                   u"TfrmAvvio"_s,
                                   u"TfrmCambiaPassword"_s,
                                   u"TfrmGuida"_s,
                                   u"TfrmInfo"_s,
                                   u"TfrmSplash"_s,
                                   u"TfrmAllegaCartella"_s,
                                   u"TfrmAnteprimaIstruttore"_s,
                                   u"TfrmAnteprimaRegistro"_s,
                                   u"TfrmCarta"_s,
                                   u"TfrmCartella"_s,
                                   u"TfrmClienti"_s,
                                   u"TfrmCodFisc"_s,
                                   u"TfrmConfermati"_s,
                                   u"TfrmDaConfermare"_s,
                                   u"TfrmDaRinnovare"_s,
                                   u"TfrmDatiPneumatici"_s,
                                   u"TfrmExpClienti"_s,
                                   u"TfrmExpGiornaliere"_s,
                                   u"TfrmExpImminenti"_s,
                                   u"TfrmExpIstruttori"_s,
                                   u"TfrmExpMagazzino"_s,
                                   u"TfrmExpMensili"_s,
                                   u"TfrmExpRegistro"_s,
                                   u"TfrmExpScadenzario"_s,
                                   u"TfrmGiacenza"_s,
                                   u"TfrmIban"_s,
                                   u"TfrmImportaMagazzino"_s,
                                   u"TfrmInserisciReg"_s,
                                   u"TfrmInserisciSca"_s,
                                   u"TfrmIstruttori"_s,
                                   u"TfrmMagazzino"_s,
                                   u"TfrmMenuRegistro"_s,
                                   u"TfrmMenuRiepCosti"_s,
                                   u"TfrmMenuStats"_s,
                                   u"TfrmNonConfermati"_s,
                                   u"TfrmPartitaIva"_s,
                                   u"TfrmRegistro"_s,
                                   u"TfrmRicontatta"_s,
                                   u"TfrmRiepAnnualeReg"_s,
                                   u"TfrmRiepCosti"_s,
                                   u"TfrmRiepGiornalieroReg"_s,
                                   u"TfrmRiepMensileReg"_s,
                                   u"TfrmScadenzario"_s,
                                   u"TfrmSottoscorta"_s,
                                   u"TfrmStampaIstruttore"_s,
                                   u"TfrmStampaRegistro"_s,
                                   u"TfrmStatsEntrate"_s,
                                   u"TfrmTrovaClienti"_s,
                                   u"TfrmTrovaIstruttori"_s,
                                   u"TfrmTrovaMagazzino"_s,
                                   u"TfrmTrovaRegistro"_s,
                                   u"TfrmTrovaScadenzario"_s,
                                   u"TfrmValoreTotale"_s,
                                   u"TfrmReportApp"_s,
                                   u"TfrmMenuChiamate"_s,
                                   u"TfrmChiamate"_s,
                                   u"TfrmRiepGiornalieroTel"_s,
                                   u"TfrmRiepMensileTel"_s,
                                   u"TfrmRiepAnnualeTel"_s,
                                   u"TfrmExpChiamate"_s,
                                   u"TfrmStampaChiamata"_s,
                                   u"TfrmAnteprimaChiamata"_s,
                                   u"TfrmTrovaChiamate"_s,
                                   u"TfrmMenuStatsTel"_s,
                                   u"TfrmStatsTelefonate"_s,
                                   u"TfrmInserisciTel"_s,
                                   u"TfrmReportTel"_s};
        const QStringList names = telvara.windows().names();
        qsizetype at = 0;
        for (const QString& name : names) {
            const qsizetype place = order.indexOf(name, at);
            QVERIFY2(place >= 0, qPrintable(name + u" is unknown or out of order"_s));
            at = place + 1;
        }
        for (const QString& application : {u"TfrmClienti"_s, u"TfrmMenuChiamate"_s, u"TfrmChiamate"_s,
                                           u"TfrmMenuStats"_s, u"TfrmMenuStatsTel"_s, u"TfrmMenuRegistro"_s,
                                           u"TfrmRegistro"_s, u"TfrmInserisciReg"_s})
            QVERIFY2(names.contains(application), qPrintable(application));
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
        // ...and show no stock pictures, whatever the desktop's theme: only the program's own artwork.
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons), 0);
        for (QAbstractButton* button : box.buttons())
            QVERIFY2(button->icon().isNull(), qPrintable(button->text()));
        // The calendar's month arrows are the program's own pictures.
        const std::pair<QStyle::StandardPixmap, QString> arrows[] = {
            {QStyle::SP_ArrowLeft, u":/artwork/indietro.svg"_s},
            {QStyle::SP_ArrowRight, u":/artwork/avanti.svg"_s}};
        for (const auto& [arrow, artwork] : arrows) {
            QVERIFY(!QIcon(artwork).pixmap(24).isNull());
            QCOMPARE(QApplication::style()->standardIcon(arrow).pixmap(24).toImage(),
                     QIcon(artwork).pixmap(24).toImage());
        }
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
