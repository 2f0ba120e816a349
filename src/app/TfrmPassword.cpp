#include "app/TfrmPassword.h"

#include "platform/Messages.h"
#include "platform/Services.h"
#include "rules/PasswordScramble.h"
#include "widgets/Accessibility.h"
#include "widgets/FocusHighlight.h"
#include "app/PasswordStore.h"
#include "widgets/Picture.h"
#include "app/TfrmCambiaPassword.h"
#include "screens/WindowRegistry.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmPassword::TfrmPassword(WindowRegistry& registry)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_registry(registry),
      m_txtPassword(new QLineEdit), m_cmdOK(new QPushButton(QStringLiteral("OK")))
{
    setWindowTitle(QStringLiteral(" Telvara 3.0 - Autenticazione"));

    auto* picture = new Picture(QStringLiteral("imgAccesso"), QStringLiteral(":/artwork/accesso.svg"),
                                QStringLiteral("Accesso protetto da password"));
    picture->setFixedSize(72, 72);

    auto* prompt = new QLabel(QStringLiteral("Immetti la password e premi OK."));
    prompt->setObjectName(QStringLiteral("lblPassword"));

    m_txtPassword->setObjectName(QStringLiteral("txtPassword"));
    m_txtPassword->setEchoMode(QLineEdit::Password);
    m_txtPassword->setMinimumWidth(220);
    Accessibility::label(prompt, m_txtPassword);

    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setEnabled(false);
    Accessibility::describe(m_cmdOK, QStringLiteral("OK"));

    auto* exit = new QPushButton(QStringLiteral("Esci"));
    exit->setObjectName(QStringLiteral("cmdEsci"));
    Accessibility::describe(exit, exit->text());
    auto* change = new QPushButton(QStringLiteral("Cambia password"));
    change->setObjectName(QStringLiteral("btnCambiaPassword"));
    Accessibility::describe(change, change->text());

    auto* entry = new QHBoxLayout;
    entry->setSpacing(10);
    entry->addWidget(m_txtPassword, 1);
    entry->addWidget(m_cmdOK);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addStretch();
    right->addWidget(prompt);
    right->addLayout(entry);
    right->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(right, 1);

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(exit);
    bottom->addStretch();
    bottom->addWidget(change);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addWidget(rule);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FocusHighlight::attach(m_txtPassword);
    setTabOrder(m_txtPassword, m_cmdOK);
    setTabOrder(m_cmdOK, exit);
    setTabOrder(exit, change);

    connect(m_txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(m_txtPassword, &QLineEdit::returnPressed, this, &TfrmPassword::txtPasswordEnter);
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    connect(change, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::open()
{
    m_txtPassword->clear();
    WindowRegistry::showCentred(this);
    m_txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_registry.exit();
}

void TfrmPassword::txtPasswordChange()
{
    m_cmdOK->setEnabled(!m_txtPassword->text().trimmed().isEmpty());
}

void TfrmPassword::txtPasswordEnter()
{
    if (m_cmdOK->isEnabled())
        cmdOKClick();
}

void TfrmPassword::cmdOKClick()
{
    const std::optional<QString> stored = PasswordStore::stored();
    if (!stored) {
        Services::messages().plain(
            QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                           "password. Si consiglia di reinstallare il software."));
        return;
    }
    if (*stored == PasswordScramble::normalForm(m_txtPassword->text())) {
        // Hidden first, so that the menu is the window left active.
        m_txtPassword->clear();
        hide();
        m_registry.showMainMenu();
        return;
    }
    Services::messages().plain(QStringLiteral("Attenzione: password errata."));
    m_txtPassword->clear();
    m_txtPassword->setFocus(Qt::OtherFocusReason);
}

void TfrmPassword::btnCambiaPasswordClick()
{
    if (auto* change = m_registry.find<TfrmCambiaPassword>()) {
        hide();
        change->open();
    }
}
