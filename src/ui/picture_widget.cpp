#include "ui/picture_widget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
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

QImage prerenderedCopy(const QString& window, const QString& control, QSize size, qreal scale) {
    QFile file(QStringLiteral(":/pictures/") + prerenderedName(window, control, scale));
    if (!file.open(QIODevice::ReadOnly)) return {};
    // Raw pixels rather than an image file: no decoder to run and no image plugins to look up.
    const QByteArray pixels = file.readAll();
    QImage copy(size * scale, QImage::Format_RGB32);
    if (copy.isNull() || pixels.size() != copy.sizeInBytes()) return {};
    std::memcpy(copy.bits(), pixels.constData(), static_cast<std::size_t>(pixels.size()));
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
