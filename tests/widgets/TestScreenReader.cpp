#include "AccessibleTree.h"
#include "widgets/Accessibility.h"
#include "widgets/AccessibleEvents.h"
#include "widgets/Announcement.h"
#include "widgets/ProvinceList.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

using Boundary = QAccessible::TextBoundaryType;

const Boundary kAllBoundaries[] = {QAccessible::CharBoundary,     QAccessible::WordBoundary,
                                   QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                                   QAccessible::LineBoundary,     QAccessible::NoBoundary};

QAccessibleTextInterface* textOf(QObject* control)
{
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    return spoken ? spoken->textInterface() : nullptr;
}

// Every text the interface gives out of a field: whole, by attribute runs, and by each boundary before,
// at and after every offset, the end included.
QStringList everythingReadable(QObject* control)
{
    QAccessibleTextInterface* text = textOf(control);
    const int length = text->characterCount();
    QStringList read{QAccessible::queryAccessibleInterface(control)->text(QAccessible::Value),
                     text->text(0, length)};
    for (int offset = 0; offset <= length; ++offset) {
        int start = 0;
        int end = 0;
        text->attributes(offset, &start, &end);
        read << text->text(start, end);
        for (const Boundary boundary : kAllBoundaries)
            read << text->textBeforeOffset(offset, boundary, &start, &end)
                 << text->textAtOffset(offset, boundary, &start, &end)
                 << text->textAfterOffset(offset, boundary, &start, &end);
    }
    return read;
}

