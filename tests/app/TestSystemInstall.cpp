#include "app/PasswordStore.h"
#include "platform/ProgramFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

    QString shipped(const QString& name) const
    {
        return QDir(m_root.path()).filePath(u"usr/share/telvara/"_s + name);
    }

    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(mancante)");
    }

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

    // An upgraded package brings a new guide and new Qt texts: they replace the user's old copies, while
    // the password file, a sound the user changed and the user's own files stay as they are.
    void anUpgradeRefreshesTheProgramsDocumentsOnly()
    {
        write(shipped(u"qtbase_it.qm"_s), "testi 1");
        write(shipped(u"Avviso.mp3"_s), "suono 1");
        const QString folder = ProgramFolder::resolve(QString(), m_bin);
        const QDir user(folder);
        ProgramFolder::setPath(folder);
        QVERIFY(PasswordStore::change(u"telvara"_s, u"segreta"_s));
        write(user.filePath(u"Avviso.mp3"_s), "il mio suono");
        write(user.filePath(u"2024.tel"_s), "chiamate");

        write(shipped(u"Guida.pdf"_s), "%PDF guida aggiornata, più lunga");
        write(shipped(u"qtbase_it.qm"_s), "testi 2");
        write(shipped(u"Avviso.mp3"_s), "suono 2");
        QFile::remove(shipped(u"unins000.dll"_s));
        write(shipped(u"unins000.dll"_s), read(QStringLiteral(TELVARA_ASSETS_DIR "/unins000.dll")) + "x");
        QCOMPARE(ProgramFolder::resolve(QString(), m_bin), folder);

        QCOMPARE(read(user.filePath(u"Guida.pdf"_s)), QByteArray("%PDF guida aggiornata, più lunga"));
        QCOMPARE(read(user.filePath(u"qtbase_it.qm"_s)), QByteArray("testi 2"));
        QCOMPARE(read(user.filePath(u"Avviso.mp3"_s)), QByteArray("il mio suono"));
        QCOMPARE(read(user.filePath(u"2024.tel"_s)), QByteArray("chiamate"));
        QCOMPARE(stored(folder), u"SEGRETA"_s);
        // No copy is left behind by the replacement.
        QStringList expected = QDir(shipped({})).entryList(QDir::Files);
        expected.append(u"2024.tel"_s);
        expected.sort();
        QCOMPARE(user.entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    }

    // A guide in the folder that is a symbolic link is never written through: the file it points to,
    // which may be anyone's, stays as it was.
    void aGuideThatIsALinkIsLeftAlone()
    {
        const QString folder = ProgramFolder::resolve(QString(), m_bin);
        const QString guide = QDir(folder).filePath(u"Guida.pdf"_s);
        const QString outside = QDir(m_root.path()).filePath(u"di un altro.pdf"_s);
        write(outside, "non una guida");
        QVERIFY(QFile::remove(guide));
        QVERIFY(QFile::link(outside, guide));
        ProgramFolder::resolve(QString(), m_bin);
        QCOMPARE(read(outside), QByteArray("non una guida"));
    }

    // A guide of the same size but other bytes is still another guide; one equal to the shipped copy is
    // left untouched, so that a start does not rewrite it each time.
    void theGuideIsReplacedOnlyWhenItDiffers_data()
    {
        QTest::addColumn<QByteArray>("inFolder");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("the same") << QByteArray("%PDF guida") << false;
        QTest::newRow("same size, other bytes") << QByteArray("%PDF guidA") << true;
        QTest::newRow("shorter") << QByteArray("%PDF") << true;
        QTest::newRow("empty") << QByteArray() << true;
    }

    void theGuideIsReplacedOnlyWhenItDiffers()
    {
        QFETCH(QByteArray, inFolder);
        QFETCH(bool, replaced);
        const QString folder = ProgramFolder::resolve(QString(), m_bin);
        const QString guide = QDir(folder).filePath(u"Guida.pdf"_s);
        write(guide, inFolder);
        const QDateTime old(QDate(2020, 1, 1), QTime(12, 0));
        {
            QFile file(guide);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        ProgramFolder::resolve(QString(), m_bin);
        QCOMPARE(read(guide), QByteArray("%PDF guida"));
        QCOMPARE(QFileInfo(guide).lastModified() != old, replaced);
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

    // A portable install pointed at another folder, by the option or the environment, lays in it the
    // guide, the sound and Qt's texts from the program's folder and the initial password, never the
    // install's own changed password nor its archives; a folder with its own password keeps it.
    void aFolderNamedToAPortableInstallIsFurnished_data()
    {
        QTest::addColumn<bool>("byEnvironment");
        QTest::addColumn<bool>("exists");
        QTest::newRow("option, new folder") << false << false;
        QTest::newRow("option, empty folder") << false << true;
        QTest::newRow("environment, new folder") << true << false;
    }

    void aFolderNamedToAPortableInstallIsFurnished()
    {
        QFETCH(bool, byEnvironment);
        QFETCH(bool, exists);
        const QDir portable(QDir(m_root.path()).filePath(u"Telvara"_s));
        QVERIFY(QDir().mkpath(portable.path()));
        write(portable.filePath(u"Guida.pdf"_s), "%PDF guida");
        write(portable.filePath(u"Avviso.mp3"_s), "suono");
        write(portable.filePath(u"qtbase_it.qm"_s), "testi");
        write(portable.filePath(u"Clienti.pro"_s), "clienti dell'installazione");
        write(portable.filePath(u"unins000.dll"_s), read(QStringLiteral(TELVARA_ASSETS_DIR "/unins000.dll")));
        ProgramFolder::setPath(portable.path());
        QVERIFY(PasswordStore::change(u"telvara"_s, u"segreta"_s));

        const QString named = QDir(m_root.path()).filePath(u"prova/demo"_s);
        if (exists)
            QVERIFY(QDir().mkpath(named));
        if (byEnvironment)
            qputenv("TELVARA_CARTELLA", named.toLocal8Bit());
        QCOMPARE(ProgramFolder::resolve(byEnvironment ? QString() : named, portable.path()), named);
        const QDir folder(named);
        QCOMPARE(stored(named), u"TELVARA"_s);
        QCOMPARE(read(folder.filePath(u"Guida.pdf"_s)), QByteArray("%PDF guida"));
        QCOMPARE(read(folder.filePath(u"Avviso.mp3"_s)), QByteArray("suono"));
        QCOMPARE(read(folder.filePath(u"qtbase_it.qm"_s)), QByteArray("testi"));
        QVERIFY(!folder.exists(u"Clienti.pro"_s));
        QCOMPARE(stored(portable.path()), u"SEGRETA"_s);

        ProgramFolder::setPath(named);
        QVERIFY(PasswordStore::change(u"telvara"_s, u"mia"_s));
        ProgramFolder::resolve(byEnvironment ? QString() : named, portable.path());
        QCOMPARE(stored(named), u"MIA"_s);
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
