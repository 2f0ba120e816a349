#include "app/TfrmInfo.h"

#include "widgets/Accessibility.h"
#include "widgets/Banner.h"
#include "widgets/Picture.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmInfo::TfrmInfo(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Telvara 3.0"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* banner = new Banner(QStringLiteral("imgBanner"), QStringLiteral("Telvara 3.0"),
                              QStringLiteral("Gestione integrata del call center"));

    auto* title = new QLabel(QStringLiteral("Telvara 3.0 - Software per la gestione del call center"));
    title->setObjectName(QStringLiteral("lblTitolo"));
    QFont heading = title->font();
    heading.setBold(true);
    title->setFont(heading);

    auto* logo = new Picture(QStringLiteral("imgLogo"), QStringLiteral(":/artwork/logo.svg"),
                             QStringLiteral("Logo di Telvara 3.0"));
    logo->setFixedSize(72, 72);
    auto* phone = new Picture(QStringLiteral("imgTelefono"), QStringLiteral(":/artwork/chiamate.svg"),
                              QStringLiteral("Registro chiamate"));
    phone->setFixedSize(72, 72);

    auto* text = new QLabel(
        QStringLiteral(
            "Versione 3.0\n\nClienti, chiamate, vendite, appuntamenti, prodotti e personale del "
            "call center, conservati in archivi a lunghezza fissa nella cartella del programma:\n%1")
            .arg(QDir::toNativeSeparators(ProgramFolder::path())));
    text->setObjectName(QStringLiteral("lblDescrizione"));
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setMinimumWidth(340);

    auto* pictures = new QVBoxLayout;
    pictures->addWidget(logo);
    pictures->addWidget(phone);
    pictures->addStretch();

    auto* body = new QVBoxLayout;
    body->addWidget(title);
    body->addWidget(text);
    body->addStretch();

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(16, 14, 16, 6);
    middle->setSpacing(16);
    middle->addLayout(pictures);
    middle->addLayout(body, 1);

    auto* close = new QPushButton(QStringLiteral("Chiudi"));
    close->setObjectName(QStringLiteral("cmdChiudi"));
    close->setDefault(true);
    Accessibility::describe(close, close->text());
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(16, 6, 16, 14);
    bottom->addStretch();
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(banner);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    setFixedWidth(520);
}
