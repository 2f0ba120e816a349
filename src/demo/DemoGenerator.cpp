#include "demo/DemoGenerator.h"

#include "calls/SchedaChiamata.h"
#include "clients/SchedaCliente.h"
#include "demo/DemoIdentity.h"
#include "demo/DemoRandom.h"
#include "demo/DemoVocabulary.h"
#include "operators/SchedaOperatore.h"
#include "products/SchedaArticolo.h"
#include "rules/DateText.h"
#include "rules/NumberText.h"
#include "rules/ValueLists.h"
#include "sales/SchedaVendita.h"
#include "schedule/SchedaScadenza.h"
#include "storage/RecordFile.h"

#include <QDir>
#include <QFileInfo>

namespace V = DemoVocabulary;

namespace {

// Each archive draws from its own stream, so the count of one never changes the records of another.
enum Stream : quint64 { Clients = 1, Staff, Products, Calls, Sales, Appointments };

// Records go to disk in batches: one lock and one flush per batch, bounded memory for a million calls.
constexpr std::size_t kBatch = 8192;

constexpr int kStaffNotices[] = {15, 30, 60};
constexpr int kAppointmentNotices[] = {1, 2, 3, 5, 7, 10, 15};

const QString kYes = QStringLiteral("Sì");
const QString kNo = QStringLiteral("No");

QString pick(DemoRandom& random, V::Words words)
{
    return random.pick(words).toString();
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString euro(qint64 cents)
{
    return NumberText::normaliseAmount(NumberText::write(static_cast<double>(cents) / 100.0), 2);
}

QString landline(DemoRandom& random, const V::Town& town)
{
    return town.phonePrefix.toString() + QLatin1Char(' ') +
           DemoIdentity::digits(random, 10 - static_cast<int>(town.phonePrefix.size()));
}

QString mobile(DemoRandom& random)
{
    return pick(random, V::mobilePrefixes()) + QLatin1Char(' ') + DemoIdentity::digits(random, 7);
}

QDate randomDate(DemoRandom& random, int fromYear, int toYear)
{
    const QDate first(fromYear, 1, 1);
    const qint64 days = first.daysTo(QDate(toYear, 12, 31));
    return first.addDays(random.below(static_cast<int>(days) + 1));
}

struct Person
{
    QString surname;
    QString name;
    QChar sex;
    QDate birth;
    const V::Town* town;
    QString codFisc;
};

Person makePerson(DemoRandom& random, int year, int minAge, int maxAge)
{
    Person person;
    person.sex = random.chance(50) ? u'M' : u'F';
    person.surname = pick(random, V::surnames());
    person.name = pick(random, person.sex == u'M' ? V::maleNames() : V::femaleNames());
    person.birth = randomDate(random, year - maxAge, year - minAge);
    person.town = &random.pick(V::towns());
    person.codFisc = DemoIdentity::codiceFiscale(person.surname, person.name, person.birth, person.sex,
                                                 person.town->cadastralCode);
    return person;
}

QString email(DemoRandom& random, const QString& first, const QString& second)
{
    QString local = DemoIdentity::asciiWord(first) + QLatin1Char('.') + DemoIdentity::asciiWord(second);
    if (random.chance(40))
        local += QString::number(random.between(1, 99));
    return local + QLatin1Char('@') + pick(random, V::mailDomains());
}

QString address(DemoRandom& random)
{
    return pick(random, V::streets()) + QStringLiteral(", ") + QString::number(random.between(1, 180));
}

QString documentNumber(DemoRandom& random, const QString& kind, const V::Town& town)
{
    if (kind == u"Carta d'identità")
        return QStringLiteral("CA") + DemoIdentity::digits(random, 5) + QChar(u'A' + random.below(26)) +
               QChar(u'A' + random.below(26));
    if (kind == u"Patente di guida")
        return town.province.toString() + DemoIdentity::digits(random, 7) + QChar(u'A' + random.below(26));
    return QStringLiteral("YA") + DemoIdentity::digits(random, 7);
}

QString identityDocument(DemoRandom& random, const V::Town& town, int year)
{
    const QString kind = pick(random, V::documentKinds());
    const QString issued =
        kind == u"Passaporto" ? QStringLiteral(", rilasciato a ") : QStringLiteral(", rilasciata a ");
    return kind + QStringLiteral(" n. ") + documentNumber(random, kind, town) + issued +
           town.name.toString() + QStringLiteral(" il ") +
           DateText::compose(randomDate(random, year - 9, year - 1));
}

// One day of the register's year, its texts ready for the date block.
struct DayText
{
    QString day;
    QString month;
    QString year;
    QString date;
};

std::vector<DayText> daysOf(int year)
{
    std::vector<DayText> days;
    for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1))
        days.push_back({twoDigits(d.day()), ValueLists::monthName(d.month()), QString::number(year),
                        DateText::compose(d)});
    return days;
}

