#pragma once

#include <QString>

#include <exception>

// The text of an error as the program shows it: the core's errors, which word
// themselves in German and English, in the language of the interface.
QString ErrorText(const std::exception& error);
