#include "checks/CheckWindows.h"
#include "ServiceDoubles.h"
#include "widgets/FieldRule.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using Check = CheckWindows::Check;
using Kind = Messages::Kind;
using Shown = RecordedMessages::Shown;

Q_DECLARE_METATYPE(CheckWindows::Check)

namespace {

const QString kCfLength =
    u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."_s;
const QString kPivaInvalid =
    u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi "
    u"possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato."_s;
const QString kCardInvalid = u"Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
                             u"fornire informazioni relative al tipo di carta di credito."_s;
const QString kCardEmpty =
    u"Attenzione: immettere il numero di carta di credito prima di premere il pulsante "
    u"di controllo."_s;
const QString kIbanLength = u"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."_s;

QString pivaValid(const QString& office)
{
    return u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato dall'Ufficio IVA "
           u"del "
           u"Comune di "_s +
           office + u'.';
}

QString cardValid(const QString& number, const QString& type)
{
    return u"Il numero di carta di credito "_s + number +
           u" risulta valido.\r\n\r\nLa carta di credito è del tipo "_s + type + u'.';
}

// What the user found in a check window and what became of it after "Controlla".
struct Outcome
{
    QString window;
    QString shownValue;
    bool openAfterCheck = false;
    bool focusInInput = false;
};

QLineEdit* inputOf(QDialog& window)
{
    return window.findChildren<QLineEdit*>().value(0);
}

} // namespace

class TestCheckWindows : public QObject
{
    Q_OBJECT

