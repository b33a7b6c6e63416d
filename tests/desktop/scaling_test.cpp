// The window at the scale factor it is started with (QT_SCALE_FACTOR: 1, 1.5, 2): the layout
// scales as a whole, no caption or text is clipped, and no text runs into another control. Text
// is found in pictures of the window: the pixels that change when a control's text is taken
// away. On the xcb platform the pictures are taken from the X server's screen.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <cstdlib>
#include <functional>
#include <memory>

#include "events/captions.h"
#include "solver/puzzle_state.h"
#include "window/form.h"
#include "window/main_window.h"

namespace quodrill {
namespace {

// A channel that moves by more than this between two pictures counts as ink.
constexpr int kInkThreshold = 40;

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

double expectedScale() {
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

// The bounding box of the pixels that differ between two pictures of the same size; empty when
// none do.
QRect inkBetween(const QImage& with, const QImage& without) {
    const QImage a = with.convertToFormat(QImage::Format_ARGB32);
    const QImage b = without.convertToFormat(QImage::Format_ARGB32);
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = rowA[x];
            const QRgb r = rowB[x];
            if (std::abs(qRed(p) - qRed(r)) > kInkThreshold ||
                std::abs(qGreen(p) - qGreen(r)) > kInkThreshold ||
                std::abs(qBlue(p) - qBlue(r)) > kInkThreshold ||
                std::abs(qAlpha(p) - qAlpha(r)) > kInkThreshold) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The ink of a text: two pictures, with the text set and with it taken away again.
QRect inkOfText(const std::function<void(const QString&)>& setText, const QString& text,
                const std::function<QImage()>& picture) {
    setText(text);
    const QImage with = picture();
    setText(QString());
    const QImage without = picture();
    setText(text);
    if (with.size() != without.size()) {
        return {};
    }
    return inkBetween(with, without);
}

// The same text, drawn by a control of the same kind and font with room to spare: what the text
// looks like when nothing clips it.
QRect unclippedInk(QWidget* like, const QString& text) {
    std::unique_ptr<QWidget> wide;
    std::function<void(const QString&)> setText;
    if (qobject_cast<QLabel*>(like) != nullptr) {
        auto* label = new QLabel;
        label->setTextFormat(Qt::PlainText);
        setText = [label](const QString& t) { label->setText(t); };
        wide.reset(label);
    } else if (qobject_cast<QPushButton*>(like) != nullptr) {
        auto* button = new QPushButton;
        setText = [button](const QString& t) { button->setText(t); };
        wide.reset(button);
    } else {
        auto* box = new QLineEdit;
        setText = [box](const QString& t) { box->setText(t); };
        wide.reset(box);
    }
    wide->setFont(like->font());
    wide->setFixedSize(like->width() * 4, like->height() * 4);
    return inkOfText(setText, text, [&wide] { return wide->grab().toImage(); });
}

}  // namespace

class ScalingTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<MainWindow> window;
    double scale = 1.0;

    QWidget* control(const QString& name) const {
        auto* found = window->findChild<QWidget*>(name);
        if (found == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }

    // The part of a control that the window shows (Label1 reaches past the window's edge).
    QRect visibleRect(QWidget* widget) const { return widget->geometry() & window->rect(); }

    // A picture of part of the window, in device pixels, as it is on the screen.
    QImage picture(const QRect& area) const {
        window->repaint();
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            return window->screen()
                ->grabWindow(window->winId(), area.x(), area.y(), area.width(), area.height())
                .toImage();
        }
        return window->grab(area).toImage();
    }

    // The ink of a control's text, in device pixels relative to the window.
    QRect inkInWindow(QWidget* widget, const QString& text) {
        const QRect area = visibleRect(widget);
        const QRect ink = inkOfText(setterFor(widget), text, [&] { return picture(area); });
        return ink.translated(qRound(area.x() * scale), qRound(area.y() * scale));
    }

    std::function<void(const QString&)> setterFor(QWidget* widget) {
        WindowOps& ops = *window;
        if (widget->objectName() == QLatin1String(form::lagl.name)) {
            return [&ops](const QString& t) { ops.setStatusCaption(t.toStdString()); };
        }
        if (widget->objectName() == QLatin1String(form::RC.name)) {
            return [&ops](const QString& t) { ops.setRepeatCountCaption(t.toStdString()); };
        }
        if (widget->objectName() == QLatin1String(form::Loadb.name)) {
            return [&ops](const QString& t) { ops.setLoadButtonCaption(t.toStdString()); };
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            return [label](const QString& t) { label->setText(t); };
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            return [button](const QString& t) { button->setText(t); };
        }
        if (auto* field = qobject_cast<QPlainTextEdit*>(widget)) {
            return [field](const QString& t) { field->setPlainText(t); };
        }
        auto* box = qobject_cast<QLineEdit*>(widget);
        return [box](const QString& t) { box->setText(t); };
    }

    // Every text each control can show, the longest ones included.
    static void addTexts() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const auto add = [](const char* name, const QString& text) {
            QTest::addRow("%s %s", name, qPrintable(text)) << QString::fromLatin1(name) << text;
        };
        for (std::string_view status : captions::kStatusCaptions) {
            add(form::lagl.name, q(status));
        }
        add(form::RC.name, q(captions::kRepeatCountInitial));
        add(form::RC.name, q(captions::RepeatCountCaption(kCounterLimit).view()));
        add(form::Label1.name, q(captions::kBlankHint));
        add(form::Label3.name, q(captions::kExampleHint));
        add(form::SB.name, q(captions::kStart));
        for (std::string_view caption : captions::kLoadButtonCaptions) {
            add(form::Loadb.name, q(caption));
        }
        for (int i = 0; i < 9; ++i) {
            add(form::T[i].name, QStringLiteral("888888888"));
        }
    }

