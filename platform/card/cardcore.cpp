#include "services/cardcore.h"

#include "card/card_images.h"
#include "card/card_keys.h"
#include "card/card_status.h"
#include "card/fault_injection.h"

#include <QTreeWidget>

#include <algorithm>
#include <numeric>

namespace cardcore {

namespace {
bool tokensEnabled = true;
} // namespace

uint8_t CardSetKeys(BaseCardImage& image)
{
    if (const auto fault = card::faults::onCall(card::FaultKind::CardSetKeys))
        return *fault;
    if (!card::keystore::managementLoaded())
        return card::kStatusNoKeys;
    auto* target = dynamic_cast<card::KeyAreaTarget*>(&image);
    if (target == nullptr)
        return card::kStatusForeignImage;
    return target->writeKeyArea(card::kManagementKeySet);
}

// Values above 99 have no two-digit BCD form and give 0, as six-digit BCD
// fields treat values they cannot hold.
uint8_t hex_to_bcd(uint8_t value)
{
    if (value > 99)
        return 0;
    return static_cast<uint8_t>((value / 10) << 4 | value % 10);
}

// Nibbles above 9 are not rejected: the result is high * 10 + low, so 0xFF
// (an unwritten byte) gives 165 and 0x1A gives 20.
uint8_t bcd_to_hex(uint8_t bcd)
{
    return static_cast<uint8_t>((bcd >> 4) * 10 + (bcd & 0x0F));
}

bool GetTokensEnabled()
{
    return tokensEnabled;
}
void SetTokensEnabled(bool enabled)
{
    tokensEnabled = enabled;
}

void SetupSort(ListSort& sort, int clickedColumn)
{
    if (clickedColumn == sort.column) {
        sort.ascending = !sort.ascending;
        return;
    }
    sort.column = clickedColumn;
    sort.ascending = true;
}

QList<int> SortOrder(const QStringList& texts, const ListSort& sort)
{
    QList<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    const auto before = [&texts](int a, int b) {
        return texts[a].compare(texts[b], Qt::CaseInsensitive) < 0;
    };
    // Descending keeps equal rows in their order too: compare the other way
    // round instead of reversing the result.
    if (sort.ascending)
        std::stable_sort(order.begin(), order.end(), before);
    else
        std::stable_sort(order.begin(), order.end(),
                         [&before](int a, int b) { return before(b, a); });
    return order;
}

void Sort(QTreeWidget* list, const ListSort& sort)
{
    if (list == nullptr || sort.column < 0 || sort.column >= list->columnCount())
        return;
    QList<QTreeWidgetItem*> rows;
    QStringList texts;
    while (list->topLevelItemCount() > 0) {
        rows.append(list->takeTopLevelItem(0));
        texts.append(rows.last()->text(sort.column));
    }
    for (const int from : SortOrder(texts, sort))
        list->addTopLevelItem(rows[from]);
}

} // namespace cardcore
