#include "window/output_view.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace quodrill {

OutputView::OutputView(QWidget* parent) : QPlainTextEdit(parent) {}

// A scroll area paints only its frame itself (its text is painted by the viewport). Styles draw a
// panel's frame the same with or without the focus, a line edit's frame with it: with the focus,
// the frame is drawn as a line edit's.
bool OutputView::event(QEvent* event) {
    if (event->type() != QEvent::Paint || !hasFocus()) {
        return QPlainTextEdit::event(event);
    }
    QPainter painter(this);
    QStyleOptionFrame frame;
    initStyleOption(&frame);
    style()->drawPrimitive(QStyle::PE_FrameLineEdit, &frame, &painter, this);
    return true;
}

}  // namespace quodrill
