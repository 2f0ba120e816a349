#include "rules/DateText.h"
#include "rules/ValueLists.h"
#include "storage/Windows1252.h"
#include "TwoLocales.h"

#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestDateText : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("day first") << u"02/01/2024"_s << QDate(2024, 1, 2);
        QTest::newRow("leap day") << u"29/02/2024"_s << QDate(2024, 2, 29);
        QTest::newRow("end of century") << u"31/12/1999"_s << QDate(1999, 12, 31);
        QTest::newRow("blanks around") << u" 05/03/2022 "_s << QDate(2022, 3, 5);
        QTest::newRow("leap day of a common year") << u"29/02/2023"_s << QDate();
        QTest::newRow("31 April") << u"31/04/2023"_s << QDate();
        QTest::newRow("month 13") << u"01/13/2020"_s << QDate();
        QTest::newRow("day 0") << u"00/01/2020"_s << QDate();
        QTest::newRow("year 0") << u"01/01/0000"_s << QDate();
        QTest::newRow("single digits") << u"1/2/2024"_s << QDate();
        QTest::newRow("two-digit year") << u"05/03/22"_s << QDate();
        QTest::newRow("dashes") << u"01-02-2024"_s << QDate();
        QTest::newRow("month first") << u"12/31/2024"_s << QDate();
        QTest::newRow("letter") << u"0a/03/2022"_s << QDate();
        QTest::newRow("signed") << u"+1/03/2022"_s << QDate();
        QTest::newRow("empty") << QString() << QDate();
        QTest::newRow("no-break spaces around") << u"\u00A005/03/2022\u00A0"_s << QDate(2022, 3, 5);
        QTest::newRow("Arabic-Indic digits") << u"\u0660\u0665/03/2022"_s << QDate();
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        const std::optional<QDate> parsed = DateText::parse(text);
        QCOMPARE(parsed.has_value(), date.isValid());
        if (parsed)
            QCOMPARE(*parsed, date);
        // Stored bytes read the same.
        if (Windows1252::decode(Windows1252::encode(text)) == text)
            QCOMPARE(DateText::parseBytes(Windows1252::encode(text)), parsed);
    }

    void compose_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("padded") << QDate(2024, 1, 2) << u"02/01/2024"_s;
        QTest::newRow("December") << QDate(1999, 12, 31) << u"31/12/1999"_s;
        QTest::newRow("invalid") << QDate() << QString();
    }

    void compose()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(DateText::compose(date), text);
    }

    void composeFromParts_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("text");
        QTest::newRow("list values") << u"05"_s << u"Marzo"_s << u"2022"_s << u"05/03/2022"_s;
        QTest::newRow("any case") << u"31"_s << u"DICEMBRE"_s << u"2021"_s << u"31/12/2021"_s;
        QTest::newRow("unchecked day") << u"31"_s << u"Aprile"_s << u"2023"_s << u"31/04/2023"_s;
        QTest::newRow("unknown month") << u"01"_s << u"Marzzo"_s << u"2022"_s << QString();
    }

    void composeFromParts()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, text);
        QCOMPARE(DateText::composeFromParts(day, month, year), text);
    }

    void isYear_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("year");
        QTest::newRow("four digits") << u"2024"_s << true;
        QTest::newRow("leading zero") << u"0999"_s << true;
        QTest::newRow("three digits") << u"204"_s << false;
        QTest::newRow("five digits") << u"20245"_s << false;
        QTest::newRow("inner blank") << u"20 4"_s << false;
        QTest::newRow("blank around") << u" 2024"_s << false;
        QTest::newRow("parent folder") << u"../x"_s << false;
        QTest::newRow("separator") << u"20/4"_s << false;
        QTest::newRow("full-width digits") << u"\uFF12\uFF10\uFF12\uFF14"_s << false;
        QTest::newRow("Arabic-Indic digits") << u"\u0662\u0660\u0662\u0664"_s << false;
        QTest::newRow("signed") << u"-202"_s << false;
        QTest::newRow("empty") << QString() << false;
    }

    void isYear()
    {
        QFETCH(QString, text);
        QFETCH(bool, year);
        QCOMPARE(DateText::isYear(text), year);
    }

    void composeTime() { QCOMPARE(DateText::composeTime(u"09", u"05"), u"09:05"_s); }

    void monthNumber_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::newRow("first") << u"Gennaio"_s << u"01"_s;
        QTest::newRow("upper case") << u"DICEMBRE"_s << u"12"_s;
        QTest::newRow("lower case") << u"agosto"_s << u"08"_s;
        QTest::newRow("truncated") << u"Agost"_s << QString();
        QTest::newRow("English") << u"March"_s << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void monthNumber()
    {
        QFETCH(QString, name);
        QFETCH(QString, number);
        QCOMPARE(ValueLists::monthNumber(name), number);
        if (!number.isEmpty())
            QCOMPARE(ValueLists::monthName(number.toInt()).toLower(), name.toLower());
    }

    void monthNames()
    {
        QCOMPARE(ValueLists::monthNames(),
                 QStringList({u"Gennaio"_s, u"Febbraio"_s, u"Marzo"_s, u"Aprile"_s, u"Maggio"_s, u"Giugno"_s,
                              u"Luglio"_s, u"Agosto"_s, u"Settembre"_s, u"Ottobre"_s, u"Novembre"_s,
                              u"Dicembre"_s}));
        QCOMPARE(ValueLists::monthName(0), QString());
        QCOMPARE(ValueLists::monthName(13), QString());
    }

    void numberLists_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("days") << ValueLists::days() << 1 << 31;
        QTest::newRow("hours") << ValueLists::hours() << 0 << 23;
        QTest::newRow("minutes") << ValueLists::minutes() << 0 << 59;
    }

    void numberLists()
    {
        QFETCH(QStringList, list);
        QFETCH(int, first);
        QFETCH(int, last);
        QCOMPARE(list.size(), last - first + 1);
        for (int i = 0; i < list.size(); ++i)
            QCOMPARE(list[i], QString::asprintf("%02d", first + i));
    }

    void provinces()
    {
        const QStringList& list = ValueLists::provinces();
        QCOMPARE(list.size(), 112);
        QCOMPARE(QSet<QString>(list.begin(), list.end()).size(), 112);
        QStringList sorted = list;
        sorted.sort();
        QCOMPARE(list, sorted);
        QCOMPARE(list.first(), u"AG"_s);
        QCOMPARE(list.last(), u"VV"_s);
        for (const char* code : {"EE", "FO", "MB", "OG", "VB"})
            QVERIFY2(list.contains(QLatin1StringView(code)), code);
    }
};

TELVARA_TEST_MAIN_IN_TWO_LOCALES(TestDateText)
#include "TestDateText.moc"
