#include "fields/screen_fit.h"

#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace fields {
namespace {

class FittingScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override
    {
        const QSize content = widget() != nullptr ? widget()->sizeHint() : QSize();
        const int frame = 2 * frameWidth();
        return content + QSize(frame + verticalScrollBar()->sizeHint().width(), frame);
    }
};

} // namespace

QScrollArea* fittingScrollArea(QWidget* content, QWidget* parent)
{
    auto* scroll = new FittingScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    return scroll;
}

void scrollWholeContent(QWidget* window)
{
    QLayout* layout = window->layout();
    if (layout == nullptr)
        return;
    auto* content = new QWidget;
    content->setLayout(layout); // takes the layout and its widgets from the window
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(fittingScrollArea(content, window));
}

void boundToScreen(QWidget* window)
{
    if (const QScreen* screen = window->screen())
        window->resize(window->size().boundedTo(screen->availableGeometry().size()));
}

} // namespace fields
