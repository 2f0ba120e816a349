#include "platform/DesktopServices.h"
#include "app/Application.h"
#include "platform/ProgramFolder.h"
#include "storage/FileSizeSignal.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    FileSizeSignal::ignore();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Telvara"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));
    QStringList arguments = application.arguments().mid(1);
    ProgramFolder::setPath(ProgramFolder::resolve(arguments, QCoreApplication::applicationDirPath()));
    DesktopServices::install();
    Application telvara(application);
    telvara.start();
    return application.exec();
}
