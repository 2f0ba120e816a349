#include "screens/RegisterCard.h"

#include "screens/CardScreen.h"

using namespace Qt::StringLiterals;

namespace RegisterCard {

DateTimeBlock dateTime()
{
    return {u"txtGiornoRit"_s, u"txtMeseRit"_s,   u"lblAnnoRit"_s, u"lblDataRit"_s,
            u"txtOreRit"_s,    u"txtMinutiRit"_s, u"lblOraRit"_s};
}

QList<CardField> dateTimeFields(const DateTimeFields& fields)
{
    using K = FieldKind;
    const DateTimeBlock block = dateTime();
    // clang-format off
    return {
        {block.day,     fields.day,     K::Day,    u"Giorno:"_s, {}, CardDefault::currentDay()},
        {block.month,   fields.month,   K::Month,  u"Mese:"_s,   {}, CardDefault::currentMonth()},
        {block.year,    fields.year,    K::Label,  u"Anno"_s},
        {block.date,    fields.date,    K::Hidden},
        {block.hour,    fields.hour,    K::Hour,   u"Ore:"_s,    {}, CardDefault::currentHour()},
        {block.minute,  fields.minute,  K::Minute, u"Minuti:"_s, {}, CardDefault::currentMinute()},
        {block.time,    fields.time,    K::Hidden},
    };
    // clang-format on
}

QList<CardSection> dateTimeSections(const QString& dateTitle, const QString& timeTitle)
{
    const DateTimeBlock block = dateTime();
    CardSection time{u"fraOra"_s, timeTitle, {}, {{{block.hour, 6}, {block.minute, 6, u"impOraRit"_s}}}};
    time.besidePrevious = true;
    return {
        {u"fraData"_s, dateTitle, {}, {{{block.day, 3}, {block.month, 5}, {block.year, 4, u"impRitiro"_s}}}},
        time,
    };
}

QList<CardButton> dateTimeButtons()
{
    return {
        {u"impRitiro"_s, u"Oggi"_s, u"Inserisci la data corrente."_s, u":/artwork/oggi.svg"_s},
        {u"impOraRit"_s, u"Adesso"_s, u"Inserisci l'ora corrente."_s, u":/artwork/adesso.svg"_s},
    };
}

QList<CardButton> commands(const QString& dailyHint, const QString& monthlyHint, const QString& annualHint)
{
    return {
        CardCommands::nuovo(),
        CardCommands::duplica(),
        CardCommands::salva(u"Salva la scheda corrente in archivio."_s),
        CardCommands::trova(),
        {u"cmdAnteprima"_s, u"Anteprima"_s, u"Visualizza l'anteprima di stampa della scheda corrente."_s,
         u":/artwork/anteprima.svg"_s},
        {u"cmdStampa"_s, u"Stampa"_s, u"Stampa la scheda corrente."_s, u":/artwork/stampa.svg"_s},
        {u"cmdEsporta"_s, u"Esporta"_s, u"Esporta le schede in archivio in un file di Microsoft Excel."_s,
         u":/artwork/esporta.svg"_s},
        {u"cmdRiepGiornaliero"_s, u"G"_s, dailyHint, u":/artwork/riep_giornaliero.svg"_s},
        {u"cmdRiepMensile"_s, u"M"_s, monthlyHint, u":/artwork/riep_mensile.svg"_s},
        {u"cmdRiepAnnuale"_s, u"A"_s, annualHint, u":/artwork/riep_annuale.svg"_s},
        CardCommands::guida(u"Visualizza la pagina della guida sensibile al contesto."_s),
        CardCommands::esci(u"Esci da questa schermata di lavoro."_s),
    };
}

void complete(CardDefinition& card, const DateTimeBlock::Warnings& warnings,
              const std::function<void(CardScreen&)>& prepare)
{
    const DateTimeBlock block = dateTime();
    card.fields.append({u"lblFile"_s, -1, FieldKind::Hidden});
    card.file = CardFile::fromLabel(u"lblFile"_s);
    card.commandPlacement = CommandPlacement::Toolbar;
    card.toolbarGroups = {u"cmdAnteprima"_s, u"cmdEsporta"_s, u"cmdRiepGiornaliero"_s, u"cmdGuida"_s};
    card.navigationBefore = u"cmdEsporta"_s;
    card.idleText = u"Pronto per stampare una nuova scheda..."_s;
    card.checks = block.checks(warnings) + card.checks;
    card.beforeWrite = [block, prepare](CardScreen& screen) {
        if (prepare)
            prepare(screen);
        return block.compose(screen);
    };
    card.duplicate = true;
    card.duplicateResets = {
        {block.day, QString()}, {block.month, QString()}, {block.hour, QString()}, {block.minute, QString()}};
    card.appendedMessage = u"La scheda corrente è stata salvata in archivio."_s;
}

} // namespace RegisterCard
