#include "checks/CreditCard.h"
#include "checks/Iban.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(CheckResult::Verdict)

namespace {
const QString CardInvalid =
    u"Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
    "informazioni relative al tipo di carta di credito."_s;
const QString CardEmpty =
    u"Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo."_s;
const QString IbanValid = u"L'IBAN digitato è VALIDO."_s;
const QString IbanInvalid = u"Attenzione: l'IBAN digitato è ERRATO!"_s;
const QString IbanLength = u"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."_s;

QString cardValid(const QString& number, const QString& type)
{
    return u"Il numero di carta di credito "_s + number +
           u" risulta valido.\r\n\r\nLa carta di credito è del tipo "_s + type + u'.';
}

// ISO 7064 mod 97-10 by its definition: the whole rearranged number, digit by digit.
int referenceMod97(const QString& iban)
{
    const QString rearranged = iban.mid(4) + iban.left(4);
    int remainder = 0;
    for (const QChar c : rearranged) {
        const int value = c.isDigit() ? c.digitValue() : c.unicode() - u'A' + 10;
        remainder = (remainder * (value >= 10 ? 100 : 10) + value) % 97;
    }
    return remainder;
}
} // namespace

class TestPaymentChecks : public QObject
{
    Q_OBJECT

private slots:
    void creditCard_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<CheckResult::Verdict>("verdict");
        QTest::addColumn<QString>("message");
        // The card networks' published test numbers.
        QTest::newRow("Visa") << u"4111111111111111"_s << CheckResult::Valid
                              << cardValid(u"4111111111111111"_s, u"Visa"_s);
        QTest::newRow("MasterCard") << u"5555555555554444"_s << CheckResult::Valid
                                    << cardValid(u"5555555555554444"_s, u"MasterCard"_s);
        QTest::newRow("American Express") << u"378282246310005"_s << CheckResult::Valid
                                          << cardValid(u"378282246310005"_s, u"American Express"_s);
        QTest::newRow("Diners 30") << u"30569309025904"_s << CheckResult::Valid
                                   << cardValid(u"30569309025904"_s, u"Diner's Club / Carte Blanche"_s);
        QTest::newRow("Diners 38") << u"38520000023237"_s << CheckResult::Valid
                                   << cardValid(u"38520000023237"_s, u"Diner's Club / Carte Blanche"_s);
        QTest::newRow("JCB") << u"3530111333300000"_s << CheckResult::Valid
                             << cardValid(u"3530111333300000"_s, u"JCB"_s);
        QTest::newRow("Discover") << u"6011111111111117"_s << CheckResult::Valid
                                  << cardValid(u"6011111111111117"_s, u"Discover"_s);
        // MasterCard's 2-series test number passes Luhn, but 2 is not a known first digit.
        QTest::newRow("first digit 2") << u"2223003122003222"_s << CheckResult::Invalid << CardInvalid;
        QTest::newRow("first digit 0") << u"0000000000000000"_s << CheckResult::Invalid << CardInvalid;
        QTest::newRow("Luhn fails") << u"4111111111111112"_s << CheckResult::Invalid << CardInvalid;
        // 320000000000000 + check: doubling from the right reaches the 3 (6), the 2 is not doubled: sum 8,
        // check digit 2.
        QTest::newRow("32 says nothing") << u"3200000000000002"_s << CheckResult::NoMessage << QString();
        // Likewise 3 doubled is 6, plus 9: 15, check digit 5.
        QTest::newRow("39 says nothing") << u"3900000000000005"_s << CheckResult::NoMessage << QString();
        QTest::newRow("32 failing Luhn") << u"3200000000000003"_s << CheckResult::Invalid << CardInvalid;
        // Only the digits of the first 20 characters count. 4000000000000000000 + check: the 4 is doubled
        // (8), check digit 2; a 21st character 7 is ignored. Read whole, the 4 would not be doubled and the
        // last digit 7 would not match.
        QTest::newRow("21st digit ignored") << u"400000000000000000027"_s << CheckResult::Valid
                                            << cardValid(u"400000000000000000027"_s, u"Visa"_s);
        QTest::newRow("pasted with dashes") << u"4111-1111-1111-1111"_s << CheckResult::Valid
                                            << cardValid(u"4111-1111-1111-1111"_s, u"Visa"_s);
        QTest::newRow("no digits") << u"ABC"_s << CheckResult::Invalid << CardInvalid;
        QTest::newRow("empty") << QString() << CheckResult::Warning << CardEmpty;
        QTest::newRow("blanks") << u"   "_s << CheckResult::Warning << CardEmpty;
    }

    void creditCard()
    {
        QFETCH(QString, input);
        QFETCH(CheckResult::Verdict, verdict);
        QFETCH(QString, message);
        const CheckResult result = CreditCard::check(input);
        QCOMPARE(result.verdict, verdict);
        QCOMPARE(result.message, message);
        QCOMPARE(CreditCard::isValid(input), verdict == CheckResult::Valid);
    }

    void luhnCheckDigit_data()
    {
        QTest::addColumn<QString>("payload");
        QTest::addColumn<int>("digit");
        // The textbook example 7992739871-3: doubling 1, 8, 3, 2, 9 gives 2, 16 (7), 6, 4, 18 (9);
        // with 7, 9, 7, 9, 7 the sum is 67, check digit 3.
        QTest::newRow("79927398713") << u"7992739871"_s << 3;
        QTest::newRow("Visa test number") << u"411111111111111"_s << 1;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("not digits") << u"12a"_s << -1;
    }

    void luhnCheckDigit()
    {
        QFETCH(QString, payload);
        QFETCH(int, digit);
        QCOMPARE(CreditCard::luhnCheckDigit(payload), digit);
    }

    void creditCardInput()
    {
        QCOMPARE(CreditCard::normaliseInput(u" 4111 1111-1111 1111 "), u"4111111111111111"_s);
    }

    void iban_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<CheckResult::Verdict>("verdict");
        QTest::addColumn<QString>("message");
        // Published examples of the Italian and British formats.
        QTest::newRow("Italian") << u"IT60X0542811101000000123456"_s << CheckResult::Valid << IbanValid;
        QTest::newRow("lower case") << u"it60x0542811101000000123456"_s << CheckResult::Valid << IbanValid;
        QTest::newRow("blanks around")
            << u" IT60X0542811101000000123456 "_s << CheckResult::Valid << IbanValid;
        // 22 characters of a British IBAN and five blanks, or with "IBAN " in front, are 27 characters.
        QTest::newRow("inner blanks removed")
            << u"GB82 WEST 1234 5698 7654 32"_s << CheckResult::Valid << IbanValid;
        QTest::newRow("IBAN prefix removed")
            << u"IBAN GB82WEST12345698765432"_s << CheckResult::Valid << IbanValid;
        QTest::newRow("check digits wrong")
            << u"IT61X0542811101000000123456"_s << CheckResult::Invalid << IbanInvalid;
        QTest::newRow("symbol") << u"IT60X054281110100000012345!"_s << CheckResult::Invalid << IbanInvalid;
        QTest::newRow("accented letter")
            << u"IT60È0542811101000000123456"_s << CheckResult::Invalid << IbanInvalid;
        QTest::newRow("all blanks inside")
            << u"I                         T"_s << CheckResult::Invalid << IbanInvalid;
        QTest::newRow("grouped Italian")
            << u"IT60 X054 2811 1010 0000 0123 456"_s << CheckResult::Warning << IbanLength;
        QTest::newRow("British unspaced")
            << u"GB82WEST12345698765432"_s << CheckResult::Warning << IbanLength;
        QTest::newRow("empty") << QString() << CheckResult::Warning << IbanLength;
    }

    void iban()
    {
        QFETCH(QString, input);
        QFETCH(CheckResult::Verdict, verdict);
        QFETCH(QString, message);
        const CheckResult result = Iban::check(input);
        QCOMPARE(result.verdict, verdict);
        QCOMPARE(result.message, message);
        QCOMPARE(Iban::isValid(input), verdict == CheckResult::Valid);
    }

    // Mod 97 catches every single changed character; the stepwise remainder agrees with the definition.
    void ibanEverySubstitutionRefused()
    {
        const QString valid = u"IT60X0542811101000000123456"_s;
        QCOMPARE(referenceMod97(valid), 1);
        const QString alphabet = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s;
        for (int i = 0; i < valid.size(); ++i) {
            for (const QChar c : alphabet) {
                if (c == valid[i])
                    continue;
                QString changed = valid;
                changed[i] = c;
                QCOMPARE(Iban::isValid(changed), referenceMod97(changed) == 1);
            }
        }
    }

    void ibanCheckDigits_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("bban");
        QTest::addColumn<QString>("digits");
        QTest::newRow("Italian") << u"IT"_s << u"X0542811101000000123456"_s << u"60"_s;
        QTest::newRow("British") << u"GB"_s << u"WEST12345698765432"_s << u"82"_s;
        QTest::newRow("German") << u"DE"_s << u"370400440532013000"_s << u"89"_s;
        QTest::newRow("lower-case country") << u"it"_s << u"X0542811101000000123456"_s << QString();
        QTest::newRow("symbol in BBAN") << u"IT"_s << u"X054281110100000012345-"_s << QString();
    }

    void ibanCheckDigits()
    {
        QFETCH(QString, country);
        QFETCH(QString, bban);
        QFETCH(QString, digits);
        QCOMPARE(Iban::checkDigits(country, bban), digits);
    }
};

QTEST_GUILESS_MAIN(TestPaymentChecks)
#include "TestPaymentChecks.moc"
