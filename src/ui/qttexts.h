#pragma once

class QCoreApplication;
class QTranslator;

// Installs Qt's own German texts (standard buttons, file dialogs, key names
// such as "Strg"), so they match the program's German interface. Gives the
// installed translator, owned by app, or null when the texts are missing.
QTranslator* InstallGermanQtTexts(QCoreApplication& app);
