#include "ui/assets.h"

#include <QFile>

#include "ui/twips.h"

namespace vertola::ui {

QString assetPath(std::string_view name) { return QStringLiteral(":/assets/%1.svg").arg(toQString(name)); }

bool hasAsset(std::string_view name) { return !name.empty() && QFile::exists(assetPath(name)); }

QIcon assetIcon(std::string_view name) { return hasAsset(name) ? QIcon(assetPath(name)) : QIcon(); }

}  // namespace vertola::ui