// A window in front, as the operator's is.
void activate(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class TestScreenReader : public QObject
{
    Q_OBJECT

private slots:
    // As the program does on starting.
    void initTestCase() { Accessibility::install(); }

    // A screen reader splits a field's text by its attribute runs and reads the line at the cursor: both
    // give the whole value, and every question up to the end offset is answered.
    void filledFieldIsReadWhole_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("postcode") << u"36100"_s;
        QTest::newRow("amount") << u"1332,00"_s;
        QTest::newRow("code") << u"ART-0000"_s;
        QTest::newRow("year") << u"2026"_s;
        QTest::newRow("one letter") << u"M"_s;
        QTest::newRow("one digit") << u"1"_s;
        QTest::newRow("words") << u"Via Roma 12"_s;
    }

    void filledFieldIsReadWhole()
    {
        QFETCH(QString, value);
        QLineEdit field;
        field.setText(value);
        QAccessibleTextInterface* text = textOf(&field);
        QVERIFY(text);
        const int length = int(value.size());
        QCOMPARE(text->characterCount(), length);

        QString byRuns;
        for (int at = 0; at < length;) {
            int start = -1;
            int end = -1;
            text->attributes(at, &start, &end);
            QVERIFY2(start <= at && end > at, qPrintable(u"run at %1: %2-%3"_s.arg(at).arg(start).arg(end)));
            byRuns += text->text(at, end);
            at = end;
        }
        QCOMPARE(byRuns, value);

        for (const Boundary line : {QAccessible::LineBoundary, QAccessible::ParagraphBoundary})
            for (const int offset : {0, length / 2, length, -1, -2}) {
                int start = -1;
                int end = -1;
                QCOMPARE(text->textAtOffset(offset, line, &start, &end), value);
                QCOMPARE(std::pair(start, end), std::pair(0, length));
            }

        int start = -1;
        int end = -1;
        QCOMPARE(text->textAtOffset(length, QAccessible::CharBoundary, &start, &end), QString());
        QCOMPARE(std::pair(start, end), std::pair(length, length));
        QCOMPARE(text->textBeforeOffset(length, QAccessible::CharBoundary, &start, &end), value.right(1));
        const QString lastWord = text->textAtOffset(length, QAccessible::WordBoundary, &start, &end);
        QVERIFY(!lastWord.isEmpty() && value.endsWith(lastWord));
        QCOMPARE(end, length);
        QCOMPARE(text->textAfterOffset(length, QAccessible::WordBoundary, &start, &end), QString());
        // Beyond the end is the end.
        QCOMPARE(text->textAtOffset(length + 5, QAccessible::LineBoundary, &start, &end), value);
    }

    // Moving by words (Ctrl+Right) reads from the word at the cursor to the next word's start.
    void wordsRunToTheNextWord_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("after");
        QTest::newRow("first word") << u"Mario Rossi"_s << 0 << QString() << u"Mario "_s << u"Rossi"_s;
        QTest::newRow("inside the first") << u"Mario Rossi"_s << 3 << QString() << u"Mario "_s << u"Rossi"_s;
        QTest::newRow("on the blank") << u"Mario Rossi"_s << 5 << QString() << u"Mario "_s << u"Rossi"_s;
        QTest::newRow("second word") << u"Mario Rossi"_s << 6 << u"Mario "_s << u"Rossi"_s << QString();
        QTest::newRow("end") << u"Mario Rossi"_s << 11 << u"Mario "_s << u"Rossi"_s << QString();
        QTest::newRow("code") << u"ART-0000 X"_s << 4 << u"ART-"_s << u"0000 "_s << u"X"_s;
    }

    void wordsRunToTheNextWord()
    {
        QFETCH(QString, value);
        QFETCH(int, offset);
        QFETCH(QString, before);
        QFETCH(QString, at);
        QFETCH(QString, after);
        QLineEdit field;
        field.setText(value);
        QAccessibleTextInterface* text = textOf(&field);
        int start = -1;
        int end = -1;
        QCOMPARE(text->textBeforeOffset(offset, QAccessible::WordBoundary, &start, &end), before);
        QCOMPARE(text->textAtOffset(offset, QAccessible::WordBoundary, &start, &end), at);
        QCOMPARE(value.mid(start, end - start), at);
        QCOMPARE(text->textAfterOffset(offset, QAccessible::WordBoundary, &start, &end), after);
    }

    // What is typed into a password field reaches nobody listening on the bus, however it is asked for
    // and in the events the field sends as it changes: only its mask.
    void passwordShowsOnlyItsMask()
    {
        QWidget window;
        auto* password = new QLineEdit(&window);
        password->setEchoMode(QLineEdit::Password);
        activate(window);
        password->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(password, u"segreto"_s);
        QTest::keyClick(password, Qt::Key_Backspace);
        QTest::keyClick(password, Qt::Key_Home);
        QTest::keyClicks(password, u"x"_s);
        QCOMPARE(password->text(), u"xsegret"_s);

        const auto masked = [](const QString& text) {
            return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'*'; });
        };
        for (const QString& read : everythingReadable(password))
            QVERIFY2(masked(read), qPrintable(read));

        // The events a line edit sends while it is typed into.
        QAccessibleTextInsertEvent inserted(password, 0, u"x"_s);
        QAccessibleTextRemoveEvent removed(password, 7, u"o"_s);
        QAccessibleTextUpdateEvent updated(password, 0, u"segreto"_s, u"parola"_s);
        QStringList carried;
        for (QAccessibleEvent* sent : std::initializer_list<QAccessibleEvent*>{&inserted, &removed, &updated})
            AccessibleEvents::filter(sent, [&carried](QAccessibleEvent* passed) {
                switch (passed->type()) {
                case QAccessible::TextInserted:
                    carried << static_cast<QAccessibleTextInsertEvent*>(passed)->textInserted();
                    break;
                case QAccessible::TextRemoved:
                    carried << static_cast<QAccessibleTextRemoveEvent*>(passed)->textRemoved();
                    break;
                default:
                    carried << static_cast<QAccessibleTextUpdateEvent*>(passed)->textRemoved()
                            << static_cast<QAccessibleTextUpdateEvent*>(passed)->textInserted();
                }
            });
        QCOMPARE(carried, (QStringList{u"*"_s, u"*"_s, u"*******"_s, u"******"_s}));
    }

    // Leaving a field drops its selection and may write its value out in full, and Tab selects the next
    // field's text before its focus is announced: a screen reader hears none of them as the operator's
    // doing, only what follows.
    void fieldsTellTheirSelectionOnlyWhileFocused()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* surname = new QLineEdit(u"ROSSI"_s);
        auto* town = new QLineEdit(u"ROMA"_s);
        layout->addWidget(surname);
        layout->addWidget(town);
        activate(window);
        surname->setFocus(Qt::OtherFocusReason);
        const auto passes = [](QAccessibleEvent&& event) {
            bool passed = false;
            AccessibleEvents::filter(&event, [&passed](QAccessibleEvent*) { passed = true; });
            return passed;
        };
        QVERIFY(passes(QAccessibleEvent(surname, QAccessible::Focus)));
        QVERIFY(passes(QAccessibleTextSelectionEvent(surname, 0, 5)));

        // Tab: the focus moves, the old field drops its selection, the new one selects its text, and
        // only then is the new focus announced, in the order Qt sends them.
        QTest::keyClick(surname, Qt::Key_Tab);
        QVERIFY(town->hasFocus() && town->hasSelectedText() && !surname->hasSelectedText());
        QVERIFY(!passes(QAccessibleTextSelectionEvent(surname, 5, 5)));
        QVERIFY(!passes(QAccessibleTextCursorEvent(surname, 5)));
        QVERIFY(!passes(QAccessibleTextUpdateEvent(surname, 0, u"ROSSI"_s, u"ROSSI"_s)));
        QVERIFY(!passes(QAccessibleTextSelectionEvent(town, 0, 4)));
        QVERIFY(passes(QAccessibleEvent(town, QAccessible::Focus)));
        QVERIFY(passes(QAccessibleTextSelectionEvent(town, 0, 2)));
        QVERIFY(passes(QAccessibleTextCursorEvent(town, 2)));
        QVERIFY(passes(QAccessibleTextInsertEvent(town, 2, u"X"_s)));
        // The program filling a field the operator is not on is news again.
        QVERIFY(passes(QAccessibleTextUpdateEvent(surname, 0, u"ROSSI"_s, u"VERDI"_s)));
    }

    // Two inputs under the same caption are spoken by the caption's name, which tells them apart; a
    // caption that says what its input is called keeps its own text.
    void captionsTellTwinListsApart()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        QList<QComboBox*> lists;
        for (const QString& spoken : {u"Prov. di nascita"_s, u"Prov. di residenza"_s}) {
            auto* caption = new QLabel(u"Prov."_s);
            auto* list = new QComboBox;
            ProvinceList::attach(list);
            layout->addWidget(caption);
            layout->addWidget(list);
            Accessibility::label(caption, list);
            Accessibility::describe(list, spoken);
            lists << list;
        }
        auto* surnameCaption = new QLabel(u"Cognome:"_s);
        auto* surname = new QLineEdit;
        layout->addWidget(surnameCaption);
        layout->addWidget(surname);
        Accessibility::label(surnameCaption, surname);

        const auto captionSaid = [](QWidget* input) {
            const auto labels = QAccessible::queryAccessibleInterface(input)->relations(QAccessible::Label);
            return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
        };
        QCOMPARE(captionSaid(lists[0]), u"Prov. di nascita"_s);
        QCOMPARE(captionSaid(lists[1]), u"Prov. di residenza"_s);
        QCOMPARE(captionSaid(surname), u"Cognome:"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(surname)->text(QAccessible::Name), u"Cognome"_s);
    }

    // What changed away from the focus is told once the window is in front, by a notification.
    void announcementWaitsForItsWindow()
    {
        QWidget card;
        auto* next = new QPushButton(u"Scheda successiva"_s, &card);
        QWidget picker;
        activate(picker);
        Announcement::say(next, u"Numero scheda: 3"_s);
        QTest::qWait(20);
        QCOMPARE(AccessibleTree::notification(&card), QString());
        activate(card);
        QTRY_COMPARE(AccessibleTree::notification(&card), u"Numero scheda: 3"_s);
        Announcement::say(next, u"Numero scheda: 4"_s);
        QTRY_COMPARE(AccessibleTree::notification(&card), u"Numero scheda: 4"_s);
        // The notification is no stop of the keyboard.
        for (QWidget* child : card.findChildren<QWidget*>())
            QVERIFY(child == next || child->focusPolicy() == Qt::NoFocus);
    }

    // A window's status line is a status bar to a screen reader, named by what it shows now.
    void statusLineIsAStatusBar()
    {
        QLabel line(u"Esportazione archivio in Microsoft Excel."_s);
        Accessibility::statusLine(&line);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&line);
        QCOMPARE(spoken->role(), QAccessible::StatusBar);
        QCOMPARE(spoken->text(QAccessible::Name), u"Esportazione archivio in Microsoft Excel."_s);
        line.setText(u"Salva la scheda."_s);
        QCOMPARE(spoken->text(QAccessible::Name), u"Salva la scheda."_s);
    }
};

QTEST_MAIN(TestScreenReader)
#include "TestScreenReader.moc"
