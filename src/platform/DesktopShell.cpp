#include "platform/DesktopShell.h"

#include "platform/MailMessage.h"
#include "platform/Messages.h"
#include "platform/Services.h"
#include "platform/ShellTarget.h"

#include <QDesktopServices>
#include <QFileInfo>

void DesktopShell::open(const QString& target)
{
    const QUrl url = ShellTarget::url(target);
    if (url.isLocalFile()) {
        const QString path = url.toLocalFile();
        if (!QFileInfo::exists(path)) {
            Services::messages().error(QStringLiteral("Impossibile trovare \"%1\". Verificare che il nome "
                                                      "sia corretto e riprovare.")
                                           .arg(path));
            return;
        }
        if (!QDesktopServices::openUrl(url))
            Services::messages().error(
                QStringLiteral("Nessun programma disponibile per aprire \"%1\".").arg(path));
        return;
    }
    QDesktopServices::openUrl(url);
}

void DesktopShell::openMail(const MailMessage& mail)
{
    QDesktopServices::openUrl(mail.url());
}
