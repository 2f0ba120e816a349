#include "checks/CodiceFiscale.h"
#include "checks/PartitaIva.h"
#include "checks/VatOffices.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(CheckResult::Verdict)

namespace {
const QString CfValid = u"Il codice fiscale digitato è VALIDO."_s;
const QString CfInvalid = u"Attenzione: il codice fiscale digitato è ERRATO."_s;
const QString CfLength =
    u"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."_s;
const QString PivaInvalid =
    u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi "
    "possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato."_s;
const QString PivaLength = u"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."_s;

QString pivaValid(const QString& office)
{
    return u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato dall'Ufficio IVA "
           u"del "
           "Comune di "_s +
           office + u'.';
}
} // namespace

class TestIdentityChecks : public QObject
{
    Q_OBJECT

private slots:
    void codiceFiscale_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<CheckResult::Verdict>("verdict");
        QTest::addColumn<QString>("message");
        // Published examples: the textbook "Mario Rossi" codes and the one of the encyclopaedia article.
        QTest::newRow("Mario Rossi 1980") << u"RSSMRA80A01H501U"_s << CheckResult::Valid << CfValid;
        QTest::newRow("Mario Rossi 1985") << u"RSSMRA85T10A562S"_s << CheckResult::Valid << CfValid;
        QTest::newRow("Matteo Moretti") << u"MRTMTT25D09F205Z"_s << CheckResult::Valid << CfValid;
        QTest::newRow("lower case") << u"mrtmtt25d09f205z"_s << CheckResult::Valid << CfValid;
        QTest::newRow("wrong check character") << u"MRTMTT25D09F205A"_s << CheckResult::Invalid << CfInvalid;
        QTest::newRow("one letter changed") << u"MRTMTT25D09F206Z"_s << CheckResult::Invalid << CfInvalid;
        // "0000000000000:0" + "I": the colon at position 14 sits between the digits and the letters, where
        // the tables have no value. The eight odd-position "0" are worth 1 each, the even ones 0: with the
        // colon worth 0 the sum would be 8 and the check letter I. Such a code is simply not valid.
        QTest::newRow("colon") << u"0000000000000:0I"_s << CheckResult::Invalid << CfInvalid;
        QTest::newRow("accented letter") << u"RSSMRÀ80A01H501U"_s << CheckResult::Invalid << CfInvalid;
        QTest::newRow("15 characters") << u"RSSMRA80A01H501"_s << CheckResult::Warning << CfLength;
        QTest::newRow("17 characters") << u"RSSMRA80A01H501UX"_s << CheckResult::Warning << CfLength;
        QTest::newRow("empty") << QString() << CheckResult::Warning << CfLength;
    }

    void codiceFiscale()
    {
        QFETCH(QString, input);
        QFETCH(CheckResult::Verdict, verdict);
        QFETCH(QString, message);
        const CheckResult result = CodiceFiscale::check(input);
        QCOMPARE(result.verdict, verdict);
        QCOMPARE(result.message, message);
        QCOMPARE(CodiceFiscale::isValid(input), verdict == CheckResult::Valid);
    }

    void codiceFiscaleCheckCharacter_data()
    {
        QTest::addColumn<QString>("first15");
        QTest::addColumn<QChar>("character");
        QTest::newRow("Matteo Moretti") << u"MRTMTT25D09F205"_s << QChar(u'Z');
        // Odd positions: seven "0" worth 1 each and an "A" worth 1; even positions: seven "0" worth 0.
        // Sum 8, letter A + 8 = I.
        QTest::newRow("zeros and an A") << u"A00000000000000"_s << QChar(u'I');
        QTest::newRow("lower case") << u"mrtmtt25d09f205"_s << QChar();
        QTest::newRow("too short") << u"MRTMTT25D09F20"_s << QChar();
    }

    void codiceFiscaleCheckCharacter()
    {
        QFETCH(QString, first15);
        QFETCH(QChar, character);
        QCOMPARE(CodiceFiscale::checkCharacter(first15), character);
    }

    void codiceFiscaleInput()
    {
        QCOMPARE(CodiceFiscale::normaliseInput(u"  mrtmtt25d09f205z "), u"MRTMTT25D09F205Z"_s);
    }

    void partitaIva_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<CheckResult::Verdict>("verdict");
        QTest::addColumn<QString>("message");
        // 1234567063: odd positions 1+3+5+7+6 = 22; even positions 2,4,6,0,3 doubled give 4, 8, 12 (1+2 = 3),
        // 0, 6: 21. Sum 43, check digit (10 - 3) mod 10 = 7. Office 063.
        QTest::newRow("Napoli 1") << u"12345670637"_s << CheckResult::Valid << pivaValid(u"Napoli 1"_s);
        // 0000000120: odd positions 0+0+0+0+2 = 2, even positions 0,0,0,1,0 doubled: 2. Sum 4, check 6.
        QTest::newRow("Bologna 2 under 120")
            << u"00000001206"_s << CheckResult::Valid << pivaValid(u"Bologna 2"_s);
        // 0000000121: odd positions 0+0+0+0+2 = 2, even positions 8 and 10 ("1" each) doubled: 4. Sum 6,
        // check 4.
        QTest::newRow("Napoli 2 under 121")
            << u"00000001214"_s << CheckResult::Valid << pivaValid(u"Napoli 2"_s);
        // 0000000001: only position 10 counts, doubled to 2; check 8. Office 001.
        QTest::newRow("Torino") << u"00000000018"_s << CheckResult::Valid << pivaValid(u"Torino"_s);
        // 9999999040: odd 9+9+9+9+4 = 40, even 9,9,9,0,0 doubled give 18 (9) three times: 27. Sum 67,
        // check 3. Office 040, whose name has an accent.
        QTest::newRow("Forlì") << u"99999990403"_s << CheckResult::Valid << pivaValid(u"Forlì"_s);
        // 0000000103: even positions 8 ("1", doubled 2) and 10 ("3", doubled 6): 8, check 2. Office 103
        // is not in the table.
        QTest::newRow("unknown office")
            << u"00000001032"_s << CheckResult::Valid
            << u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato "
               "rilasciato dall'Ufficio IVA di codice 103, che non figura "
               "nell'elenco degli uffici conosciuti."_s;
        QTest::newRow("wrong check digit") << u"12345670638"_s << CheckResult::Invalid << PivaInvalid;
        QTest::newRow("two digits swapped") << u"21345670637"_s << CheckResult::Invalid << PivaInvalid;
        QTest::newRow("pasted letter") << u"1234567063A"_s << CheckResult::Invalid << PivaInvalid;
        QTest::newRow("10 digits") << u"1234567063"_s << CheckResult::Warning << PivaLength;
        QTest::newRow("empty") << QString() << CheckResult::Warning << PivaLength;
    }

    void partitaIva()
    {
        QFETCH(QString, input);
        QFETCH(CheckResult::Verdict, verdict);
        QFETCH(QString, message);
        const CheckResult result = PartitaIva::check(input);
        QCOMPARE(result.verdict, verdict);
        QCOMPARE(result.message, message);
        QCOMPARE(PartitaIva::isValid(input), verdict == CheckResult::Valid);
        if (verdict == CheckResult::Valid)
            QCOMPARE(PartitaIva::checkDigit(QStringView(input).first(10)), input.back().digitValue());
    }

    void partitaIvaInput() { QCOMPARE(PartitaIva::normaliseInput(u" 1234a567 063-7"), u"12345670637"_s); }

    void officeTable_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 1 << u"Torino"_s;
        QTest::newRow("Monza") << 96 << u"Monza (Milano 2)"_s;
        QTest::newRow("last of the run") << 102 << u"Napoli 2"_s;
        QTest::newRow("gap") << 103 << QString();
        QTest::newRow("119") << 119 << QString();
        QTest::newRow("120") << 120 << u"Bologna 2"_s;
        QTest::newRow("121") << 121 << u"Napoli 2"_s;
        QTest::newRow("zero") << 0 << QString();
    }

    void officeTable()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(VatOffices::name(code), name);
        QCOMPARE(VatOffices::count(), 104);
    }
};

QTEST_GUILESS_MAIN(TestIdentityChecks)
#include "TestIdentityChecks.moc"
