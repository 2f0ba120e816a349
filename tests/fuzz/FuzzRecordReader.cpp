// Feeds arbitrary bytes to the record reader as the content of an archive file: the first byte picks
// the record type. Every field of every whole record is decoded, by scan and by read.
#include "calls/SchedaChiamata.h"
#include "clients/SchedaCliente.h"
#include "operators/SchedaOperatore.h"
#include "products/SchedaArticolo.h"
#include "sales/SchedaVendita.h"
#include "schedule/SchedaScadenza.h"
#include "storage/RecordFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const RecordLayout* const layouts[] = {&SchedaCliente::layout,  &SchedaOperatore::layout,
                                                  &SchedaArticolo::layout, &SchedaScadenza::layout,
                                                  &SchedaChiamata::layout, &SchedaVendita::layout};
    if (size == 0)
        return 0;
    const RecordLayout& layout = *layouts[data[0] % 6];
    static const QString path = QDir::temp().filePath(QStringLiteral("telvara-fuzz-%1.dat")
                                                          .arg(QCoreApplication::applicationPid()));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
    }
    RecordFile file(path, layout);
    qint64 characters = 0;
    file.scan([&](qint64 index, const RecordView& record) {
        const Record copy = file.read(index);
        for (int field = 0; field < layout.fieldCount(); ++field) {
            const QString text = record.text(field);
            if (text != copy.text(field) || text.size() > layout.width(field))
                std::abort();
            characters += text.size();
        }
    });
    if (file.count() != qint64(size - 1) / layout.size())
        std::abort();
    return characters < 0;
}
