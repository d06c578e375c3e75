#pragma once

#include <vector>

class QCoreApplication;
class QLocale;
class QTranslator;

// The languages of the interface: German, the source language of every
// text, and English.
enum class InterfaceLanguage { German, English };

// The language for the user's languages in order of preference (LANGUAGE,
// LC_MESSAGES, LANG): the first that is English or German decides; German
// for C/POSIX and for a locale without a translation.
InterfaceLanguage LanguageOf(const QLocale& locale);

// Installs the program's texts and Qt's own (standard buttons, file and print
// dialogs, key names such as "Strg") in the language. Gives the translators
// installed, owned by app; a missing Qt translation is left out.
std::vector<QTranslator*> InstallTranslations(QCoreApplication& app, InterfaceLanguage language);
