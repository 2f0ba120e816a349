#pragma once

#include "screens/WindowRegistry.h"
#include "ServiceDoubles.h"
#include "TempProgramFolder.h"
#include "TestRecords.h"
#include "WiredRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

// Where a register's year menu takes the year and opens it, and what the register's year files hold.
struct RegisterFiles
{
    QString yearInput;
    QString openButton;
    const RecordLayout& layout;
    QString extension;
};

// The year menu and the card of a register in a fresh program folder, on 15 March 2024 at 10:30, with
// the 2021 register opened.
template <class Menu, class Card> struct RegisterFixture
{
    explicit RegisterFixture(RegisterFiles files) : files(std::move(files))
    {
        services.clock.set(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        registry.create({WindowRegistry::entry<Menu>(), WindowRegistry::entry<Card>()});
        menu = registry.find<Menu>();
        card = registry.find<Card>();
        openYear(QStringLiteral("2021"));
    }

    void openYear(const QString& year)
    {
        menu->open();
        menu->template findChild<QLineEdit*>(files.yearInput)->setText(year);
        menu->template findChild<QPushButton*>(files.openButton)->click();
        QApplication::setActiveWindow(card);
    }

    QLineEdit* edit(const QString& name) const { return card->template findChild<QLineEdit*>(name); }
    QComboBox* list(const QString& name) const { return card->template findChild<QComboBox*>(name); }
    void click(const QString& name) const { card->button(name)->click(); }
    QString position() const { return card->text(QStringLiteral("lblPosizione")); }
    // The 2021 register as the file holds it, and its records.
    QByteArray archive() const { return folder.readAll(QStringLiteral("2021") + files.extension); }
    Record stored(qint64 number) const { return TestRecords::at(archive(), files.layout, number); }

    RegisterFiles files;
    TempProgramFolder folder;
    ServiceDoubles services;
    WiredRegistry registry;
    Menu* menu = nullptr;
    Card* card = nullptr;
};
