#include "window/font_fit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <algorithm>

namespace quodrill {

namespace {

constexpr int kSmallestPixelSize = 6;

}  // namespace

void fitCaptionToWidth(QLabel* label, const QStringList& captions) {
    int width = label->width();
    if (const QWidget* parent = label->parentWidget()) {
        width = std::min(width, parent->width() - label->x());
    }
    const QStringList shown = captions.isEmpty() ? QStringList{label->text()} : captions;
    const auto widest = [&shown](const QFont& font) {
        const QFontMetrics metrics(font);
        int most = 0;
        for (const QString& caption : shown) {
            most = std::max(most, metrics.horizontalAdvance(caption));
        }
        return most;
    };
    QFont font = label->font();
    while (font.pixelSize() > kSmallestPixelSize && widest(font) > width) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    label->setFont(font);
}

void fitLinesToHeight(QPlainTextEdit* field, int lines) {
    const int margins =
        2 * (field->frameWidth() + static_cast<int>(field->document()->documentMargin()));
    QFont font = field->font();
    while (font.pixelSize() > kSmallestPixelSize &&
           lines * QFontMetrics(font).lineSpacing() + margins > field->height()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    field->setFont(font);
}

}  // namespace quodrill
