#include "ui/picture_widget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace vertola::ui {

namespace {

// The face that the drawings' text asks for, as Debian installs it.
constexpr const char* kDrawingFontDir = "/usr/share/fonts/opentype/comic-neue";

// Qt takes antialiasing and hinting from the desktop's Xft settings on these desktops, and the
// user's own fontconfig file may change them too: the build cannot have seen either.
bool renderingIsLocal() {
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP");
    for (const char* name : {"GNOME", "UNITY", "XFCE"})
        if (desktop.split(':').contains(name)) return true;
    QStringList userFiles{QDir::homePath() + QStringLiteral("/.fonts.conf")};
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
    userFiles << config + QStringLiteral("/fontconfig/fonts.conf");
    for (const QString& file : userFiles)
        if (QFileInfo::exists(file)) return true;
    return false;
}

bool copiesFit() {
    static const bool fit = [] {
        if (renderingIsLocal()) return false;
        QFile built(QStringLiteral(":/pictures/fingerprint.txt"));
        return built.open(QIODevice::ReadOnly) && QString::fromUtf8(built.readAll()) == renderingFingerprint();
    }();
    return fit;
}

}  // namespace

QString prerenderedName(const QString& window, const QString& control, qreal scale) {
    return QStringLiteral("%1-%2@%3.rgb32").arg(window, control).arg(scale);
}

QString renderingFingerprint() {
    QStringList parts{QString::fromLatin1(qVersion())};
    parts << QDir(QStringLiteral("/etc/fonts/conf.d")).entryList(QDir::Files | QDir::System, QDir::Name);
    for (const QFileInfo& font : QDir(QString::fromLatin1(kDrawingFontDir)).entryInfoList(QDir::Files, QDir::Name))
        parts << QStringLiteral("%1:%2:%3").arg(font.fileName()).arg(font.size()).arg(font.lastModified().toSecsSinceEpoch());
    return parts.join(QLatin1Char('\n'));
}

// A drawing is mostly flat colour: its pixels go as runs of one colour and stretches of single
// pixels, each behind a word of its length and kind, which the copy unpacks far faster than it
// inflates the raw pixels.
QByteArray packPixels(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    QList<quint32> words;
    const auto* p = reinterpret_cast<const quint32*>(pixels.constBits());
    const qsizetype count = pixels.sizeInBytes() / 4;
    qsizetype i = 0;
    while (i < count) {
        qsizetype run = 1;
        while (i + run < count && p[i + run] == p[i]) ++run;
        if (run >= 3) {
            words << (static_cast<quint32>(run) << 1 | 1u) << p[i];
            i += run;
            continue;
        }
        qsizetype single = 0;
        while (i + single < count && !(i + single + 2 < count && p[i + single] == p[i + single + 1] &&
                                       p[i + single] == p[i + single + 2]))
            ++single;
        words << (static_cast<quint32>(single) << 1);
        for (qsizetype k = 0; k < single; ++k) words << p[i + k];
        i += single;
    }
    return QByteArray(reinterpret_cast<const char*>(words.constData()), words.size() * 4);
}

QImage prerenderedCopy(const QString& window, const QString& control, QSize size, qreal scale) {
    QFile file(QStringLiteral(":/pictures/") + prerenderedName(window, control, scale));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray packed = file.readAll();
    QImage copy(size * scale, QImage::Format_RGB32);
    if (copy.isNull() || packed.size() % 4 != 0) return {};
    auto* out = reinterpret_cast<quint32*>(copy.bits());
    const qsizetype total = copy.sizeInBytes() / 4;
    const auto* in = reinterpret_cast<const quint32*>(packed.constData());
    const qsizetype words = packed.size() / 4;
    qsizetype at = 0;
    qsizetype i = 0;
    // A copy that does not fill the picture exactly is not used.
    while (i < words) {
        const quint32 length = in[i] >> 1;
        const bool run = in[i] & 1u;
        ++i;
        if (length > total - at || (run ? words - i < 1 : words - i < length)) return {};
        if (run) {
            std::fill_n(out + at, length, in[i++]);
        } else {
            std::memcpy(out + at, in + i, length * 4u);
            i += length;
        }
        at += length;
    }
    if (at != total) return {};
    copy.setDevicePixelRatio(scale);
    return copy;
}

QImage PictureWidget::prerendered() const {
    const QWidget* window = parentWidget();
    if (!window || window->objectName().isEmpty() || !copiesFit()) return {};
    return prerenderedCopy(window->objectName(), objectName(), size(), devicePixelRatio());
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    const QImage copy = prerendered();
    if (copy.isNull()) {
        QSvgWidget::paintEvent(event);
        return;
    }
    QPainter(this).drawImage(QPoint(0, 0), copy);
}

}  // namespace vertola::ui
