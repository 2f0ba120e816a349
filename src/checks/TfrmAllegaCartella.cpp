#include "checks/TfrmAllegaCartella.h"

#include "checks/AttachedDocuments.h"
#include "checks/AttachmentName.h"
#include "platform/FileDialog.h"
#include "platform/Messages.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "widgets/Accessibility.h"
#include "widgets/DialogButton.h"
#include "widgets/FocusHighlight.h"
#include "widgets/Picture.h"
#include "widgets/PictureButton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr DialogButton::Style kButtons{.minimumWidth = 0};

// The width of the cards' file-name and description fields.
constexpr int kFieldWidth = 250;

QLineEdit* input(const QString& name)
{
    auto* input = new QLineEdit;
    input->setObjectName(name);
    input->setMaxLength(kFieldWidth);
    return input;
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* parent) : QDialog(parent), m_lblMemory(new QLabel(this))
{
    setObjectName(u"TfrmAllegaCartella"_s);
    setWindowTitle(u" Allega file"_s);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_lblMemory->setObjectName(u"lblMemory"_s);
    m_lblMemory->hide();

    auto* picture = new Picture(u"imgAllega"_s, u":/artwork/allega.svg"_s, u"File allegati alla scheda"_s);
    picture->setFixedSize(64, 64);

    auto* groups = new QVBoxLayout;
    groups->setSpacing(10);
    for (int n = 1; n <= 3; ++n)
        groups->addWidget(documentGroup(n));

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(groups, 1);

    auto* btnAnnulla = DialogButton::create(u"btnAnnulla"_s, u"Annulla"_s,
                                            u"Chiude la finestra senza modificare la scheda."_s, kButtons);
    auto* btnApplica = DialogButton::create(
        u"btnApplica"_s, u"Applica e chiudi"_s,
        u"Riporta i file allegati e le descrizioni nella scheda e chiude la finestra."_s, kButtons);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnAnnulla);
    bottom->addWidget(btnApplica);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(14);
    layout->addLayout(top);
    layout->addLayout(bottom);

    for (const Document& document : m_documents) {
        FocusHighlight::attach(document.txtFile);
        FocusHighlight::attach(document.txtDesc);
    }

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    setMinimumWidth(620);
}

QWidget* TfrmAllegaCartella::documentGroup(int n)
{
    const QString number = u"%1"_s.arg(n, 2, 10, QChar(u'0'));
    const QString ordinal = u"%1° file allegato"_s.arg(n);

    auto* group = new QGroupBox(ordinal);
    group->setObjectName(u"fraFile"_s + number);
    Accessibility::describe(group, ordinal);

    Document& document = m_documents.at(static_cast<std::size_t>(n - 1));
    document.txtFile = input(u"txtFile"_s + number);
    document.txtFile->setReadOnly(true);
    document.txtDesc = input(u"txtDesc"_s + number);

    auto* lblFile = new QLabel(u"Nome "_s + ordinal + u':');
    lblFile->setObjectName(u"lblFile"_s + number);
    Accessibility::label(lblFile, document.txtFile,
                         u"Il nome del file nella cartella dei documenti allegati."_s);
    auto* lblDesc = new QLabel(u"Descrizione "_s + ordinal + u':');
    lblDesc->setObjectName(u"lblDesc"_s + number);
    Accessibility::label(lblDesc, document.txtDesc, u"Una descrizione del file allegato."_s);

    auto* imgCancella =
        new PictureButton(u"imgCancella"_s + number, u":/artwork/cancella.svg"_s, u"Cancella "_s + ordinal);
    imgCancella->setFixedSize(22, 22);
    imgCancella->setToolTip(u"Cancella"_s);
    Accessibility::describe(imgCancella, imgCancella->text(),
                            u"Toglie il file dalla scheda; il file resta nella cartella dei documenti "
                            u"allegati."_s);
    auto* btnSfoglia = DialogButton::create(
        u"btnSfoglia"_s + number, u"Sfoglia..."_s,
        u"Sceglie il "_s + ordinal + u" e lo copia nella cartella dei documenti allegati."_s, kButtons);
    document.btnApri =
        DialogButton::create(u"btnApri"_s + number, u"Apri"_s,
                             u"Apre il "_s + ordinal + u" con il programma associato."_s, kButtons);
    document.btnApri->setEnabled(false);
    // Each document's buttons are told apart by its ordinal, as its delete picture is.
    Accessibility::describe(btnSfoglia, u"Sfoglia "_s + ordinal, btnSfoglia->accessibleDescription());
    Accessibility::describe(document.btnApri, u"Apri "_s + ordinal,
                            document.btnApri->accessibleDescription());

    auto* name = new QHBoxLayout;
    name->setSpacing(6);
    name->addWidget(document.txtFile, 1);
    name->addWidget(imgCancella);
    name->addSpacing(4);
    name->addWidget(btnSfoglia);
    name->addWidget(document.btnApri);

    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(4);
    layout->addWidget(lblFile);
    layout->addLayout(name);
    layout->addSpacing(4);
    layout->addWidget(lblDesc);
    layout->addWidget(document.txtDesc);

    connect(document.txtFile, &QLineEdit::textChanged, document.btnApri,
            [button = document.btnApri](const QString& text) { button->setEnabled(!text.isEmpty()); });
    connect(imgCancella, &PictureButton::clicked, document.txtFile, &QLineEdit::clear);
    connect(btnSfoglia, &QPushButton::clicked, this, [this, n] { btnSfogliaClick(n); });
    connect(document.btnApri, &QPushButton::clicked, this, [this, n] { btnApriClick(n); });
    return group;
}

