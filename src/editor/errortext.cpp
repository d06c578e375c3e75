#include "errortext.h"

#include "model/ioerror.h"

#include <QCoreApplication>

namespace {

// The loaded translation says which of the core's two texts to show, as Qt's
// own translations name the layout direction.
bool CoreTextsInEnglish() {
  return QCoreApplication::translate("ErrorText", "Deutsch",
                                     "The language of the error texts of the font files and exports: "
                                     "\"Deutsch\" or \"English\", nothing else.") == u"English";
}

// The converter words them as clauses; a message box shows a sentence.
QString Sentence(const std::string& text) {
  QString sentence = QString::fromStdString(text);
  if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
  return sentence;
}

}  // namespace

QString ErrorText(const std::exception& error) {
  if (const auto* bilingual = dynamic_cast<const BilingualError*>(&error); bilingual && CoreTextsInEnglish())
    return Sentence(bilingual->English());
  return QString::fromUtf8(error.what());
}
