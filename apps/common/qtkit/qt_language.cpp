#include "qt_language.h"

#include "language/ui_text.h"

#include <QLibraryInfo>
#include <QString>

namespace harwick::qtkit {

QtOwnTexts::QtOwnTexts(QCoreApplication& application) {
    const std::string_view locale = QtCatalogueLocale(CurrentLanguage());
    if (locale.empty()) return;
    // Without Qt's catalogue (a machine without its translations) the
    // buttons stay in Qt's English; everything of ours is translated anyway.
    loaded_ = translator_.load(QStringLiteral("qtbase_") + QString::fromUtf8(locale.data(), static_cast<qsizetype>(locale.size())),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded_) application.installTranslator(&translator_);
}

} // namespace harwick::qtkit
