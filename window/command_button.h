// A command button that Return and keypad Enter press while it has the keyboard focus, as Space
// does. It is never the window's default button: Return in another control presses nothing.
#pragma once

#include <QPushButton>

namespace quodrill {

class CommandButton final : public QPushButton {
    Q_OBJECT

  public:
    CommandButton(const QString& caption, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quodrill
