// The operations through which the event handlers reach the main window's controls. The Qt
// window provides them on real controls, the plain window (events/plain_window.h) on values.
#pragma once

#include <string>
#include <string_view>

#include "events/captions.h"
#include "events/solve_end.h"
#include "solver/puzzle_state.h"

namespace quodrill {

// The three one-shot timers, named as the window names them.
enum class TimerId {
    TT,     // the solve run (TT_Timer): one run of propagation passes
    Testt,  // the random guess after a first stall (Testt_Timer)
    SBT,    // the restart after a second stall (SBT_Timer): Start again from the rows
};
constexpr int kTimerCount = 3;

// All texts are UTF-8.
class WindowOps {
  public:
    virtual ~WindowOps() = default;

    // Row box T(index), index 0 to 8.
    virtual std::string rowText(int index) const = 0;
    // Shows `text` in T(index). When it differs from what the box held, T_Change(index) runs to
    // its end before this returns.
    virtual void setRowText(int index, std::string_view text) = 0;

    virtual void setStatusCaption(std::string_view text) = 0;       // lagl
    virtual void showRepeatCountLabel() = 0;                        // RC visible, caption kept
    virtual void setRepeatCountCaption(std::string_view text) = 0;  // RC
    virtual void setOutputText(std::string_view text) = 0;          // label2, replaced whole
    virtual std::string loadButtonCaption() const = 0;              // Loadb
    virtual void setLoadButtonCaption(std::string_view text) = 0;

    // Arming schedules one run of the timer's handler on a later turn of the event loop; arming
    // an armed timer changes nothing. Disarming cancels a scheduled run.
    virtual void armTimer(TimerId timer) = 0;
    virtual void disarmTimer(TimerId timer) = 0;

    // Where the solve stands, as the handler that decides it sets it: lagl shows its caption. A
    // window that reports the value itself (the headless solver's) keeps it as well.
    virtual void showSolveEnd(SolveEnd end) { setStatusCaption(captions::statusCaption(end)); }
    // A solve run has ended after `passes` passes; only a window that reports figures counts them.
    virtual void countSolveRun(int /*passes*/) {}
    // Whether anyone reads label2: the headless solver's window has none, and the grid is then
    // not rendered for it after every pass.
    virtual bool showsOutputField() const { return true; }
    // The guesses after which the guess tick stops the chain: the counter's own limit in the
    // window, lower when --max-guesses asks for it.
    virtual int guessLimit() const { return kCounterLimit; }

    // Modal message box with one OK button and the warning icon; returns once it is closed.
    virtual void showWarningMessage(std::string_view prompt, std::string_view title) = 0;
    // Modal file-open dialog; returns the chosen file name, or whatever the dialog reports when
    // it was cancelled (an empty name here).
    virtual std::string runFileOpenDialog(std::string_view title, std::string_view filter) = 0;
};

}  // namespace quodrill
