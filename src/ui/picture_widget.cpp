#include "ui/picture_widget.h"

#include "ui/memory_pages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QResource>
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

}  // namespace

bool prerenderedCopiesFit() {
    static const bool fit = [] {
        if (renderingIsLocal()) return false;
        QFile built(QStringLiteral(":/pictures/fingerprint.txt"));
        return built.open(QIODevice::ReadOnly) && QString::fromUtf8(built.readAll()) == renderingFingerprint();
    }();
    return fit;
}

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

PixelUnpacker::PixelUnpacker(const QByteArray& packed, qsizetype total)
    : in_(packed.constData()),
      words_(packed.size() / 4),
      total_(total),
      good_(packed.size() % 4 == 0 && total >= 0) {}

bool PixelUnpacker::next(quint32* out, qsizetype count) {
    if (!good_ || count > total_ - given_) return good_ = false;
    while (count > 0) {
        if (left_ == 0) {
            if (word_ == words_) return good_ = false;
            left_ = word(word_) >> 1;
            run_ = word(word_) & 1u;
            ++word_;
            // A copy that does not fill the picture exactly is not used.
            if (left_ > total_ - given_ || (run_ ? words_ - word_ < 1 : words_ - word_ < left_)) return good_ = false;
            if (left_ == 0) {
                if (run_) ++word_;
                continue;
            }
        }
        const qsizetype now = std::min<qsizetype>(left_, count);
        if (run_) {
            std::fill_n(out, now, word(word_));
        } else {
            std::memcpy(out, in_ + word_ * 4, static_cast<std::size_t>(now) * 4u);
            word_ += now;
        }
        left_ -= static_cast<quint32>(now);
        if (run_ && left_ == 0) ++word_;
        out += now;
        count -= now;
        given_ += now;
    }
    return true;
}

namespace {

QByteArray compiledIn(const QString& name) {
    const QResource resource(QStringLiteral(":/pictures/") + name);
    if (!resource.isValid()) return {};
    // What is stored as is is read in place, without a copy.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
    return resource.uncompressedData();
}

}  // namespace

QImage prerenderedCopy(const QString& window, const QString& control, QSize size, qreal scale) {
    const QByteArray packed = compiledIn(prerenderedName(window, control, scale));
    if (packed.isEmpty()) return {};
    QImage copy(size * scale, QImage::Format_RGB32);
    if (copy.isNull()) return {};
    const qsizetype total = copy.sizeInBytes() / 4;
    PixelUnpacker pixels(packed, total);
    if (!pixels.next(reinterpret_cast<quint32*>(copy.bits()), total) || !pixels.finished()) return {};
    copy.setDevicePixelRatio(scale);
    return copy;
}

void releaseCompiledIn(const QByteArray& data) {
#if defined(__linux__) && defined(MADV_DONTNEED)
    // Data read in place has no block of its own: see compiledIn.
    if (const_cast<QByteArray&>(data).data_ptr().d_ptr() || data.isEmpty()) return;
    advisePages(data.constData(), static_cast<std::size_t>(data.size()), MADV_DONTNEED, Pages::Inside);
#else
    Q_UNUSED(data);
#endif
}

QString prerenderedLookName(const QString& window, qreal scale) {
    return QStringLiteral("%1@%2.look.rgb32").arg(window).arg(scale);
}

QByteArray prerenderedLook(const QString& window, QSize size, qreal scale) {
    // The size is the window's own, which the copy was made at; the reader checks it fills it.
    if (size.isEmpty() || !prerenderedCopiesFit()) return {};
    return compiledIn(prerenderedLookName(window, scale));
}

QImage PictureWidget::prerendered() const {
    const QWidget* window = parentWidget();
    if (!window || window->objectName().isEmpty() || !prerenderedCopiesFit()) return {};
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
