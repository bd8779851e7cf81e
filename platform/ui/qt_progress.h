// The progress window as a QProgressDialog: window title, step text as label,
// range 0..steps, one value per step. It shows at once and paints before the
// work goes on, since the work runs on the GUI thread.
#pragma once

#include "services/progress.h"

#include <QPointer>
#include <QProgressDialog>

namespace ui {

class QtProgress : public promptui::ProgressService {
public:
    QtProgress() = default;
    ~QtProgress() override;
    QtProgress(const QtProgress&) = delete;
    QtProgress& operator=(const QtProgress&) = delete;

    void show(const QString& title, int steps) override;
    void step(const QString& text) override;
    void end() override;

    // The open window, null when none is open.
    QProgressDialog* dialog() const { return dialog_; }

private:
    QPointer<QProgressDialog> dialog_;
};

QtProgress& qtProgress();

} // namespace ui
