// Keeping windows usable on a small screen (1366x768 at 150% scaling leaves
// 910x512): content scrolls instead of setting the window's minimum size.
#pragma once

class QScrollArea;
class QWidget;

namespace fields {

// A frameless scroll area around `content` that asks for the content's full
// size but may be made smaller, and then scrolls.
QScrollArea* fittingScrollArea(QWidget* content, QWidget* parent);

// Moves everything `window`'s layout holds into a fitting scroll area, which
// becomes the window's only child.
void scrollWholeContent(QWidget* window);

// Shrinks `window` to the screen it is on when it is larger.
void boundToScreen(QWidget* window);

} // namespace fields
