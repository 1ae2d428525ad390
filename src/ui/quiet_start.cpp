#include "ui/quiet_start.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

namespace vertola::ui {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Qt's start runs on the main thread only, so the held messages need no lock.
std::vector<HeldMessage>& held() {
    static std::vector<HeldMessage> messages;
    return messages;
}

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // Nothing is unwound: the application is half made, and its destructors expect a whole one.
    if (type == QtFatalMsg) std::_Exit(noDisplay());
    held().push_back({type, context.category ? QByteArray(context.category) : QByteArray(), text});
}

}  // namespace

int noDisplay() {
    std::fputs("vertola: impossibile aprire lo schermo (nessun display disponibile)\n", stderr);
    std::fflush(stderr);
    return 1;
}

QuietStart::QuietStart() : previous_(qInstallMessageHandler(holdOrEnd)) {}

QuietStart::~QuietStart() { started(); }

void QuietStart::started() {
    if (!active_) return;
    active_ = false;
    qInstallMessageHandler(previous_);
    for (const HeldMessage& message : held()) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? nullptr : message.category.constData());
        if (previous_) {
            previous_(message.type, context, message.text);
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
        }
    }
    held().clear();
}

}  // namespace vertola::ui
