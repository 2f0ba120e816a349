#include "app/TfrmCambiaPassword.h"

#include "platform/Messages.h"
#include "platform/Services.h"
#include "rules/PasswordScramble.h"
#include "widgets/Accessibility.h"
#include "widgets/EnterChain.h"
#include "widgets/FocusHighlight.h"
#include "app/PasswordStore.h"
#include "widgets/Picture.h"
#include "app/TfrmPassword.h"
#include "screens/WindowRegistry.h"
#include "storage/StorageError.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* passwordInput(const QString& objectName)
{
    auto* input = new QLineEdit;
    input->setObjectName(objectName);
    input->setEchoMode(QLineEdit::Password);
    input->setMinimumWidth(220);
    return input;
}

const QString changeFailed = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                            "modifica della password. Si consiglia di reinstallare il "
                                            "software.");

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(WindowRegistry& registry)
    : m_registry(registry), m_txtPasswordOld(passwordInput(QStringLiteral("txtPasswordOld"))),
      m_txtPasswordNew(passwordInput(QStringLiteral("txtPasswordNew"))),
      m_txtConferma(passwordInput(QStringLiteral("txtConferma"))),
      m_cmdOK(new QPushButton(QStringLiteral("OK")))
{
    setWindowTitle(QStringLiteral(" Cambia password"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* picture = new Picture(QStringLiteral("imgChiave"), QStringLiteral(":/artwork/chiave.svg"),
                                QStringLiteral("Cambio della password"));
    picture->setFixedSize(72, 72);

    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(12);
    inputs->setVerticalSpacing(10);
    const QList<std::pair<QString, QLineEdit*>> rows = {
        {QStringLiteral("Vecchia password:"), m_txtPasswordOld},
        {QStringLiteral("Nuova password:"), m_txtPasswordNew},
        {QStringLiteral("Conferma nuova password:"), m_txtConferma},
    };
    for (int row = 0; row < rows.size(); ++row) {
        auto* label = new QLabel(rows.at(row).first);
        label->setObjectName(QStringLiteral("lbl") + rows.at(row).second->objectName().mid(3));
        inputs->addWidget(label, row, 0);
        inputs->addWidget(rows.at(row).second, row, 1);
        Accessibility::label(label, rows.at(row).second);
        FocusHighlight::attach(rows.at(row).second);
        connect(rows.at(row).second, &QLineEdit::textChanged, this, &TfrmCambiaPassword::inputChange);
    }
    EnterChain::attach({m_txtPasswordOld, m_txtPasswordNew, m_txtConferma}, EnterChain::End::BackToFirst);

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(inputs, 1);

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* close = new QPushButton(QStringLiteral("Chiudi"));
    close->setObjectName(QStringLiteral("cmdEsci"));
    Accessibility::describe(close, close->text());
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setEnabled(false);
    Accessibility::describe(m_cmdOK, m_cmdOK->text());
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    bottom->addWidget(m_cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addWidget(rule);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_txtPasswordOld, m_txtPasswordNew);
    setTabOrder(m_txtPasswordNew, m_txtConferma);
    setTabOrder(m_txtConferma, close);
    setTabOrder(close, m_cmdOK);

    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
}

void TfrmCambiaPassword::open()
{
    for (QLineEdit* input : {m_txtPasswordOld, m_txtPasswordNew, m_txtConferma})
        input->clear();
    WindowRegistry::showCentred(this);
    m_txtPasswordOld->setFocus(Qt::OtherFocusReason);
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event)
{
    event->accept();
    hide();
    if (auto* login = m_registry.find<TfrmPassword>())
        login->open();
}

void TfrmCambiaPassword::inputChange()
{
    bool filled = true;
    for (QLineEdit* input : {m_txtPasswordOld, m_txtPasswordNew, m_txtConferma})
        filled = filled && !input->text().trimmed().isEmpty();
    m_cmdOK->setEnabled(filled);
}

void TfrmCambiaPassword::cmdOKClick()
{
    const std::optional<QString> stored = PasswordStore::stored();
    if (!stored) {
        Services::messages().plain(changeFailed);
        return;
    }
    const auto refuseOld = [this] {
        Services::messages().plain(QStringLiteral("Attenzione: vecchia password errata."));
        m_txtPasswordOld->clear();
        m_txtPasswordOld->setFocus(Qt::OtherFocusReason);
    };
    if (*stored != PasswordScramble::normalForm(m_txtPasswordOld->text())) {
        refuseOld();
        return;
    }
    const auto refuseNew = [this](const QString& message) {
        Services::messages().plain(message);
        m_txtPasswordNew->clear();
        m_txtConferma->clear();
        m_txtPasswordNew->setFocus(Qt::OtherFocusReason);
    };
    if (m_txtPasswordNew->text().trimmed() != m_txtConferma->text().trimmed()) {
        refuseNew(QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                                 "necessario reinserire entrambi i valori."));
        return;
    }
    if (!PasswordScramble::isStorable(m_txtPasswordNew->text())) {
        refuseNew(PasswordScramble::notStorableMessage());
        return;
    }
    // Checked again under the file's lock: another workstation may have changed it since.
    try {
        if (!PasswordStore::change(m_txtPasswordOld->text(), m_txtPasswordNew->text())) {
            refuseOld();
            return;
        }
    } catch (const StorageError&) {
        Services::messages().plain(changeFailed);
        return;
    }
    Services::messages().plain(QStringLiteral("Modifica della password completata con successo."));
    close();
}
