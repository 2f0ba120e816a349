#include "demo/DemoVocabulary.h"

namespace DemoVocabulary {

namespace {

// Partite IVA of the provinces created after 2004 carry the office of the province they came from.
constexpr Town kTowns[] = {
    {u"Roma", u"RM", u"H501", u"00185", u"06", u"Lazio", 58},
    {u"Milano", u"MI", u"F205", u"20121", u"02", u"Lombardia", 15},
    {u"Napoli", u"NA", u"F839", u"80121", u"081", u"Campania", 63},
    {u"Torino", u"TO", u"L219", u"10121", u"011", u"Piemonte", 1},
    {u"Palermo", u"PA", u"G273", u"90133", u"091", u"Sicilia", 82},
    {u"Genova", u"GE", u"D969", u"16121", u"010", u"Liguria", 10},
    {u"Bologna", u"BO", u"A944", u"40121", u"051", u"Emilia-Romagna", 37},
    {u"Firenze", u"FI", u"D612", u"50122", u"055", u"Toscana", 48},
    {u"Bari", u"BA", u"A662", u"70121", u"080", u"Puglia", 72},
    {u"Catania", u"CT", u"C351", u"95121", u"095", u"Sicilia", 87},
    {u"Venezia", u"VE", u"L736", u"30121", u"041", u"Veneto", 27},
    {u"Verona", u"VR", u"L781", u"37121", u"045", u"Veneto", 23},
    {u"Messina", u"ME", u"F158", u"98121", u"090", u"Sicilia", 83},
    {u"Padova", u"PD", u"G224", u"35121", u"049", u"Veneto", 28},
    {u"Trieste", u"TS", u"L424", u"34121", u"040", u"Friuli-Venezia Giulia", 32},
    {u"Brescia", u"BS", u"B157", u"25121", u"030", u"Lombardia", 17},
    {u"Taranto", u"TA", u"L049", u"74121", u"099", u"Puglia", 73},
    {u"Prato", u"PO", u"G999", u"59100", u"0574", u"Toscana", 100},
    {u"Parma", u"PR", u"G337", u"43121", u"0521", u"Emilia-Romagna", 34},
    {u"Modena", u"MO", u"F257", u"41121", u"059", u"Emilia-Romagna", 36},
    {u"Reggio di Calabria", u"RC", u"H224", u"89121", u"0965", u"Calabria", 79},
    {u"Reggio nell'Emilia", u"RE", u"H223", u"42121", u"0522", u"Emilia-Romagna", 35},
    {u"Perugia", u"PG", u"G478", u"06121", u"075", u"Umbria", 54},
    {u"Livorno", u"LI", u"E625", u"57121", u"0586", u"Toscana", 49},
    {u"Ravenna", u"RA", u"H199", u"48121", u"0544", u"Emilia-Romagna", 39},
    {u"Cagliari", u"CA", u"B354", u"09121", u"070", u"Sardegna", 92},
    {u"Foggia", u"FG", u"D643", u"71121", u"0881", u"Puglia", 71},
    {u"Rimini", u"RN", u"H294", u"47921", u"0541", u"Emilia-Romagna", 99},
    {u"Salerno", u"SA", u"H703", u"84121", u"089", u"Campania", 65},
    {u"Ferrara", u"FE", u"D548", u"44121", u"0532", u"Emilia-Romagna", 38},
    {u"Sassari", u"SS", u"I452", u"07100", u"079", u"Sardegna", 90},
    {u"Latina", u"LT", u"E472", u"04100", u"0773", u"Lazio", 59},
    {u"Monza", u"MB", u"F704", u"20900", u"039", u"Lombardia", 15},
    {u"Pescara", u"PE", u"G482", u"65121", u"085", u"Abruzzo", 68},
    {u"Bergamo", u"BG", u"A794", u"24121", u"035", u"Lombardia", 16},
    {u"Forlì", u"FC", u"D704", u"47121", u"0543", u"Emilia-Romagna", 40},
    {u"Trento", u"TN", u"L378", u"38121", u"0461", u"Trentino-Alto Adige", 22},
    {u"Vicenza", u"VI", u"L840", u"36100", u"0444", u"Veneto", 24},
    {u"Bolzano", u"BZ", u"A952", u"39100", u"0471", u"Trentino-Alto Adige", 21},
    {u"Novara", u"NO", u"F952", u"28100", u"0321", u"Piemonte", 3},
    {u"Piacenza", u"PC", u"G535", u"29121", u"0523", u"Emilia-Romagna", 33},
    {u"Ancona", u"AN", u"A271", u"60121", u"071", u"Marche", 42},
    {u"Udine", u"UD", u"L483", u"33100", u"0432", u"Friuli-Venezia Giulia", 30},
    {u"Arezzo", u"AR", u"A390", u"52100", u"0575", u"Toscana", 51},
    {u"Lecce", u"LE", u"E506", u"73100", u"0832", u"Puglia", 75},
    {u"La Spezia", u"SP", u"E463", u"19121", u"0187", u"Liguria", 11},
    {u"Como", u"CO", u"C933", u"22100", u"031", u"Lombardia", 13},
    {u"Lucca", u"LU", u"E715", u"55100", u"0583", u"Toscana", 46},
    {u"L'Aquila", u"AQ", u"A345", u"67100", u"0862", u"Abruzzo", 66},
    {u"Aosta", u"AO", u"A326", u"11100", u"0165", u"Valle d'Aosta", 7},
    {u"Potenza", u"PZ", u"G942", u"85100", u"0971", u"Basilicata", 76},
    {u"Campobasso", u"CB", u"B519", u"86100", u"0874", u"Molise", 70},
    {u"Catanzaro", u"CZ", u"C352", u"88100", u"0961", u"Calabria", 80},
    {u"Cosenza", u"CS", u"D086", u"87100", u"0984", u"Calabria", 78},
    {u"Siracusa", u"SR", u"I754", u"96100", u"0931", u"Sicilia", 89},
    {u"Pisa", u"PI", u"G702", u"56121", u"050", u"Toscana", 50},
    {u"Siena", u"SI", u"I726", u"53100", u"0577", u"Toscana", 52},
    {u"Treviso", u"TV", u"L407", u"31100", u"0422", u"Veneto", 26},
    {u"Caserta", u"CE", u"B963", u"81100", u"0823", u"Campania", 61},
    {u"Fermo", u"FM", u"D542", u"63900", u"0734", u"Marche", 44},
    {u"Barletta", u"BT", u"A669", u"76121", u"0883", u"Puglia", 72},
    {u"Cuneo", u"CN", u"D205", u"12100", u"0171", u"Piemonte", 4},
    {u"Cantù", u"CO", u"B639", u"22063", u"031", u"Lombardia", 13},
    {u"Paternò", u"CT", u"G371", u"95047", u"095", u"Sicilia", 87},
    {u"Cefalù", u"PA", u"C421", u"90015", u"0921", u"Sicilia", 82},
    {u"San Donà di Piave", u"VE", u"H823", u"30027", u"0421", u"Veneto", 27},
    {u"Nardò", u"LE", u"F842", u"73048", u"0833", u"Puglia", 75},
    {u"Mondovì", u"CN", u"F351", u"12084", u"0174", u"Piemonte", 4},
};

constexpr Bank kBanks[] = {
    {u"Intesa Sanpaolo", u"03069"},
    {u"UniCredit", u"02008"},
    {u"Banco BPM", u"05034"},
    {u"BPER Banca", u"05387"},
    {u"Monte dei Paschi di Siena", u"01030"},
    {u"Crédit Agricole Italia", u"06230"},
    {u"Banca Mediolanum", u"03062"},
    {u"BancoPosta", u"07601"},
    {u"FinecoBank", u"03015"},
    {u"BNL", u"01005"},
};

constexpr Product kProducts[] = {
    {u"Smartphone", u"Samsung", u"Galaxy A55", u"Smartphone 6,6\" 128 GB, doppia SIM", 28900, 22},
    {u"Smartphone", u"Xiaomi", u"Redmi Note 13", u"Smartphone 6,67\" 256 GB", 19900, 22},
    {u"Smartphone", u"Apple", u"iPhone 15", u"Smartphone 128 GB, nero", 72900, 22},
    {u"Router", u"AVM", u"FRITZ!Box 7530", u"Modem router ADSL/VDSL con Wi-Fi", 11900, 22},
    {u"Router", u"TP-Link", u"Archer AX55", u"Router Wi-Fi 6 dual band", 6900, 22},
    {u"Modem fibra", u"ZTE", u"F6640", u"Terminale ottico per fibra FTTH", 4500, 22},
    {u"Cuffie con microfono", u"Jabra", u"Evolve2 40", u"Cuffia USB per postazione di lavoro", 8900, 22},
    {u"Cuffie con microfono", u"Poly", u"Blackwire 3320", u"Cuffia stereo con cancellazione del rumore", 4900,
     22},
    {u"Telefono cordless", u"Gigaset", u"A270", u"Cordless con vivavoce e rubrica", 2900, 22},
    {u"Telefono fisso", u"Brondi", u"Bravo Gold 2", u"Telefono a tasti grandi per la terza età", 3400, 22},
    {u"Decoder", u"Telesystem", u"TS6822", u"Decoder digitale terrestre DVB-T2", 3900, 22},
    {u"Abbonamento fibra", u"Telvara Net", u"Fibra 1 Giga", u"Canone mensile fibra fino a 1 Gbit/s", 1800,
     22},
    {u"Abbonamento mobile", u"Telvara Mobile", u"Giga 150", u"Offerta mensile 150 GB e minuti illimitati",
     650, 22},
    {u"SIM dati", u"Telvara Mobile", u"Dati 50", u"SIM solo dati per tablet e router", 500, 22},
    {u"Servizio di assistenza", u"Telvara Servizi", u"Assistenza Più",
     u"Intervento tecnico a domicilio entro 48 ore", 4000, 22},
    {u"Installazione", u"Telvara Servizi", u"Posa in opera", u"Installazione e configurazione apparati", 6000,
     22},
    {u"Polizza casa", u"Assicura Italia", u"Casa Sicura", u"Polizza annuale incendio e furto", 9000, 22},
    {u"Libro", u"Edizioni Sant'Anna", u"Guida all'uso", u"Manuale dell'utente digitale", 1200, 4},
    {u"Corso di formazione", u"Telvara Academy", u"Vendita al telefono", u"Corso di 8 ore per operatori",
     15000, 22},
    {u"Tablet", u"Lenovo", u"Tab M10", u"Tablet 10,1\" 64 GB Wi-Fi", 14900, 22},
};

constexpr QStringView kSurnames[] = {
    u"Rossi",      u"Russo",     u"Ferrari",    u"Esposito",    u"Bianchi",    u"Romano",    u"Colombo",
    u"Ricci",      u"Marino",    u"Greco",      u"Bruno",       u"Gallo",      u"Conti",     u"De Luca",
    u"Mancini",    u"Costa",     u"Giordano",   u"Rizzo",       u"Lombardi",   u"Moretti",   u"Barbieri",
    u"Fontana",    u"Santoro",   u"Mariani",    u"Rinaldi",     u"Caruso",     u"Ferrara",   u"Galli",
    u"Martini",    u"Leone",     u"Longo",      u"Gentile",     u"Martinelli", u"Vitale",    u"Lombardo",
    u"Serra",      u"Coppola",   u"De Santis",  u"D'Angelo",    u"Marchetti",  u"Parisi",    u"Villa",
    u"Conte",      u"Ferraro",   u"Fabbri",     u"Bianco",      u"Marini",     u"Grasso",    u"Valentini",
    u"Messina",    u"Sala",      u"De Angelis", u"Gatti",       u"Pellegrini", u"Palumbo",   u"Sanna",
    u"Farina",     u"Monti",     u"Cattaneo",   u"Morelli",     u"Amato",      u"Silvestri", u"Testa",
    u"Carbone",    u"Giuliani",  u"Barone",     u"Caputo",      u"Montanari",  u"Guerra",    u"Palmieri",
    u"Bernardi",   u"Fiore",     u"De Rosa",    u"Ferretti",    u"Bellini",    u"Basile",    u"Riva",
    u"Donati",     u"Piras",     u"Sartori",    u"Neri",        u"Orlando",    u"D'Amico",   u"D'Alessandro",
    u"Dell'Acqua", u"Dall'Olio", u"Lo Russo",   u"Della Valle", u"Mastrolìa",  u"Cantù",     u"Carrà",
    u"Bonfà",      u"Pirrò",     u"Nicolò",     u"Sant'Elia",   u"Dell'Orto",  u"Lo Bianco", u"Mazzà",
};

constexpr QStringView kMaleNames[] = {
    u"Marco",    u"Giuseppe", u"Giovanni", u"Antonio",   u"Francesco", u"Luca",     u"Alessandro", u"Andrea",
    u"Matteo",   u"Lorenzo",  u"Niccolò",  u"Nicolò",    u"Mattia",    u"Gabriele", u"Riccardo",   u"Davide",
    u"Stefano",  u"Paolo",    u"Roberto",  u"Salvatore", u"Vincenzo",  u"Pietro",   u"Fabrizio",   u"Simone",
    u"Emanuele", u"Raffaele", u"Domenico", u"Carlo",     u"Massimo",   u"Sergio",   u"Giosuè",     u"Elia",
    u"Tommaso",  u"Federico", u"Gianluca", u"Pasquale",  u"Angelo",    u"Michele",  u"Claudio",    u"Enea",
};

constexpr QStringView kFemaleNames[] = {
    u"Maria",     u"Anna",      u"Giulia",     u"Francesca", u"Chiara",    u"Sara",     u"Martina",
    u"Laura",     u"Valentina", u"Alessandra", u"Elena",     u"Silvia",    u"Federica", u"Paola",
    u"Roberta",   u"Giovanna",  u"Rosa",       u"Angela",    u"Lucia",     u"Sofia",    u"Aurora",
    u"Beatrice",  u"Noemi",     u"Ilaria",     u"Simona",    u"Antonella", u"Daniela",  u"Cinzia",
    u"Raffaella", u"Assunta",   u"Concetta",   u"Graziella", u"Benedetta", u"Irene",    u"Emanuela",
};

constexpr QStringView kStreets[] = {
    u"Via Roma",
    u"Via Giuseppe Garibaldi",
    u"Piazza Cavour",
    u"Corso Vittorio Emanuele II",
    u"Via dell'Università",
    u"Via Sant'Antonio",
    u"Viale della Libertà",
    u"Via XX Settembre",
    u"Via Nazionale",
    u"Piazza del Popolo",
    u"Via Dante Alighieri",
    u"Via Giuseppe Verdi",
    u"Via Martiri della Libertà",
    u"Via Niccolò Machiavelli",
    u"Via Giacomo Matteotti",
    u"Via Alessandro Manzoni",
    u"Corso Italia",
    u"Via della Repubblica",
    u"Largo San Giovanni",
    u"Via Papa Giovanni XXIII",
    u"Via Cesare Battisti",
    u"Piazza Duomo",
    u"Via Nino Bixio",
    u"Via Santa Maria dell'Olmo",
};

constexpr QStringView kMailDomains[] = {
    u"libero.it", u"gmail.com", u"tiscali.it", u"virgilio.it", u"alice.it", u"outlook.it", u"yahoo.it",
};

constexpr QStringView kMobilePrefixes[] = {
    u"320", u"328", u"329", u"333", u"335", u"338", u"340", u"347",
    u"348", u"349", u"366", u"380", u"389", u"392", u"393",
};

constexpr QStringView kPaymentMethods[] = {
    u"Bonifico bancario", u"Carta di credito", u"Contrassegno",       u"Addebito diretto SEPA",
    u"Contanti",          u"Assegno bancario", u"Bollettino postale",
};

constexpr QStringView kOccupations[] = {
    u"Impiegato",   u"Commerciante", u"Libero professionista",
    u"Insegnante",  u"Pensionato",   u"Artigiano",
    u"Medico",      u"Avvocato",     u"Studente",
    u"Operaio",     u"Ingegnere",    u"Infermiere",
    u"Ristoratore", u"Agricoltore",  u"Farmacista",
};

constexpr QStringView kMaleMarital[] = {u"Celibe", u"Coniugato", u"Separato", u"Divorziato", u"Vedovo"};
constexpr QStringView kFemaleMarital[] = {u"Nubile", u"Coniugata", u"Separata", u"Divorziata", u"Vedova"};

constexpr QStringView kQualifications[] = {
    u"Licenza media",
    u"Diploma di ragioneria",
    u"Diploma di geometra",
    u"Maturità classica",
    u"Maturità scientifica",
    u"Laurea in Economia e Commercio",
    u"Laurea in Giurisprudenza",
    u"Laurea in Ingegneria",
    u"Laurea in Lettere",
    u"Dottorato di ricerca",
    u"Qualifica professionale",
};

constexpr QStringView kInterests[] = {
    u"Fibra ottica casa",
    u"Telefonia mobile",
    u"Luce e gas",
    u"Pay TV",
    u"Assicurazione auto",
    u"Polizza casa",
    u"Conto corrente online",
    u"Assistenza tecnica",
    u"Smartphone a rate",
    u"Centralino aziendale",
};

constexpr QStringView kPendingIssues[] = {
    u"Sollecito pagamento fattura di marzo",        u"Attende preventivo aggiornato",
    u"Reclamo per disservizio della linea",         u"Richiesta di portabilità del numero",
    u"Contestazione addebito sull'ultima bolletta", u"Modem da sostituire, in attesa del corriere",
};

constexpr QStringView kClientNotes[] = {
    u"Preferisce essere contattato la mattina",
    u"Non chiamare dopo le 19:00",
    u"Cliente dal 2015, molto soddisfatto",
    u"Parla anche tedesco",
    u"Chiedere del titolare",
    u"Già contattato dalla concorrenza: offerta più bassa",
    u"Richiede fattura elettronica",
};

constexpr QStringView kPreferredContacts[] = {u"Cellulare", u"Casa", u"Ufficio", u"E-mail"};

constexpr QStringView kFirmKinds[] = {
    u"Impianti S.r.l.",  u"& Figli S.n.c.",      u"Costruzioni S.p.A.", u"Servizi S.r.l.s.",
    u"Trasporti S.a.s.", u"Ristorazione S.r.l.", u"Studio Associato",
};

constexpr QStringView kDocumentKinds[] = {u"Carta d'identità", u"Patente di guida", u"Passaporto"};

constexpr QStringView kStaffAvailability[] = {
    u"Lunedì-venerdì 9:00-13:00",      u"Lunedì-venerdì 14:00-20:00",
    u"Lunedì-sabato 9:00-18:00",       u"Martedì, giovedì e sabato 15:00-21:00",
    u"Tutti i giorni su appuntamento",
};

constexpr QStringView kStaffQualifications[] = {
    u"Operatore telefonico outbound", u"Operatore telefonico inbound",
    u"Agente di commercio",           u"Team leader",
    u"Supervisore di sala",           u"Tecnico installatore",
    u"Addetta al back office",
};

constexpr QStringView kStaffJobs[] = {
    u"Operatore", u"Agente", u"Team leader", u"Supervisore", u"Tecnico", u"Back office",
};

constexpr QStringView kStaffCategories[] = {
    u"Impiegato", u"Collaboratore", u"Agente monomandatario", u"Agente plurimandatario", u"Quadro",
};

constexpr QStringView kStaffLevels[] = {u"2° livello", u"3° livello", u"4° livello", u"5° livello"};

constexpr QStringView kContractTypes[] = {
    u"Tempo indeterminato",
    u"Tempo determinato",
    u"Part-time",
    u"Contratto di agenzia",
    u"Collaborazione coordinata e continuativa",
    u"Apprendistato",
};

constexpr QStringView kStaffEquipment[] = {
    u"Cuffia Jabra, PC portatile, badge",
    u"Telefono aziendale e tablet",
    u"Postazione fissa n. 12",
    u"Auto aziendale, smartphone, campionario",
    u"Cuffia, badge",
};

constexpr QStringView kSuppliers[] = {
    u"Distribuzione Elettronica Nord S.r.l.",
    u"Rossi Forniture S.p.A.",
    u"TLC Grossisti d'Italia",
    u"Ingrosso Sant'Elia S.n.c.",
    u"Servizi Interni",
};

constexpr QStringView kStoragePlaces[] = {
    u"Scaffale A, ripiano 1",        u"Scaffale A, ripiano 3", u"Scaffale B, ripiano 2",
    u"Armadio dell'ufficio tecnico", u"Magazzino esterno",     u"Nessuna (servizio)",
};

constexpr QStringView kOrderMethods[] = {
    u"Ordine via e-mail al fornitore",
    u"Portale del fornitore",
    u"Telefonico, consegna in 48 ore",
    u"Attivazione da pannello di controllo",
};

constexpr QStringView kCallSubjects[] = {
    u"Proposta offerta fibra",
    u"Rinnovo contratto in scadenza",
    u"Sollecito pagamento",
    u"Verifica soddisfazione",
    u"Presentazione nuovo listino",
    u"Conferma appuntamento",
    u"Assistenza su guasto segnalato",
    u"Offerta luce e gas",
    u"Richiamata su richiesta",
    u"Aggiornamento dati anagrafici",
};

constexpr QStringView kCallResponses[] = {
    u"Interessato",
    u"Richiamare la prossima settimana",
    u"Non interessato",
    u"Chiede un preventivo scritto",
    u"Ne parlerà in famiglia",
    u"Già cliente di un altro operatore",
    u"Accetta l'offerta",
};

constexpr QStringView kInterestDegrees[] = {u"Alto", u"Medio", u"Basso", u"Nessuno"};

constexpr QStringView kCallConclusions[] = {
    u"Fissato appuntamento con l'agente",
    u"Inviata offerta per e-mail",
    u"Contratto concluso",
    u"Da richiamare",
    u"Nessun seguito",
    u"Pratica passata all'assistenza",
};

constexpr QStringView kCallNotes[] = {
    u"Risponde la segretaria",        u"Linea disturbata",         u"Chiede di parlare con Niccolò",
    u"Cliente cortese e disponibile", u"Richiamare dopo le 17:00",
};

constexpr QStringView kDeliveryMethods[] = {
    u"Ritiro in sede",     u"Corriere espresso",  u"Consegna a domicilio",
    u"Attivazione remota", u"Posta raccomandata",
};

constexpr QStringView kSaleNotes[] = {
    u"Garanzia di 24 mesi",
    u"Sconto fedeltà applicato",
    u"Consegna concordata al mattino",
    u"Fattura intestata alla ditta",
};

constexpr QStringView kAppointmentPlaces[] = {
    u"Sede di Via Roma 12", u"Domicilio del cliente",          u"Videochiamata",
    u"Ufficio del cliente", u"Punto vendita di Piazza Cavour",
};

constexpr QStringView kAppointmentDurations[] = {u"15 minuti", u"30 minuti", u"45 minuti", u"1 ora",
                                                 u"2 ore"};

constexpr QStringView kAppointmentReasons[] = {
    u"Firma contratto fibra",
    u"Consegna modem e installazione",
    u"Rinnovo polizza casa",
    u"Pagamento rata trimestrale",
    u"Scadenza offerta promozionale",
    u"Sopralluogo tecnico",
    u"Presentazione dell'offerta per l'azienda",
    u"Ritiro documenti firmati",
};

constexpr QStringView kAppointmentNotes[] = {
    u"Portare copia del documento d'identità",
    u"Citofono \"Studio\"",
    u"Parcheggio nel cortile",
    u"Il cliente preferisce il pomeriggio",
};

} // namespace

std::span<const Town> towns()
{
    return kTowns;
}
std::span<const Bank> banks()
{
    return kBanks;
}
std::span<const Product> products()
{
    return kProducts;
}

Words surnames()
{
    return kSurnames;
}
Words maleNames()
{
    return kMaleNames;
}
Words femaleNames()
{
    return kFemaleNames;
}
Words streets()
{
    return kStreets;
}
Words mailDomains()
{
    return kMailDomains;
}
Words mobilePrefixes()
{
    return kMobilePrefixes;
}
Words paymentMethods()
{
    return kPaymentMethods;
}
Words occupations()
{
    return kOccupations;
}
Words maleMaritalStatuses()
{
    return kMaleMarital;
}
Words femaleMaritalStatuses()
{
    return kFemaleMarital;
}
Words qualifications()
{
    return kQualifications;
}
Words interests()
{
    return kInterests;
}
Words pendingIssues()
{
    return kPendingIssues;
}
Words clientNotes()
{
    return kClientNotes;
}
Words preferredContacts()
{
    return kPreferredContacts;
}
Words firmKinds()
{
    return kFirmKinds;
}
Words documentKinds()
{
    return kDocumentKinds;
}

Words staffAvailability()
{
    return kStaffAvailability;
}
Words staffQualifications()
{
    return kStaffQualifications;
}
Words staffJobs()
{
    return kStaffJobs;
}
Words staffCategories()
{
    return kStaffCategories;
}
Words staffLevels()
{
    return kStaffLevels;
}
Words contractTypes()
{
    return kContractTypes;
}
Words staffEquipment()
{
    return kStaffEquipment;
}

Words suppliers()
{
    return kSuppliers;
}
Words storagePlaces()
{
    return kStoragePlaces;
}
Words orderMethods()
{
    return kOrderMethods;
}

Words callSubjects()
{
    return kCallSubjects;
}
Words callResponses()
{
    return kCallResponses;
}
Words interestDegrees()
{
    return kInterestDegrees;
}
Words callConclusions()
{
    return kCallConclusions;
}
Words callNotes()
{
    return kCallNotes;
}

Words deliveryMethods()
{
    return kDeliveryMethods;
}
Words saleNotes()
{
    return kSaleNotes;
}

Words appointmentPlaces()
{
    return kAppointmentPlaces;
}
Words appointmentDurations()
{
    return kAppointmentDurations;
}
Words appointmentReasons()
{
    return kAppointmentReasons;
}
Words appointmentNotes()
{
    return kAppointmentNotes;
}

} // namespace DemoVocabulary
