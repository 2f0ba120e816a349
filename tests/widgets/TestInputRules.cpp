#include "rules/ValueLists.h"
#include "storage/Record.h"
#include "widgets/AmountField.h"
#include "widgets/ControlText.h"
#include "widgets/DeliberatePick.h"
#include "widgets/FixedList.h"
#include "widgets/KeyFilter.h"
#include "widgets/ProvinceList.h"
#include "widgets/TrimmedField.h"
#include "widgets/UpperCaseField.h"
#include "widgets/WholeNumberField.h"

#include <memory>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace {

// The rules an input may keep.
enum class Rule { Digits, Year, Amount, WholeNumber, UpperCase, UpperCaseTrimmed, Code, Trimmed };

// The ways text reaches an input.
enum class Arrival {
    Typed,
    CtrlV,
    ContextMenu,
    MiddleClick,
    Drop,
    InputMethod,
    Program,
    ScreenReader,
    Dictation
};

const std::pair<const char*, Arrival> kArrivals[] = {
    {"typed", Arrival::Typed},
    {"Ctrl+V", Arrival::CtrlV},
    {"context menu", Arrival::ContextMenu},
    {"middle click", Arrival::MiddleClick},
    {"drop", Arrival::Drop},
    {"input method", Arrival::InputMethod},
    {"set by the program", Arrival::Program},
    {"set through the accessibility interface", Arrival::ScreenReader},
    {"inserted through the accessibility interface", Arrival::Dictation},
};

const QString kFullWidth2024 = u"\uFF12\uFF10\uFF12\uFF14"_s;

void attachRule(QLineEdit* edit, Rule rule)
{
    switch (rule) {
    case Rule::Digits:
        KeyFilter::digitsOnly(edit);
        break;
    case Rule::Year:
        edit->setMaxLength(4);
        KeyFilter::digitsOnly(edit);
        break;
    case Rule::Amount:
        AmountField::attach(edit);
        break;
    case Rule::WholeNumber:
        WholeNumberField::attach(edit);
        break;
    case Rule::UpperCase:
        UpperCaseField::attach(edit);
        break;
    case Rule::UpperCaseTrimmed:
        UpperCaseField::attach(edit, UpperCaseField::Trim::Yes);
        break;
    case Rule::Code:
        UpperCaseField::attach(edit, UpperCaseField::Trim::AllBlanks);
        break;
    case Rule::Trimmed:
        TrimmedField::attach(edit);
        break;
    }
}

QLineEdit* input(Rule rule, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    attachRule(edit, rule);
    return edit;
}

// Fields of the widths the cases cut to.
namespace Cut {
inline constexpr FieldSpec kFields[] = {
    {"Importo", 15}, {"Avviso", 3}, {"CodFisc", 16}, {"Scorta", 6}, {"Iban", 27}};
inline constexpr RecordLayout layout{kFields};
enum Field { Importo, Avviso, CodFisc, Scorta, Iban };
} // namespace Cut

void drop(QWidget* target, const QString& text)
{
    QMimeData data;
    data.setText(text);
    const QPointF at = target->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
}

void commitFromInputMethod(QWidget* target, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(target, &event);
}