    // Opens the window with a value from a card, types on it, presses "Controlla" from the Chiudi button.
    static Outcome run(ServiceDoubles& services, Check check, const QString& value, const QString& typed)
    {
        Outcome outcome;
        services.modal.setNextScript([&](QDialog& window) {
            QApplication::setActiveWindow(&window);
            QLineEdit* input = inputOf(window);
            outcome.window = window.objectName();
            outcome.shownValue = input->text();
            QTest::keyClicks(input, typed);
            window.findChild<QPushButton*>(u"btnChiudi"_s)->setFocus();
            window.findChild<QPushButton*>(u"btnControlla"_s)->click();
            outcome.openAfterCheck = window.isVisible();
            outcome.focusInInput = QApplication::focusWidget() == input;
            return window.result();
        });
        CheckWindows::open(check, nullptr, value);
        return outcome;
    }

private slots:
    // The examples of each check, as the user meets them in the windows.
    void verdicts_data()
    {
        QTest::addColumn<Check>("check");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<Shown>>("messages");
        QTest::addColumn<bool>("staysOpen");

        const auto info = [](const QString& text) { return QList<Shown>{{Kind::Information, text}}; };
        const auto warning = [](const QString& text) { return QList<Shown>{{Kind::Warning, text}}; };

        QTest::newRow("codice fiscale typed in lower case")
            << Check::CodiceFiscale << QString() << u"rssmra80a01h501u"_s
            << info(u"Il codice fiscale digitato è VALIDO."_s) << false;
        QTest::newRow("codice fiscale with a wrong check character")
            << Check::CodiceFiscale << u"RSSMRA80A01H501A"_s << QString()
            << warning(u"Attenzione: il codice fiscale digitato è ERRATO."_s) << false;
        QTest::newRow("codice fiscale of 15 characters")
            << Check::CodiceFiscale << QString() << u"RSSMRA80A01H501"_s << warning(kCfLength) << true;
        QTest::newRow("empty codice fiscale")
            << Check::CodiceFiscale << QString() << QString() << warning(kCfLength) << true;
        QTest::newRow("partita IVA of office 063")
            << Check::PartitaIva << u"01234560637"_s << QString() << info(pivaValid(u"Napoli 1"_s)) << false;
        QTest::newRow("partita IVA of office 120")
            << Check::PartitaIva << QString() << u"01234561205"_s << info(pivaValid(u"Bologna 2"_s)) << false;
        QTest::newRow("partita IVA with a letter from a card")
            << Check::PartitaIva << u"0123456063X"_s << QString() << warning(kPivaInvalid) << false;
        QTest::newRow("partita IVA of ten digits")
            << Check::PartitaIva << QString() << u"0123456063"_s
            << warning(u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."_s)
            << true;
        QTest::newRow("Visa") << Check::Carta << QString() << u"4111111111111111"_s
                              << info(cardValid(u"4111111111111111"_s, u"Visa"_s)) << false;
        QTest::newRow("card starting with 2")
            << Check::Carta << u"2223003122003222"_s << QString() << warning(kCardInvalid) << false;
        QTest::newRow("card starting with 32, no message")
            << Check::Carta << QString() << u"3200000000000002"_s << QList<Shown>() << false;
        QTest::newRow("empty card number")
            << Check::Carta << QString() << QString() << warning(kCardEmpty) << true;
        QTest::newRow("IBAN") << Check::Iban << QString() << u"it60x0542811101000000123456"_s
                              << info(u"L'IBAN digitato è VALIDO."_s) << false;
        QTest::newRow("IBAN with a wrong check")
            << Check::Iban << u"IT61X0542811101000000123456"_s << QString()
            << warning(u"Attenzione: l'IBAN digitato è ERRATO!"_s) << false;
        QTest::newRow("IBAN with blanks between its groups")
            << Check::Iban << u"IT60 X054 2811 1010 0000 0123 456"_s << QString() << warning(kIbanLength)
            << true;
    }

    void verdicts()
    {
        QFETCH(Check, check);
        QFETCH(QString, value);
        QFETCH(QString, typed);
        QFETCH(QList<Shown>, messages);
        QFETCH(bool, staysOpen);

        ServiceDoubles services;
        const Outcome outcome = run(services, check, value, typed);
        QCOMPARE(services.messages.shown(), messages);
        QCOMPARE(outcome.openAfterCheck, staysOpen);
        if (staysOpen)
            QVERIFY(outcome.focusInInput);
    }

    void windowsSayWhatTheyCheck_data()
    {
        QTest::addColumn<Check>("check");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("maxLength");

        QTest::newRow("codice fiscale")
            << Check::CodiceFiscale << u"TfrmCodFisc"_s << u" Controllo codice fiscale"_s
            << u"Immettere il codice fiscale e premere il pulsante di controllo."_s << u"txtCodFisc"_s << 16;
        QTest::newRow("partita IVA")
            << Check::PartitaIva << u"TfrmPartitaIva"_s << u" Controllo partita IVA"_s
            << u"Immettere il numero di partita IVA e premere il pulsante di controllo."_s
            << u"txtPartitaIva"_s << 11;
        QTest::newRow("carta")
            << Check::Carta << u"TfrmCarta"_s << u" Controllo carta di credito"_s
            << u"Immettere il numero di carta di credito e premere il pulsante di controllo."_s
            << u"txtNumero"_s << 30;
        QTest::newRow("IBAN") << Check::Iban << u"TfrmIban"_s << u" Controllo IBAN"_s
                              << u"Immettere l'IBAN e premere il pulsante di controllo."_s << u"txtIban"_s
                              << 27;
    }

    void windowsSayWhatTheyCheck()
    {
        QFETCH(Check, check);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QString, instruction);
        QFETCH(QString, input);
        QFETCH(int, maxLength);

        ServiceDoubles services;
        QString shownCaption, shownInstruction, inputName, inputDescription, controlla;
        int shownMaxLength = -1;
        QStringList undescribed;
        bool closed = false;
        services.modal.setNextScript([&](QDialog& shown) {
            shownCaption = shown.windowTitle();
            shownInstruction = shown.findChild<QLabel*>(u"lblIstruzioni"_s)->text();
            if (QLineEdit* edit = shown.findChild<QLineEdit*>(input)) {
                shownMaxLength = FieldRule::maxLength(edit);
                inputName = edit->accessibleName();
                inputDescription = edit->accessibleDescription();
            }
            for (auto* button : shown.findChildren<QPushButton*>())
                if (button->accessibleName().isEmpty() || button->accessibleDescription().isEmpty())
                    undescribed.append(button->objectName());
            controlla = shown.findChild<QPushButton*>(u"btnControlla"_s)->text();
            QTest::mouseClick(shown.findChild<QPushButton*>(u"btnChiudi"_s), Qt::LeftButton);
            closed = !shown.isVisible();
            return shown.result();
        });
        CheckWindows::open(check, nullptr, QString());
        QCOMPARE(services.modal.shown(), QStringList{window});
        QCOMPARE(shownCaption, caption);
        QCOMPARE(shownInstruction, instruction);
        QCOMPARE(shownMaxLength, maxLength);
        QVERIFY(!inputName.isEmpty());
        QCOMPARE(inputDescription, instruction);
        QCOMPARE(undescribed, QStringList());
        QCOMPARE(controlla, u"Controlla"_s);
        QVERIFY(closed);
        QVERIFY(services.messages.shown().isEmpty());
    }

