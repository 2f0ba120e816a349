#include "rules/PasswordScramble.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestPasswordScramble : public QObject
{
    Q_OBJECT

private slots:
    void normalForm_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("normal");
        QTest::newRow("lower case") << u"segreto"_s << u"SEGRETO"_s;
        QTest::newRow("blanks around") << u"  Segreto 1 "_s << u"SEGRETO 1"_s;
        QTest::newRow("only a-z changes") << u"città!ß"_s << u"CITTà!ß"_s;
        QTest::newRow("empty") << QString() << QString();
    }

    void normalForm()
    {
        QFETCH(QString, typed);
        QFETCH(QString, normal);
        QCOMPARE(PasswordScramble::normalForm(typed), normal);
    }

    void encode_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("hex");
        // 'A' = 0x41; key 0x3B29, 0x41 XOR 0x3B = 0x7A.
        QTest::newRow("one character") << u"A"_s << u"7A"_s;
        // Next key: ((0x7A + 0x3B29) × 0xA5F3 + 0x7E1D) mod 65536 = (0xAAB9 + 0x7E1D) mod 65536 = 0x28D6;
        // 'B' = 0x42 XOR 0x28 = 0x6A.
        QTest::newRow("two characters") << u"AB"_s << u"7A6A"_s;
        // Only the low byte of a character counts: U+0141 scrambles as 0x41.
        QTest::newRow("high character") << u"\u0141"_s << u"7A"_s;
        QTest::newRow("empty") << QString() << QString();
    }

    void encode()
    {
        QFETCH(QString, plain);
        QFETCH(QString, hex);
        QCOMPARE(PasswordScramble::encode(plain), hex);
    }

    void decode_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<bool>("decodable");
        QTest::addColumn<QString>("plain");
        QTest::newRow("pairs") << u"7A6A"_s << true << u"AB"_s;
        QTest::newRow("odd number of digits") << u"7A6"_s << false << QString();
        QTest::newRow("one digit") << u"7"_s << false << QString();
        QTest::newRow("lower-case digits") << u"7a6a"_s << true << u"AB"_s;
        QTest::newRow("empty") << QString() << true << QString();
        QTest::newRow("not hexadecimal") << u"7G"_s << false << QString();
        QTest::newRow("blank in a pair") << u" 7A"_s << false << QString();
        QTest::newRow("bad pair after good ones") << u"7A6AZZ"_s << false << QString();
    }

    void decode()
    {
        QFETCH(QString, hex);
        QFETCH(bool, decodable);
        QFETCH(QString, plain);
        const std::optional<QString> decoded = PasswordScramble::decode(hex);
        QCOMPARE(decoded.has_value(), decodable);
        if (decodable)
            QCOMPARE(*decoded, plain);
    }

    void everyByteRoundTrips()
    {
        QString all;
        for (char16_t c = 0; c < 256; ++c)
            all += QChar(c);
        const QString hex = PasswordScramble::encode(all);
        QCOMPARE(hex.size(), 512);
        QCOMPARE(PasswordScramble::decode(hex), all);
        QCOMPARE(PasswordScramble::encode(all), hex);
    }

    void storedPasswordMatchesAnyCase()
    {
        const QString stored = PasswordScramble::encode(PasswordScramble::normalForm(u"Segreto"));
        const std::optional<QString> decoded = PasswordScramble::decode(stored);
        QVERIFY(decoded);
        QCOMPARE(decoded->trimmed(), PasswordScramble::normalForm(u"  segreto "));
        QVERIFY(decoded->trimmed() != PasswordScramble::normalForm(u"segreta"));
    }

    void isStorable_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("storable");
        QTest::newRow("plain") << u"segreto"_s << true;
        QTest::newRow("255 characters") << QString(255, u'x') << true;
        QTest::newRow("256 characters") << QString(256, u'x') << false;
        QTest::newRow("255 and blanks around") << u"  "_s + QString(255, u'x') + u" "_s << true;
        QTest::newRow("Latin-1 accents") << u"perché ÿ"_s << true;
        QTest::newRow("euro sign") << u"10€"_s << false;
        QTest::newRow("Greek letter") << u"αβ"_s << false;
    }

    void isStorable()
    {
        QFETCH(QString, typed);
        QFETCH(bool, storable);
        QCOMPARE(PasswordScramble::isStorable(typed), storable);
        if (storable) {
            const QString normal = PasswordScramble::normalForm(typed);
            QCOMPARE(PasswordScramble::decode(PasswordScramble::encode(normal)), normal);
        }
    }
};

QTEST_GUILESS_MAIN(TestPasswordScramble)
#include "TestPasswordScramble.moc"
