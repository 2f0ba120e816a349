#include "app/ArchiveServerSetting.h"
#include "products/ProductLines.h"
#include "products/ProductPicker.h"
#include "products/ProductPrices.h"
#include "products/ProductStock.h"
#include "products/ProductWebSearch.h"
#include "products/SchedaArticolo.h"
#include "storage/RecordFile.h"
#include "storage/Windows1252.h"
#include "TempProgramFolder.h"
#include "ThrowawayServer.h"
#include "TwoLocales.h"

#include <QScopeGuard>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace SchedaArticolo;

namespace {

using Fields = std::initializer_list<std::pair<Field, QString>>;

Record product(Fields fields)
{
    Record record(layout);
    for (const auto& [field, text] : fields)
        record.setText(field, text);
    return record;
}

} // namespace

class TestProductRules : public QObject
{
    Q_OBJECT

private slots:
    void priceWithVat_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("expected"); // empty: no result
        QTest::newRow("10 at 22 %") << u"10"_s << u"22"_s << u"12,20"_s;
        QTest::newRow("decimals rounded half up") << u"0,125"_s << u"0"_s << u"0,13"_s;
        QTest::newRow("four decimals") << u"9,9999"_s << u"10"_s << u"11,00"_s;
        QTest::newRow("empty price and rate") << QString() << QString() << u"0,00"_s;
        QTest::newRow("rate 07") << u"100"_s << u"07"_s << u"107,00"_s;
        QTest::newRow("unreadable price") << u"1,2,3"_s << u"22"_s << QString();
        QTest::newRow("unreadable rate") << u"10"_s << u"x"_s << QString();
    }

    void priceWithVat()
    {
        QFETCH(QString, price);
        QFETCH(QString, rate);
        QFETCH(QString, expected);
        QCOMPARE(ProductPrices::withVat(price, rate).value_or(QString()), expected);
    }

    void priceWithoutVat_data()
    {
        QTest::addColumn<QString>("gross");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("price"); // empty: no result
        QTest::addColumn<QString>("rateAfter");
        QTest::newRow("12,20 at 22 %") << u"12,20"_s << u"22"_s << u"10,00"_s << u"22"_s;
        QTest::newRow("rate 07 rewritten") << u"107"_s << u"07"_s << u"100,00"_s << u"7"_s;
        QTest::newRow("rounded to cents") << u"10"_s << u"22"_s << u"8,20"_s << u"22"_s;
        QTest::newRow("empty") << QString() << QString() << u"0,00"_s << u"0"_s;
        QTest::newRow("unreadable") << u",,"_s << u"22"_s << QString() << QString();
    }

    void priceWithoutVat()
    {
        QFETCH(QString, gross);
        QFETCH(QString, rate);
        QFETCH(QString, price);
        QFETCH(QString, rateAfter);
        const std::optional<ProductPrices::BeforeVat> net = ProductPrices::withoutVat(gross, rate);
        QCOMPARE(net.has_value(), !price.isEmpty());
        if (net) {
            QCOMPARE(net->price, price);
            QCOMPARE(net->rate, rateAfter);
        }
    }

    void stockValue_data()
    {
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("value"); // empty: no result
        QTest::newRow("2,5 x 3") << u"2,5"_s << u"3"_s << u"7,50"_s;
        QTest::newRow("negative stock") << u"1,25"_s << u"-7"_s << u"-8,75"_s;
        QTest::newRow("decimal stock") << u"2"_s << u"2,5"_s << u"5,00"_s;
        QTest::newRow("empty cost and stock") << QString() << QString() << u"0,00"_s;
        QTest::newRow("unreadable cost") << u"1,2,3"_s << u"3"_s << QString();
        QTest::newRow("unreadable stock") << u"2"_s << u"tre"_s << QString();
    }

    void stockValue()
    {
        QFETCH(QString, cost);
        QFETCH(QString, stock);
        QFETCH(QString, value);
        QCOMPARE(ProductPrices::stockValue(cost, stock).value_or(QString()), value);
    }

    void stockTotal_data()
    {
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<bool>("adding");
        QTest::addColumn<QString>("total"); // empty: no result
        QTest::newRow("6 + 4") << u"6"_s << u"4"_s << true << u"10"_s;
        QTest::newRow("3 - 10 goes negative") << u"3"_s << u"10"_s << false << u"-7"_s;
        QTest::newRow("empty counts as zero") << QString() << u"5"_s << false << u"-5"_s;
        QTest::newRow("unreadable") << u"6"_s << u"x"_s << true << QString();
    }

    void stockTotal()
    {
        QFETCH(QString, stock);
        QFETCH(QString, quantity);
        QFETCH(bool, adding);
        QFETCH(QString, total);
        const auto direction = adding ? ProductStock::Direction::Add : ProductStock::Direction::Subtract;
        QCOMPARE(ProductStock::total(stock, quantity, direction).value_or(QString()), total);
    }

    void lowStock_data()
    {
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<int>("low"); // 1 low, 0 not, -1 cannot tell
        QTest::newRow("5 at 5") << u"5"_s << u"5"_s << 1;
        QTest::newRow("6 at 5") << u"6"_s << u"5"_s << 0;
        QTest::newRow("0 at 0") << u"0"_s << u"0"_s << 1;
        QTest::newRow("negative") << u"-3"_s << u"0"_s << 1;
        QTest::newRow("decimal stock") << u"2,5"_s << u"2"_s << 0;
        QTest::newRow("unreadable stock") << u"cinque"_s << u"5"_s << -1;
        QTest::newRow("empty threshold") << u"5"_s << QString() << -1;
    }

    void lowStock()
    {
        QFETCH(QString, stock);
        QFETCH(QString, threshold);
        QFETCH(int, low);
        const Record card = product({{Giacenza, stock}, {Sottoscorta, threshold}});
        const std::optional<bool> judged = ProductStock::isLow(card.view());
        QCOMPARE(judged.has_value() ? int(*judged) : -1, low);
    }

    void unloading_data()
    {
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("stockAfter");
        QTest::addColumn<QString>("valueAfter");
        using U = ProductStock::Unloading;
        QTest::newRow("5 less 1") << u"5"_s << u"2,5"_s << u"1"_s << int(U::Done) << u"4"_s << u"10,00"_s;
        QTest::newRow("all of it") << u"3"_s << u"2"_s << u"3"_s << int(U::Done) << u"0"_s << u"0,00"_s;
        QTest::newRow("none: value recomputed")
            << u"3"_s << u"2"_s << u"0"_s << int(U::Done) << u"3"_s << u"6,00"_s;
        QTest::newRow("half a piece")
            << u"3"_s << u"2"_s << u"0,5"_s << int(U::Done) << u"2,5"_s << u"5,00"_s;
        QTest::newRow("more than the stock")
            << u"0"_s << u"2"_s << u"1"_s << int(U::MoreThanStock) << u"0"_s << u"9,99"_s;
        QTest::newRow("unreadable cost")
            << u"3"_s << u"x"_s << u"1"_s << int(U::Unreadable) << u"3"_s << u"9,99"_s;
    }

    void unloading()
    {
        QFETCH(QString, stock);
        QFETCH(QString, cost);
        QFETCH(QString, quantity);
        QFETCH(int, outcome);
        QFETCH(QString, stockAfter);
        QFETCH(QString, valueAfter);
        Record card = product({{Codice, u"A1"_s}, {Giacenza, stock}, {Costo, cost}, {Valore, u"9,99"_s}});
        const Record before = card;
        QCOMPARE(int(ProductStock::unload(card, quantity)), outcome);
        QCOMPARE(card.text(Giacenza), stockAfter);
        QCOMPARE(card.text(Valore), valueAfter);
        // Nothing but the stock and its value ever changes.
        for (int field = 0; field < layout.fieldCount(); ++field)
            if (field != Giacenza && field != Valore)
                QCOMPARE(card.raw(field), before.raw(field));
    }

    void lines()
    {
        const Record card = product({{Codice, u"  ART-1 "_s},
                                     {Marca, u"Acme"_s},
                                     {Modello, u"X200"_s},
                                     {Descrizione, u"Trapano"_s},
                                     {Costo, u"12,50"_s},
                                     {Prezzo, u"20,00"_s},
                                     {Giacenza, u"4"_s},
                                     {Note, u"scaffale alto"_s}});
        QCOMPARE(ProductLines::stockLine(card.view()),
                 u"ART-1"_s + QString(25, u' ') + u"  Acme X200"_s + QString(31, u' ') + u"  Costo: 12,50"_s +
                     QString(7, u' ') + u"  Giacenza: 4"_s + QString(11, u' ') + u"  Note: scaffale alto"_s);
        QCOMPARE(ProductLines::pickerLine(card.view()), u"ART-1"_s + QString(25, u' ') + u"  Trapano"_s +
                                                            QString(38, u' ') + u"  Prezzo: 20,00"_s +
                                                            QString(10, u' ') + u"  Giacenza: 4"_s);

        // Long codes are cut to 30, brand and model together to 40; an empty brand keeps its blank.
        const Record longer = product(
            {{Codice, QString(30, u'C')}, {Marca, QString(30, u'M')}, {Modello, u"ABCDEFGHIJKLMN"_s}});
        const QString line = ProductLines::stockLine(longer.view());
        QCOMPARE(line.left(30), QString(30, u'C'));
        QCOMPARE(line.mid(32, 40), QString(30, u'M') + u" ABCDEFGHI"_s);
        QCOMPARE(line.mid(72, 9), u"  Costo: "_s);
        const Record noBrand = product({{Modello, u"X200"_s}});
        QCOMPARE(ProductLines::stockLine(noBrand.view()).mid(32, 6), u" X200 "_s);
    }

    // The low-stock list builds its lines from the stored bytes: they read as the lines built from text.
    void linesFromBytes_data()
    {
        QTest::addColumn<QStringList>("texts"); // code, brand, model, cost, stock, notes
        QTest::newRow("plain") << QStringList{u"ART-1"_s, u"Acme"_s, u"X200"_s,
                                              u"12,50"_s, u"4"_s,    u"nota"_s};
        QTest::newRow("accents and blanks")
            << QStringList{u" Caffè "_s, u"Perché"_s, u"€ 1"_s, u"0,00"_s, u"-7"_s, u"  più tardi  "_s};
        QTest::newRow("all empty") << QStringList{QString(), QString(), QString(),
                                                  QString(), QString(), QString()};
        QTest::newRow("cut") << QStringList{QString(30, u'C'), QString(30, u'M'), u"ABCDEFGHIJKLMN"_s,
                                            QString(15, u'1'), QString(15, u'2'), QString(250, u'n')};
        QTest::newRow("model only") << QStringList{u"A"_s, QString(), u"X200"_s, u"1"_s, u"2"_s, QString()};
        QTest::newRow("every field full") << QStringList{QString(30, u'C'), QString(250, u'M'),
                                                         QString(250, u'X'), QString(15, u'1'),
                                                         QString(15, u'2'), QString(250, u'n')};
    }

    void linesFromBytes()
    {
        QFETCH(QStringList, texts);
        const Record card = product({{Codice, texts[0]},
                                     {Marca, texts[1]},
                                     {Modello, texts[2]},
                                     {Costo, texts[3]},
                                     {Giacenza, texts[4]},
                                     {Note, texts[5]}});
        QByteArray encoded = "kept";
        ProductLines::appendStockLine(card.view(), encoded);
        QCOMPARE(encoded, "kept" + Windows1252::encode(ProductLines::stockLine(card.view())));
    }

    // Workstations selling the same article at once, each from the line it picked before the others
    // sold: every unloading is reported done and every one is taken out of the stock, whether the
    // archive is the folder's file or a server's table.
    void concurrentUnloadsLoseNothing_data()
    {
        QTest::addColumn<bool>("onServer");
        QTest::newRow("cartella") << false;
        QTest::newRow("server") << true;
    }

    void concurrentUnloadsLoseNothing()
    {
        QFETCH(bool, onServer);
        TempProgramFolder folder;
        if (onServer)
            ArchiveServerSetting::attach(folder.path(), ThrowawayServer::shared().freshDatabase());
        const auto detach = qScopeGuard([&] { ArchiveServerSetting::attach(folder.path(), QString()); });
        const QString path = folder.file(QLatin1StringView(kFileName));
        const Record start = product({{Codice, u"PN-205"_s}, {Descrizione, u"Gomma invernale"_s},
                                      {Costo, u"10"_s}, {Prezzo, u"100"_s}, {Giacenza, u"5000"_s}});
        RecordFile(path, layout).append(start);
        const QString pickedLine = ProductLines::pickerLine(start.view());
        constexpr int kStations = 4;
        constexpr int kEach = 40;
        pid_t stations[kStations];
        for (int c = 0; c < kStations; ++c) {
            stations[c] = fork();
            if (stations[c] == 0) {
                int done = 0;
                try {
                    for (int i = 0; i < kEach; ++i) {
                        // Quantities 1, 2 and 3 in turn; the line on screen keeps the stock of the search.
                        const QString quantity = QString::number(1 + i % 3);
                        if (ProductPicker::import(path, 1, pickedLine, quantity).outcome ==
                            ProductPicker::Import::Outcome::Done)
                            ++done;
                    }
                } catch (...) {
                }
                _exit(done == kEach ? 0 : 1);
            }
        }
        for (pid_t station : stations) {
            int status = -1;
            waitpid(station, &status, 0);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        int unloaded = 0;
        for (int i = 0; i < kEach; ++i)
            unloaded += kStations * (1 + i % 3);
        const Record left = RecordFile(path, layout).read(0);
        QCOMPARE(left.text(Giacenza), QString::number(5000 - unloaded));
        QCOMPARE(left.text(Valore), QString::number(10 * (5000 - unloaded)) + u",00"_s);
    }

    // The picked line names its article whatever stock it shows; another article is never taken for it.
    void pickedLineNamesItsArticle_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("stock");
        QTest::addColumn<bool>("same");
        QTest::newRow("same stock") << u"PN-205"_s << u"7"_s << true;
        QTest::newRow("stock changed by a sale") << u"PN-205"_s << u"6"_s << true;
        QTest::newRow("another code") << u"PN-206"_s << u"7"_s << false;
    }

    void pickedLineNamesItsArticle()
    {
        QFETCH(QString, code);
        QFETCH(QString, stock);
        QFETCH(bool, same);
        const Record picked = product({{Codice, u"PN-205"_s}, {Descrizione, u"Gomma"_s}, {Prezzo, u"100"_s},
                                       {Giacenza, u"7"_s}});
        const Record now = product({{Codice, code}, {Descrizione, u"Gomma"_s}, {Prezzo, u"100"_s},
                                    {Giacenza, stock}});
        QCOMPARE(ProductLines::isSameArticle(now.view(), ProductLines::pickerLine(picked.view())), same);
        QVERIFY(!ProductLines::isSameArticle(now.view(), u"PN-205"_s));
    }

    void webAddress_data()
    {
        QTest::addColumn<QString>("brand");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("address");
        QTest::newRow("ampersand and hash")
            << u"Pane & Vino"_s << u"#1"_s << u"https://www.google.com/search?q=Pane%20%26%20Vino%20%231"_s;
        QTest::newRow("brand only keeps the blank")
            << u" Acme "_s << QString() << u"https://www.google.com/search?q=Acme%20"_s;
        QTest::newRow("plus, equals, accents")
            << u"C++"_s << u"a=b è"_s << u"https://www.google.com/search?q=C%2B%2B%20a%3Db%20%C3%A8"_s;
    }

    void webAddress()
    {
        QFETCH(QString, brand);
        QFETCH(QString, model);
        QFETCH(QString, address);
        QCOMPARE(ProductWebSearch::address(brand, model), address);
    }
};

TELVARA_TEST_MAIN_IN_TWO_LOCALES(TestProductRules)
#include "TestProductRules.moc"