    // Enter moves to "Controlla" without checking; Enter there checks.
    void enterMovesToControllaThenChecks()
    {
        ServiceDoubles services;
        QStringList focus;
        QList<Shown> afterFirstEnter;
        services.modal.setNextScript([&](QDialog& window) {
            QApplication::setActiveWindow(&window);
            QLineEdit* input = inputOf(window);
            focus.append(QApplication::focusWidget()->objectName());
            QTest::keyClicks(input, u"RSSMRA80A01H501"_s);
            QTest::keyClick(input, Qt::Key_Return);
            focus.append(QApplication::focusWidget()->objectName());
            afterFirstEnter = services.messages.take();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            focus.append(QApplication::focusWidget()->objectName());
            return window.result();
        });
        CheckWindows::open(Check::CodiceFiscale, nullptr, QString());
        QCOMPARE(focus, (QStringList{u"txtCodFisc"_s, u"btnControlla"_s, u"txtCodFisc"_s}));
        QCOMPARE(afterFirstEnter, QList<Shown>());
        QCOMPARE(services.messages.shown(), (QList<Shown>{{Kind::Warning, kCfLength}}));
    }

    void typingRules_data()
    {
        QTest::addColumn<Check>("check");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");

        QTest::newRow("codice fiscale upper-cased, trimmed")
            << Check::CodiceFiscale << u" rssmra80a01h501u"_s << u"RSSMRA80A01H501U"_s;
        QTest::newRow("partita IVA digits only") << Check::PartitaIva << u"01a23-4"_s << u"01234"_s;
        QTest::newRow("card digits only") << Check::Carta << u"4111 x1111"_s << u"41111111"_s;
        QTest::newRow("IBAN upper-cased, a blank trimmed as it is typed")
            << Check::Iban << u" it60 x054"_s << u"IT60X054"_s;
        QTest::newRow("IBAN stops at 27")
            << Check::Iban << u"IT60X0542811101000000123456789"_s << u"IT60X0542811101000000123456"_s;
    }

    void typingRules()
    {
        QFETCH(Check, check);
        QFETCH(QString, typed);
        QFETCH(QString, shown);

        ServiceDoubles services;
        QString text;
        services.modal.setNextScript([&](QDialog& window) {
            QTest::keyClicks(inputOf(window), typed);
            text = inputOf(window)->text();
            return window.result();
        });
        CheckWindows::open(check, nullptr, QString());
        QCOMPARE(text, shown);
    }

    void taxCodeDispatch_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("shown");

        QTest::newRow("empty") << QString() << u"TfrmCodFisc"_s << QString();
        QTest::newRow("blanks") << u"   "_s << u"TfrmCodFisc"_s << QString();
        QTest::newRow("codice fiscale")
            << u" RSSMRA80A01H501U "_s << u"TfrmCodFisc"_s << u"RSSMRA80A01H501U"_s;
        QTest::newRow("eleven digits") << u"01234560637 "_s << u"TfrmPartitaIva"_s << u"01234560637"_s;
        QTest::newRow("digits and a letter") << u"0123456063X"_s << u"TfrmCodFisc"_s << u"0123456063X"_s;
    }

    void taxCodeDispatch()
    {
        QFETCH(QString, code);
        QFETCH(QString, window);
        QFETCH(QString, shown);

        ServiceDoubles services;
        QString value;
        services.modal.setNextScript([&value](QDialog& opened) {
            value = inputOf(opened)->text();
            return opened.result();
        });
        CheckWindows::openTaxCode(nullptr, code);
        QCOMPARE(services.modal.shown(), QStringList{window});
        QCOMPARE(value, shown);
    }

    // Pictures of the windows to look at: set TELVARA_SCREENSHOTS to a folder to get them.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("TELVARA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("TELVARA_SCREENSHOTS not set");
        QDir().mkpath(folder);
        ServiceDoubles services;
        const QList<std::pair<Check, QString>> windows = {
            {Check::CodiceFiscale, u"RSSMRA80A01H501U"_s},
            {Check::PartitaIva, u"01234560637"_s},
            {Check::Carta, u"4111111111111111"_s},
            {Check::Iban, u"IT60X0542811101000000123456"_s},
        };
        for (const auto& [check, value] : windows) {
            services.modal.setNextScript([&folder](QDialog& window) {
                QApplication::setActiveWindow(&window);
                window.grab().save(folder + u'/' + window.objectName() + u".png"_s);
                return window.result();
            });
            CheckWindows::open(check, nullptr, value);
        }
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestCheckWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestCheckWindows.moc"
