// What the profile editor's widgets show, as plain values: the session keeps
// them and the dialog copies them onto its controls, so every rule about
// what is listed, enabled, visible or focused runs without widgets.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace profiles {

// One list row: PROFILE NAME, the type's list name, IDLE and BUSY MESSAGE.
using ProfileRow = QStringList;

// The common controls' contents, as shown and as the operator changes them.
// Money is the text in its edit; the type is the selector's code.
struct EntryFields {
    QString name;
    int typeCode = 0;
    QString vendPrice;
    QString topoffPrice;
    QString maxCardValue;
    bool enableTokens = false;
    bool clearCounters = false;
    bool checkLocation = false;
    bool locationClustering = false;
    bool userTransaction = false;

    bool operator==(const EntryFields&) const = default;
};

// The edits and check boxes the operator changes.
enum class EntryText { Name, VendPrice, TopoffPrice, MaxCardValue };
enum class EntryBox {
    EnableTokens,
    ClearCounters,
    CheckLocation,
    LocationClustering,
    UserTransaction
};

// Which controls take input (viewing: none; edit mode: by the type).
struct ControlStates {
    bool listEnabled = true;
    bool nameReadOnly = true;
    bool typeSelectorEnabled = false;
    bool pricesReadOnly = true;
    bool pricesVisible = true; // the two price edits with their labels
    bool maxCardValueEnabled = false;
    bool enableTokensEnabled = false;
    bool clearCountersEnabled = false;
    bool checkLocationEnabled = false;
    bool locationClusteringEnabled = false;
    bool userTransactionEnabled = false;
    bool updateEnabled = false;
    bool cancelEnabled = false;
    int editablePage = -1; // the type whose page takes input, -1 for none

    bool operator==(const ControlStates&) const = default;
};

struct EditorView {
    QList<ProfileRow> rows;
    int selectedRow = -1;
    EntryFields entry;
    bool tokensShown = true; // the installation has tokens
    int shownPage = -1;      // the type whose page shows, -1 before the first
    ControlStates controls;
};

// Where the focus goes, at the moment the session says so.
struct EditorFocus {
    enum class Target { List, Name, VendPrice, TopoffPrice, PageControl };
    Target target = Target::List;
    bool selectAll = false; // the name's text (a price or page control always)
    int pageCode = -1;      // PageControl: the page and the control's resource id
    int control = -1;

    bool operator==(const EditorFocus&) const = default;
};

} // namespace profiles
