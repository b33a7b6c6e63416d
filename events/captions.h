// The window's own texts: captions, messages and dialog settings, byte for byte (UTF-8).
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>

#include "events/solve_end.h"

namespace quodrill::captions {

constexpr std::string_view kWindowTitle = "Quodrill";
constexpr std::string_view kStatusReady = "Status : Ready (Fill in the numbers)";
constexpr std::string_view kStatusCalculating = "Status : Calculating...";
constexpr std::string_view kStatusComplete = "Status : Complete";
constexpr std::string_view kStatusStopped = "Status : Stopped (too many guesses)";
constexpr std::string_view kStatusNoGuessFinishes =
    "Status : Stopped (no single guess completes it)";
constexpr std::string_view kRepeatCountInitial = "Repeated calculated : 0 times";
constexpr std::string_view kRepeatCountPrefix = "Repeated calculation : ";
constexpr std::string_view kRepeatCountSuffix = " times";
constexpr std::string_view kOutputInitial = "Output field\r\n";
constexpr std::string_view kStart = "Start";
constexpr std::string_view kLoadOpen = "Open";
constexpr std::string_view kLoadReset = "重新";
constexpr std::string_view kBlankHint = "(0 means blank)";
constexpr std::string_view kExampleHint = "For an example, fill in \"test\" + 1~9 in the first row";

constexpr std::string_view kInputFormatPrompt = "輸入格式錯誤!!!";
constexpr std::string_view kInputFormatTitle = "錯誤格式!";

constexpr std::string_view kOpenDialogTitle = "打開文件";
constexpr std::string_view kOpenDialogFilter = "所有支持的格式(*.txt)|*.txt";

constexpr std::string_view kRowHints[9] = {"第一欄位", "第二欄位", "第三欄位",
                                           "第四欄位", "第五欄位", "第六欄位",
                                           "第七欄位", "第八欄位", "第九欄位"};

// The status caption (lagl) of where a solve stands: a refusal leaves the rows Ready. Empty for
// a number that is no value.
constexpr std::string_view statusCaption(SolveEnd end) {
    switch (end) {
        case SolveEnd::Ready:
        case SolveEnd::RowRefused:
        case SolveEnd::DigitRepeats:
            return kStatusReady;
        case SolveEnd::Running:
            return kStatusCalculating;
        case SolveEnd::Solved:
            return kStatusComplete;
        case SolveEnd::GuessLimit:
            return kStatusStopped;
        case SolveEnd::NoGuessFinishes:
            return kStatusNoGuessFinishes;
    }
    return {};
}

namespace detail {

// The status captions of every value, each once, in the order the values first give them.
struct StatusCaptionList {
    std::array<std::string_view, 256> captions{};
    std::size_t count = 0;
};

constexpr StatusCaptionList listStatusCaptions() {
    StatusCaptionList list;
    for (int value = 0; value < 256; ++value) {
        const std::string_view caption = statusCaption(static_cast<SolveEnd>(value));
        if (caption.empty()) {
            break;
        }
        const auto end = list.captions.begin() + static_cast<std::ptrdiff_t>(list.count);
        if (std::find(list.captions.begin(), end, caption) == end) {
            list.captions[list.count++] = caption;
        }
    }
    return list;
}

inline constexpr StatusCaptionList kStatusCaptionList = listStatusCaptions();

template <std::size_t Count>
constexpr std::array<std::string_view, Count> firstStatusCaptions() {
    std::array<std::string_view, Count> captions{};
    std::copy_n(kStatusCaptionList.captions.begin(), Count, captions.begin());
    return captions;
}

}  // namespace detail

// Every caption that a control can take, so that each control can be fitted to the widest of
// its own and named by the one it shows.
inline constexpr std::array kStatusCaptions =
    detail::firstStatusCaptions<detail::kStatusCaptionList.count>();
inline constexpr std::array kLoadButtonCaptions = {kLoadOpen, kLoadReset};

// "Repeated calculation : " + count + " times", built in place.
class RepeatCountCaption {
  public:
    explicit RepeatCountCaption(int count) {
        char* at = std::copy(kRepeatCountPrefix.begin(), kRepeatCountPrefix.end(), chars_.begin());
        at = std::to_chars(at, chars_.end(), count).ptr;
        at = std::copy(kRepeatCountSuffix.begin(), kRepeatCountSuffix.end(), at);
        length_ = static_cast<std::size_t>(at - chars_.begin());
    }
    std::string_view view() const { return {chars_.data(), length_}; }

  private:
    std::array<char, 48> chars_{};
    std::size_t length_ = 0;
};

}  // namespace quodrill::captions
