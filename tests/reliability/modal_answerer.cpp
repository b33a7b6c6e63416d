#include "tests/reliability/modal_answerer.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace quodrill::testing {

ModalAnswerer::ModalAnswerer(std::function<int()> pollsBeforeAnswer)
    : pollsBeforeAnswer_(std::move(pollsBeforeAnswer)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(3);
}

void ModalAnswerer::poll() {
    // The innermost box is the active modal widget; a box opened inside another comes first.
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr || !box->isVisible()) {
        waitingFor_ = nullptr;
        return;
    }
    if (box != waitingFor_) {
        waitingFor_ = box;
        pollsLeft_ = pollsBeforeAnswer_();
    }
    if (pollsLeft_-- > 0) {
        return;
    }
    waitingFor_ = nullptr;
    // Answered from the event loop rather than from inside this poll, so that a box which the
    // answer itself opens is polled and answered too.
    QTimer::singleShot(0, box, [this, box] { answer(box); });
}

void ModalAnswerer::answer(QWidget* box) {
    if (!box->isVisible()) {
        return;
    }
    if (auto* message = qobject_cast<QMessageBox*>(box)) {
        ++messagesAnswered;
        message->button(QMessageBox::Ok)->click();
    } else if (auto* dialog = qobject_cast<QFileDialog*>(box)) {
        ++dialogsAnswered;
        const QString name = nextFileName;
        nextFileName.clear();
        auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name.isEmpty() || nameBox == nullptr) {
            dialog->reject();
        } else {
            nameBox->setText(name);
            // QDialog's own accept: QFileDialog's would refuse a folder or a missing file, which
            // is what the program has to cope with here.
            dialog->QDialog::accept();
        }
    } else {
        box->close();
    }
}

}  // namespace quodrill::testing
