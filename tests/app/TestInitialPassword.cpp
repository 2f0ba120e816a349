#include "rules/PasswordFile.h"
#include "rules/PasswordScramble.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The password file a fresh installation receives.
class TestInitialPassword : public QObject
{
    Q_OBJECT

private slots:
    void holdsTheScrambleOfTelvara()
    {
        const QString value = PasswordFile::read(QStringLiteral(TELVARA_ASSETS_DIR "/unins000.dll"));
        QCOMPARE(value.size(), 14);
        QCOMPARE(PasswordScramble::decode(value), std::optional<QString>(u"TELVARA"_s));
        QCOMPARE(value, PasswordScramble::encode(PasswordScramble::normalForm(u"telvara"_s)));
    }
};

QTEST_GUILESS_MAIN(TestInitialPassword)
#include "TestInitialPassword.moc"
