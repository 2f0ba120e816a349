#include "app/ItalianTranslation.h"
#include "platform/DesktopFileDialog.h"
#include "platform/DesktopInputBox.h"
#include "platform/DesktopMessages.h"
#include "platform/QtReportOutput.h"
#include "platform/ReportTemplate.h"
#include "TempProgramFolder.h"

#include <functional>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

using Show = std::function<void()>;
using Step = std::function<void(QDialog&, QStringList&)>;

// The English words a dialog left untranslated shows most often, and those of the print options Qt's
// catalogue lacks. "No" is not among them: Italian spells it alike.
const QStringList englishWords = {u"Pages"_s,    u"Page"_s,  u"Options"_s, u"Cancel"_s, u"Print"_s,
                                  u"Copies"_s,   u"Close"_s, u"Save"_s,    u"Open"_s,   u"Yes"_s,
                                  u"Advanced"_s, u"Off"_s,   u"binding"_s, u"Sided"_s};

// Every text the dialog shows: its title, labels, buttons, group titles, tabs, list entries and column
// headers, placeholder texts and tool tips of its visible controls.
QStringList visibleTexts(QWidget* dialog)
{
    QStringList texts{dialog->windowTitle()};
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(dialog))
            continue;
        texts << widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        else if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        else if (auto* line = qobject_cast<QLineEdit*>(widget))
            texts << line->placeholderText();
        else if (auto* header = qobject_cast<QHeaderView*>(widget); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                texts << header->model()->headerData(i, header->orientation()).toString();
    }
    texts.removeAll(QString());
    return texts;
}

// The English words among the texts, each with the text that shows it.
QStringList englishIn(const QStringList& texts)
{
    QStringList found;
    for (const QString& text : texts)
        for (const QString& word : englishWords)
            if (QRegularExpression(u"\\b"_s + word + u"\\b"_s).match(text).hasMatch())
                found << u"%1 (in \"%2\")"_s.arg(word, text);
    return found;
}

// Shows the dialog through the program's own service; once it is up, step reads it and it is closed.
QStringList textsOf(const Show& show, const Step& step)
{
    QStringList texts;
    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || seen)
            return;
        seen = true;
        texts << visibleTexts(dialog);
        step(*dialog, texts);
        dialog->reject();
    });
    poll.start();
    show();
    if (!seen)
        qWarning("the dialog did not show");
    return texts;
}

void readOnly(QDialog&, QStringList&) {}

// The print dialog's properties (the page set-up of the chosen printer), opened as a user does.
void withProperties(QDialog& dialog, QStringList& texts)
{
    auto* properties = dialog.findChild<QAbstractButton*>(u"properties"_s);
    QVERIFY(properties);
    QVERIFY(properties->isEnabled());
    texts << textsOf([properties] { properties->click(); }, readOnly);
}

// The print dialog's options, shown by their button ("Opzioni >>"), on each of their tabs.
void withEveryOption(QDialog& dialog, QStringList& texts)
{
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&dialog) && button->text().contains(u">>"_s))
            button->click();
    QApplication::processEvents();
    for (QTabBar* tabs : dialog.findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            texts << visibleTexts(&dialog);
        }
}

} // namespace

// The dialogs Qt draws for the program: they show Italian only (Qt's catalogue, completed by the
// program's), and the message boxes show the program's own pictures.
class TestQtDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(ItalianTranslation::install(*qApp, m_folder.path())); }

    void dialogsShowNoEnglish_data()
    {
        QTest::addColumn<Show>("show");
        QTest::addColumn<Step>("step");
        const auto message = [](Messages::Kind kind) {
            return Show([kind] { DesktopMessages().show(kind, u"Si vuole continuare?"_s); });
        };
        QTest::newRow("information") << message(Messages::Kind::Information) << Step(readOnly);
        QTest::newRow("warning") << message(Messages::Kind::Warning) << Step(readOnly);
        QTest::newRow("error") << message(Messages::Kind::Error) << Step(readOnly);
        QTest::newRow("question") << message(Messages::Kind::Question) << Step(readOnly);
        QTest::newRow("plain") << message(Messages::Kind::Plain) << Step(readOnly);
        QTest::newRow("input box") << Show([] {
            DesktopInputBox().text(nullptr, u"Telvara 3.0"_s, u"Digitare il testo:"_s, {}, {});
        }) << Step(readOnly);
        QTest::newRow("file dialog") << Show([] {
            DesktopFileDialog().openFileName(nullptr, u"Allega documento"_s);
        }) << Step(readOnly);
        const Show print = [] {
            ReportTemplate report(u"Prova"_s);
            QtReportOutput().print(report, 1);
        };
        QTest::newRow("print") << print << Step(withEveryOption);
        QTest::newRow("print preview") << Show([] {
            ReportTemplate report(u"Prova"_s);
            QtReportOutput().preview(report);
        }) << Step(readOnly);
        QTest::newRow("print properties") << print << Step(withProperties);
    }

    void dialogsShowNoEnglish()
    {
        QFETCH(Show, show);
        QFETCH(Step, step);
        const QStringList texts = textsOf(show, step);
        QVERIFY2(!texts.isEmpty(), "the dialog showed no text");
        const QStringList english = englishIn(texts);
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u"; "_s)));
    }

    void messagesShowTheProgramsPictures_data()
    {
        QTest::addColumn<Messages::Kind>("kind");
        QTest::addColumn<QString>("picture");
        QTest::newRow("information") << Messages::Kind::Information << u"messaggio_informazione"_s;
        QTest::newRow("warning") << Messages::Kind::Warning << u"messaggio_avviso"_s;
        QTest::newRow("error") << Messages::Kind::Error << u"messaggio_errore"_s;
        QTest::newRow("question") << Messages::Kind::Question << u"messaggio_domanda"_s;
        QTest::newRow("plain") << Messages::Kind::Plain << QString();
    }

    void messagesShowTheProgramsPictures()
    {
        QFETCH(Messages::Kind, kind);
        QFETCH(QString, picture);
        QImage shown;
        QMessageBox::Icon stock = QMessageBox::Information;
        textsOf([kind] { DesktopMessages().show(kind, u"Prova"_s); },
                [&shown, &stock](QDialog& dialog, QStringList&) {
                    auto& box = static_cast<QMessageBox&>(dialog);
                    stock = box.icon();
                    shown = box.iconPixmap().toImage();
                });
        QCOMPARE(stock, QMessageBox::NoIcon);
        if (picture.isEmpty()) {
            QVERIFY(shown.isNull());
            return;
        }
        const QImage drawn = QIcon(u":/artwork/%1.svg"_s.arg(picture)).pixmap(48, 48).toImage();
        QVERIFY(!drawn.isNull());
        QCOMPARE(shown.convertToFormat(drawn.format()), drawn);
    }

private:
    TempProgramFolder m_folder;
};

QTEST_MAIN(TestQtDialogs)
#include "TestQtDialogs.moc"
