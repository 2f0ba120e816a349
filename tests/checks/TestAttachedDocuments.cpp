#include "checks/AttachedDocuments.h"
#include "checks/AttachmentName.h"
#include "checks/ClientFolder.h"
#include "platform/ProgramFolder.h"
#include "storage/Windows1252.h"
#include "TempProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestAttachedDocuments : public QObject
{
    Q_OBJECT

private slots:
    // A stored name counts only by its last component, whichever separator it uses.
    void bareName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("bare");

        QTest::newRow("bare name") << u"Contratto 2024.pdf"_s << u"Contratto 2024.pdf"_s;
        QTest::newRow("chosen path") << u"/home/operatore/Documenti/carta.jpg"_s << u"carta.jpg"_s;
        QTest::newRow("Windows path") << u"C:\\Documenti\\carta.jpg"_s << u"carta.jpg"_s;
        QTest::newRow("up with backslashes") << u"..\\..\\unins000.dll"_s << u"unins000.dll"_s;
        QTest::newRow("up with slashes") << u"../../Clienti.pro"_s << u"Clienti.pro"_s;
        QTest::newRow("mixed") << u"..\\../x/..\\segreto.txt"_s << u"segreto.txt"_s;
        QTest::newRow("only up") << u".."_s << QString();
        QTest::newRow("up and separator") << u"..\\"_s << QString();
        QTest::newRow("dot") << u"./."_s << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("dots inside a name") << u"a..b"_s << u"a..b"_s;
    }

    void bareName()
    {
        QFETCH(QString, name);
        QFETCH(QString, bare);
        QCOMPARE(AttachedDocuments::bareName(name), bare);
        TempProgramFolder folder;
        const QString stored = AttachedDocuments::storedPath(name);
        QCOMPARE(stored, bare.isEmpty() ? QString() : folder.path() + u"/Documenti_Allegati/"_s + bare);
    }

    // The name a card holds and opens for a file's name: within the field's width and the code page,
    // the extension kept; a name the card holds already stays as it is.
    void storableNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char* what, const QString& name, const QString& stored, int width = 250) {
            QTest::newRow(what) << name << width << stored;
        };
        row("held as it is", u"carta d'identità €.pdf"_s, u"carta d'identità €.pdf"_s);
        row("Cyrillic", u"Договор Щукин.pdf"_s, u"Dogovor Shchukin.pdf"_s);
        row("Greek", u"Ελλάδα.txt"_s, u"Ellada.txt"_s);
        row("accents outside the code page", u"Łódź ă.doc"_s, u"Lódz a.doc"_s);
        row("compatibility letters", u"Договор №5.pdf"_s, u"Dogovor No5.pdf"_s);
        row("Chinese", u"合同.pdf"_s, u"allegato.pdf"_s);
        row("Chinese beside Latin", u"Contratto 合同 2024.pdf"_s, u"Contratto _ 2024.pdf"_s);
        row("emoji", u"foto 😀.png"_s, u"foto _.png"_s);
        row("control character", u"a\u0001b.txt"_s, u"a_b.txt"_s);
        row("too long", QString(300, u'a') + u".pdf"_s, QString(246, u'a') + u".pdf"_s);
        row("too long for a narrow field", u"preventivo.pdf"_s, u"prev.pdf"_s, 8);
        row("too many bytes for the file system", QString(200, u'è') + u".pdf"_s,
            QString(125, u'è') + u".pdf"_s);
        row("no extension", QString(260, u'x'), QString(250, u'x'));
    }

    void storableNames()
    {
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(QString, stored);
        QCOMPARE(AttachmentName::storable(name, width), stored);
        // What the card holds is what it shows and opens.
        QCOMPARE(Windows1252::decode(Windows1252::encode(stored)), stored);
        QVERIFY(stored.size() <= width);
    }

    // Names taken by other documents get a number before the extension, still within the width.
    void uniqueNames()
    {
        const QStringList taken = {u"Dogovor.pdf"_s, u"Dogovor (2).pdf"_s, QString(246, u'a') + u".pdf"_s};
        const auto isTaken = [&taken](const QString& name) { return taken.contains(name); };
        QCOMPARE(AttachmentName::unique(u"Altro.pdf"_s, 250, isTaken), u"Altro.pdf"_s);
        QCOMPARE(AttachmentName::unique(u"Dogovor.pdf"_s, 250, isTaken), u"Dogovor (3).pdf"_s);
        QCOMPARE(AttachmentName::unique(taken.last(), 250, isTaken), QString(242, u'a') + u" (2).pdf"_s);
    }

    void copyInCreatesAndReplaces()
    {
        TempProgramFolder folder;
        QTemporaryDir elsewhere;
        const QString source = write(elsewhere.filePath(u"contratto.pdf"_s), "prima");
        QVERIFY(!AttachedDocuments::exists(u"contratto.pdf"_s));
        QVERIFY(AttachedDocuments::ensureFolder());
        QVERIFY(AttachedDocuments::copyIn(source));
        QVERIFY(AttachedDocuments::exists(u"contratto.pdf"_s));
        QCOMPARE(read(folder.file(u"Documenti_Allegati/contratto.pdf"_s)), "prima");

        write(source, "seconda versione");
        QVERIFY(AttachedDocuments::copyIn(source));
        QCOMPARE(read(folder.file(u"Documenti_Allegati/contratto.pdf"_s)), "seconda versione");
        QCOMPARE(QDir(AttachedDocuments::folder()).entryList(QDir::Files), QStringList{u"contratto.pdf"_s});
    }

    void ensureFolderCreatesParents()
    {
        TempProgramFolder folder;
        ProgramFolder::setPath(folder.file(u"copia/Telvara"_s));
        QVERIFY(AttachedDocuments::ensureFolder());
        QVERIFY(QFileInfo(folder.file(u"copia/Telvara/Documenti_Allegati"_s)).isDir());
    }

    // The copy replaces a stored document only once it is whole: a source that cannot be read leaves the
    // document other cards refer to as it was.
    void failedCopyKeepsTheStoredDocument()
    {
        TempProgramFolder folder;
        QVERIFY(AttachedDocuments::ensureFolder());
        const QString stored = write(folder.file(u"Documenti_Allegati/carta.jpg"_s), "originale");
        QTemporaryDir elsewhere;
        QVERIFY(!AttachedDocuments::copyIn(elsewhere.filePath(u"carta.jpg"_s)));
        QVERIFY(QDir().mkdir(elsewhere.filePath(u"carta.jpg"_s)));
        QVERIFY(!AttachedDocuments::copyIn(elsewhere.filePath(u"carta.jpg"_s)));
        QCOMPARE(read(stored), "originale");
        QCOMPARE(QDir(AttachedDocuments::folder()).entryList(QDir::Files), QStringList{u"carta.jpg"_s});
    }

    // A link in the shared attachments folder, or the folder itself a link, would lead the copy to a file
    // outside it: the copy is refused and what the link points to stays as it was.
    void linksAreNeverWrittenThrough_data()
    {
        QTest::addColumn<bool>("folderIsLink");
        QTest::addColumn<bool>("targetExists");
        QTest::newRow("document is a link") << false << true;
        QTest::newRow("document is a link to nothing") << false << false;
        QTest::newRow("folder is a link") << true << true;
    }

    void linksAreNeverWrittenThrough()
    {
        QFETCH(bool, folderIsLink);
        QFETCH(bool, targetExists);
        TempProgramFolder folder;
        QTemporaryDir outside;
        QTemporaryDir elsewhere;
        const QString source = write(elsewhere.filePath(u"carta.jpg"_s), "nuovo");
        const QString attachments = folder.file(u"Documenti_Allegati"_s);
        const QString target = outside.filePath(u"carta.jpg"_s);
        if (targetExists)
            write(target, "di un altro banco");
        if (folderIsLink) {
            QVERIFY(QFile::link(outside.path(), attachments));
            QVERIFY(!AttachedDocuments::ensureFolder());
        } else {
            QVERIFY(AttachedDocuments::ensureFolder());
            QVERIFY(QFile::link(target, attachments + u"/carta.jpg"_s));
        }
        QVERIFY(!AttachedDocuments::copyIn(source));
        QCOMPARE(QFileInfo::exists(target), targetExists);
        if (targetExists)
            QCOMPARE(read(target), "di un altro banco");
        QCOMPARE(QDir(outside.path()).entryList(QDir::Files | QDir::Hidden),
                 targetExists ? QStringList{u"carta.jpg"_s} : QStringList());
    }

    void chosenStoredFileIsRecognised()
    {
        TempProgramFolder folder;
        QVERIFY(AttachedDocuments::ensureFolder());
        const QString stored = write(folder.file(u"Documenti_Allegati/carta.jpg"_s), "originale");
        QVERIFY(AttachedDocuments::isStored(stored));
        QTemporaryDir elsewhere;
        QVERIFY(!AttachedDocuments::isStored(write(elsewhere.filePath(u"carta.jpg"_s), "altra")));
    }

    void clientFolder()
    {
        TempProgramFolder folder;
        const QString path = ClientFolder::path(u" 7 "_s);
        QCOMPARE(path, folder.path() + u"/Cliente_7"_s);
        QVERIFY(ClientFolder::ensure(path));
        QVERIFY(ClientFolder::ensure(path));
        QVERIFY(QFileInfo(path).isDir());
        // A file of that name stands in the way.
        write(folder.file(u"Cliente_8"_s), "x");
        QVERIFY(!ClientFolder::ensure(ClientFolder::path(u"8"_s)));
    }
};

QTEST_GUILESS_MAIN(TestAttachedDocuments)
#include "TestAttachedDocuments.moc"
