// The report-style list the dialogs show recordsets in: a QTreeWidget with
// one level, columns sized as shares of its width.
#include "services/dao.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeWidget>

#include <memory>
#include <vector>

namespace dbhelper {
namespace {

// Keeps the column widths at their shares of the list's width when the list
// is resized.
class ColumnShares : public QObject {
public:
    ColumnShares(QTreeWidget* list, std::vector<int> shares)
        : QObject(list), list_(list), viewport_(list->viewport()), shares_(std::move(shares))
    {
        // The viewport is resized after the list lays itself out: its width
        // is the one to share.
        viewport_->installEventFilter(this);
        apply();
    }

    static void install(QTreeWidget* list, std::vector<int> shares)
    {
        const QObjectList children = list->children();
        for (QObject* child : children) {
            if (auto* old = dynamic_cast<ColumnShares*>(child))
                delete old;
        }
        new ColumnShares(list, std::move(shares));
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Compared as plain objects: the list may be half destroyed when its
        // viewport still sends events.
        if (watched == viewport_ && event->type() == QEvent::Resize)
            apply();
        return false;
    }

private:
    void apply()
    {
        const int width = list_->viewport()->width();
        for (size_t i = 0; i < shares_.size(); ++i) {
            const int column = static_cast<int>(i);
            list_->setColumnHidden(column, shares_[i] == 0);
            if (shares_[i] > 0)
                list_->setColumnWidth(column, width * shares_[i] / 100);
        }
    }

    QTreeWidget* list_; // our parent: it outlives us
    QObject* viewport_;
    std::vector<int> shares_;
};

QString titleAt(const char titles[][40], int i)
{
    return QString::fromLatin1(titles[i], int(qstrnlen(titles[i], 40)));
}

} // namespace

uint8_t ExternSetupListControl(QTreeWidget* list, int columnCount, const char titles[][40],
                               const uint8_t* widths)
{
    if (!list || columnCount <= 0 || !titles || !widths)
        return 0;
    QStringList labels;
    std::vector<int> shares;
    for (int i = 0; i < columnCount; ++i) {
        labels << titleAt(titles, i);
        shares.push_back(widths[i]);
    }
    list->clear();
    list->setColumnCount(columnCount);
    list->setHeaderLabels(labels);
    list->setHeaderHidden(false);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->header()->setStretchLastSection(false);
    ColumnShares::install(list, std::move(shares));
    return 1;
}

uint8_t ExternFillListControl(QTreeWidget* list, int columnCount, const char titles[][40],
                              CdbRecordset recordset)
{
    if (!list || columnCount <= 0 || !titles)
        return 0;
    try {
        // Every title must name a field before the list is touched.
        const CdbFields fields = recordset.GetFields();
        std::vector<int> columns;
        for (int i = 0; i < columnCount; ++i) {
            const QString title = titleAt(titles, i);
            int found = -1;
            for (int f = 0; f < fields.GetCount() && found < 0; ++f) {
                if (fields.Item(f).GetName().compare(title, Qt::CaseInsensitive) == 0)
                    found = f;
            }
            if (found < 0)
                fields.Item(title); // raises "Item not found in this collection."
            columns.push_back(found);
        }
        std::vector<std::unique_ptr<QTreeWidgetItem>> rows;
        if (recordset.GetRecordCount() > 0) {
            recordset.MoveFirst();
            while (!recordset.GetEOF()) {
                auto item = std::make_unique<QTreeWidgetItem>();
                for (int i = 0; i < columnCount; ++i)
                    item->setText(i, fieldText(recordset.GetField(columns[size_t(i)])));
                rows.push_back(std::move(item));
                recordset.MoveNext();
            }
        }
        list->clear();
        QList<QTreeWidgetItem*> items;
        for (auto& row : rows)
            items.append(row.release());
        list->addTopLevelItems(items);
        return 1;
    } catch (const CdbException&) {
        return 0;
    }
}

} // namespace dbhelper