  private slots:
    void init() {
        scale = expectedScale();
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // No blinking text cursor in the pictures.
        if (QWidget* focused = QApplication::focusWidget()) {
            focused->clearFocus();
        }
        control(QLatin1String(form::RC.name))->show();
    }
    void cleanup() { window.reset(); }

    // The layout keeps its device-independent geometry; the screen shows it `scale` times as big.
    void theWindowScalesAsAWhole() {
        QCOMPARE(window->devicePixelRatioF(), scale);
        QCOMPARE(window->size(), QSize(254, 178));
        const QImage whole = picture(window->rect());
        QCOMPARE(whole.width(), qRound(254 * scale));
        QCOMPARE(whole.height(), qRound(178 * scale));
        for (QWidget* widget :
             window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QRect area = visibleRect(widget);
            const QImage part = picture(area);
            QVERIFY2(std::abs(part.width() - area.width() * scale) <= 1 &&
                         std::abs(part.height() - area.height() * scale) <= 1,
                     qPrintable(widget->objectName()));
        }
    }

    void noCaptionIsClipped_data() { addTexts(); }
    void noCaptionIsClipped() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget* widget = control(name);

        // By the font's measure, the text fits the part of the control the window shows.
        const double advance = QFontMetricsF(widget->font()).horizontalAdvance(text);
        int room = visibleRect(widget).width();
        if (qobject_cast<QPushButton*>(widget) != nullptr) {
            room -= 2 * widget->style()->pixelMetric(QStyle::PM_ButtonMargin);
        } else if (qobject_cast<QLineEdit*>(widget) != nullptr) {
            room -= 2 * (widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2);
        }
        QVERIFY2(advance <= room,
                 qPrintable(QStringLiteral("%1 wide, room for %2").arg(advance).arg(room)));

        // On the screen, the text shows as much ink as when nothing bounds it.
        const QRect shown = inkInWindow(widget, text);
        const QRect whole = unclippedInk(widget, text);
        QVERIFY(!whole.isEmpty());
        QVERIFY2(shown.width() >= whole.width() - 1 && shown.height() >= whole.height() - 1,
                 qPrintable(QStringLiteral("ink %1x%2 on the screen, %3x%4 unbounded")
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(whole.width())
                                .arg(whole.height())));
    }

    // The ink of each text stays off every other control, also where controls overlap by design
    // (the row boxes by 30 twips, the status label and the output field, the repeat count and
    // the example hint by 15).
    void noTextRunsIntoAnotherControl_data() { addTexts(); }
    void noTextRunsIntoAnotherControl() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget* widget = control(name);
        const QRect ink = inkInWindow(widget, text);
        QVERIFY(!ink.isEmpty());
        const QRectF inkArea(ink);
        for (QWidget* other :
             window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (other == widget || other->isHidden()) {
                continue;
            }
            const QRectF otherArea(other->x() * scale, other->y() * scale, other->width() * scale,
                                   other->height() * scale);
            const QRectF shared = inkArea & otherArea;
            QVERIFY2(shared.width() < 1 || shared.height() < 1,
                     qPrintable(QStringLiteral("the ink of %1 reaches into %2")
                                    .arg(name, other->objectName())));
        }
    }

    // The status is drawn as tall as the example hint at the bottom, whatever it says (to a device
    // pixel, which fractional scales round either way): its captions are the longest for their
    // width, and a font shrunk to fit them runs letters together.
    void theStatusIsAsTallAsTheBottomCaption() {
        const int bottom =
            inkInWindow(control(QLatin1String(form::Label3.name)), q(captions::kExampleHint))
                .height();
        QVERIFY(bottom > 0);
        for (std::string_view status : captions::kStatusCaptions) {
            const int height =
                inkInWindow(control(QLatin1String(form::lagl.name)), q(status)).height();
            QVERIFY2(height >= bottom - 1,
                     qPrintable(QStringLiteral("%1: %2 pixels tall, against %3")
                                    .arg(q(status))
                                    .arg(height)
                                    .arg(bottom)));
        }
    }

    // The output field shows all nine lines of nine digits without scrolling, inside its frame.
    // (The line break after the ninth line starts an empty tenth line, which need not show.)
    void theOutputFieldShowsNineLinesWhole() {
        auto* field = qobject_cast<QPlainTextEdit*>(control(QLatin1String(form::label2.name)));
        QVERIFY(field != nullptr);
        QStringList lines;
        for (int r = 0; r < 9; ++r) {
            lines << QStringLiteral("888888888");
        }
        const QString text = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
        const QRect ink = inkInWindow(field, text);
        // The ninth line ends inside the field's viewport, seen from its top.
        QCOMPARE(field->verticalScrollBar()->value(), 0);
        QCOMPARE(field->horizontalScrollBar()->maximum(), 0);
        QTextCursor lastLine(field->document()->findBlockByNumber(8));
        lastLine.movePosition(QTextCursor::EndOfBlock);
        QVERIFY(field->viewport()->rect().contains(field->cursorRect(lastLine)));
        const QRect viewport(field->viewport()->mapTo(window.get(), QPoint(0, 0)),
                             field->viewport()->size());
        const QRectF viewportArea(viewport.x() * scale, viewport.y() * scale,
                                  viewport.width() * scale, viewport.height() * scale);
        QVERIFY2(viewportArea.adjusted(-0.5, -0.5, 0.5, 0.5).contains(QRectF(ink)),
                 qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())));
        // Nine lines of ink: the ink is taller than eight lines.
        QVERIFY(ink.height() > 8 * QFontMetricsF(field->font()).lineSpacing() * scale);
    }
};

}  // namespace quodrill

QTEST_MAIN(quodrill::ScalingTest)
#include "scaling_test.moc"
