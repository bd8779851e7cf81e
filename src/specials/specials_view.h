// What the "Price Special Profiles" dialog shows, as plain values: the
// session keeps them and the dialog copies them onto its controls, and
// copies what the operator typed back before each action.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace specials {

enum class EditState { Idle = 0, ProfileEdit = 1, EntryEdit = 2 };

// The texts and choices of the profile and entry controls.
struct SpecialsFields {
    QString name;
    QString vendPrice;
    QString topoffPrice;
    QString topoffTime;
    std::array<bool, 7> days{}; // Sunday first
    bool machineOff = true;     // else the special price
    bool allDay = true;         // else the time window
    QString specialPrice;
    QString startTime;
    QString stopTime;

    bool operator==(const SpecialsFields&) const = default;
};

// Which controls take input, after the edit state and the rights.
struct SpecialsControls {
    bool profileFieldsEnabled = false; // writable and enabled together
    bool profileListEnabled = true;
    bool entryFieldsEnabled = false;
    bool specialPriceEnabled = false;
    bool timeEditsEnabled = false;
    bool entryListEnabled = true;
    bool entryButtonsEnabled = true; // Add, Edit and Delete Special
    bool createCardEnabled = true;   // Create Card and Create a Clear Card
    bool profileMenuEnabled = true;  // Add, Edit and Delete Profile
    QString okText = QStringLiteral("OK");

    bool operator==(const SpecialsControls&) const = default;
};

struct SpecialsView {
    QList<QStringList> profileRows;
    QList<QStringList> entryRows;
    int selectedProfile = -1;
    int selectedEntry = -1;
    SpecialsFields fields;
    SpecialsControls controls;
};

// Where the focus goes when the session says so.
enum class SpecialsFocus { None, Name, TopoffTime };

} // namespace specials
