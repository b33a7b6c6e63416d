// The program's one window: row boxes, Start, the load button, the output field, labels and
// the three one-shot timers, wired to the solver and the puzzle sources.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "events/latest_output.h"
#include "events/window_ops.h"
#include "solver/guess_outcomes.h"
#include "solver/puzzle_state.h"
#include "solver/random_source.h"

class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace quodrill {

class FramePacer;

class MainWindow final : public QWidget, public WindowOps {
    Q_OBJECT

  public:
    // The guesses draw from `random`, or from the program's clock-seeded generator when none is
    // given.
    explicit MainWindow(std::unique_ptr<RandomSource> random = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // From now on the guesses draw from the generator of `seed`, started afresh whenever a row
    // changes, so that the first Start on a puzzle makes the guesses that `quodrill --solve` makes
    // of it with that seed.
    void drawGuessesFromSeed(std::uint64_t seed);

    // WindowOps
    std::string rowText(int index) const override;
    void setRowText(int index, std::string_view text) override;
    void focusRow(int index) override;
    void setStatusCaption(std::string_view text) override;
    void showRepeatCountLabel() override;
    void setRepeatCountCaption(std::string_view text) override;
    void setOutputText(std::string_view text) override;
    std::string loadButtonCaption() const override;
    void setLoadButtonCaption(std::string_view text) override;
    void armTimer(TimerId timer) override;
    void disarmTimer(TimerId timer) override;
    void showWarningMessage(std::string_view prompt, std::string_view title) override;
    std::string runFileOpenDialog(std::string_view title, std::string_view filter) override;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void createRowBoxes();
    void createButtons();
    void createOutputField();
    void createLabels();
    void createTimers();
    void chainTabOrder();
    QTimer* timer(TimerId id) const;
    bool solverTicking() const;
    void showHeldOutput();

    void Form_Load();
    void T_Change(int index);
    bool T_Paste(const QString& text);
    void SB_Click();
    void Loadb_Click();
    void TT_Timer();
    void Testt_Timer();
    void SBT_Timer();

    PuzzleState state_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<GuessOutcomes> outcomes_ = std::make_unique<GuessOutcomes>();
    std::optional<std::uint64_t> seed_;  // none: `random_` runs on across row changes
    LatestOutput output_;

    // The controls and timers, named and placed as window/form.h says.
    std::array<QLineEdit*, 9> T{};     // the row boxes, T(0) the top row
    QPushButton* SB = nullptr;         // Start
    QPushButton* Loadb = nullptr;      // load, or empty the rows
    QPlainTextEdit* label2 = nullptr;  // the output field
    QLabel* lagl = nullptr;            // the status
    QLabel* RC = nullptr;              // the repeat count
    QLabel* Label1 = nullptr;          // "(0 means blank)"
    QLabel* Label3 = nullptr;          // the example hint
    QTimer* TT = nullptr;              // solve run
    QTimer* Testt = nullptr;           // random guess
    QTimer* SBT = nullptr;             // restart
    FramePacer* pacer_ = nullptr;

    friend struct WindowInspector;  // lets tests read the puzzle state
};

}  // namespace quodrill
