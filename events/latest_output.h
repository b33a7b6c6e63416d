// The output text that the solver hands over after every pass, held until the window shows it:
// the field gets only the newest text, and only when it differs from the one it shows.
#pragma once

#include <string>
#include <string_view>

namespace quodrill {

class LatestOutput {
  public:
    // Keeps `text` in place of any text not shown yet.
    void hold(std::string_view text) {
        held_.assign(text);
        pending_ = true;
    }

    // Hands the text held last to `show`, once, unless it is the text shown last time.
    template <typename Show>
    void showLatest(Show&& show) {
        if (!pending_) {
            return;
        }
        pending_ = false;
        if (shownOnce_ && held_ == shown_) {
            return;
        }
        shown_ = held_;
        shownOnce_ = true;
        show(std::string_view(shown_));
    }

  private:
    std::string held_;
    std::string shown_;
    bool pending_ = false;
    bool shownOnce_ = false;
};

}  // namespace quodrill
