// The output field's control: read-only lines in a frame that, while the field has the keyboard
// focus, shows it as the frame of a row box does.
#pragma once

#include <QPlainTextEdit>

namespace quodrill {

class OutputView final : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit OutputView(QWidget* parent);

  protected:
    bool event(QEvent* event) override;
};

}  // namespace quodrill
