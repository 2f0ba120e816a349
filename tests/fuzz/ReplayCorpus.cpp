// Runs the fuzz target over every file of the seed corpus, so the normal suite checks them.
#include <QDir>
#include <QFile>
#include <QTest>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

class ReplayCorpus : public QObject
{
    Q_OBJECT

private slots:
    void replay()
    {
        const QDir corpus(QStringLiteral(FUZZ_CORPUS));
        const QStringList files = corpus.entryList(QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString& name : files) {
            QFile file(corpus.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                            std::size_t(bytes.size())),
                     0);
        }
    }
};

QTEST_GUILESS_MAIN(ReplayCorpus)
#include "ReplayCorpus.moc"