// Each character typed on its own key, those of other scripts and widths too.
void type(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(target, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QAction* pasteAction(const QMenu& menu)
{
    const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu.actions())
        if (action->text().startsWith(paste))
            return action;
    return nullptr;
}

void arrive(QLineEdit* edit, Arrival arrival, const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (arrival) {
    case Arrival::Typed:
        type(edit, text);
        break;
    case Arrival::CtrlV:
        clipboard->setText(text);
        QTest::keySequence(edit, QKeySequence::Paste);
        break;
    case Arrival::ContextMenu: {
        clipboard->setText(text);
        const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
        QAction* paste = pasteAction(*menu);
        QVERIFY(paste && paste->isEnabled());
        paste->trigger();
        break;
    }
    case Arrival::MiddleClick:
        if (clipboard->supportsSelection()) {
            clipboard->setText(text, QClipboard::Selection);
            QTest::mouseClick(edit, Qt::MiddleButton);
        } else if (!edit->isReadOnly()) {
            // No selection clipboard on this platform: what the middle click does, insert at the cursor.
            edit->insert(text);
        }
        break;
    case Arrival::Drop:
        drop(edit, text);
        break;
    case Arrival::InputMethod:
        commitFromInputMethod(edit, text);
        break;
    case Arrival::Program:
        edit->setText(text);
        break;
    case Arrival::ScreenReader:
        // A screen reader or an on-screen keyboard sets the field's whole text.
        QAccessible::queryAccessibleInterface(edit)->setText(QAccessible::Value, text);
        break;
    case Arrival::Dictation: {
        QAccessibleEditableTextInterface* editable =
            QAccessible::queryAccessibleInterface(edit)->editableTextInterface();
        QVERIFY(editable);
        editable->insertText(edit->cursorPosition(), text);
        break;
    }
    }
}

// A window holding one list of each kind that only offers values, each showing a value.
struct Lists
{
    Lists()
    {
        auto* layout = new QVBoxLayout(&window);
        for (QComboBox** list : {&minutes, &day, &province, &plain}) {
            *list = new QComboBox(&window);
            layout->addWidget(*list);
        }
        FixedList::attach(minutes, ValueLists::minutes(), FixedList::Keys::PickOnly);
        FixedList::attach(day, ValueLists::days());
        ProvinceList::attach(province);
        plain->addItems(ValueLists::days());
        DeliberatePick::attach(plain);
        // Stored values are put in as loading a card does; the plain list has its pick.
        ControlText::set(minutes, u"45"_s);
        ControlText::set(day, u"17"_s);
        ControlText::set(province, u"MI"_s);
        plain->setCurrentIndex(plain->findText(u"17"_s));
        window.show();
        QApplication::setActiveWindow(&window);
    }

    QComboBox* byName(const QString& name) const
    {
        if (name == u"minutes")
            return minutes;
        if (name == u"day")
            return day;
        if (name == u"province")
            return province;
        return plain;
    }

    QWidget window;
    QComboBox* minutes = nullptr;
    QComboBox* day = nullptr;
    QComboBox* province = nullptr;
    QComboBox* plain = nullptr;
};

void turnWheel(QWidget* target, int notches)
{
    const QPointF at = target->rect().center();
    QWheelEvent wheel(at, target->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

const QStringList kListNames = {u"minutes"_s, u"day"_s, u"province"_s, u"plain"_s};
const QStringList kShown = {u"45"_s, u"17"_s, u"MI"_s, u"17"_s};

} // namespace

Q_DECLARE_METATYPE(Rule)
Q_DECLARE_METATYPE(Arrival)

class TestInputRules : public QObject
{
    Q_OBJECT

private slots:
    // Each restricted input, each way text arrives: the rule holds, whatever the way.
    void restrictedInputKeepsItsRule_data()
    {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<Arrival>("arrival");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        struct Case
        {
            const char* name;
            Rule rule;
            QString text;
            QString kept;
        };
        const Case cases[] = {
            {"digits", Rule::Digits, u"a1 2.3-b"_s, u"123"_s},
            {"digits of another script", Rule::Digits, u"\u0661\u06627"_s, u"7"_s},
            {"year ../x", Rule::Year, u"../x"_s, QString()},
            {"year 20 4", Rule::Year, u"20 4"_s, u"204"_s},
            {"year in full-width digits", Rule::Year, kFullWidth2024, QString()},
            {"year", Rule::Year, u"2024"_s, u"2024"_s},
            {"amount", Rule::Amount, u"-12,5a.0 €"_s, u"12,50"_s},
            {"whole number", Rule::WholeNumber, u"+0 07x,"_s, u"007"_s},
            {"upper case", Rule::UpperCase, u"via roma 1"_s, u"VIA ROMA 1"_s},
            {"upper case trimmed", Rule::UpperCaseTrimmed, u" rssmra80 "_s, u"RSSMRA80"_s},
            {"code", Rule::Code, u" it60 x054 2811 "_s, u"IT60X0542811"_s},
            {"trimmed", Rule::Trimmed, u" anna@posta.it "_s, u"anna@posta.it"_s},
        };
        for (const Case& c : cases)
            for (const auto& [how, arrival] : kArrivals)
                QTest::addRow("%s, %s", c.name, how) << c.rule << arrival << c.text << c.kept;
    }

    void restrictedInputKeepsItsRule()
    {
        QFETCH(Rule, rule);
        QFETCH(Arrival, arrival);
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QWidget window;
        QLineEdit* edit = input(rule, &window);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        arrive(edit, arrival, text);
        QCOMPARE(edit->text(), kept);
    }

    // Text that arrives in the middle keeps the cursor after what it brought.
    void pastedTextKeepsTheCursorAfterIt()
    {
        QWidget window;
        QLineEdit* edit = input(Rule::Digits, &window);
        edit->setText(u"1290"_s);
        edit->setCursorPosition(2);
        edit->insert(u"a3b4"_s);
        QCOMPARE(edit->text(), u"123490"_s);
        QCOMPARE(edit->cursorPosition(), 4);
    }

    // Filter first, then cut to the field's length, however the text arrives: a pasted amount keeps all
    // its digits, and what is stored is what the field shows.
    void filteredThenCut_data()
    {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<int>("field");
        QTest::addColumn<Arrival>("arrival");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        struct Case
        {
            const char* name;
            Rule rule;
            Cut::Field field;
            QString text;
            QString kept;
        };
        const Case cases[] = {
            {"sale amount with its words", Rule::Amount, Cut::Importo, u"Totale EUR 1.234,56"_s,
             u"1234,56"_s},
            {"monthly amount", Rule::Amount, Cut::Importo, u"Mensile 1.500,75"_s, u"1500,75"_s},
            {"days of notice from an amount", Rule::Digits, Cut::Avviso, u"€ 1.234,56"_s, u"123"_s},
            {"days of notice after letters", Rule::Digits, Cut::Avviso, u"abc12"_s, u"12"_s},
            {"tax code in blanks and lower case", Rule::UpperCaseTrimmed, Cut::CodFisc,
             u" rssmra80a01h501u "_s, u"RSSMRA80A01H501U"_s},
            {"tax code in groups", Rule::Code, Cut::CodFisc, u"rssmra 80a01 h501u"_s, u"RSSMRA80A01H501U"_s},
            {"IBAN in groups of four", Rule::Code, Cut::Iban, u"it60 x054 2811 1010 0000 0123 456"_s,
             u"IT60X0542811101000000123456"_s},
            {"a count in words", Rule::WholeNumber, Cut::Scorta, u"scorta: 12 pezzi"_s, u"12"_s},
        };
        for (const Case& c : cases)
            for (const auto& [how, arrival] : kArrivals)
                QTest::addRow("%s, %s", c.name, how) << c.rule << int(c.field) << arrival << c.text << c.kept;
    }

    void filteredThenCut()
    {
        QFETCH(Rule, rule);
        QFETCH(int, field);
        QFETCH(Arrival, arrival);
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QWidget window;
        auto* edit = new QLineEdit(&window);
        edit->setMaxLength(Cut::layout.width(field));
        attachRule(edit, rule);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        arrive(edit, arrival, text);
        QCOMPARE(edit->text(), kept);
        Record record(Cut::layout);
        record.setText(field, edit->text());
        QCOMPARE(record.raw(field).toByteArray(), kept.toLatin1());
    }

    // The rule holds for a stored text shown by the program, as for any other.
    void programTextKeepsTheRule()
    {
        QWidget window;
        const std::pair<Rule, QString> shown[] = {{Rule::Digits, u"123"_s},
                                                  {Rule::Amount, u"1,2,3"_s},
                                                  {Rule::UpperCase, u" 1,2,3 X "_s},
                                                  {Rule::Trimmed, u"1,2,3 x"_s}};
        for (const auto& [rule, kept] : shown) {
            QLineEdit* edit = input(rule, &window);
            edit->setText(u" 1,2,3 x "_s);
            QCOMPARE(edit->text(), kept);
        }
        // A count the program computed below zero keeps its sign.
        QLineEdit* count = input(Rule::WholeNumber, &window);
        count->setText(u"-3"_s);
        QCOMPARE(count->text(), u"-3"_s);
    }

    // Typed or pasted, a text with two commas reaches an amount as it is, never as another number: leaving
    // the field then refuses it.
    void amountKeepsEverySecondComma()
    {
        QWidget window;
        QLineEdit* edit = input(Rule::Amount, &window);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        QTest::keyClicks(edit, u"1,2,3"_s);
        QCOMPARE(edit->text(), u"1,2,3"_s);
        QVERIFY(!edit->findChild<AmountField*>()->isReadable());
        // A comma typed over the selected one replaces it.
        edit->setText(u"12,57"_s);
        edit->setSelection(2, 1);
        QTest::keyClick(edit, ',');
        QCOMPARE(edit->text(), u"12,57"_s);
    }

    // The keypad's decimal key types the decimal comma in an amount, whether the layout sends a point (US,
    // Italian under X) or a comma; a point typed on the main keys still has no effect. Other inputs take
    // nothing from it.
    void keypadDecimalKeyTypesTheComma_data()
    {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("kept");
        QTest::newRow("amount, keypad point") << Rule::Amount << int(Qt::Key_Period) << true << u"12,50"_s;
        QTest::newRow("amount, keypad comma") << Rule::Amount << int(Qt::Key_Comma) << true << u"12,50"_s;
        QTest::newRow("amount, main point") << Rule::Amount << int(Qt::Key_Period) << false << u"1250"_s;
        QTest::newRow("amount, main comma") << Rule::Amount << int(Qt::Key_Comma) << false << u"12,50"_s;
        QTest::newRow("digits, keypad point") << Rule::Digits << int(Qt::Key_Period) << true << u"1250"_s;
        QTest::newRow("count, keypad point") << Rule::WholeNumber << int(Qt::Key_Period) << true << u"1250"_s;
    }

    void keypadDecimalKeyTypesTheComma()
    {
        QFETCH(Rule, rule);
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(QString, kept);
        QWidget window;
        QLineEdit* edit = input(rule, &window);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        const Qt::KeyboardModifiers pad = keypad ? Qt::KeypadModifier : Qt::NoModifier;
        const auto digit = [&](char c) { QTest::keyClick(edit, Qt::Key(Qt::Key_0 + (c - '0')), pad); };
        digit('1');
        digit('2');
        QTest::keyClick(edit, Qt::Key(key), pad);
        digit('5');
        digit('0');
        QCOMPARE(edit->text(), kept);
    }

    // A list that only offers values: the wheel over it and the arrow keys leave the value as it is.
    void listsChangeOnlyByAPick_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("notches");
        for (qsizetype at = 0; at < kListNames.size(); ++at) {
            const QByteArray name = kListNames.at(at).toLatin1();
            QTest::addRow("%s, wheel up", name.data()) << kListNames.at(at) << kShown.at(at) << 0 << 1;
            QTest::addRow("%s, wheel down", name.data()) << kListNames.at(at) << kShown.at(at) << 0 << -1;
            for (const auto& [keyName, key] :
                 {std::pair{"Up", Qt::Key_Up}, std::pair{"Down", Qt::Key_Down},
                  std::pair{"Page Up", Qt::Key_PageUp}, std::pair{"Page Down", Qt::Key_PageDown}})
                QTest::addRow("%s, %s", name.data(), keyName)
                    << kListNames.at(at) << kShown.at(at) << int(key) << 0;
        }
        QTest::newRow("plain, Home") << u"plain"_s << u"17"_s << int(Qt::Key_Home) << 0;
        QTest::newRow("plain, End") << u"plain"_s << u"17"_s << int(Qt::Key_End) << 0;
    }

    void listsChangeOnlyByAPick()
    {
        QFETCH(QString, list);
        QFETCH(QString, shown);
        QFETCH(int, key);
        QFETCH(int, notches);
        Lists lists;
        QComboBox* combo = lists.byName(list);
        if (notches != 0) {
            // Over the closed list, focused or not, and over the text box of an editable one.
            turnWheel(combo, notches);
            if (combo->lineEdit())
                turnWheel(combo->lineEdit(), notches);
            combo->setFocus();
            turnWheel(combo, notches);
        } else {
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key(key));
        }
        QCOMPARE(combo->currentText(), shown);
    }

    // Taking the focus, by the mouse or by the keyboard, leaves a picked item picked.
    void focusKeepsTheSelection()
    {
        Lists lists;
        for (QComboBox* combo : {lists.minutes, lists.day, lists.province, lists.plain}) {
            const int picked = combo->findText(combo == lists.province  ? u"MI"_s
                                               : combo == lists.minutes ? u"45"_s
                                                                        : u"17"_s);
            combo->setCurrentIndex(picked);
            lists.window.setFocus();
            combo->setFocus(Qt::TabFocusReason);
            QCOMPARE(combo->currentIndex(), picked);
            lists.window.setFocus();
            combo->setFocus(Qt::MouseFocusReason);
            QCOMPARE(combo->currentIndex(), picked);
        }
    }

    // The day and minute lists take no text, however it comes: only their items.
    void fixedListsTakeNoText_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<Arrival>("arrival");
        for (const QString& list : {u"minutes"_s, u"day"_s})
            for (const auto& [how, arrival] :
                 {std::pair{"typed", Arrival::Typed}, std::pair{"Ctrl+V", Arrival::CtrlV},
                  std::pair{"middle click", Arrival::MiddleClick}, std::pair{"drop", Arrival::Drop},
                  std::pair{"input method", Arrival::InputMethod}})
                QTest::addRow("%s, %s", qPrintable(list), how) << list << arrival;
    }

    void fixedListsTakeNoText()
    {
        QFETCH(QString, list);
        QFETCH(Arrival, arrival);
        Lists lists;
        QComboBox* combo = lists.byName(list);
        const QString shown = combo->currentText();
        combo->setFocus();
        arrive(combo->lineEdit(), arrival, u"99"_s);
        QCOMPARE(combo->currentText(), shown);
    }

    // The pick itself still works: open the list, choose, Enter.
    void aPickFromTheOpenListChangesTheValue()
    {
        Lists lists;
        lists.minutes->setFocus();
        QTest::keyClick(lists.minutes, Qt::Key_F4);
        QAbstractItemView* view = lists.minutes->view();
        QTRY_VERIFY(view->isVisible());
        view->setCurrentIndex(view->model()->index(30, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(lists.minutes->currentText(), u"30"_s);
    }

    // A province typed or pasted is upper-cased.
    void provinceTakesTwoCharactersHoweverTheyCome_data()
    {
        QTest::addColumn<Arrival>("arrival");
        QTest::newRow("typed") << Arrival::Typed;
        QTest::newRow("Ctrl+V") << Arrival::CtrlV;
        QTest::newRow("context menu") << Arrival::ContextMenu;
        QTest::newRow("drop") << Arrival::Drop;
        QTest::newRow("input method") << Arrival::InputMethod;
    }

    void provinceTakesTwoCharactersHoweverTheyCome()
    {
        QFETCH(Arrival, arrival);
        Lists lists;
        lists.province->setFocus();
        lists.province->lineEdit()->clear();
        arrive(lists.province->lineEdit(), arrival, u"to"_s);
        QCOMPARE(lists.province->currentText(), u"TO"_s);
    }
};

QTEST_MAIN(TestInputRules)
#include "TestInputRules.moc"