// Calls and sales are registered on working days: a Sunday moves to the Saturday before it.
int workingDay(int dayOfYear, QDate firstOfYear)
{
    if (firstOfYear.addDays(dayOfYear).dayOfWeek() != Qt::Sunday)
        return dayOfYear;
    return dayOfYear == 0 ? 1 : dayOfYear - 1;
}

// The seven fields of a date block, the same in calls, sales and appointments.
void setDateBlock(Record& record, int firstField, const DayText& day, int hour, int minute)
{
    const QString& hh = ValueLists::hours().at(hour);
    const QString& mm = ValueLists::minutes().at(minute);
    record.setText(firstField, day.day);
    record.setText(firstField + 1, day.month);
    record.setText(firstField + 2, day.year);
    record.setText(firstField + 3, day.date);
    record.setText(firstField + 4, hh);
    record.setText(firstField + 5, mm);
    record.setText(firstField + 6, DateText::composeTime(hh, mm));
}

// The six fields of the client block that calls and sales copy from the client card.
void setClientBlock(Record& record, int firstField, const DemoGenerator::ClientRef& client)
{
    record.setText(firstField, client.cliente);
    record.setText(firstField + 1, client.codFisc);
    record.setText(firstField + 2, client.zona);
    record.setText(firstField + 3, client.recapito);
    record.setText(firstField + 4, client.telCel);
    record.setText(firstField + 5, client.email);
}

struct ProductInfo
{
    QString code;
    const V::Product* product;
    QString model;
    qint64 costCents;
    qint64 priceCents;
    qint64 priceWithVatCents;
};

// The index-th article of the demo catalogue: the same in Magazzino.pro and in the sales that sell it.
ProductInfo productInfo(quint64 seed, int index)
{
    const auto catalogue = V::products();
    const int size = static_cast<int>(catalogue.size());
    DemoRandom random = DemoRandom::forRecord(seed, Stream::Products, static_cast<quint64>(index));
    ProductInfo info;
    info.code = QStringLiteral("ART-%1").arg(index + 1, 5, 10, QLatin1Char('0'));
    info.product = &catalogue[static_cast<std::size_t>(index % size)];
    info.model = index < size
                     ? info.product->model.toString()
                     : info.product->model.toString() + QStringLiteral(" (serie %1)").arg(index / size + 1);
    info.costCents = info.product->costCents + random.between(-5, 5) * info.product->costCents / 100;
    info.priceCents = (info.costCents * random.between(125, 170) / 100 + 5) / 10 * 10;
    info.priceWithVatCents = (info.priceCents * (100 + info.product->vatRate) + 50) / 100;
    return info;
}

// Appends count records made by make(index in the file, index in this run), in batches that are each
// written whole or cut back; kept counts the records of the batches written.
template <typename Make>
void appendRecords(const QString& path, const RecordLayout& layout, int count, qint64& kept, Make&& make)
{
    RecordFile file(path, layout);
    const qint64 first = file.count();
    std::vector<Record> batch;
    batch.reserve(std::min<std::size_t>(kBatch, static_cast<std::size_t>(count)));
    const auto appendBatch = [&] {
        if (batch.empty())
            return;
        file.append(std::span<const Record>(batch));
        kept += static_cast<qint64>(batch.size());
        batch.clear();
    };
    for (int i = 0; i < count; ++i) {
        batch.push_back(make(first + i, i));
        if (batch.size() == kBatch)
            appendBatch();
    }
    appendBatch();
}

} // namespace

