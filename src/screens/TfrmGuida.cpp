#include "screens/TfrmGuida.h"

#include "platform/Modal.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "widgets/Accessibility.h"
#include "widgets/Banner.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"
#include "platform/ProgramFolder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmGuida::TfrmGuida(QWidget* parent)
    : QDialog(parent), m_lblTitolo(new QLabel(QStringLiteral("Argomento della guida."))),
      m_txtGuida(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("TfrmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* banner = new Banner(QStringLiteral("imgBanner"), QStringLiteral("Guida all'utilizzo del software"),
                              QStringLiteral("Telvara 3.0"));

    m_lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont heading = m_lblTitolo->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    m_lblTitolo->setFont(heading);
    m_lblTitolo->setWordWrap(true);

    m_txtGuida->setObjectName(QStringLiteral("txtGuida"));
    m_txtGuida->setReadOnly(true);
    m_txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtGuida->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Accessibility::label(m_lblTitolo, m_txtGuida);

    auto* pdf = new PictureButton(QStringLiteral("imgPdf"), QStringLiteral(":/artwork/pdf.svg"),
                                  QStringLiteral("Visualizza guida in formato PDF"));
    pdf->setFixedSize(28, 28);
    auto* link = new LinkLabel(QStringLiteral("lnkWeb"), QStringLiteral("Visualizza guida in formato PDF"));
    auto* close = new QPushButton(QStringLiteral("Chiudi"));
    close->setObjectName(QStringLiteral("cmdChiudi"));
    close->setDefault(true);
    Accessibility::describe(close, close->text());

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(pdf);
    bottom->addWidget(link);
    bottom->addStretch();
    bottom->addWidget(close);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(16, 12, 16, 14);
    content->setSpacing(10);
    content->addWidget(m_lblTitolo);
    content->addWidget(m_txtGuida, 1);
    content->addLayout(bottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(banner);
    layout->addLayout(content, 1);

    connect(pdf, &PictureButton::clicked, this, &TfrmGuida::lnkWebClick);
    connect(link, &LinkLabel::clicked, this, &TfrmGuida::lnkWebClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(676, 598);
}

void TfrmGuida::setTopic(const HelpTopic& topic)
{
    m_lblTitolo->setText(topic.title);
    QString text = topic.text;
    text.remove(u'\r');
    m_txtGuida->setPlainText(text);
    Accessibility::label(m_lblTitolo, m_txtGuida);
}

void TfrmGuida::lnkWebClick()
{
    Services::shell().open(u'"' + ProgramFolder::file(QStringLiteral("Guida.pdf")) + u'"');
}

void showHelp(QWidget* parent, const HelpTopic& topic)
{
    TfrmGuida window(parent);
    window.setTopic(topic);
    Services::modal().exec(window);
}
