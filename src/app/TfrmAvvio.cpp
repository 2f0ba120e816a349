#include "app/TfrmAvvio.h"

#include "app/GeneralHelp.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "platform/Modal.h"
#include "platform/Services.h"
#include "screens/ApplicationWindow.h"
#include "screens/TfrmGuida.h"
#include "screens/WindowRegistry.h"
#include "widgets/Accessibility.h"
#include "widgets/Banner.h"
#include "widgets/CaptionButton.h"
#include "widgets/HelpKey.h"
#include "widgets/Picture.h"
#include "widgets/PictureButton.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

namespace {

QString artwork(const QString& name)
{
    return QStringLiteral(":/artwork/%1.svg").arg(name);
}

QLabel* decoration(const QString& objectName, const QString& text, const QColor& colour)
{
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

} // namespace

const QList<TfrmAvvio::Application>& TfrmAvvio::applications()
{
    static const QList<Application> all = {
        {QStringLiteral("Clienti"), QStringLiteral("ANAGRAFICA CLIENTI"), QStringLiteral("clienti"),
         QStringLiteral("TfrmClienti")},
        {QStringLiteral("Operatori"), QStringLiteral("OPERATORI E AGENTI"), QStringLiteral("operatori"),
         QStringLiteral("TfrmIstruttori")},
        {QStringLiteral("Prodotti"), QStringLiteral("PRODOTTI E SERVIZI"), QStringLiteral("prodotti"),
         QStringLiteral("TfrmMagazzino")},
        {QStringLiteral("Scadenzario"), QStringLiteral("SCADENZE E APPUNTAMENTI"),
         QStringLiteral("scadenzario"), QStringLiteral("TfrmScadenzario")},
        {QStringLiteral("Chiamate"), QStringLiteral("REGISTRO CHIAMATE"), QStringLiteral("chiamate"),
         QStringLiteral("TfrmMenuChiamate")},
        {QStringLiteral("StatTelefonate"), QStringLiteral("STATISTICHE TELEFONATE"),
         QStringLiteral("stat_telefonate"), QStringLiteral("TfrmMenuStatsTel")},
        {QStringLiteral("Vendite"), QStringLiteral("REGISTRO VENDITE"), QStringLiteral("vendite"),
         QStringLiteral("TfrmMenuRegistro")},
        {QStringLiteral("StatProfitti"), QStringLiteral("STATISTICHE PROFITTI"),
         QStringLiteral("stat_profitti"), QStringLiteral("TfrmMenuStats")},
    };
    return all;
}

TfrmAvvio::TfrmAvvio(WindowRegistry& registry)
    : m_registry(registry), m_title(decoration(QStringLiteral("imgTitolo"), QStringLiteral("Telvara 3.0"),
                                               QColor(0x12, 0x2B, 0x57))),
      m_subtitle(decoration(QStringLiteral("imgSottotitolo"),
                            QStringLiteral("Clienti, chiamate, vendite e appuntamenti del call center"),
                            QColor(0x3A, 0x55, 0x80))),
      m_version(decoration(QStringLiteral("imgVersione"), QStringLiteral("Versione 3.0"),
                           QColor(0x6B, 0x7C, 0x99))),
      m_logo(new Picture(QStringLiteral("imgIcona"), artwork(QStringLiteral("logo")),
                         QStringLiteral("Logo di Telvara 3.0"))),
      m_banner(new Banner(QStringLiteral("icoSito"), QStringLiteral("Telvara 3.0"),
                          QStringLiteral("Il software per il call center, tutto in un'unica cartella")))
{
    setWindowTitle(QStringLiteral(" Telvara 3.0"));

    auto* board = new QGridLayout;
    m_board = board;
    board->setHorizontalSpacing(28);
    board->setVerticalSpacing(6);
    for (qsizetype i = 0; i < applications().size(); ++i) {
        const Application& application = applications().at(i);
        auto* picture = new PictureButton(QStringLiteral("img") + application.name,
                                          artwork(application.artwork), application.caption);
        auto* caption = new CaptionButton(QStringLiteral("btn") + application.name, application.caption);
        // A tile is one stop of the keyboard, its picture: the caption under it says the same.
        caption->setFocusPolicy(Qt::NoFocus);
        const int row = int(i / 4) * 2;
        const int column = int(i % 4);
        board->addWidget(picture, row, column, Qt::AlignHCenter | Qt::AlignBottom);
        board->addWidget(caption, row + 1, column, Qt::AlignHCenter | Qt::AlignTop);
        connect(picture, &PictureButton::clicked, this,
                [this, window = application.window] { openApplication(window); });
        connect(caption, &CaptionButton::clicked, this,
                [this, window = application.window] { openApplication(window); });
        m_tiles.append({picture, caption, application.window});
    }

    auto* info = new PictureButton(QStringLiteral("imgInfo"), artwork(QStringLiteral("info")),
                                   QStringLiteral("Informazioni su Telvara 3.0"));
    auto* help = new PictureButton(QStringLiteral("imgGuida"), artwork(QStringLiteral("guida")),
                                   QStringLiteral("Guida all'utilizzo del software"));
    auto* credits = new PictureButton(QStringLiteral("imgCopyright"), artwork(QStringLiteral("copyright")),
                                      QStringLiteral("Riconoscimenti"));
    auto* exit = new PictureButton(QStringLiteral("imgEsci"), artwork(QStringLiteral("esci")),
                                   QStringLiteral("Esci da Telvara 3.0"));
    m_corners = {info, help, credits, exit};
    connect(info, &PictureButton::clicked, this, &TfrmAvvio::imgInfoClick);
    HelpKey::attach(help);
    connect(help, &PictureButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(credits, &PictureButton::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(exit, &PictureButton::clicked, &m_registry, &WindowRegistry::exit);

    auto* top = new QHBoxLayout;
    top->addWidget(info, 0, Qt::AlignTop);
    top->addStretch();
    top->addWidget(help, 0, Qt::AlignTop);

    auto* heading = new QHBoxLayout;
    heading->addStretch();
    heading->addWidget(m_logo);
    heading->addSpacing(16);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(0);
    titles->addWidget(m_title);
    titles->addWidget(m_subtitle);
    heading->addLayout(titles);
    heading->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(credits, 0, Qt::AlignBottom);
    bottom->addStretch();
    bottom->addWidget(m_banner, 0, Qt::AlignBottom);
    bottom->addStretch();
    bottom->addWidget(exit, 0, Qt::AlignBottom);

    auto* centre = new QHBoxLayout;
    centre->addStretch();
    centre->addLayout(board);
    centre->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addLayout(top);
    layout->addLayout(heading);
    layout->addStretch(2);
    layout->addLayout(centre);
    layout->addStretch(3);
    layout->addWidget(m_version);
    layout->addSpacing(8);
    layout->addLayout(bottom);

    Accessibility::describe(m_title, m_title->text());
    Accessibility::describe(m_subtitle, m_subtitle->text());
    Accessibility::describe(m_version, m_version->text());
    scaleBoard();
}

void TfrmAvvio::showEvent(QShowEvent* event)
{
    enableTiles();
    QWidget::showEvent(event);
}

void TfrmAvvio::enableTiles()
{
    for (const Tile& tile : std::as_const(m_tiles)) {
        const bool present = m_registry.window(tile.window) != nullptr;
        const QString description =
            present ? QString() : QStringLiteral("Non disponibile in questa versione.");
        for (QWidget* control : {static_cast<QWidget*>(tile.picture), static_cast<QWidget*>(tile.caption)}) {
            control->setEnabled(present);
            control->setAccessibleDescription(description);
            control->setToolTip(description);
        }
    }
}

void TfrmAvvio::resizeEvent(QResizeEvent* event)
{
    scaleBoard();
    QWidget::resizeEvent(event);
}

// The board grows with the screen, so it fills a large monitor and still fits a small one.
void TfrmAvvio::scaleBoard()
{
    const qreal unit = qBound(0.55, qMin(width() / 1366.0, height() / 768.0), 2.0);
    const int tile = int(150 * unit);
    int captionWidth = int(tile * 1.45);
    for (const Tile& each : std::as_const(m_tiles)) {
        each.picture->setFixedSize(tile, tile);
        QFont lettering = each.caption->font();
        lettering.setPixelSize(qMax(10, int(15 * unit)));
        each.caption->setFont(lettering);
        captionWidth = qMax(captionWidth, each.caption->sizeHint().width());
    }
    for (const Tile& each : std::as_const(m_tiles))
        each.caption->setFixedSize(captionWidth, each.caption->sizeHint().height());
    if (!m_tiles.isEmpty())
        m_board->setRowMinimumHeight(1, m_tiles.first().caption->height() + int(30 * unit));
    const int corner = qMax(32, int(52 * unit));
    for (PictureButton* picture : std::as_const(m_corners))
        picture->setFixedSize(corner, corner);
    m_logo->setFixedSize(int(78 * unit), int(78 * unit));
    QFont title = m_title->font();
    title.setBold(true);
    title.setPixelSize(qMax(20, int(46 * unit)));
    m_title->setFont(title);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont subtitle = m_subtitle->font();
    subtitle.setPixelSize(qMax(11, int(18 * unit)));
    m_subtitle->setFont(subtitle);
    m_subtitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont version = m_version->font();
    version.setPixelSize(qMax(10, int(13 * unit)));
    m_version->setFont(version);
    const int bannerHeight = qMax(44, int(64 * unit));
    m_banner->setFixedSize(qMax(int(560 * unit), m_banner->widthFor(bannerHeight)), bannerHeight);
}

void TfrmAvvio::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0.0, QColor(0xF4, 0xF7, 0xFC));
    background.setColorAt(1.0, QColor(0xDC, 0xE6, 0xF4));
    painter.fillRect(rect(), background);
}

void TfrmAvvio::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_registry.exit();
}

void TfrmAvvio::openApplication(const QString& window)
{
    QWidget* target = m_registry.window(window);
    if (!target)
        return;
    hide();
    if (auto* application = qobject_cast<ApplicationWindow*>(target))
        application->open();
    else
        WindowRegistry::showMaximised(target);
}

void TfrmAvvio::imgInfoClick()
{
    TfrmInfo window(this);
    Services::modal().exec(window);
}

void TfrmAvvio::imgGuidaClick()
{
    showHelp(this, GeneralHelp::topic());
}

void TfrmAvvio::imgCopyrightClick()
{
    TfrmSplash window(this);
    Services::modal().exec(window);
}
