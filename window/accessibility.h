// What screen readers are told about the window: a name and, where it helps, a description for
// every control, and an announcement whenever the status label changes.
#pragma once

class QLabel;
class QString;
class QWidget;

namespace quodrill {

// Describes the window and its controls, found by their object names (window/form.h). The row
// boxes keep their hints as names, the buttons and labels are named by their captions, the output
// field is named "Output field".
void describeControls(QWidget* window);

// Sets the label's caption and, when it differs from the one shown, announces it: the label's
// accessible name follows the caption, and screen readers are told that the name changed. The
// same caption again announces nothing.
void setAnnouncedCaption(QLabel* label, const QString& caption);

}  // namespace quodrill
