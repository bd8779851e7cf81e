// The "Price Special Profiles" dialog: the widgets of the price special and
// door access profile editor. It hands every button, menu, list and field
// event to its PriceSpecialsSession and shows the session's view.
#pragma once

#include "specials/price_specials_session.h"

#include <QDialog>

#include <memory>

class QLineEdit;
class QTreeWidget;

namespace Ui {
class PriceSpecialsDialog;
}

namespace specials {

class PriceSpecialsDialog : public QDialog {
    Q_OBJECT
public:
    // The database and the PRICE PROFILES recordset stay open for the
    // dialog's lifetime and are closed by its opener.
    PriceSpecialsDialog(Mode mode, uint16_t custId, Rights rights, CdbDatabase database,
                        CdbRecordset profiles, QWidget* parent = nullptr);
    ~PriceSpecialsDialog() override;

    const PriceSpecialsSession& session() const { return *session_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyMode(Mode mode);
    void buildMenu();
    void connectControls();

    template <class Action> void act(Action action);
    SpecialsFields readFields() const;
    void showView();
    void showRows(QTreeWidget* list, const QList<QStringList>& rows, QList<QStringList>& shown);
    void showControls(const SpecialsControls& controls);

    std::unique_ptr<Ui::PriceSpecialsDialog> ui_;
    std::unique_ptr<PriceSpecialsSession> session_;
    QList<QStringList> shownProfiles_;
    QList<QStringList> shownEntries_;
    QList<QAction*> profileActions_;
    bool showing_ = false;
    bool leaving_ = false;
};

} // namespace specials
