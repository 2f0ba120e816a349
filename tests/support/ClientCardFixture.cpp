#include "ClientCardFixture.h"

#include "clients/TfrmClienti.h"
#include "screens/QuickEntry.h"

#include <QAbstractButton>

ClientCardFixture::ClientCardFixture(const QList<std::pair<QString, QString>>& client)
{
    services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
    card = std::make_unique<TfrmClienti>(registry);
    card->show();
    for (const auto& [control, text] : client)
        card->setText(control, text);
}

ClientCardFixture::~ClientCardFixture() = default;

ClientCardFixture::Opened ClientCardFixture::openQuickEntry(const QString& button,
                                                            const QStringList& controls,
                                                            const std::function<int(QuickEntry&)>& use)
{
    Opened opened;
    services.modal.setNextScript([&](QDialog& dialog) {
        auto& entry = static_cast<QuickEntry&>(dialog);
        for (const QString& name : controls)
            opened.texts.insert(name, entry.text(name));
        opened.focus = entry.focusWidget() ? entry.focusWidget()->objectName() : QString();
        return use ? use(entry) : int(QDialog::Rejected);
    });
    card->button(button)->click();
    return opened;
}
