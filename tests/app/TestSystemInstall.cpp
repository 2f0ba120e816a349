#include "app/PasswordStore.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Where a system-wide install (programs in <prefix>/bin, shipped files in <prefix>/share/telvara) keeps
// its archives, and what the user's folder holds after the first start.
class TestSystemInstall : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_bin;
    QString m_data;

    QString stored(const QString& folder)
    {
        ProgramFolder::setPath(folder);
        return PasswordStore::stored().value_or(u"(illeggibile)"_s);
    }

private slots:
    void init()
    {
        QVERIFY(m_root.isValid());
        QDir root(m_root.path());
        QVERIFY(root.mkpath(u"usr/bin"_s));
        QVERIFY(root.mkpath(u"usr/share/telvara"_s));
        m_bin = root.filePath(u"usr/bin"_s);
        QVERIFY(QFile::copy(QStringLiteral(TELVARA_ASSETS_DIR "/unins000.dll"),
                            root.filePath(u"usr/share/telvara/unins000.dll"_s)));
        QFile guide(root.filePath(u"usr/share/telvara/Guida.pdf"_s));
        QVERIFY(guide.open(QIODevice::WriteOnly));
        guide.write("%PDF guida");
        guide.close();
        m_data = root.filePath(u"home/.local/share"_s);
        qputenv("XDG_DATA_HOME", m_data.toLocal8Bit());
        qunsetenv("TELVARA_CARTELLA");
    }

    void cleanup()
    {
        QDir(m_root.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_root.path()));
    }

    void firstStartFurnishesTheUsersFolder()
    {
        const QString folder = ProgramFolder::resolve(QString(), m_bin);
        QCOMPARE(folder, QDir(m_data).filePath(u"Telvara"_s));
        QCOMPARE(stored(folder), u"TELVARA"_s);
        QVERIFY(QFile::exists(QDir(folder).filePath(u"Guida.pdf"_s)));
    }

    void aLaterStartKeepsAChangedPassword()
    {
        const QString folder = ProgramFolder::resolve(QString(), m_bin);
        ProgramFolder::setPath(folder);
        QVERIFY(PasswordStore::change(u"telvara"_s, u"segreta"_s));
        QCOMPARE(ProgramFolder::resolve(QString(), m_bin), folder);
        QCOMPARE(stored(folder), u"SEGRETA"_s);
    }

    void aNamedFolderIsFurnishedAndUsed()
    {
        const QString named = QDir(m_root.path()).filePath(u"altrove"_s);
        QCOMPARE(ProgramFolder::resolve(named, m_bin), named);
        QCOMPARE(stored(named), u"TELVARA"_s);
        QVERIFY(!QDir(m_data).exists());

        const QString fromEnvironment = QDir(m_root.path()).filePath(u"ambiente"_s);
        qputenv("TELVARA_CARTELLA", fromEnvironment.toLocal8Bit());
        QCOMPARE(ProgramFolder::resolve(QString(), m_bin), fromEnvironment);
        QCOMPARE(stored(fromEnvironment), u"TELVARA"_s);
    }

    void aPortableFolderIsTheProgramsOwn()
    {
        for (const QString& executable : {QDir(m_root.path()).filePath(u"Telvara"_s), m_bin}) {
            if (executable == m_bin)
                QVERIFY(QFile::remove(QDir(m_root.path()).filePath(u"usr/share/telvara/unins000.dll"_s)));
            QVERIFY(QDir().mkpath(executable));
            QCOMPARE(ProgramFolder::resolve(QString(), executable), executable);
            QVERIFY(!QDir(m_data).exists());
        }
    }
};

QTEST_GUILESS_MAIN(TestSystemInstall)
#include "TestSystemInstall.moc"
