#include "ui/warm_up.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "program/windows.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace vertola::ui {

std::vector<TextSample> textSamples() {
    // A cell lays out its empty text in the default face before it takes its own.
    std::vector<TextSample> samples{{QApplication::font("QLineEdit"), QString()}};
    for (WindowId id : kAllWindows) {
        for (const ControlSpec& design : layoutOf(id).controls) {
            if (design.kind == Kind::Line || design.kind == Kind::Picture) continue;
            const QFont font = controlFont(design);
            auto face = std::find_if(samples.begin(), samples.end(),
                                     [&](const TextSample& seen) { return seen.font == font; });
            if (face == samples.end())
                face = samples.insert(samples.end(), {font, QStringLiteral("0123456789 ")});
            for (QChar c : toQString(design.caption))
                if (c != QLatin1Char('&') && !face->characters.contains(c)) face->characters += c;
        }
    }
    return samples;
}

void warmUpText(const std::vector<TextSample>& samples, qreal devicePixelRatio) {
    // The format of the windows' own backing store, so that the glyphs land in the cache they read.
    QImage canvas(QSize(64, 64) * devicePixelRatio, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&canvas);
    for (const TextSample& sample : samples) {
        painter.setFont(sample.font);
        painter.drawText(QPointF(0, 32),
                         sample.characters.isEmpty() ? QStringLiteral(" ") : sample.characters);
    }
}

AtFirstInput::AtFirstInput(std::function<void()> work) : work_(std::move(work)) {
    qApp->installEventFilter(this);
}

bool AtFirstInput::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Paint:
            if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) painted_ = true;
            break;
        // Not the pointer's entering: a window mapped under a pointer at rest gets that too.
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            if (!painted_) break;
            qApp->removeEventFilter(this);
            // After the event that woke it, which may be the click itself.
            QTimer::singleShot(0, this, [this] {
                if (work_) std::exchange(work_, nullptr)();
            });
            break;
        default: break;
    }
    return false;
}

}  // namespace vertola::ui
