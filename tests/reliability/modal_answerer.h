// Answers the real window's modal boxes while they are open, as a person would after a short
// while: the warning message with OK, the file dialog with a given name or by cancelling. Lets
// timer ticks happen inside the boxes first, and counts what it answered.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace quodrill::testing {

class ModalAnswerer {
  public:
    // `pollsBeforeAnswer` gives, for each box, how many polls (a few milliseconds apart) pass
    // before it is answered.
    explicit ModalAnswerer(std::function<int()> pollsBeforeAnswer);
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    // What the next file dialog is answered with: a name typed into it, or cancel when empty.
    QString nextFileName;

    long messagesAnswered = 0;
    long dialogsAnswered = 0;

  private:
    void poll();
    void answer(QWidget* box);

    std::function<int()> pollsBeforeAnswer_;
    QTimer timer_;
    QObject* waitingFor_ = nullptr;
    int pollsLeft_ = 0;
};

}  // namespace quodrill::testing
