// Which view a record opens in, and the texts every view shares.
#include "datacollection/dc_messages.h"
#include "datacollection/dc_view_builders.h"
#include "services/prompt.h"

#include <cstring>

namespace datacollection {
namespace view {

QString countText(uint32_t count)
{
    return QString::asprintf("%u", count);
}

QString centsText(uint32_t cents)
{
    return QString::asprintf("$%u.%02u", cents / 100, cents % 100);
}

QString idText(const char* id)
{
    return QString::fromLatin1(id, qsizetype(strnlen(id, 10)));
}

QString dateText(const uint8_t time[5])
{
    // The BCD bytes read as hexadecimal are the decimal digits.
    return QString::asprintf("%hx/%hx/%02hx %02hx:%02hx", (unsigned short)time[1],
                             (unsigned short)time[2], (unsigned short)time[0],
                             (unsigned short)time[3], (unsigned short)time[4]);
}

DcViewField& FieldList::add(const QString& label, const QString& value, const char* control,
                            bool visible)
{
    fields_.append({group_, label, value, QString::fromLatin1(control), visible});
    return fields_.last();
}

void addCounters(FieldList& fields, const Counters& counters,
                 std::initializer_list<CounterRow> rows, bool visible)
{
    for (const CounterRow& row : rows) {
        const uint32_t value = counters.at(row.offset, row.width);
        fields.add(row.label, row.cents ? centsText(value) : countText(value), row.control,
                   visible);
    }
}

void addIdentity(QList<DcViewField>& fields, const GenericDCRec& record)
{
    FieldList top(fields, {});
    top.add("Machine:", idText(record.machine_id), "machineValue");
    top.add("Location:", idText(record.location_id), "locationValue");
    top.add("Date/Time:", dateText(record.collect_time), "dateValue");
}

QList<DcViewButton> doneButtons(const char* hiddenText, const char* hiddenControl,
                                bool doneIsDefault)
{
    return {{QStringLiteral("Done"), QStringLiteral("doneButton"), true, doneIsDefault},
            {QString::fromLatin1(hiddenText), QString::fromLatin1(hiddenControl), false, false}};
}

QString advanteckHolderKey(const GenericDCRec& record)
{
    const uint8_t* serial = Counters(record).bytes(22);
    return QString::asprintf("%02X%02X%02X%02X%02X", serial[0], serial[1], serial[2], serial[3],
                             serial[4]);
}

} // namespace view

namespace {

// Models of the family 3 to 6 block with a washer/dryer counter layout.
bool washerDryerModel(uint32_t model)
{
    return (model >= 6 && model <= 9) || model == 14 || model == 15;
}

constexpr std::size_t kModelCodeOffset = 57;
constexpr uint32_t kStackModel = 10;

} // namespace

DcViewContent buildDcViewContent(const GenericDCRec& record, bool tokensEnabled,
                                 const CardHolderResolver& resolveHolder)
{
    DcViewContent content;
    switch (record.record_family) {
    case 3:
    case 4:
    case 5:
    case 6: {
        const uint32_t model = view::Counters(record).u8(kModelCodeOffset);
        if (model == kStackModel)
            view::buildStack(content, record, tokensEnabled);
        else if (washerDryerModel(model))
            view::buildWasherDryer(content, record, tokensEnabled);
        else
            view::buildSimple(content, record);
        break;
    }
    case 8: {
        content.kind = DcViewKind::Advanteck;
        const std::optional<QString> holder = resolveHolder(view::advanteckHolderKey(record));
        if (holder)
            view::buildAdvanteck(content, record, *holder);
        else
            content.holderTablesMissing = true;
        break;
    }
    case 13:
        view::buildMdc(content, record, tokensEnabled);
        break;
    default:
        break;
    }
    return content;
}

bool showDcViewFailure(const DcViewContent& content)
{
    if (!content.holderTablesMissing)
        return false;
    promptui::MessageBox(QStringLiteral("Cannot open Database."),
                         QString::fromLatin1(text::kCaptionError),
                         promptui::MB_OK | promptui::MB_ICONERROR);
    return true;
}

QString dcViewLabelControl(const QString& valueControl)
{
    QString name = valueControl;
    if (name.endsWith(QLatin1String("Value")))
        name.chop(5);
    return name + QLatin1String("Label");
}

} // namespace datacollection
