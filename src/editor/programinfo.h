#pragma once

#include <QtGlobal>

// Who made the program and what it is called, as the about box and the
// printed page show it. UTF-8.
inline constexpr char kMakerName[] = "<kelvaront>";
inline constexpr char kProgramTitle[] = "Rastermeister";
// The application's title, also the name of its print jobs.
inline constexpr char kApplicationTitle[] = "<kelvaront>-Rastermeister";
// The further line of the about box, printed in the footer too.
inline constexpr char kNoticeText[] = QT_TRANSLATE_NOOP("ProgramInfo", "Zeichensätze für Punktmatrix-Anzeigen");
inline constexpr char kMakerWebAddress[] = "kelvaront.example";
