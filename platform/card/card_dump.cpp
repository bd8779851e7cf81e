#include "card/card_dump.h"

#include "card/card_image_file.h"

#include <QByteArray>
#include <QStringList>

namespace card {

namespace {

QString hex(const uint8_t* bytes, std::size_t size)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size)).toHex());
}

QString fileKey(uint16_t id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

constexpr std::size_t kBytesPerLine = 16;

void appendHexDump(QStringList& lines, const std::vector<uint8_t>& bytes)
{
    for (std::size_t line = 0; line < bytes.size(); line += kBytesPerLine) {
        QString hexPart;
        QString ascii;
        for (std::size_t i = 0; i < kBytesPerLine; ++i) {
            if (i == kBytesPerLine / 2)
                hexPart += QLatin1Char(' ');
            if (line + i < bytes.size()) {
                const uint8_t b = bytes[line + i];
                hexPart += QStringLiteral("%1 ").arg(b, 2, 16, QLatin1Char('0'));
                ascii +=
                    (b >= 0x20 && b < 0x7F) ? QLatin1Char(static_cast<char>(b)) : QLatin1Char('.');
            } else {
                hexPart += QStringLiteral("   ");
            }
        }
        lines << QStringLiteral("  %1  %2 |%3|")
                     .arg(static_cast<qulonglong>(line), 4, 16, QLatin1Char('0'))
                     .arg(hexPart, ascii);
    }
}

} // namespace

QJsonObject cardToJson(const CardState& card)
{
    QJsonObject files;
    for (const auto& [id, bytes] : card.files)
        files.insert(fileKey(id), hex(bytes.data(), bytes.size()));
    return QJsonObject{
        {QStringLiteral("chip"), card.chip},
        {QStringLiteral("pom"), card.pom},
        {QStringLiteral("type"), card.cardType()},
        {QStringLiteral("cust_id"), card.custId()},
        {QStringLiteral("version"), card.version()},
        {QStringLiteral("header"), hex(card.header.data(), card.header.size())},
        {QStringLiteral("files"), files},
    };
}

QJsonArray cardImagesToJson(const std::vector<CardState>& images)
{
    QJsonArray array;
    for (const CardState& card : images)
        array.append(cardToJson(card));
    return array;
}

QString cardToText(const CardState& card)
{
    QStringList lines;
    lines << QStringLiteral("Type:        %1 (0x%2)")
                 .arg(card.cardType())
                 .arg(card.cardType(), 2, 16, QLatin1Char('0'))
          << QStringLiteral("Customer id: %1 (0x%2)")
                 .arg(card.custId())
                 .arg(card.custId(), 4, 16, QLatin1Char('0'))
          << QStringLiteral("Version:     %1").arg(card.version())
          << QStringLiteral("Chip:        %1").arg(card.chip)
          << QStringLiteral("POM:         %1").arg(yesNo(card.pom))
          << QStringLiteral("Initialised: %1").arg(yesNo(card.initialised))
          << QStringLiteral("Keys:        %1").arg(keyStateName(keyStateOf(card.keys)))
          << QStringLiteral("Header:      %1").arg(hex(card.header.data(), card.header.size()));
    if (card.files.empty())
        lines << QStringLiteral("No files");
    for (const auto& [id, bytes] : card.files) {
        lines << QStringLiteral("File 0x%1, %2 bytes:").arg(fileKey(id)).arg(bytes.size());
        appendHexDump(lines, bytes);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString cardImagesToText(const std::vector<CardState>& images)
{
    QString text;
    for (std::size_t i = 0; i < images.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += QStringLiteral("Image %1 of %2 (index %3)\n").arg(i + 1).arg(images.size()).arg(i);
        text += cardToText(images[i]);
    }
    return text;
}

QString newCardImages(const NewCardFileOptions& options, std::vector<CardState>* images)
{
    images->clear();
    if (options.images < 1 || options.images > kMaxNewImages)
        return QStringLiteral("the image count must be between 1 and %1").arg(kMaxNewImages);
    CardState card = CardState::factoryFresh(options.chip, options.pom);
    if (options.type || options.custId) {
        card.initialise();
        card.setCardType(options.type.value_or(0));
        card.setCustId(options.custId.value_or(0));
    }
    images->assign(static_cast<std::size_t>(options.images), card);
    return {};
}

QString createCardImageFile(const QString& path, const NewCardFileOptions& options)
{
    std::vector<CardState> images;
    if (QString error = newCardImages(options, &images); !error.isEmpty())
        return error;
    return saveCardImageFile(path, images);
}

} // namespace card