DemoGenerator::DemoGenerator(const DemoOptions& options) : m_options(options)
{
    if (!m_options.today.isValid())
        m_options.today = QDate::currentDate();
}

QList<DemoGenerator::Written> DemoGenerator::writeTo(const QString& folder)
{
    const QDir dir(folder);
    const QString year = QString::number(m_options.year);
    m_written.clear();

    const int operators = m_options.staff > 0 ? std::min(m_options.staff, 12) : 8;
    m_operators.clear();
    for (int i = 0; i < operators; ++i) {
        DemoRandom random = DemoRandom::forRecord(m_options.seed, Stream::Staff, static_cast<quint64>(i));
        const Person person = makePerson(random, m_options.year, 20, 60);
        m_operators.append(person.surname + QLatin1Char(' ') + person.name);
    }

    const QString clients = dir.filePath(QLatin1StringView(SchedaCliente::kFileName));
    if (m_options.clients > 0)
        writeClients(clients);
    else if (m_options.calls + m_options.sales + m_options.appointments > 0 && RecordFile::exists(clients))
        readClients(clients);
    if (m_options.staff > 0)
        writeStaff(dir.filePath(QLatin1StringView(SchedaOperatore::kFileName)));
    if (m_options.products > 0)
        writeProducts(dir.filePath(QLatin1StringView(SchedaArticolo::kFileName)));
    if (!m_clients.empty()) {
        if (m_options.calls > 0)
            writeCalls(dir.filePath(year + QLatin1StringView(SchedaChiamata::kExtension)));
        if (m_options.sales > 0)
            writeSales(dir.filePath(year + QLatin1StringView(SchedaVendita::kExtension)));
        if (m_options.appointments > 0)
            writeAppointments(dir.filePath(year + QLatin1StringView(SchedaScadenza::kExtension)));
    }
    return m_written;
}