void TfrmAllegaCartella::setCallerTag(const QString& tag)
{
    m_lblMemory->setText(tag);
}

QString TfrmAllegaCartella::callerTag() const
{
    return m_lblMemory->text();
}

void TfrmAllegaCartella::setAttachments(const Attachments& attachments)
{
    for (std::size_t i = 0; i < m_documents.size(); ++i) {
        m_documents.at(i).txtFile->setText(attachments.files.at(i).trimmed());
        m_documents.at(i).txtDesc->setText(attachments.descriptions.at(i).trimmed());
    }
}

Attachments TfrmAllegaCartella::attachments() const
{
    Attachments attachments;
    for (std::size_t i = 0; i < m_documents.size(); ++i) {
        attachments.files.at(i) = m_documents.at(i).txtFile->text().trimmed();
        attachments.descriptions.at(i) = m_documents.at(i).txtDesc->text().trimmed();
    }
    return attachments;
}

void TfrmAllegaCartella::btnSfogliaClick(int n)
{
    const QString chosen = Services::fileDialog().openFileName(this, u"Selezionare il file da allegare:"_s);
    const QString name = AttachedDocuments::bareName(chosen);
    if (name.isEmpty())
        return;
    QLineEdit* field = m_documents.at(static_cast<std::size_t>(n - 1)).txtFile;
    const QString storable = AttachmentName::storable(name, kFieldWidth);
    if (storable != name) {
        attachUnderAnotherName(chosen, storable, field);
        return;
    }
    field->setText(name);
    // Failures from here on are not reported: the name stays in the field all the same.
    if (!AttachedDocuments::ensureFolder() || AttachedDocuments::isStored(chosen))
        return;
    if (AttachedDocuments::exists(name) &&
        !Services::messages().question(
            u"Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome."
            u"\r\n\r\nSi vuole sovrascrivere il file esistente?"_s))
        return;
    AttachedDocuments::copyIn(chosen);
}

// A name the card cannot hold (too long, or letters outside its code page) would be stored changed and
// never found again: the document is stored under a name the card holds, one no other document of the
// folder bears unless it is the same document, and the user is told.
void TfrmAllegaCartella::attachUnderAnotherName(const QString& chosen, const QString& storable,
                                                QLineEdit* field)
{
    if (!AttachedDocuments::ensureFolder()) {
        field->setText(storable);
        return;
    }
    const QString stored = AttachmentName::unique(storable, kFieldWidth, [&chosen](const QString& candidate) {
        return AttachedDocuments::exists(candidate) && !AttachedDocuments::holdsCopyOf(candidate, chosen);
    });
    field->setText(stored);
    if (!AttachedDocuments::exists(stored) && !AttachedDocuments::copyIn(chosen, stored))
        return;
    Services::messages().information(u"Il nome del file \""_s + AttachedDocuments::bareName(chosen) +
                                     u"\" non può essere conservato nella scheda: il documento è stato "
                                     u"allegato con il nome \""_s +
                                     stored + u"\"."_s);
}

void TfrmAllegaCartella::btnApriClick(int n)
{
    // Only the name's last component counts: a damaged or crafted record cannot lead outside the folder.
    const QString path = AttachedDocuments::storedPath(
        m_documents.at(static_cast<std::size_t>(n - 1)).txtFile->text().trimmed());
    if (path.isEmpty()) {
        Services::messages().warning(u"Attenzione: il nome del file allegato non è valido."_s);
        return;
    }
    Services::shell().open(u'"' + path + u'"');
}

void TfrmAllegaCartella::btnApplicaClick()
{
    AttachmentCallers::apply(callerTag(), attachments());
    accept();
}
