#include "cli/ContractsCommand.h"

#include "cli/CommandOptions.h"
#include "operators/OperatorContracts.h"
#include "operators/SchedaOperatore.h"
#include "platform/ProgramFolder.h"
#include "rules/DateText.h"
#include "screens/StorageMessages.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

int runContracts(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString todayOption = QStringLiteral("oggi");
    const std::optional<CommandOptions> options = CommandOptions::parse(arguments, {todayOption}, err);
    if (!options)
        return 2;
    QDate today = QDate::currentDate();
    if (options->has(todayOption)) {
        const std::optional<QDate> given = DateText::parse(options->value(todayOption));
        if (!given) {
            err << "Data non valida (GG/MM/AAAA): " << options->value(todayOption) << '\n';
            return 2;
        }
        today = *given;
    }
    TextTable lines(1, TextTable::Cells::AsGiven);
    qsizetype leftOut = 0;
    try {
        const RecordFile file(ProgramFolder::file(QLatin1StringView(SchedaOperatore::kFileName)),
                              SchedaOperatore::layout);
        leftOut = OperatorContracts::list(file, today, lines);
    } catch (const StorageError& error) {
        err << QString::fromLocal8Bit(error.what()) << '\n';
        return 1;
    }
    for (qsizetype i = 0; i < lines.rowCount(); ++i)
        out << lines.cell(i, 0) << '\n';
    if (leftOut > 0)
        err << StorageMessages::cardsLeftOut(leftOut) << '\n';
    return 0;
}
