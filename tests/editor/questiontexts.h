#pragma once

#include <QString>

// Questions the program asks in more than one command, as the user sees them.
inline const QString kStoreQuestion =
    QStringLiteral("Das aktuelle Zeichen wurde noch nicht gesichert.\rSoll die Sicherung jetzt durchgeführt werden?");
