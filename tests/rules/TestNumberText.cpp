#include "rules/NumberText.h"
#include "TwoLocales.h"

#include <algorithm>
#include <limits>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << u"12,5"_s << true << 12.5;
        QTest::newRow("leading zeros") << u"0012,300"_s << true << 12.3;
        QTest::newRow("no whole part") << u",5"_s << true << 0.5;
        QTest::newRow("no decimals") << u"12,"_s << true << 12.0;
        QTest::newRow("negative") << u"-3"_s << true << -3.0;
        QTest::newRow("blanks around") << u" 7 "_s << true << 7.0;
        QTest::newRow("two commas") << u"1,2,3"_s << false << 0.0;
        QTest::newRow("decimal point") << u"12.5"_s << false << 0.0;
        QTest::newRow("thousands point") << u"1.500"_s << false << 0.0;
        QTest::newRow("inner blank") << u"1 500"_s << false << 0.0;
        QTest::newRow("exponent") << u"1E5"_s << false << 0.0;
        QTest::newRow("letters") << u"abc"_s << false << 0.0;
        QTest::newRow("empty") << QString() << false << 0.0;
        QTest::newRow("comma only") << u","_s << false << 0.0;
        QTest::newRow("sign only") << u"-"_s << false << 0.0;
        QTest::newRow("overflow") << QString(400, u'9') << false << 0.0;
    }

    void read()
    {
        QFETCH(QString, text);
        QFETCH(bool, readable);
        QFETCH(double, value);
        const std::optional<double> result = NumberText::read(text);
        QCOMPARE(result.has_value(), readable);
        if (readable)
            QCOMPARE(*result, value);
        // Stored bytes read the same, and leave the value alone when unreadable.
        double stored = -1;
        QCOMPARE(NumberText::readBytes(text.toLatin1(), stored), readable);
        QCOMPARE(stored, readable ? value : -1);
    }

    // A stored field is read eight characters at once: it must read as its text does, whatever follows
    // the text in the field (stale bytes), for texts of digits and commas, with blanks, signs and other
    // bytes, of every length up to the field's and a length byte beyond it.
    void readFieldAgreesWithTheText()
    {
        QRandomGenerator random(11);
        const QByteArray alphabet = "0123456789,,,  -+.x\xA0";
        constexpr int kWidth = 15;
        for (int i = 0; i < 300000; ++i) {
            char field[1 + kWidth + 8];
            for (char& byte : field)
                byte = alphabet[int(random.bounded(alphabet.size()))];
            const int length = int(random.bounded(kWidth + 3));
            field[0] = char(length);
            // Mostly digits with a comma, as amounts are stored.
            if (random.bounded(2) == 0)
                for (int k = 1; k <= std::min(length, kWidth); ++k)
                    field[k] = char('0' + random.bounded(10));
            if (length > 1 && random.bounded(2) == 0)
                field[1 + int(random.bounded(std::min(length, kWidth)))] = ',';
            const QByteArrayView text(field + 1, std::min(length, kWidth));
            double expected = -1;
            double read = -1;
            const bool readable = NumberText::readBytes(text, expected);
            QVERIFY2(NumberText::readField(field, kWidth, read) == readable, text.toByteArray().constData());
            QVERIFY2(read == expected, text.toByteArray().constData());
        }
    }

    // Stored amounts are read by a shortcut for up to fifteen digits: it must give the very double the
    // full conversion gives, for every place of the comma.
    void readBytesAgreesWithTheFullConversion()
    {
        QRandomGenerator random(7);
        for (int i = 0; i < 200000; ++i) {
            const int digits = 1 + int(random.bounded(15));
            QString text;
            for (int d = 0; d < digits; ++d)
                text += QChar(u'0' + int(random.bounded(10)));
            const int comma = int(random.bounded(digits + 2)) - 1;
            if (comma >= 0)
                text.insert(comma, u',');
            if (random.bounded(4) == 0)
                text.prepend(u'-');
            const std::optional<double> full = NumberText::read(text);
            double shortcut = 0;
            QVERIFY2(full && NumberText::readBytes(text.toLatin1(), shortcut), qPrintable(text));
            QVERIFY2(*full == shortcut, qPrintable(text));
        }
    }

    void write_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("12,5") << 12.5 << u"12,5"_s;
        QTest::newRow("3") << 3.0 << u"3"_s;
        QTest::newRow("0,25") << 0.25 << u"0,25"_s;
        QTest::newRow("1500") << 1500.0 << u"1500"_s;
        QTest::newRow("negative") << -3.0 << u"-3"_s;
        QTest::newRow("negative fraction") << -0.75 << u"-0,75"_s;
        QTest::newRow("zero") << 0.0 << u"0"_s;
        QTest::newRow("negative zero") << -0.0 << u"0"_s;
        QTest::newRow("binary noise dropped") << 0.1 + 0.2 << u"0,3"_s;
        QTest::newRow("15 significant digits") << 1.0 / 3.0 << u"0,333333333333333"_s;
        QTest::newRow("last digit rounded") << 2.0 / 3.0 << u"0,666666666666667"_s;
        QTest::newRow("rounding carries") << 99999999999999.99 << u"100000000000000"_s;
        QTest::newRow("small") << 0.00001 << u"0,00001"_s;
        QTest::newRow("10^15") << 1e15 << u"1000000000000000"_s;
        QTest::newRow("beyond 15 digits") << 1234567890123456789.0 << u"1234567890123460000"_s;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << u"0"_s;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << u"0"_s;
    }

    void write()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberText::write(value), text);
    }

    void writtenTextReadsBack_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("fraction") << 1234.5678;
        QTest::newRow("small") << 0.000123;
        QTest::newRow("huge") << -9.87654321e20;
    }

    void writtenTextReadsBack()
    {
        QFETCH(double, value);
        const std::optional<double> back = NumberText::read(NumberText::write(value));
        QVERIFY(back);
        QCOMPARE(*back, value);
    }

    void round_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("rounded");
        QTest::newRow("half up") << 2.5 << 0 << 3.0;
        QTest::newRow("four decimals") << 0.12345 << 4 << 0.1235;
        QTest::newRow("negative") << -2.7 << 0 << -3.0;
        QTest::newRow("negative half goes up") << -2.5 << 0 << -2.0;
        QTest::newRow("whole unchanged") << 7.0 << 0 << 7.0;
        QTest::newRow("below half") << 7.123449 << 4 << 7.1234;
        QTest::newRow("two decimals") << 7.125 << 2 << 7.13;
    }

    void round()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, rounded);
        QCOMPARE(NumberText::round(value, decimals), rounded);
    }

    void normaliseWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("empty") << QString() << u"0"_s;
        QTest::newRow("blanks") << u"   "_s << u"0"_s;
        QTest::newRow("leading zeros") << u"007"_s << u"7"_s;
        QTest::newRow("unchanged") << u"12"_s << u"12"_s;
        QTest::newRow("negative stock") << u"-3"_s << u"-3"_s;
        QTest::newRow("rounded") << u"12,6"_s << u"13"_s;
        QTest::newRow("half up") << u"2,5"_s << u"3"_s;
        QTest::newRow("unreadable") << u"abc"_s << u"0"_s;
        QTest::newRow("decimal point") << u"1.5"_s << u"0"_s;
    }

    void normaliseWhole()
    {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(NumberText::normaliseWhole(text), result);
    }

    void normaliseAmount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("result");
        QTest::newRow("empty") << QString() << 4 << u"0,00"_s;
        QTest::newRow("whole") << u"150"_s << 4 << u"150,00"_s;
        QTest::newRow("one decimal") << u"12,5"_s << 4 << u"12,50"_s;
        QTest::newRow("zeros around") << u"0012,300"_s << 4 << u"12,30"_s;
        QTest::newRow("leading comma") << u",5"_s << 4 << u"0,50"_s;
        QTest::newRow("three decimals") << u"12,345"_s << 4 << u"12,345"_s;
        QTest::newRow("six decimals") << u"7,123456"_s << 4 << u"7,1235"_s;
        QTest::newRow("zero") << u"0"_s << 4 << u"0,00"_s;
        QTest::newRow("two commas") << u"1,2,3"_s << 4 << u"0,00"_s;
        QTest::newRow("already normal") << u"12,50"_s << 4 << u"12,50"_s;
        QTest::newRow("trailing comma") << u"12,"_s << 4 << u"12,00"_s;
        QTest::newRow("negative") << u"-3"_s << 4 << u"-3,00"_s;
        QTest::newRow("decimal point") << u"12.5"_s << 4 << u"0,00"_s;
        QTest::newRow("computed") << u"7,125"_s << 2 << u"7,13"_s;
        QTest::newRow("computed tiny") << u"0,004"_s << 2 << u"0,00"_s;
    }

    void normaliseAmount()
    {
        QFETCH(QString, text);
        QFETCH(int, decimals);
        QFETCH(QString, result);
        QCOMPARE(NumberText::normaliseAmount(text, decimals), result);
    }
};

TELVARA_TEST_MAIN_IN_TWO_LOCALES(TestNumberText)
#include "TestNumberText.moc"
