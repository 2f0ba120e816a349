#include "platform/DesktopServices.h"
#include "platform/MediaSound.h"
#include "app/Application.h"
#include "platform/ProgramFolder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    MediaSound::chooseBackend();
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
