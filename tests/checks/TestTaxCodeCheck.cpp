#include "checks/TaxCodeCheck.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Window = TaxCodeCheck::Window;

Q_DECLARE_METATYPE(TaxCodeCheck::Window)

class TestTaxCodeCheck : public QObject
{
    Q_OBJECT

private slots:
    void windowFor_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<Window>("window");
        QTest::newRow("empty") << QString() << Window::CodiceFiscale;
        QTest::newRow("blanks") << u"   "_s << Window::CodiceFiscale;
        QTest::newRow("codice fiscale") << u"RSSMRA80A01H501U"_s << Window::CodiceFiscale;
        QTest::newRow("eleven digits") << u"01234567897"_s << Window::PartitaIva;
        QTest::newRow("digits with blanks around") << u" 01234567897 "_s << Window::PartitaIva;
        QTest::newRow("digits and one letter") << u"0123456789X"_s << Window::CodiceFiscale;
        QTest::newRow("digits with a blank inside") << u"01234 567897"_s << Window::CodiceFiscale;
    }

    void windowFor()
    {
        QFETCH(QString, code);
        QFETCH(Window, window);
        QCOMPARE(TaxCodeCheck::windowFor(code), window);
    }
};

QTEST_GUILESS_MAIN(TestTaxCodeCheck)
#include "TestTaxCodeCheck.moc"
