// What a row box keeps of a text that the program writes into it, the same for the real window
// and for any other window that provides the window operations.
#pragma once

#include <string_view>

namespace quodrill {

// A row box takes at most nine characters, typed or written.
constexpr int kRowBoxLength = 9;

// The first nine characters of a UTF-8 text, counted as the window toolkit counts them (UTF-16
// units: a character beyond the Basic Multilingual Plane counts two) and never split; a byte
// that starts no valid character counts as one.
std::string_view keptRowText(std::string_view text);

}  // namespace quodrill