void DemoGenerator::writeClients(const QString& path)
{
    using namespace SchedaCliente;
    const int year = m_options.year;
    m_clients.reserve(m_clients.size() + static_cast<std::size_t>(m_options.clients));
    m_written.append({QFileInfo(path).fileName(), 0});
    appendRecords(path, layout, m_options.clients, m_written.last().records, [&](qint64 index, int) {
        DemoRandom random =
            DemoRandom::forRecord(m_options.seed, Stream::Clients, static_cast<quint64>(index));
        Record record(layout);
        const Person person = makePerson(random, year, 18, 88);
        const V::Town& home = random.chance(70) ? *person.town : random.pick(V::towns());
        ClientRef client;
        const bool firm = random.chance(8);
        if (firm) {
            client.cliente = person.surname + QLatin1Char(' ') + pick(random, V::firmKinds());
            client.codFisc = DemoIdentity::partitaIva(random, home.vatOffice);
            record.setText(PartitaIva, client.codFisc);
            record.setText(TelUff, landline(random, home));
            record.setText(Fax, landline(random, home));
            client.email = email(random, QStringLiteral("info"), person.surname);
        } else {
            client.cliente = person.surname + QLatin1Char(' ') + person.name;
            client.codFisc = person.codFisc;
            record.setText(DataNasc, DateText::compose(person.birth));
            record.setText(ComuneNasc, person.town->name);
            record.setText(ProvNasc, person.town->province);
            record.setText(Sesso, QString(person.sex));
            if (random.chance(70))
                record.setText(TelCasa, landline(random, home));
            if (random.chance(15)) {
                record.setText(PartitaIva, DemoIdentity::partitaIva(random, home.vatOffice));
                record.setText(TelUff, landline(random, home));
            }
            if (random.chance(80))
                client.email = email(random, person.name, person.surname);
            record.setText(Documento, identityDocument(random, *person.town, year));
            record.setText(Occupazione, pick(random, V::occupations()));
            record.setText(Civile, pick(random, person.sex == u'M' ? V::maleMaritalStatuses()
                                                                   : V::femaleMaritalStatuses()));
            record.setText(Titoli, pick(random, V::qualifications()));
        }
        client.zona = home.region.toString();
        client.recapito = pick(random, V::preferredContacts());
        client.telCel = random.chance(90) ? mobile(random) : QString();
        client.estremi = pick(random, V::paymentMethods());
        if (random.chance(20))
            client.questioni = pick(random, V::pendingIssues());

        record.setText(Cliente, client.cliente);
        record.setText(Recapito, client.recapito);
        record.setText(IndirizzoRes, address(random));
        record.setText(ProvRes, home.province);
        record.setText(ComuneRes, home.name);
        record.setText(CapRes, home.postalCode);
        record.setText(Estremi, client.estremi);
        record.setText(TelCel, client.telCel);
        record.setText(Email, client.email);
        record.setText(CodFisc, client.codFisc);
        if (random.chance(40)) {
            record.setText(Carta, DemoIdentity::cardNumber(random));
            record.setText(ScadeCarta, twoDigits(random.between(1, 12)) + QLatin1Char('/') +
                                           QString::number(year + random.between(1, 4)));
        }
        if (random.chance(50))
            record.setText(Iban, DemoIdentity::iban(random, random.pick(V::banks()).abi));
        QString interests = pick(random, V::interests());
        if (random.chance(30))
            interests += QStringLiteral(", ") + pick(random, V::interests());
        record.setText(Prodotti, interests);
        record.setText(Zona, client.zona);
        record.setText(Questioni, client.questioni);
        if (random.chance(30))
            record.setText(Note, pick(random, V::clientNotes()));
        record.setText(Ricontatta, random.chance(25) ? kYes : kNo);
        m_clients.push_back(std::move(client));
        return record;
    });
}

void DemoGenerator::readClients(const QString& path)
{
    using namespace SchedaCliente;
    const RecordFile file(path, layout);
    file.scan([&](qint64, const RecordView& record) {
        if (record.raw(CodFisc).isEmpty())
            return;
        m_clients.push_back({record.text(Cliente), record.text(CodFisc), record.text(Zona),
                             record.text(Recapito), record.text(TelCel), record.text(Email),
                             record.text(Estremi), record.text(Questioni)});
    });
}

