#include "screens/CardDefinition.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Services.h"
#include "rules/DateText.h"
#include "rules/NumberText.h"
#include "rules/ValueLists.h"
#include "screens/CardScreen.h"
#include "screens/FormTexts.h"
#include "platform/ProgramFolder.h"

using namespace Qt::StringLiterals;

namespace CardDefault {

std::function<QString()> text(const QString& text)
{
    return [text] { return text; };
}
std::function<QString()> today()
{
    return [] { return DateText::compose(Services::clock().today()); };
}
std::function<QString()> currentDay()
{
    return [] { return Services::clock().today().toString(u"dd"_s); };
}
std::function<QString()> currentMonth()
{
    return [] { return ValueLists::monthName(Services::clock().today().month()); };
}
std::function<QString()> currentHour()
{
    return [] { return Services::clock().now().time().toString(u"HH"_s); };
}
std::function<QString()> currentMinute()
{
    return [] { return Services::clock().now().time().toString(u"mm"_s); };
}

} // namespace CardDefault

namespace CardCommands {

CardButton nuovo()
{
    return {u"cmdNuovo"_s, u"Nuovo"_s, u"Prepara la schermata per la registrazione di una nuova scheda."_s,
            u":/artwork/nuovo.svg"_s};
}
CardButton duplica()
{
    return {u"cmdDuplica"_s, u"Duplica"_s,
            u"Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."_s,
            u":/artwork/duplica.svg"_s};
}
CardButton salva(const QString& hint)
{
    return {u"cmdSalva"_s, u"Salva"_s, hint, u":/artwork/salva.svg"_s};
}
CardButton trova()
{
    return {u"cmdTrova"_s, u"Trova"_s, u"Trova una scheda in archivio."_s, u":/artwork/trova.svg"_s};
}
CardButton guida(const QString& hint)
{
    return {u"cmdGuida"_s, u"Guida"_s, hint, u":/artwork/guida.svg"_s};
}
CardButton esci(const QString& hint)
{
    return {u"cmdEsci"_s, u"Esci"_s, hint, u":/artwork/esci.svg"_s};
}

} // namespace CardCommands

CardCheck CardCheck::required(const QString& control, const QString& message)
{
    return {[control](const FormTexts& form) { return !form.text(control).trimmed().isEmpty(); }, message,
            control};
}

bool CardCheck::allPass(const QList<CardCheck>& checks, FormTexts& form)
{
    for (const CardCheck& check : checks) {
        if (!check.passes(form)) {
            Services::messages().show(check.kind, check.messageFor ? check.messageFor(form) : check.message);
            if (!check.focus.isEmpty())
                form.focusControl(check.focus);
            return false;
        }
    }
    return true;
}

namespace CardFile {

std::function<QString(const CardScreen&)> inProgramFolder(const QString& name)
{
    return [name](const CardScreen&) { return ProgramFolder::file(name); };
}
std::function<QString(const CardScreen&)> fromLabel(const QString& label)
{
    return [label](const CardScreen& card) { return card.text(label); };
}

} // namespace CardFile

namespace CardAmounts {

void normalise(const QList<CardField>& fields, FormTexts& form)
{
    for (const CardField& field : fields)
        if (field.kind == FieldKind::Amount && NumberText::readsAsAmount(form.text(field.control)))
            form.setText(field.control, NumberText::normaliseAmount(form.text(field.control), 4));
}

} // namespace CardAmounts
