#include "window/row_box.h"

#include <algorithm>

#include <QAction>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

namespace quodrill {

namespace {

bool isPasteKey(const QKeyEvent* event) {
    return event->matches(QKeySequence::Paste) ||
           (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier);
}

bool holdsLocalFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return false;
    }
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

// The paste action of the line edit's menu: named "edit-paste" in newer Qt versions, known by its
// caption (translated as the line edit translates it, shortcut after a tab) in older ones.
QAction* findPasteAction(const QMenu& menu) {
    const QString caption = QLineEdit::tr("&Paste");
    for (QAction* action : menu.actions()) {
        if (action->objectName() == QLatin1String("edit-paste") || action->text() == caption ||
            action->text().startsWith(caption + QLatin1Char('\t'))) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

RowBox::RowBox(PasteHandler onPaste, QWidget* parent)
    : QLineEdit(parent), onPaste_(std::move(onPaste)) {}

void RowBox::pasteFrom(QClipboard::Mode mode) {
    if (isReadOnly()) {
        return;
    }
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (onPaste_ && onPaste_(text)) {
        return;
    }
    if (mode == QClipboard::Clipboard) {
        paste();
    } else {
        deselect();  // what the line edit does with a middle click
        insert(text);
    }
}

void RowBox::keyPressEvent(QKeyEvent* event) {
    if (isPasteKey(event) && !isReadOnly()) {
        pasteFrom(QClipboard::Clipboard);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void RowBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
        !isReadOnly()) {
        pasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// The line edit's own menu, with its paste action going through pasteFrom.
void RowBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* pasteAction = findPasteAction(*menu)) {
        disconnect(pasteAction, &QAction::triggered, nullptr, nullptr);
        connect(pasteAction, &QAction::triggered, this,
                [this] { pasteFrom(QClipboard::Clipboard); });
    }
    menu->popup(event->globalPos());
}

// Files dragged over a row box are for the window, which loads the first of them; the box takes
// only text.
void RowBox::dragEnterEvent(QDragEnterEvent* event) {
    if (holdsLocalFile(event->mimeData())) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

}  // namespace quodrill
