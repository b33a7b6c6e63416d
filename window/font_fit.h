// Font sizes that let a caption or a block of lines fit the fixed size of its control.
#pragma once

#include <QStringList>

class QLabel;
class QPlainTextEdit;

namespace quodrill {

// Shrinks the label's font until each of the captions it can show (its own caption when none are
// given) fits the part of the label inside its parent.
void fitCaptionToWidth(QLabel* label, const QStringList& captions = {});

// Shrinks the field's font until `lines` lines fit its height without scrolling.
void fitLinesToHeight(QPlainTextEdit* field, int lines);

}  // namespace quodrill