void DemoGenerator::writeStaff(const QString& path)
{
    using namespace SchedaOperatore;
    const QDate today = m_options.today;
    m_written.append({QFileInfo(path).fileName(), 0});
    appendRecords(path, layout, m_options.staff, m_written.last().records, [&](qint64 index, int) {
        DemoRandom random = DemoRandom::forRecord(m_options.seed, Stream::Staff, static_cast<quint64>(index));
        Record record(layout);
        const Person person = makePerson(random, m_options.year, 20, 60);
        const V::Town& home = random.chance(60) ? *person.town : random.pick(V::towns());
        const V::Bank& bank = random.pick(V::banks());
        const bool agent = random.chance(30);

        record.setText(Cognome, person.surname);
        record.setText(Nome, person.name);
        record.setText(CodFisc, person.codFisc);
        record.setText(Sesso, QString(person.sex));
        record.setText(DataNasc, DateText::compose(person.birth));
        record.setText(ComuneNasc, person.town->name);
        record.setText(ProvNasc, person.town->province);
        if (agent)
            record.setText(Iva, DemoIdentity::partitaIva(random, home.vatOffice));
        record.setText(Indirizzo, address(random));
        record.setText(Cap, home.postalCode);
        record.setText(ComuneRes, home.name);
        record.setText(ProvRes, home.province);
        record.setText(
            Stato, pick(random, person.sex == u'M' ? V::maleMaritalStatuses() : V::femaleMaritalStatuses()));
        record.setText(Familiari, pick(random, V::staffAvailability()));
        const QString cell = mobile(random);
        record.setText(Recapito, cell);
        record.setText(TelCasa, landline(random, home));
        record.setText(TelCel, cell);
        record.setText(Email, email(random, person.name, person.surname));
        record.setText(Qualifiche, pick(random, V::staffQualifications()));
        record.setText(Professione, pick(random, V::qualifications()));
        record.setText(Iban, DemoIdentity::iban(random, bank.abi));
        record.setText(Intestatario, person.surname + QLatin1Char(' ') + person.name);
        record.setText(Banca, bank.name);
        if (random.chance(50)) {
            record.setText(Carta, DemoIdentity::cardNumber(random));
            record.setText(ScadeCarta, twoDigits(random.between(1, 12)) + QLatin1Char('/') +
                                           QString::number(m_options.year + random.between(1, 4)));
        }
        record.setText(Prodotti, pick(random, V::staffEquipment()));
        record.setText(Pagamento, agent ? QStringLiteral("Bonifico mensile sulle provvigioni maturate")
                                        : QStringLiteral("Bonifico mensile"));
        const QString kind = pick(random, V::documentKinds());
        const QDate issued = randomDate(random, m_options.year - 8, m_options.year - 1);
        record.setText(TipoDoc, kind);
        record.setText(NumDoc, documentNumber(random, kind, *person.town));
        record.setText(
            EnteRil, (kind == u"Passaporto" ? QStringLiteral("Questura di ") : QStringLiteral("Comune di ")) +
                         person.town->name.toString());
        record.setText(DataRil, DateText::compose(issued));
        record.setText(DataSca, DateText::compose(issued.addYears(10)));
        record.setText(Codice, agent ? QStringLiteral("Agente") : pick(random, V::staffJobs()));
        record.setText(Categoria, pick(random, V::staffCategories()));
        record.setText(Zona, pick(random, V::staffLevels()));
        record.setText(Acquisto,
                       agent ? QStringLiteral("Contratto di agenzia") : pick(random, V::contractTypes()));

        // About one contract in four is due: past its deadline or within its days of notice.
        const int notice = random.pick(std::span<const int>(kStaffNotices));
        const QDate deadline = random.chance(25) ? today.addDays(random.between(-40, notice))
                                                 : today.addDays(notice + random.between(20, 700));
        const QDate hired = std::min(deadline, today).addDays(-random.between(60, 3000));
        record.setText(Decorrenza, DateText::compose(hired));
        record.setText(Scadenza, DateText::compose(deadline));
        record.setText(Preavviso, QString::number(notice));
        const int months = agent ? 12 : random.between(12, 14);
        const qint64 monthly = random.between(110, 260) * 1000;
        record.setText(Totale, euro(monthly * months));
        record.setText(Frazionamento, QStringLiteral("%1 mensilità").arg(months));
        record.setText(Rata, euro(monthly));
        if (random.chance(20))
            record.setText(Note, QStringLiteral("Disponibile a trasferte in ") + home.region.toString());
        return record;
    });
}

