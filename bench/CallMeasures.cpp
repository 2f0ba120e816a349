#include "calls/SchedaChiamata.h"
#include "Measures.h"
#include "storage/FieldCriterion.h"
#include "storage/RecordFile.h"

qint64 Measures::callScan(const BenchArchives& archives)
{
    const FieldCriterion client(SchedaChiamata::Cliente, u"bianchi");
    const FieldCriterion subject(SchedaChiamata::Oggetto, u"OFFERTA");
    const RecordFile file(archives.calls, SchedaChiamata::layout);
    qint64 found = 0;
    file.scan([&](qint64, const RecordView& record) {
        found += client.matches(record) && subject.matches(record);
    });
    return found;
}
