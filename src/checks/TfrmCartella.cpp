#include "checks/TfrmCartella.h"

#include "checks/ClientFolder.h"
#include "platform/Messages.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "widgets/DialogButton.h"
#include "widgets/Picture.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr DialogButton::Style kButtons{.minimumWidth = 110, .autoDefault = true};

} // namespace

TfrmCartella::TfrmCartella(QWidget* parent) : QDialog(parent), m_lblMemory(new QLabel(this))
{
    setObjectName(u"TfrmCartella"_s);
    setWindowTitle(u" Gestione cartella abbinata alla scheda corrente"_s);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_lblMemory->setObjectName(u"lblMemory"_s);
    m_lblMemory->hide();

    // What the folder is, beside the picture that stands for each point.
    const QList<std::tuple<QString, QString, QString, QString>> points = {
        {u"imgCartella"_s, u":/artwork/cartella.svg"_s, u"Cartella abbinata alla scheda"_s,
         u"Alla scheda corrente è abbinata una cartella in cui conservare liberamente documenti, "
         u"immagini e qualsiasi altro file relativo al cliente."_s},
        {u"imgInstallazione"_s, u":/artwork/logo.svg"_s, u"Cartella del programma"_s,
         u"La cartella si trova nella cartella di installazione del programma e porta il nome "
         u"Cliente_ seguito dal numero della scheda; viene creata la prima volta che la si apre."_s},
        {u"imgCopia"_s, u":/artwork/clienti.svg"_s, u"Copia di sicurezza"_s,
         u"Copiando la cartella del programma, per esempio per una copia di sicurezza, si copiano "
         u"anche le cartelle abbinate alle schede dei clienti."_s},
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    for (int row = 0; row < points.size(); ++row) {
        const auto& [name, artwork, description, text] = points.at(row);
        auto* picture = new Picture(name, artwork, description);
        picture->setFixedSize(48, 48);
        auto* label = new QLabel(text);
        label->setObjectName(u"lblSpiegazione%1"_s.arg(row + 1));
        label->setWordWrap(true);
        grid->addWidget(picture, row, 0, Qt::AlignTop);
        grid->addWidget(label, row, 1);
    }
    grid->setColumnStretch(1, 1);

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* btnApriCartella =
        DialogButton::create(u"btnApriCartella"_s, u"Apri cartella"_s,
                             u"Apre la cartella abbinata alla scheda corrente."_s, kButtons);
    auto* btnChiudi = DialogButton::create(u"btnChiudi"_s, u"Chiudi"_s, u"Chiude la finestra."_s, kButtons);
    btnApriCartella->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnApriCartella);
    bottom->addWidget(btnChiudi);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(grid);
    layout->addWidget(rule);
    layout->addLayout(bottom);

    connect(btnApriCartella, &QPushButton::clicked, this, &TfrmCartella::btnApriCartellaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    setFixedWidth(500);
}

void TfrmCartella::setRecordNumber(qint64 number)
{
    m_lblMemory->setText(QString::number(number));
}

void TfrmCartella::btnApriCartellaClick()
{
    const QString folder = ClientFolder::path(m_lblMemory->text());
    if (ClientFolder::ensure(folder))
        Services::shell().open(u'"' + folder + u'"');
    else
        Services::messages().warning(
            u"Attenzione: non è stato possibile creare la cartella abbinata alla scheda corrente:\r\n\r\n"_s +
            QDir::toNativeSeparators(folder) +
            u"\r\n\r\nVerificare che nella cartella del programma sia consentito creare cartelle."_s);
    accept();
}
