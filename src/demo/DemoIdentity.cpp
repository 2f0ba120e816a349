#include "demo/DemoIdentity.h"

#include "checks/CodiceFiscale.h"
#include "checks/CreditCard.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"

namespace DemoIdentity {

namespace {

// The plain capital letters of a name: accents dropped, apostrophes and blanks removed.
QString capitals(QStringView text)
{
    const QString folded = text.toString().normalized(QString::NormalizationForm_D).toUpper();
    QString letters;
    for (QChar c : folded)
        if (c >= u'A' && c <= u'Z')
            letters.append(c);
    return letters;
}

bool isVowel(QChar c)
{
    return QStringView(u"AEIOU").contains(c);
}

QString consonantsOf(const QString& letters)
{
    QString result;
    for (QChar c : letters)
        if (!isVowel(c))
            result.append(c);
    return result;
}

QString vowelsOf(const QString& letters)
{
    QString result;
    for (QChar c : letters)
        if (isVowel(c))
            result.append(c);
    return result;
}

QString firstThree(const QString& letters)
{
    return (letters + QStringLiteral("XXX")).left(3);
}

QString surnameCode(QStringView surname)
{
    const QString letters = capitals(surname);
    return firstThree(consonantsOf(letters) + vowelsOf(letters));
}

// A name with four consonants or more gives its first, third and fourth.
QString nameCode(QStringView name)
{
    const QString letters = capitals(name);
    const QString consonants = consonantsOf(letters);
    if (consonants.size() >= 4)
        return QString(consonants[0]) + consonants[2] + consonants[3];
    return firstThree(consonants + vowelsOf(letters));
}

// The CIN letter that leads an Italian BBAN: odd positions weigh by the codice fiscale's odd table.
QChar cin(QStringView abiCabAccount)
{
    static constexpr int kOdd[] = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21};
    int sum = 0;
    for (qsizetype i = 0; i < abiCabAccount.size(); ++i) {
        const int value = abiCabAccount[i].unicode() - u'0';
        sum += i % 2 == 0 ? kOdd[value] : value;
    }
    return QChar(u'A' + sum % 26);
}

} // namespace

QString digits(DemoRandom& random, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text.append(QChar(u'0' + random.below(10)));
    return text;
}

QString codiceFiscale(QStringView surname, QStringView name, QDate birth, QChar sex,
                      QStringView cadastralCode)
{
    static constexpr char16_t kMonths[] = u"ABCDEHLMPRST";
    const int day = birth.day() + (sex == u'F' ? 40 : 0);
    const QString first15 = surnameCode(surname) + nameCode(name) +
                            QStringLiteral("%1").arg(birth.year() % 100, 2, 10, QLatin1Char('0')) +
                            QChar(kMonths[birth.month() - 1]) +
                            QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')) + cadastralCode.toString();
    return first15 + CodiceFiscale::checkCharacter(first15);
}

QString partitaIva(DemoRandom& random, int vatOffice)
{
    const QString first10 = QStringLiteral("%1%2")
                                .arg(random.between(1, 9999999), 7, 10, QLatin1Char('0'))
                                .arg(vatOffice, 3, 10, QLatin1Char('0'));
    return first10 + QString::number(PartitaIva::checkDigit(first10));
}

QString iban(DemoRandom& random, QStringView abi)
{
    const QString abiCabAccount = abi.toString() + digits(random, 5) + digits(random, 12);
    const QString bban = cin(abiCabAccount) + abiCabAccount;
    return QStringLiteral("IT") + Iban::checkDigits(u"IT", bban) + bban;
}

QString cardNumber(DemoRandom& random)
{
    QString number;
    int length = 16;
    switch (random.below(3)) {
    case 0:
        number = QStringLiteral("4");
        break;
    case 1:
        number = QStringLiteral("5") + QChar(u'1' + random.below(5));
        break;
    default:
        number = random.chance(50) ? QStringLiteral("34") : QStringLiteral("37");
        length = 15;
        break;
    }
    number += digits(random, length - 1 - static_cast<int>(number.size()));
    return number + QString::number(CreditCard::luhnCheckDigit(number));
}

QString asciiWord(QStringView text)
{
    const QString folded = text.toString().normalized(QString::NormalizationForm_D).toLower();
    QString word;
    for (QChar c : folded)
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'.')
            word.append(c);
    return word;
}

} // namespace DemoIdentity
