#include "shell/ProgramFolder.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    ProgramFolder::setPath(ProgramFolder::resolve(arguments, QCoreApplication::applicationDirPath()));
    QLabel window(QStringLiteral("Telvara 3.0"));
    window.show();
    return application.exec();
}
