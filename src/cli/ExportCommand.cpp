#include "cli/ExportCommand.h"

#include "cli/CommandOptions.h"
#include "clients/ClientExport.h"
#include "clients/SchedaCliente.h"
#include "shell/ProgramFolder.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

namespace {

struct ExportableArchive
{
    const char* name;
    QStringList options;
    // Fills the grid as the export window would and names the file and sheet it goes to.
    void (*fill)(const CommandOptions&, TextTable&, QList<GridColumn>&, GridExport&);
};

const QList<ExportableArchive>& archives()
{
    static const QList<ExportableArchive> all = {
        {"clienti", {},
         [](const CommandOptions&, TextTable& table, QList<GridColumn>& columns, GridExport& target) {
             columns = ClientExport::columns();
             target = ClientExport::target();
             table = TextTable(int(columns.size()));
             const RecordFile file(ProgramFolder::file(QLatin1StringView(SchedaCliente::kFileName)),
                                   SchedaCliente::layout);
             RecordGrid::fill(file, columns, table);
         }},
    };
    return all;
}

} // namespace

int runExport(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString name = arguments.value(0);
    for (const ExportableArchive& archive : archives()) {
        if (name != QLatin1StringView(archive.name))
            continue;
        const std::optional<CommandOptions> options = CommandOptions::parse(arguments.mid(1), archive.options, err);
        if (!options)
            return 2;
        TextTable table;
        QList<GridColumn> columns;
        GridExport target;
        try {
            archive.fill(*options, table, columns, target);
            const QString path = ProgramFolder::file(target.fileName);
            RecordGrid::write(path, target.sheetName, columns, table);
            out << path << '\n';
        } catch (const StorageError& error) {
            err << QString::fromLocal8Bit(error.what()) << '\n';
            return 1;
        }
        return 0;
    }
    err << "Archivio sconosciuto: " << name << '\n';
    return 2;
}
