#include "window/main_window.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <vector>

#include "events/captions.h"
#include "events/guess_restart.h"
#include "events/puzzle_loading.h"
#include "events/row_change.h"
#include "events/row_text.h"
#include "events/solve_tick.h"
#include "events/start.h"
#include "solver/set_up.h"
#include "sources/puzzle_text.h"
#include "window/accessibility.h"
#include "window/command_button.h"
#include "window/font_fit.h"
#include "window/form.h"
#include "window/frame_pacer.h"
#include "window/open_dialog.h"
#include "window/output_view.h"
#include "window/rhythm.h"
#include "window/row_box.h"

namespace quodrill {

namespace {

constexpr int kTextPixelSize = 11;
constexpr int kOutputLines = 9;

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toStdString(const QString& text) {
    return text.toStdString();
}

// The local files among the dragged URLs, by the bytes of their names. A file URL with no host or
// the host "localhost" names a file of this machine, and its path, decoded from the URL's own
// encoding, gives the bytes of the name, also when they are not UTF-8.
std::vector<std::string> localFiles(const QMimeData* data) {
    std::vector<std::string> names;
    if (data == nullptr) {
        return names;
    }
    for (const QUrl& url : data->urls()) {
        const QString host = url.host();
        if (url.scheme() != QLatin1String("file") ||
            (!host.isEmpty() && host != QLatin1String("localhost"))) {
            continue;
        }
        const QByteArray name =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (!name.isEmpty()) {
            names.push_back(name.toStdString());
        }
    }
    return names;
}

// A button caption shows "&" literally rather than as a shortcut marker.
QString toButtonCaption(std::string_view text) {
    return toQString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

std::string fromButtonCaption(const QString& caption) {
    return toStdString(QString(caption).replace(QLatin1String("&&"), QLatin1String("&")));
}

// The engine's lines end in "\r\n"; the field shows each line once.
QString toDisplayLines(std::string_view text) {
    return toQString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// Names the control and puts it in its place on the form.
void placeOnForm(QWidget* control, const form::Control& on) {
    control->setObjectName(QLatin1String(on.name));
    control->setGeometry(form::pixelRect(on.place));
}

QLabel* makeLabel(QWidget* parent, const form::Control& on, std::string_view caption) {
    auto* label = new QLabel(toQString(caption), parent);
    placeOnForm(label, on);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<RandomSource> random, QWidget* parent)
    : QWidget(parent),
      random_(random != nullptr ? std::move(random) : std::make_unique<ClockSeededRandom>()) {
    setWindowTitle(toQString(captions::kWindowTitle));
    setFixedSize(twipsToPixels(form::kWidth), twipsToPixels(form::kHeight));
    QFont textFont = font();
    textFont.setPixelSize(kTextPixelSize);
    setFont(textFont);

    createRowBoxes();
    createButtons();
    createOutputField();
    createLabels();
    createTimers();
    chainTabOrder();
    describeControls(this);
    T[0]->setFocus();
    setAcceptDrops(true);

    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::drawGuessesFromSeed(std::uint64_t seed) {
    seed_ = seed;
    random_ = std::make_unique<SeededRandom>(seed);
}

void MainWindow::createRowBoxes() {
    for (int i = 0; i < 9; ++i) {
        auto* box = new RowBox([this](const QString& text) { return T_Paste(text); }, this);
        placeOnForm(box, form::T[static_cast<std::size_t>(i)]);
        box->setMaxLength(kRowBoxLength);
        box->setToolTip(toQString(captions::kRowHints[i]));
        box->setAccessibleName(toQString(captions::kRowHints[i]));
        connect(box, &QLineEdit::textChanged, this, [this, i] { T_Change(i); });
        T[i] = box;
    }
}

void MainWindow::createButtons() {
    SB = new CommandButton(toButtonCaption(captions::kStart), this);
    placeOnForm(SB, form::SB);
    connect(SB, &QPushButton::clicked, this, &MainWindow::SB_Click);

    Loadb = new CommandButton(toButtonCaption(captions::kLoadOpen), this);
    placeOnForm(Loadb, form::Loadb);
    connect(Loadb, &QPushButton::clicked, this, &MainWindow::Loadb_Click);
}

void MainWindow::createOutputField() {
    label2 = new OutputView(this);
    placeOnForm(label2, form::label2);
    label2->setReadOnly(true);
    label2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label2->setFocusPolicy(Qt::StrongFocus);
    label2->setTabChangesFocus(true);
    label2->setLineWrapMode(QPlainTextEdit::NoWrap);
    label2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    label2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    label2->document()->setDocumentMargin(1);
    label2->setPlainText(toDisplayLines(captions::kOutputInitial));
    fitLinesToHeight(label2, kOutputLines);
}

void MainWindow::createLabels() {
    lagl = makeLabel(this, form::lagl, captions::kStatusReady);
    // The status captions are the longest for their width: in a condensed face (made narrower
    // where the font has none) they keep the size of the other captions, rather than shrink
    // until letters run together.
    QFont narrow = lagl->font();
    narrow.setStretch(QFont::Condensed);
    lagl->setFont(narrow);
    QStringList statusCaptions;
    for (std::string_view caption : captions::kStatusCaptions) {
        statusCaptions << toQString(caption);
    }
    fitCaptionToWidth(lagl, statusCaptions);

    RC = makeLabel(this, form::RC, captions::kRepeatCountInitial);
    fitCaptionToWidth(RC, {toQString(captions::kRepeatCountInitial),
                           toQString(captions::RepeatCountCaption(kCounterLimit).view())});
    RC->hide();

    Label1 = makeLabel(this, form::Label1, captions::kBlankHint);
    fitCaptionToWidth(Label1);

    Label3 = makeLabel(this, form::Label3, captions::kExampleHint);
    fitCaptionToWidth(Label3);
}

void MainWindow::createTimers() {
    const auto makeTimer = [this](const char* name) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QLatin1String(name));
        timer->setSingleShot(true);
        timer->setInterval(rhythm::kTickMs);
        return timer;
    };
    TT = makeTimer(form::TT);
    Testt = makeTimer(form::Testt);
    SBT = makeTimer(form::SBT);
    connect(TT, &QTimer::timeout, this, &MainWindow::TT_Timer);
    connect(Testt, &QTimer::timeout, this, &MainWindow::Testt_Timer);
    connect(SBT, &QTimer::timeout, this, &MainWindow::SBT_Timer);
    rhythm::wakeOnTime();
    pacer_ = new FramePacer(
        this, [this] { return solverTicking(); }, [this] { showHeldOutput(); });
}

void MainWindow::chainTabOrder() {
    std::vector<QWidget*> chain(T.begin(), T.end());
    chain.insert(chain.end(), {SB, Loadb, label2});
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

bool MainWindow::solverTicking() const {
    return TT->isActive() || Testt->isActive() || SBT->isActive();
}

// Gives the field the newest text it has not shown.
void MainWindow::showHeldOutput() {
    output_.showLatest(
        [this](std::string_view text) { label2->setPlainText(toDisplayLines(text)); });
}

QTimer* MainWindow::timer(TimerId id) const {
    switch (id) {
        case TimerId::TT:
            return TT;
        case TimerId::Testt:
            return Testt;
        case TimerId::SBT:
            return SBT;
    }
    return TT;
}

// Window operations.

std::string MainWindow::rowText(int index) const {
    return toStdString(T.at(static_cast<std::size_t>(index))->text());
}

void MainWindow::setRowText(int index, std::string_view text) {
    QLineEdit* box = T.at(static_cast<std::size_t>(index));
    const QString shown = toQString(keptRowText(text));
    if (box->text() != shown) {
        box->setText(shown);  // its textChanged runs T_Change before this returns
    }
}

void MainWindow::focusRow(int index) {
    T.at(static_cast<std::size_t>(index))->setFocus(Qt::OtherFocusReason);
}

void MainWindow::setStatusCaption(std::string_view text) {
    setAnnouncedCaption(lagl, toQString(text));
}

void MainWindow::showRepeatCountLabel() {
    RC->show();
}

void MainWindow::setRepeatCountCaption(std::string_view text) {
    RC->setText(toQString(text));
}

void MainWindow::setOutputText(std::string_view text) {
    output_.hold(text);  // shown when the solve run's tick ends
}

std::string MainWindow::loadButtonCaption() const {
    return fromButtonCaption(Loadb->text());
}

void MainWindow::setLoadButtonCaption(std::string_view text) {
    Loadb->setText(toButtonCaption(text));
}

void MainWindow::armTimer(TimerId id) {
    QTimer* armed = timer(id);
    if (!armed->isActive()) {
        armed->start();
    }
}

void MainWindow::disarmTimer(TimerId id) {
    timer(id)->stop();
}

void MainWindow::showWarningMessage(std::string_view prompt, std::string_view title) {
    QMessageBox box(QMessageBox::Warning, toQString(title), toQString(prompt), QMessageBox::Ok,
                    this);
    box.exec();  // a nested event loop: the timers keep ticking
}

std::string MainWindow::runFileOpenDialog(std::string_view title, std::string_view filter) {
    const QString name = runOpenFileDialog(this, toQString(title), toQString(filter));
    return QFile::encodeName(name).toStdString();
}

// Event handlers.

void MainWindow::Form_Load() {
    forgetSetUp(state_);
}

void MainWindow::T_Change(int index) {
    if (seed_) {
        random_ = std::make_unique<SeededRandom>(*seed_);
    }
    quodrill::T_Change(state_, *this, index);
}

// A paste into any row box that holds a whole puzzle writes the nine rows as a load does; any
// other paste is the row box's own.
bool MainWindow::T_Paste(const QString& text) {
    const PuzzleText puzzle = parsePuzzleText(toStdString(text));
    if (!puzzle) {
        return false;
    }
    writePuzzleRows(*this, puzzle.cells);
    return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

// Files dropped anywhere on the window: the first of them that holds a puzzle, read as a paste
// is read, is loaded into the rows.
void MainWindow::dropEvent(QDropEvent* event) {
    loadFirstPuzzleFile(*this, localFiles(event->mimeData()));
    event->acceptProposedAction();
}

void MainWindow::SB_Click() {
    quodrill::SB_Click(state_, *this);
}

void MainWindow::Loadb_Click() {
    quodrill::Loadb_Click(state_, *this);
}

void MainWindow::TT_Timer() {
    quodrill::TT_Timer(state_, *this);  // hands over the text after every pass
    pacer_->afterSolverTick();
}

void MainWindow::Testt_Timer() {
    quodrill::Testt_Timer(state_, *this, *random_, *outcomes_);
    pacer_->afterSolverTick();
}

void MainWindow::SBT_Timer() {
    quodrill::SBT_Timer(state_, *this);
    pacer_->afterSolverTick();
}

}  // namespace quodrill
