#include "profiles/pages/manual_setup_page_rules.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace profiles {
namespace {

constexpr char kColFilePath[] = "FILE PATH";
constexpr char kColSetupByte1[] = "SETUP BYTE 1";
constexpr char kCardTypeDigits[] = "0123456789ABCDEF";

} // namespace

QString ManualSetupPageRules::pageName() const
{
    return QStringLiteral("Manual Setup dialog");
}

void ManualSetupPageRules::reset()
{
    filePath_.clear();
    cardType_ = 0;
}

void ManualSetupPageRules::load(const ColumnValues& columns)
{
    filePath_ = textValue(columns, kColFilePath);
    cardType_ = intValue(columns, kColSetupByte1);
}

ColumnValues ManualSetupPageRules::columns() const
{
    return {{kColFilePath, filePath_}, {kColSetupByte1, cardType_}};
}

Check ManualSetupPageRules::checkFields() const
{
    if (cardType_ >= 0 && cardType_ <= kCardTypeMaximum)
        return std::nullopt;
    Refusal refusal;
    refusal.column = QString::fromLatin1(kColSetupByte1);
    refusal.control = kCardTypeControl;
    refusal.message = QStringLiteral("The target card type is one byte: a value from 0 to %1 "
                                     "(0x00 to 0xFF).")
                          .arg(kCardTypeMaximum);
    refusal.caption = QString::fromLatin1(kInputErrorCaption);
    return refusal;
}

Check ManualSetupPageRules::checkBeforeRecord() const
{
    QFile file(filePath_);
    if (!filePath_.isEmpty() && file.open(QIODevice::ReadOnly))
        return std::nullopt;
    Refusal refusal;
    refusal.column = QString::fromLatin1(kColFilePath);
    refusal.control = kFilePathControl;
    refusal.message = QStringLiteral("Cannot open .bin file specified in profile.");
    refusal.icon = 0;
    return refusal;
}

void ManualSetupPageRules::writeRecord(const CommonValues& /*common*/,
                                       STRUCT_laundry_setup& record) const
{
    // Read once more: a file that went away since the check leaves the area
    // as it was, as a missing file does.
    const std::optional<QByteArray> bytes = readSetupFile(filePath_);
    if (!bytes)
        return;
    static_assert(sizeof record.manual_setup_data == kSetupDataBytes);
    std::memset(record.manual_setup_data, 0, sizeof record.manual_setup_data);
    std::memcpy(record.manual_setup_data, bytes->constData(),
                std::min<size_t>(size_t(bytes->size()), sizeof record.manual_setup_data));
    record.setup_byte_1 = uint8_t(cardType_ & 0xFF);
}

QString ManualSetupPageRules::cardTypeText() const
{
    return QStringLiteral("%1").arg(cardType_ & 0xFF, 2, 16, QLatin1Char('0'));
}

bool ManualSetupPageRules::cardTypeTextAllowed(QStringView text)
{
    if (text.size() > 2)
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x80 && std::strchr(kCardTypeDigits, char(c.unicode())) != nullptr &&
               c.unicode() != 0;
    });
}

void ManualSetupPageRules::setCardTypeText(QStringView text)
{
    bool ok = false;
    const int value = text.toString().toInt(&ok, 16);
    cardType_ = ok ? value : 0;
}

std::optional<QByteArray> ManualSetupPageRules::readSetupFile(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(kSetupDataBytes);
    if (bytes.isNull() && file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace profiles
