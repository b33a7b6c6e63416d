#include "window/frame_pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <utility>

#include "window/rhythm.h"

namespace quodrill {

FramePacer::FramePacer(QWidget* window, std::function<bool()> solverTicking,
                       std::function<void()> showOutput)
    : QObject(window),
      window_(window),
      solverTicking_(std::move(solverTicking)),
      showOutput_(std::move(showOutput)) {
    frame_.setSingleShot(true);
    connect(&frame_, &QTimer::timeout, this, &FramePacer::endFrame);
    window->installEventFilter(this);
}

void FramePacer::afterSolverTick() {
    if (!solverTicking_()) {
        frame_.start(0);
    } else if (!frame_.isActive()) {
        frame_.start(rhythm::kFrameMs);
    }
}

// Qt draws a window when it receives an update request. Qt sleeps until a timer is due in whole
// milliseconds counted from the moment it goes to sleep, so any work between two ticks makes the
// next tick later: while the solver ticks, the request waits for the end of the frame.
bool FramePacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::UpdateRequest && !drawing_ &&
        solverTicking_()) {
        if (!frame_.isActive()) {
            frame_.start(rhythm::kFrameMs);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void FramePacer::endFrame() {
    showOutput_();
    drawing_ = true;
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window_, &request);  // draws what changed since the last frame
    drawing_ = false;
}

}  // namespace quodrill
