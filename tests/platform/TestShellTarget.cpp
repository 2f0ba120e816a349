#include "platform/ShellTarget.h"

#include <QTest>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

class TestShellTarget : public QObject
{
    Q_OBJECT

private slots:
    void localTargets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path");
        QTest::newRow("quoted file with blanks")
            << u"\"/home/op/Telvara 3/Guida.pdf\""_s << u"/home/op/Telvara 3/Guida.pdf"_s;
        QTest::newRow("quoted folder")
            << u"\"/home/op/Telvara/Documenti_Allegati/12\""_s << u"/home/op/Telvara/Documenti_Allegati/12"_s;
        QTest::newRow("unquoted") << u"/tmp/Clienti.xls"_s << u"/tmp/Clienti.xls"_s;
        QTest::newRow("accents and hash") << u"\"/tmp/Attività #1.pdf\""_s << u"/tmp/Attività #1.pdf"_s;
    }

    void localTargets()
    {
        QFETCH(QString, target);
        QFETCH(QString, path);
        const QUrl url = ShellTarget::url(target);
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), path);
    }

    void mailLinkReachesTheMailProgramUnchanged()
    {
        const QString subject = u"Software Telvara 3.0"_s;
        const QString body = u"Salve, desidererei avere le seguenti informazioni sul software in oggetto:"_s;
        const QUrl url = ShellTarget::url(u"\"mailto:assistenza@example.it?subject="_s + subject +
                                          u"&body="_s + body + u'"');
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), u"mailto"_s);
        QCOMPARE(url.path(), u"assistenza@example.it"_s);
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue(u"subject"_s, QUrl::FullyDecoded), subject);
        QCOMPARE(query.queryItemValue(u"body"_s, QUrl::FullyDecoded), body);
        QVERIFY(!url.toEncoded().contains(' '));
    }

    void mailLinkWithAccentsAndPlusSigns()
    {
        const QString body = u"Perché 2+2 fa 4? Grazie."_s;
        const QUrl url = ShellTarget::url(u"mailto:mario.rossi@example.it?body="_s + body);
        QCOMPARE(url.path(), u"mario.rossi@example.it"_s);
        QCOMPARE(QUrlQuery(url).queryItemValue(u"body"_s, QUrl::FullyDecoded), body);
    }

    void plainMailAddress()
    {
        const QUrl url = ShellTarget::url(u"\"mailto:mario.rossi@example.it\""_s);
        QCOMPARE(url.toString(), u"mailto:mario.rossi@example.it"_s);
    }

    void webAddressStaysAsItIs()
    {
        QCOMPARE(ShellTarget::url(u"https://example.it/telvara"_s), QUrl(u"https://example.it/telvara"_s));
    }
};

QTEST_GUILESS_MAIN(TestShellTarget)
#include "TestShellTarget.moc"