void DemoGenerator::writeProducts(const QString& path)
{
    using namespace SchedaArticolo;
    m_written.append({QFileInfo(path).fileName(), 0});
    appendRecords(path, layout, m_options.products, m_written.last().records, [&](qint64 index, int) {
        DemoRandom random =
            DemoRandom::forRecord(m_options.seed, Stream::Products, static_cast<quint64>(index));
        Record record(layout);
        const ProductInfo info = productInfo(m_options.seed, static_cast<int>(index));
        const int threshold = random.between(2, 15);
        // About one product in five has run down to its threshold or below.
        const int stock =
            random.chance(20) ? random.between(0, threshold) : random.between(threshold + 1, 150);

        record.setText(Codice, info.code);
        record.setText(Tipologia, info.product->type);
        record.setText(Marca, info.product->brand);
        record.setText(Modello, info.model);
        if (random.chance(40))
            record.setText(Accessori, QStringLiteral("Alimentatore, cavo, guida rapida"));
        record.setText(Descrizione, info.product->description);
        record.setText(Fornitore, pick(random, V::suppliers()));
        record.setText(Recapiti, QStringLiteral("ordini@") + DemoIdentity::asciiWord(info.product->brand) +
                                     QStringLiteral(".it"));
        record.setText(Data, DateText::compose(randomDate(random, m_options.year - 1, m_options.year - 1)));
        record.setText(Costo, euro(info.costCents));
        record.setText(Valore, euro(info.costCents * stock));
        record.setText(Documento,
                       QStringLiteral("Fattura n. %1 del fornitore").arg(random.between(100, 9999)));
        record.setText(Ordine, pick(random, V::orderMethods()));
        record.setText(Prezzo, euro(info.priceCents));
        record.setText(PercIva, QString::number(info.product->vatRate));
        record.setText(Prezzo_con_Iva, euro(info.priceWithVatCents));
        record.setText(Collocazione, pick(random, V::storagePlaces()));
        record.setText(Giacenza, QString::number(stock));
        record.setText(Sottoscorta, QString::number(threshold));
        if (random.chance(30)) {
            record.setText(Consumo, QStringLiteral("%1 cm").arg(random.between(2, 40)));
            record.setText(Aderenza, QStringLiteral("%1 cm").arg(random.between(5, 40)));
            record.setText(Rumore, QStringLiteral("%1 cm").arg(random.between(5, 60)));
        }
        if (random.chance(20))
            record.setText(Note, QStringLiteral("Articolo in promozione fino a esaurimento scorte"));
        return record;
    });
}

const DemoGenerator::ClientRef& DemoGenerator::anyClient(DemoRandom& random) const
{
    return m_clients[static_cast<std::size_t>(random.below(static_cast<int>(m_clients.size())))];
}

QString DemoGenerator::anyOperator(DemoRandom& random) const
{
    return m_operators.at(random.below(static_cast<int>(m_operators.size())));
}

void DemoGenerator::writeCalls(const QString& path)
{
    using namespace SchedaChiamata;
    const std::vector<DayText> days = daysOf(m_options.year);
    const QDate first(m_options.year, 1, 1);
    const int count = m_options.calls;
    QStringList durations;
    for (int minutes = 1; minutes <= 40; ++minutes)
        durations.append(QStringLiteral("%1 minuti").arg(minutes));

    m_written.append({QFileInfo(path).fileName(), 0});
    appendRecords(path, layout, count, m_written.last().records, [&](qint64 index, int i) {
        DemoRandom random = DemoRandom::forRecord(m_options.seed, Stream::Calls, static_cast<quint64>(index));
        Record record(layout);
        // Registered in date order over the whole year.
        const int day = workingDay(static_cast<int>(qint64(i) * qint64(days.size()) / count), first);
        setDateBlock(record, GiornoRit, days[static_cast<std::size_t>(day)], random.between(8, 19),
                     random.below(60));
        const ClientRef& client = anyClient(random);
        record.setText(Oggetto, pick(random, V::callSubjects()));
        record.setText(Prodotti, pick(random, V::interests()));
        record.setText(Risposta, pick(random, V::callResponses()));
        record.setText(Grado, pick(random, V::interestDegrees()));
        record.setText(Conclusioni, pick(random, V::callConclusions()));
        record.setText(Durata, durations.at(random.below(static_cast<int>(durations.size()))));
        setClientBlock(record, Cliente, client);
        if (random.chance(25))
            record.setText(Note, pick(random, V::callNotes()));
        record.setText(Operatore, anyOperator(random));
        return record;
    });
}

