#include "app/PersistentWindows.h"
#include "platform/DesktopModal.h"
#include "screens/ApplicationWindow.h"
#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "TempProgramFolder.h"
#include "WiredRegistry.h"

#include <functional>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Every list a window shows, and the inputs the table names, as "window/control" -> text; a list that
// has an item selected adds " [picked]".
QHash<QString, QString> freshTexts(QWidget* window, const QSet<QString>& inputs)
{
    QHash<QString, QString> texts;
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        if (!list->isEditable())
            continue;
        texts.insert(window->objectName() + u'/' + list->objectName(),
                     list->currentText() + (list->currentIndex() >= 0 ? u" [picked]"_s : QString()));
    }
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        const QString name = window->objectName() + u'/' + edit->objectName();
        if (inputs.contains(name))
            texts.insert(name, edit->text());
    }
    return texts;
}

// What each window shows when it opens, on 15 March 2024 at 10:30, as the tables of its fields give it: the
// lists the calls and sales take from the clock, the schedule's hour and minutes at 00, and empty lists
// everywhere else. " [picked]" would mean a list showing an item it selected by itself.
const QHash<QString, QString>& expectedDefaults()
{
    static const QHash<QString, QString> expected = {
        {u"TfrmClienti/txtProvNasc"_s, QString()},
        {u"TfrmClienti/txtProvRes"_s, QString()},
        {u"TfrmIstruttori/txtProvNasc"_s, QString()},
        {u"TfrmIstruttori/txtProvRes"_s, QString()},
        {u"TfrmMagazzino/txtGiacenza"_s, u"0"_s},
        {u"TfrmMagazzino/txtSottoscorta"_s, u"0"_s},
        {u"TfrmMagazzino/txtCosto"_s, u"0,00"_s},
        {u"TfrmMagazzino/txtValore"_s, u"0,00"_s},
        {u"TfrmMagazzino/txtPrezzo"_s, u"0,00"_s},
        {u"TfrmMagazzino/txtPercIva"_s, u"0"_s},
        {u"TfrmMagazzino/txtPrezzo_con_Iva"_s, u"0,00"_s},
        {u"TfrmScadenzario/txtGiorno"_s, QString()},
        {u"TfrmScadenzario/txtMese"_s, QString()},
        {u"TfrmScadenzario/txtOreApp"_s, u"00"_s},
        {u"TfrmScadenzario/txtMinutiApp"_s, u"00"_s},
        {u"TfrmScadenzario/txtCosto"_s, u"0,00"_s},
        {u"TfrmInserisciSca/txtGiorno"_s, QString()},
        {u"TfrmInserisciSca/txtMese"_s, QString()},
        {u"TfrmInserisciSca/txtOreApp"_s, u"00"_s},
        {u"TfrmInserisciSca/txtMinutiApp"_s, u"00"_s},
        {u"TfrmInserisciSca/txtAvviso"_s, u"1"_s},
        {u"TfrmInserisciSca/txtCosto"_s, u"0,00"_s},
        {u"TfrmInserisciSca/txtAnticipi"_s, QString()},
        {u"TfrmInserisciSca/txtDettagli"_s, QString()},
        {u"TfrmChiamate/txtGiornoRit"_s, u"15"_s},
        {u"TfrmChiamate/txtMeseRit"_s, u"Marzo"_s},
        {u"TfrmChiamate/txtOreRit"_s, u"10"_s},
        {u"TfrmChiamate/txtMinutiRit"_s, u"30"_s},
        {u"TfrmInserisciTel/txtGiorno"_s, u"15"_s},
        {u"TfrmInserisciTel/txtMese"_s, u"Marzo"_s},
        {u"TfrmInserisciTel/txtOreApp"_s, u"10"_s},
        {u"TfrmInserisciTel/txtMinutiApp"_s, u"30"_s},
        {u"TfrmRegistro/txtGiornoRit"_s, u"15"_s},
        {u"TfrmRegistro/txtMeseRit"_s, u"Marzo"_s},
        {u"TfrmRegistro/txtOreRit"_s, u"10"_s},
        {u"TfrmRegistro/txtMinutiRit"_s, u"30"_s},
        {u"TfrmRegistro/txtImporto"_s, u"0,00"_s},
        {u"TfrmInserisciReg/txtGiorno"_s, u"15"_s},
        {u"TfrmInserisciReg/txtMese"_s, u"Marzo"_s},
        {u"TfrmInserisciReg/txtOreApp"_s, u"10"_s},
        {u"TfrmInserisciReg/txtMinutiApp"_s, u"30"_s},
        {u"TfrmInserisciReg/txtImporto"_s, u"0,00"_s},
        {u"TfrmMenuRiepCosti/txtGiornoInizio"_s, QString()},
        {u"TfrmMenuRiepCosti/txtMeseInizio"_s, QString()},
        {u"TfrmMenuRiepCosti/txtGiornoFine"_s, QString()},
        {u"TfrmMenuRiepCosti/txtMeseFine"_s, QString()},
        {u"TfrmMenuRiepCosti/txtAnno"_s, u"2024"_s},
    };
    return expected;
}

} // namespace

class TestFreshDefaults : public QObject
{
    Q_OBJECT

private slots:
    // Every window the program opens, as it opens it: each list and each input the table names shows its
    // default; a list that the table does not name fails, so a new one is audited too.
    void everyWindowOpensWithItsDefaults()
    {
        TempProgramFolder folder;
        ServiceDoubles services;
        services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        QSet<QString> inputs;
        for (auto it = expectedDefaults().cbegin(); it != expectedDefaults().cend(); ++it)
            inputs.insert(it.key());
        WiredRegistry windows;
        windows.create(persistentWindows());
        QHash<QString, QString> shown;
        for (const QString& name : windows.names()) {
            QWidget* window = windows.window(name);
            if (auto* application = qobject_cast<ApplicationWindow*>(window)) {
                application->open();
                shown.insert(freshTexts(window, inputs));
                window->hide();
            } else if (auto* dialog = qobject_cast<QDialog*>(window)) {
                QTimer::singleShot(0, dialog, [&shown, dialog, &inputs] {
                    shown.insert(freshTexts(dialog, inputs));
                    dialog->reject();
                });
                DesktopModal().exec(*dialog);
            }
        }
        QCOMPARE(shown, expectedDefaults());
    }
};

QTEST_MAIN(TestFreshDefaults)
#include "TestFreshDefaults.moc"
