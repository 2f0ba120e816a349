#include "checks/CheckWindow.h"

#include "platform/Messages.h"
#include "platform/Services.h"
#include "widgets/Accessibility.h"
#include "widgets/DialogButton.h"
#include "widgets/EnterChain.h"
#include "widgets/FieldRule.h"
#include "widgets/FocusHighlight.h"
#include "widgets/KeyFilter.h"
#include "widgets/Picture.h"
#include "widgets/UpperCaseField.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr DialogButton::Style kButtons{.minimumWidth = 100, .autoDefault = true};

} // namespace

CheckWindow::CheckWindow(CheckDefinition definition, QWidget* parent)
    : QDialog(parent), m_definition(std::move(definition)), m_input(new QLineEdit),
      m_btnControlla(DialogButton::create(u"btnControlla"_s, u"Controlla"_s,
                                          u"Esegue il controllo del valore immesso."_s, kButtons))
{
    setObjectName(m_definition.window);
    setWindowTitle(m_definition.caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* picture = new Picture(u"imgControllo"_s, m_definition.artwork, m_definition.pictureName);
    picture->setFixedSize(64, 64);

    auto* instruction = new QLabel(m_definition.instruction);
    instruction->setObjectName(u"lblIstruzioni"_s);

    m_input->setObjectName(m_definition.input);
    m_input->setMaxLength(m_definition.maxLength);
    // Codes read best, and their length shows, in a fixed-pitch font.
    QFont fixed(u"Courier New"_s);
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSizeF(font().pointSizeF() * 1.25);
    m_input->setFont(fixed);
    const QFontMetrics metrics(fixed);
    m_input->setMinimumWidth(metrics.horizontalAdvance(QString(m_definition.maxLength + 2, u'W')) + 12);
    // The instruction above the input is a sentence, not its caption: it is the input's description.
    Accessibility::describe(m_input, m_definition.inputName, m_definition.instruction);
    if (m_definition.digitsOnly)
        KeyFilter::digitsOnly(m_input);
    if (m_definition.upperCaseTrimmed)
        UpperCaseField::attach(m_input, m_definition.blanksDropped ? UpperCaseField::Trim::AllBlanks
                                                                   : UpperCaseField::Trim::Yes);

    auto* text = new QVBoxLayout;
    text->setSpacing(10);
    text->addWidget(instruction);
    text->addWidget(m_input);
    text->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* btnChiudi =
        DialogButton::create(u"btnChiudi"_s, u"Chiudi"_s, u"Chiude la finestra di controllo."_s, kButtons);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_btnControlla);
    bottom->addWidget(btnChiudi);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addWidget(rule);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The highlight is made once the input has its place in the window.
    FocusHighlight::attach(m_input);
    EnterChain::toButton(m_input, m_btnControlla);
    setTabOrder(m_input, m_btnControlla);
    setTabOrder(m_btnControlla, btnChiudi);

    connect(m_btnControlla, &QPushButton::clicked, this, &CheckWindow::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void CheckWindow::setValue(const QString& value)
{
    FieldRule::setMaxLength(m_input, qMax(m_definition.maxLength, static_cast<int>(value.size())));
    // The value the card holds is checked as it is stored.
    FieldRule::showAsIs(m_input, value);
}

QString CheckWindow::value() const
{
    return m_input->text();
}

void CheckWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_input->setFocus(Qt::OtherFocusReason);
}

void CheckWindow::btnControllaClick()
{
    const CheckResult result = m_definition.check(m_input->text());
    switch (result.verdict) {
    case CheckResult::Warning:
        Services::messages().warning(result.message);
        m_input->setFocus(Qt::OtherFocusReason);
        return;
    case CheckResult::Valid:
        Services::messages().information(result.message);
        break;
    case CheckResult::Invalid:
        Services::messages().warning(result.message);
        break;
    case CheckResult::NoMessage:
        break;
    }
    accept();
}
