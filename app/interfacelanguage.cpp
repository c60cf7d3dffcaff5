#include "interfacelanguage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

namespace {

const char *const kTranslation = ":/i18n/ts.qm";

// The toolkit's texts in that language from its own translations folder. False, the translator
// left empty, where none are installed: the toolkit then speaks its English.
bool load_toolkit_translation(QTranslator *toolkit, UiLanguage language)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    return toolkit->load(QLatin1String("qtbase_") + language_code(language), folder);
}

} // namespace

InterfaceLanguage::InterfaceLanguage(QWidget *window)
    : translator(new QTranslator(window))
    , toolkitTranslator(new QTranslator(window))
{
}

void InterfaceLanguage::install(UiLanguage chosen)
{
    current = chosen;
    QApplication::removeTranslator(translator);
    QApplication::removeTranslator(toolkitTranslator);
    if (chosen == UiLanguage::English) {
        const bool loaded = translator->load(QLatin1String(kTranslation));
        Q_UNUSED(loaded) // start-up has already checked that the resource is there
        QApplication::installTranslator(translator);
    }
    if (load_toolkit_translation(toolkitTranslator, chosen))
        QApplication::installTranslator(toolkitTranslator);
}
