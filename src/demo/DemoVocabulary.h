#pragma once

#include <QStringView>
#include <span>

// The Italian words, places, banks and products the demo archives are made of.
namespace DemoVocabulary {

struct Town
{
    QStringView name;
    QStringView province;
    // The cadastral code the codice fiscale carries for people born there.
    QStringView cadastralCode;
    QStringView postalCode;
    QStringView phonePrefix;
    QStringView region;
    // The revenue office digits a partita IVA registered in that province carries.
    int vatOffice;
};

struct Bank
{
    QStringView name;
    QStringView abi;
};

struct Product
{
    QStringView type;
    QStringView brand;
    QStringView model;
    QStringView description;
    int costCents;
    int vatRate;
};

using Words = std::span<const QStringView>;

std::span<const Town> towns();
std::span<const Bank> banks();
std::span<const Product> products();

Words surnames();
Words maleNames();
Words femaleNames();
Words streets();
Words mailDomains();
Words mobilePrefixes();
Words paymentMethods();
Words occupations();
Words maleMaritalStatuses();
Words femaleMaritalStatuses();
Words qualifications();
Words interests();
Words pendingIssues();
Words clientNotes();
Words preferredContacts();
Words firmKinds();
Words documentKinds();

Words staffAvailability();
Words staffQualifications();
Words staffJobs();
Words staffCategories();
Words staffLevels();
Words contractTypes();
Words staffEquipment();

Words suppliers();
Words storagePlaces();
Words orderMethods();

Words callSubjects();
Words callResponses();
Words interestDegrees();
Words callConclusions();
Words callNotes();

Words deliveryMethods();
Words saleNotes();

Words appointmentPlaces();
Words appointmentDurations();
Words appointmentReasons();
Words appointmentNotes();

} // namespace DemoVocabulary
