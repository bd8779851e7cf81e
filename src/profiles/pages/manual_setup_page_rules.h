// Rules of the Manual Setup page (type 13, "Generic"): the path of the
// binary file whose bytes become the card's setup data, and the card type
// the card is to carry, typed as at most two hexadecimal digits.
#pragma once

#include "profiles/page_rules.h"

#include <QByteArray>
#include <QStringView>

#include <optional>

namespace profiles {

class ManualSetupPageRules : public PageRules {
public:
    static constexpr int kFilePathControl = 1678;
    static constexpr int kCardTypeControl = 1679;
    static constexpr int kCardTypeMaximum = 0xFF;
    // The setup data area of the record, and so the most a file gives.
    static constexpr int kSetupDataBytes = 250;

    QString pageName() const override;
    void reset() override;
    void load(const ColumnValues& columns) override;
    ColumnValues columns() const override;
    // A stored or imported card type the card's one type byte cannot carry.
    Check checkFields() const override;
    // The file must open for reading: a missing or unreadable file stops the
    // conversion with "Cannot open .bin file specified in profile." before the
    // record's setup data is touched, so no card carries stale bytes.
    Check checkBeforeRecord() const override;
    void writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const override;

    QString filePath() const { return filePath_; }
    void setFilePath(const QString& path) { filePath_ = path; }
    int cardType() const { return cardType_; }
    void setCardType(int type) { cardType_ = type; }

    // The card-type edit's text as loaded ("%2.2x": "0a").
    QString cardTypeText() const;
    // Whether a typed text keeps the rule: at most two of "0123456789ABCDEF".
    static bool cardTypeTextAllowed(QStringView text);
    // Takes a typed text that keeps the rule (an empty one is type 0).
    void setCardTypeText(QStringView text);

    // At most the first 250 bytes of the file; nullopt when it cannot be
    // opened for reading.
    static std::optional<QByteArray> readSetupFile(const QString& path);

private:
    QString filePath_;
    int cardType_ = 0;
};

} // namespace profiles
