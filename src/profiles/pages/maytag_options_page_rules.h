// Rules of the options pages of the Maytag Marlin, Quicksilver and MHN33
// dialogs: the machine's position, location and serial number, the
// selectable settings of the Normal, Delicate and Powerwash cycles, the cycle
// times (Marlin: additional minutes; MHN33: prewash, wash, rinses, final spin
// and spin speed) and the action code (Marlin and MHN33).
#pragma once

#include "laundry/laundry_setup.h"
#include "profiles/profile_columns.h"
#include "profiles/refusal.h"

#include <QStringList>

#include <array>
#include <vector>

namespace profiles {

enum class MaytagModel { Marlin, Quicksilver, Mhn33 };

class MaytagOptionsPageRules {
public:
    static constexpr int kPositionControl = 1106;
    static constexpr int kLocationControl = 1648;
    static constexpr int kSerialControl = 1101;
    static constexpr int kLocationMaxLength = 6;
    static constexpr int kSerialMaxLength = 10;
    static constexpr int kPositionCount = 64;
    // Marlin's additional minutes.
    static constexpr int kAdditionalWashControl = 1631;
    static constexpr int kAdditionalRinseControl = 1632;
    // MHN33's cycle times.
    static constexpr int kPrewashControl = 1147;
    static constexpr int kWashControl = 1603;
    static constexpr int kRinsesControl = 1691;
    static constexpr int kFinalSpinControl = 1692;
    static constexpr int kSpinSpeedControl = 1693;
    static constexpr int kWaterLevelControl = 1658;
    static constexpr int kTempLevelControl = 1659;
    // Set Serial, Set Location/Position, Set Price/Coin Values, Set Cycle Length/# Rinses.
    static constexpr std::array<int, 4> kActionControls = {1135, 1173, 1174, 1175};

    enum Cycle : int { kNormal, kDelicate, kPowerwash, kCycleCount };
    // The grid of Selectable Settings, per cycle: the first box (Extra Rinse,
    // "X Rinse"), the middle box (Soil Level, "Prewash") and the Water Temp list.
    static constexpr std::array<int, 3> kFirstBoxControls = {1649, 1650, 1651};
    static constexpr std::array<int, 3> kMarlinMiddleBoxControls = {1652, 1653, 1654};
    static constexpr std::array<int, 3> kMhn33MiddleBoxControls = {1694, 1695, 1696};
    static constexpr std::array<int, 3> kWaterTempControls = {1655, 1656, 1657};

    struct CycleSettings {
        bool firstBox = false;
        bool middleBox = false;
        int waterTemp = 0; // 0 Cold, 1 Cool, 2 Warm, 3 Hot

        // Bits 0-1 the water temperature, bit 2 the middle box, bit 3 the first.
        uint8_t byte() const;
        static CycleSettings fromByte(int byte);
        bool operator==(const CycleSettings&) const = default;
    };

    // One list of a page: its control, its column, its entries and what an
    // entry writes into the record (position + offset).
    struct TimeList {
        int control;
        const char* column;
        QStringList entries;
        bool asText; // the column holds the entry's text, not its position
    };

    static const QStringList& waterTempChoices(); // "Cold", "Cool", "Warm", "Hot"
    static const QStringList& positionChoices();  // "1" .. "64"
    // The cycle time lists the model shows, in page order.
    static const std::vector<TimeList>& timeLists(MaytagModel model);

    explicit MaytagOptionsPageRules(MaytagModel model) : model_(model) { reset(); }

    MaytagModel model() const { return model_; }
    bool hasActionCode() const { return model_ != MaytagModel::Quicksilver; }

    void reset();
    void load(const ColumnValues& columns);
    void addColumns(ColumnValues& columns) const;
    // The location a six-digit number, the serial at most 10 characters, each
    // list position one of its list.
    Check checkFields() const;
    void writeRecord(STRUCT_laundry_setup& record) const;

    // The position list's index (0 for "1"); -1 when the stored text is none.
    int position() const { return position_; }
    void setPosition(int index) { position_ = index; }
    QString location() const { return location_; }
    void setLocation(const QString& text) { location_ = text; }
    QString serial() const { return serial_; }
    void setSerial(const QString& text) { serial_ = text; }
    // The list positions of timeLists(model()), in that order.
    int timeIndex(int list) const { return times_[size_t(list)]; }
    void setTimeIndex(int list, int index) { times_[size_t(list)] = index; }
    CycleSettings cycle(int cycle) const { return cycles_[size_t(cycle)]; }
    void setCycle(int cycle, const CycleSettings& settings) { cycles_[size_t(cycle)] = settings; }
    bool action(int index) const { return actions_[size_t(index)]; }
    void setAction(int index, bool on) { actions_[size_t(index)] = on; }
    bool waterLevel() const { return waterLevel_; }
    void setWaterLevel(bool on) { waterLevel_ = on; }
    bool tempLevel() const { return tempLevel_; }
    void setTempLevel(bool on) { tempLevel_ = on; }

private:
    MaytagModel model_;
    int position_ = 0;
    QString location_;
    QString serial_;
    std::array<int, 5> times_{};
    std::array<CycleSettings, kCycleCount> cycles_;
    bool setupBytesValid_ = true; // as loaded: no bits a cycle byte leaves 0
    std::array<bool, 4> actions_{};
    bool waterLevel_ = false;
    bool tempLevel_ = false;
};

} // namespace profiles
