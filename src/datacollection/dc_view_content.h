// What the read-only view of one DC record shows, built without widgets: the
// view that suits the record, its caption, and every field in the order the
// dialog lays them out. The dialog fills its controls from it by name; the
// command line prints its visible fields.
#pragma once

#include "services/dc_records.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace datacollection {

enum class DcViewKind { None, Simple, WasherDryer, Stack, Advanteck, Mdc };

struct DcViewField {
    QString group;   // title of the group box holding it; empty for the top lines
    QString label;   // the row's label ("" for a row without one)
    QString value;   // text as shown
    QString control; // objectName of the value control ("...Value")
    bool visible = true;
    QString column = {}; // column heading of a table row ("Resettable")
    QString suffix = {}; // fixed text after the value ("(minutes)")
};

struct DcViewButton {
    QString text;
    QString control;
    bool visible = true;
    bool isDefault = false;
};

struct DcViewContent {
    DcViewKind kind = DcViewKind::None;
    QString caption;
    QList<DcViewField> fields;
    QList<DcViewButton> buttons; // "Done" closes; none for the MDC/Quantum view
    // The Advanteck view could not open the card-holder tables: nothing is
    // shown but the message of showDcViewFailure().
    bool holderTablesMissing = false;
};

// The card holder's full name ("LAST,FIRST" or "UNKNOWN") for a ten-digit
// card serial key, or nullopt when the card-holder tables could not be opened.
using CardHolderResolver = std::function<std::optional<QString>(const QString& key)>;

// The view of `record`: kind None for a family that has no view. The
// resolver is asked only for an Advanteck record.
DcViewContent buildDcViewContent(const GenericDCRec& record, bool tokensEnabled,
                                 const CardHolderResolver& resolveHolder);

// Shows the message of a view that cannot open; true when there was one.
bool showDcViewFailure(const DcViewContent& content);

// The label of a value control: "fooValue" has its label in "fooLabel".
QString dcViewLabelControl(const QString& valueControl);

} // namespace datacollection
