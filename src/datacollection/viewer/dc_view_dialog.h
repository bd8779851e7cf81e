// The one dialog class of the five record views: it loads the form of the
// content's view and fills it by control name, so every view shares the same
// code and the forms hold only layout.
#pragma once

#include "datacollection/dc_view_content.h"

#include <QDialog>

namespace datacollection {

class DcViewDialog : public QDialog {
    Q_OBJECT
public:
    // `content` must have a view (kind other than None).
    explicit DcViewDialog(const DcViewContent& content, QWidget* parent = nullptr);

private:
    void loadForm(DcViewKind kind);
    void showFields(const QList<DcViewField>& fields);
    void hideEmptyGroups(const QList<DcViewField>& fields);
    void showButtons(const QList<DcViewButton>& buttons);
};

} // namespace datacollection
