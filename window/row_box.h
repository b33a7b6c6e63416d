// A row box: a line edit that first offers pasted text to the window, which may take it as a
// whole puzzle, and lets a drag of files through to the window.
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <functional>

namespace quodrill {

class RowBox final : public QLineEdit {
    Q_OBJECT

  public:
    // Returns true when it took the text; otherwise the box pastes it as usual.
    using PasteHandler = std::function<bool(const QString& text)>;

    RowBox(PasteHandler onPaste, QWidget* parent);

    // A paste from the clipboard (or, under X11, the selection), offered to the handler first.
    void pasteFrom(QClipboard::Mode mode);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;

  private:
    PasteHandler onPaste_;
};

}  // namespace quodrill
