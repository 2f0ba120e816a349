#pragma once

#include "checks/AttachmentCallers.h"

#include <array>
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The attach window " Allega file": up to three documents of a card, each a bare name of a file copied
// into Documenti_Allegati and a description. "Applica e chiudi" hands the six values to the card named
// by the caller tag in lblMemory; "Annulla" and the close box change nothing on the card (files already
// copied stay in the folder).
class TfrmAllegaCartella : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAllegaCartella(QWidget* parent = nullptr);

    // The caller tag, kept in the hidden lblMemory.
    void setCallerTag(const QString& tag);
    QString callerTag() const;

    // Fills the names and descriptions (trimmed), as the card hands them over.
    void setAttachments(const Attachments& attachments);
    // The names and descriptions, trimmed.
    Attachments attachments() const;

private:
    struct Document
    {
        QLineEdit* txtFile;
        QLineEdit* txtDesc;
        QPushButton* btnApri;
    };

    QWidget* documentGroup(int n);
    void btnSfogliaClick(int n);
    void attachUnderAnotherName(const QString& chosen, const QString& storable, QLineEdit* field);
    void btnApriClick(int n);
    void btnApplicaClick();

    QLabel* m_lblMemory;
    std::array<Document, 3> m_documents{};
};
