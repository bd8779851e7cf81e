// The pieces every record view is built from: counters read from the
// record's block, their display texts, and one builder per view.
#pragma once

#include "datacollection/dc_view_content.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace datacollection::view {

// Little-endian counters of a record's counter block.
class Counters {
public:
    explicit Counters(const GenericDCRec& record) : block_(record.familyData()) {}
    uint32_t u8(std::size_t offset) const { return block_[offset]; }
    uint32_t u16(std::size_t offset) const { return u8(offset) | u8(offset + 1) << 8; }
    uint32_t u32(std::size_t offset) const { return u16(offset) | u16(offset + 2) << 16; }
    const uint8_t* bytes(std::size_t offset) const { return block_ + offset; }
    uint32_t at(std::size_t offset, int width) const
    {
        return width == 1 ? u8(offset) : width == 2 ? u16(offset) : u32(offset);
    }

private:
    const uint8_t* block_;
};

QString countText(uint32_t count);       // "%u"
QString centsText(uint32_t cents);       // "$%u.%02u"
QString idText(const char* id);          // "%.10s"
QString dateText(const uint8_t time[5]); // BCD yy mm dd hh mm as "m/d/yy hh:mm"

// Appends fields of one group in dialog order.
class FieldList {
public:
    FieldList(QList<DcViewField>& fields, QString group) : fields_(fields), group_(std::move(group))
    {
    }
    DcViewField& add(const QString& label, const QString& value, const char* control,
                     bool visible = true);
    DcViewField& add(const char* label, const QString& value, const char* control,
                     bool visible = true)
    {
        return add(QString::fromLatin1(label), value, control, visible);
    }

private:
    QList<DcViewField>& fields_;
    QString group_;
};

// One counter shown as a count, or as money when it holds cents.
struct CounterRow {
    const char* label;
    uint16_t offset;
    uint8_t width; // bytes: 1, 2 or 4
    const char* control;
    bool cents = false;
};
void addCounters(FieldList& fields, const Counters& counters,
                 std::initializer_list<CounterRow> rows, bool visible = true);

// The top lines most views share: "Machine:", "Location:", "Date/Time:".
void addIdentity(QList<DcViewField>& fields, const GenericDCRec& record);
// "Done" (closes), and the view's hidden extra button when it has one.
QList<DcViewButton> doneButtons(const char* hiddenText, const char* hiddenControl,
                                bool doneIsDefault);

// The ten-digit key of the service person's card: block bytes 22 to 26.
QString advanteckHolderKey(const GenericDCRec& record);

void buildSimple(DcViewContent& content, const GenericDCRec& record);
void buildWasherDryer(DcViewContent& content, const GenericDCRec& record, bool tokens);
void buildStack(DcViewContent& content, const GenericDCRec& record, bool tokens);
void buildAdvanteck(DcViewContent& content, const GenericDCRec& record, const QString& holder);
void buildMdc(DcViewContent& content, const GenericDCRec& record, bool tokens);

} // namespace datacollection::view