void DemoGenerator::writeSales(const QString& path)
{
    using namespace SchedaVendita;
    const std::vector<DayText> days = daysOf(m_options.year);
    const QDate first(m_options.year, 1, 1);
    const int count = m_options.sales;
    const int articles = m_options.products > 0 ? m_options.products : static_cast<int>(V::products().size());

    m_written.append({QFileInfo(path).fileName(), 0});
    appendRecords(path, layout, count, m_written.last().records, [&](qint64 index, int i) {
        DemoRandom random = DemoRandom::forRecord(m_options.seed, Stream::Sales, static_cast<quint64>(index));
        Record record(layout);
        const int day = workingDay(static_cast<int>(qint64(i) * qint64(days.size()) / count), first);
        setDateBlock(record, GiornoRit, days[static_cast<std::size_t>(day)], random.between(9, 19),
                     random.below(60));
        const ProductInfo info = productInfo(m_options.seed, random.below(articles));
        const ClientRef& client = anyClient(random);
        const int pieces = random.chance(80) ? 1 : random.between(2, 5);
        record.setText(Codice, info.code);
        record.setText(Tipologia, info.product->type);
        record.setText(Descrizione, info.product->brand.toString() + QLatin1Char(' ') + info.model +
                                        QStringLiteral(" - ") + info.product->description.toString());
        record.setText(Importo, euro(info.priceWithVatCents * pieces));
        record.setText(Consegna, pick(random, V::deliveryMethods()));
        record.setText(Pagamento, client.estremi);
        setClientBlock(record, Cliente, client);
        if (pieces > 1)
            record.setText(Note, QStringLiteral("%1 pezzi").arg(pieces));
        else if (random.chance(20))
            record.setText(Note, pick(random, V::saleNotes()));
        record.setText(Operatore, anyOperator(random));
        return record;
    });
}

void DemoGenerator::writeAppointments(const QString& path)
{
    using namespace SchedaScadenza;
    const std::vector<DayText> days = daysOf(m_options.year);
    const QDate first(m_options.year, 1, 1);
    const QDate today = m_options.today;
    // A few appointments fall within their notice from today, when today is in the file's year.
    const int imminent = today.year() == m_options.year ? std::min(m_options.appointments, 5) : 0;

    m_written.append({QFileInfo(path).fileName(), 0});
    appendRecords(path, layout, m_options.appointments, m_written.last().records, [&](qint64 index, int i) {
        DemoRandom random =
            DemoRandom::forRecord(m_options.seed, Stream::Appointments, static_cast<quint64>(index));
        Record record(layout);
        const int notice = random.pick(std::span<const int>(kAppointmentNotices));
        int day = random.below(static_cast<int>(days.size()));
        if (i < imminent) {
            const QDate date = today.addDays(random.between(0, notice));
            day = static_cast<int>(first.daysTo(date.year() == m_options.year ? date : today));
        }
        setDateBlock(record, Giorno, days[static_cast<std::size_t>(day)], random.between(8, 18),
                     random.below(4) * 15);
        const bool past = first.addDays(day) < today;
        const ClientRef& client = anyClient(random);
        const bool paid = random.chance(past ? 70 : 10);
        const qint64 cost = random.chance(50) ? 0 : random.between(20, 500) * 100;

        record.setText(Avviso, QString::number(notice));
        record.setText(Pagatore, client.cliente);
        record.setText(CodFisc, client.codFisc);
        record.setText(NumTessera, client.zona);
        record.setText(Carica, client.questioni);
        record.setText(TelCel, client.telCel);
        record.setText(Recapito, client.recapito);
        record.setText(Anticipi, anyOperator(random));
        record.setText(Complessivo, pick(random, V::appointmentPlaces()));
        record.setText(Rateazione, pick(random, V::appointmentDurations()));
        record.setText(Beneficiario, anyOperator(random));
        record.setText(Dettagli, pick(random, V::appointmentReasons()));
        record.setText(Officina, client.estremi);
        record.setText(Costo, euro(cost));
        if (paid && cost > 0)
            record.setText(
                Contatto,
                QStringLiteral("Ricevuta n. %1/%2").arg(random.between(1, 999)).arg(m_options.year));
        if (random.chance(25))
            record.setText(Note, pick(random, V::appointmentNotes()));
        record.setText(DaConfermare, !past && random.chance(30) ? kYes : kNo);
        record.setText(Effettuata, paid ? kYes : kNo);
        return record;
    });
}
