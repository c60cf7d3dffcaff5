#ifndef INTERFACELANGUAGE_H
#define INTERFACELANGUAGE_H

#include "settingsrecord.h"

class QTranslator;
class QWidget;

// The interface's language, as the application's translators give it: the program's English
// from ":/i18n/ts.qm" (its source texts are Russian) and the toolkit's own texts, in its dialogs
// and the text fields' context menus, from the toolkit's translations folder.
class InterfaceLanguage
{
public:
    // The translators belong to the window; none is loaded yet.
    explicit InterfaceLanguage(QWidget *window);

    UiLanguage language() const { return current; }
    // Installs the translations of `chosen` in place of those of the language before.
    void install(UiLanguage chosen);

    QTranslator *translation() const { return translator; }

private:
    QTranslator *translator;
    QTranslator *toolkitTranslator;
    UiLanguage current = UiLanguage::Russian;
};

#endif // INTERFACELANGUAGE_H
