#include "app/TfrmSplash.h"

#include "widgets/Accessibility.h"
#include "widgets/Banner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmSplash"));
    setWindowTitle(QStringLiteral(" Telvara 3.0 - Gruppo di sviluppo Telvara"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* picture = new Banner(QStringLiteral("imgSplash"), QStringLiteral("Telvara 3.0"),
                               QStringLiteral("Realizzato dal gruppo di sviluppo Telvara"));
    picture->setMinimumHeight(110);

    auto* credits = new QLabel(
        QStringLiteral("Progettazione, sviluppo e grafica: il gruppo di sviluppo Telvara.\n\n"
                       "Realizzato in C++ con il toolkit Qt %1, distribuito con licenza LGPL versione 3.\n"
                       "Caratteri tipografici Liberation e DejaVu, con licenze libere.")
            .arg(QLatin1StringView(qVersion())));
    credits->setObjectName(QStringLiteral("lblCrediti"));
    credits->setWordWrap(true);

    auto* close = new QPushButton(QStringLiteral("Chiudi"));
    close->setObjectName(QStringLiteral("cmdChiudi"));
    close->setDefault(true);
    Accessibility::describe(close, close->text());
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(16, 14, 16, 14);
    content->addWidget(credits);
    content->addStretch();
    content->addLayout(bottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    layout->addLayout(content, 1);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    setFixedWidth(520);
}
