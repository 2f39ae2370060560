#include "app/toolkit_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

QTranslator* SpeakJapaneseInToolkitWindows() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QStringList places{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                             QStringLiteral(":/translations")};
    for (const QString& place : places) {
        if (translator->load(QStringLiteral("qtbase_ja"), place) &&
            QCoreApplication::installTranslator(translator)) {
            return translator;
        }
    }
    delete translator;
    return nullptr;
}
