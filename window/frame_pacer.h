// Paces the window's drawing while the solver ticks: held repaints and the output field's newest
// text go out together once a display frame, and on the next turn once the solver stops.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace quodrill {

class FramePacer final : public QObject {
  public:
    // `solverTicking` tells whether a solver timer is armed; `showOutput` hands the newest
    // output text, if any, to the field.
    FramePacer(QWidget* window, std::function<bool()> solverTicking,
               std::function<void()> showOutput);

    // Called after each solver tick: holds its drawing for the frame, or ends the frame on the
    // next turn of the event loop if the solver has stopped.
    void afterSolverTick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void endFrame();

    QWidget* window_;
    std::function<bool()> solverTicking_;
    std::function<void()> showOutput_;
    QTimer frame_;
    bool drawing_ = false;  // the window is being drawn by the pacer itself
};

}  // namespace quodrill
