#include "translations.h"

#include "dialogs/about.h"
#include "errortext.h"
#include "formats/exporttable.h"
#include "formats/readertable.h"
#include "kvlabel.h"
#include "model/fontfileerror.h"
#include "qtuserdialogs.h"
#include "ui/mainformfixture.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>

#include <cerrno>

namespace {

// Installs the language's translations for the life of the object.
class InstalledLanguage {
 public:
  explicit InstalledLanguage(InterfaceLanguage language)
      : ftranslators(InstallTranslations(*QCoreApplication::instance(), language)) {}
  ~InstalledLanguage() {
    for (QTranslator* translator : ftranslators) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
  }
  InstalledLanguage(const InstalledLanguage&) = delete;
  InstalledLanguage& operator=(const InstalledLanguage&) = delete;
  std::size_t Count() const { return ftranslators.size(); }

 private:
  std::vector<QTranslator*> ftranslators;
};

TEST(Translations, QtsOwnTextsFollowTheLanguage) {
  {
    const InstalledLanguage german(InterfaceLanguage::German);
    ASSERT_EQ(german.Count(), 1u) << "Qt's German translations are not installed";
    EXPECT_EQ(QKeySequence(QStringLiteral("Ctrl+Z")).toString(QKeySequence::NativeText), QStringLiteral("Strg+Z"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
  }
  const InstalledLanguage english(InterfaceLanguage::English);
  EXPECT_EQ(english.Count(), 2u) << "Qt's or the program's English translation is missing";
  EXPECT_EQ(QKeySequence(QStringLiteral("Ctrl+Z")).toString(QKeySequence::NativeText), QStringLiteral("Ctrl+Z"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

TEST(Translations, EnglishLocalesGetEnglishAndAllOthersGerman) {
  const std::pair<const char*, InterfaceLanguage> rows[] = {
      {"en_US", InterfaceLanguage::English}, {"en_GB", InterfaceLanguage::English}, {"en", InterfaceLanguage::English},
      {"de_DE", InterfaceLanguage::German},  {"de_AT", InterfaceLanguage::German},  {"C", InterfaceLanguage::German},
      {"fr_FR", InterfaceLanguage::German},  {"ja_JP", InterfaceLanguage::German},
  };
  for (const auto& [name, expected] : rows) EXPECT_EQ(LanguageOf(QLocale(name)), expected) << name;
}

// An entry added to a table without its translation mark would stay German.
TEST(Translations, EveryTableTextHasAnEnglishTranslation) {
  QTranslator english;
  ASSERT_TRUE(english.load(QStringLiteral(":/i18n/glyphwright_en.qm")));
  for (const ExportEntry& entry : ExportEntries())
    EXPECT_FALSE(english.translate("ExportTable", std::string(entry.caption).c_str()).isEmpty()) << entry.caption;
  for (const FontReader& reader : FontReaders())
    EXPECT_FALSE(english.translate("ReaderTable", std::string(reader.filter).c_str()).isEmpty()) << reader.filter;
  EXPECT_EQ(english.translate("ExportTable", "GFX Arduino Font - Include (max.127 Zeichen)"),
            QStringLiteral("GFX Arduino Font - Include (max. 127 glyphs)"));
}

TEST(Translations, CoreErrorsAreShownInTheLanguage) {
  const IoError missing(ENOENT);
  const FontFileError broken("BDF-Datei, Zeile 3: Die Datei endet vor ENDFONT.",
                             "BDF file, line 3: the file ends before ENDFONT");
  const FontFileError clause("Die FNT-Datei ist unvollständig.", "the FNT file is incomplete");
  const std::runtime_error plain("Der Drucker kann nicht angesprochen werden.");
  EXPECT_EQ(ErrorText(missing), QStringLiteral("Datei nicht gefunden"));
  EXPECT_EQ(ErrorText(broken), QStringLiteral("BDF-Datei, Zeile 3: Die Datei endet vor ENDFONT."));
  {
    const InstalledLanguage german(InterfaceLanguage::German);
    EXPECT_EQ(ErrorText(missing), QStringLiteral("Datei nicht gefunden"));
  }
  const InstalledLanguage english(InterfaceLanguage::English);
  EXPECT_EQ(ErrorText(missing), QStringLiteral("File not found"));
  EXPECT_EQ(ErrorText(broken), QStringLiteral("BDF file, line 3: the file ends before ENDFONT"));
  EXPECT_EQ(ErrorText(clause), QStringLiteral("The FNT file is incomplete"));
  // Texts of the program's own are translated before they are thrown.
  EXPECT_EQ(ErrorText(plain), QStringLiteral("Der Drucker kann nicht angesprochen werden."));
}

TEST(Translations, EnglishQuestionsHaveEnglishTitleAndButtons) {
  const InstalledLanguage english(InterfaceLanguage::English);
  QString title;
  QStringList buttons;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      ADD_FAILURE() << "no question shown";
      return;
    }
    title = box->windowTitle();
    for (QAbstractButton* button : box->buttons()) buttons << button->text();
    box->reject();
  });
  QtUserDialogs dialogs;
  EXPECT_EQ(dialogs.AskYesNoCancel(QStringLiteral("?")), DialogAnswer::Cancel);
  EXPECT_EQ(title, QStringLiteral("Confirm"));
  buttons.sort();
  EXPECT_EQ(buttons, (QStringList{"&No", "&Yes", "Cancel"}));
}

class EnglishMainFormTest : public MainFormTest {
 protected:
  InstalledLanguage fenglish{InterfaceLanguage::English};
};

TEST_F(EnglishMainFormTest, MenusActionsAndPagesAreEnglish) {
  TMainForm& form = Start();
  QStringList menus;
  for (QAction* action : Child<QMenuBar>("MainMenu")->actions()) menus << action->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&View", "&Settings", "&Help"}));
  const std::pair<const char*, const char*> actions[] = {{"NewFont", "New..."},
                                                         {"OpenFont", "Open..."},
                                                         {"SaveFont", "Save"},
                                                         {"SaveFontAs", "Save As..."},
                                                         {"Export", "Export..."},
                                                         {"Print", "Print..."},
                                                         {"Close", "Quit"},
                                                         {"Undo", "Undo"},
                                                         {"Redo", "Redo"},
                                                         {"ShowAbout", "About..."},
                                                         {"Rectangle", "Rectangle"},
                                                         {"Mark", "Select"},
                                                         {"ImportAction", "Import..."},
                                                         {"Charset", "Character Set"}};
  for (const auto& [name, text] : actions) EXPECT_EQ(form.Action(name)->text(), QString::fromUtf8(text)) << name;
  EXPECT_EQ(form.Action("OpenFont")->toolTip(), QStringLiteral("Open a font"));
  EXPECT_EQ(Child<QMenu>("DateiMenu")->actions().at(2)->text(), QStringLiteral("Open Recent"));
  EXPECT_EQ(form.Action("CharSpace")->text(), QStringLiteral("Minimum Space After Glyph: 1 px..."));
  auto* pages = Child<QTabWidget>("PageControl1");
  EXPECT_EQ(pages->tabText(0), QStringLiteral("Edit Glyph"));
  EXPECT_EQ(pages->tabText(2), QStringLiteral("Kerning and Spacing Test"));
  EXPECT_EQ(form.StatusText(0), QStringLiteral("Font Type 3"));
}

// An English screen-reader user hears English names.
TEST_F(EnglishMainFormTest, AccessibleNamesAreEnglish) {
  TMainForm& form = Start();
  EXPECT_EQ(Child<QWidget>("FontList")->accessibleName(), QStringLiteral("Glyph list"));
  EXPECT_EQ(Child<QMenuBar>("MainMenu")->accessibleName(), QStringLiteral("Menu"));
  EXPECT_EQ(Child<QPushButton>("LoadCharButton")->accessibleName(), QStringLiteral("Load glyph into the editor"));
  auto* files = Child<QToolBar>("FileToolBar");
  EXPECT_EQ(files->widgetForAction(form.Action("SaveFont"))->accessibleName(), QStringLiteral("Save the font"));
}

TEST_F(EnglishMainFormTest, QuestionsDialogTitlesAndErrorsAreEnglish) {
  Start();
  Document().SetSaveRequest(true);
  fdialogs.ExpectYesNoCancel(DialogAnswer::No);
  fdialogs.ExpectOpenFile(Path("missing.fnt"));
  fdialogs.ExpectError();
  Trigger("OpenFont");
  const auto& asked = fdialogs.Asked();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[0].Text,
            QStringLiteral("The changes to the current font\rhave not been saved yet.\rSave the font now?"));
  EXPECT_EQ(asked[1].Text, QStringLiteral("Open Font File"));
  EXPECT_EQ(asked[1].File.Filters.first(), QStringLiteral("<kelvaront> Font File (*.FNT *.fnt)"));
  EXPECT_EQ(asked[2].Text, QStringLiteral("File not found"));
}

TEST_F(EnglishMainFormTest, TheAboutBoxIsEnglish) {
  Start();
  EXPECT_EQ(Form().About().windowTitle(), QStringLiteral("About"));
  QStringList texts;
  for (const TKVLabel* label : Form().About().findChildren<TKVLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains(QStringLiteral("Fonts for dot-matrix displays"))) << texts.join('|').toStdString();
}

// Installing German changes none of the program's own texts.
TEST_F(MainFormTest, GermanTranslationsKeepTheSourceTexts) {
  const InstalledLanguage german(InterfaceLanguage::German);
  TMainForm& form = Start();
  QStringList menus;
  for (QAction* action : Child<QMenuBar>("MainMenu")->actions()) menus << action->text();
  EXPECT_EQ(menus, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "E&xtras", "&Hilfe"}));
  EXPECT_EQ(form.Action("OpenFont")->text(), QStringLiteral("Öffnen"));
  EXPECT_EQ(form.Action("Rectangle")->text(), QStringLiteral("Rectange"));
  EXPECT_EQ(Child<QWidget>("FontList")->accessibleName(), QStringLiteral("Zeichenliste"));
}

}  // namespace
