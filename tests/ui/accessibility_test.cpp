#include "ui/mainformfixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QMenuBar>
#include <QToolBar>

namespace {

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible ? accessible->text(QAccessible::Name) : QString();
}

bool IsControl(QWidget* widget) {
  return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
         qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
         qobject_cast<QMenuBar*>(widget) || widget->objectName() == "CharPaintBox" || widget->objectName() == "Preview";
}

TEST_F(MainFormTest, EveryControlHasAnAccessibleName) {
  TMainForm& form = Start();
  form.show();
  QCoreApplication::processEvents();
  int controls = 0;
  for (QWidget* widget : form.findChildren<QWidget*>()) {
    if (widget->window() != &form || !IsControl(widget)) continue;
    ++controls;
    EXPECT_FALSE(AccessibleName(widget).isEmpty())
        << widget->metaObject()->className() << " " << widget->objectName().toStdString();
  }
  EXPECT_GT(controls, 20);
  const std::pair<const char*, const char*> named[] = {{"CharPaintBox", "Zeicheneditor"},
                                                       {"Preview", "Vorschau"},
                                                       {"LoadCharButton", "Zeichen in Editor laden"},
                                                       {"StoreCharButton", "Zeichen in Zeichensatz sichern"}};
  for (const auto& [name, text] : named) EXPECT_EQ(AccessibleName(Child<QWidget>(name)).toStdString(), text);
}

// The tool bars show icons only, so their buttons are named by their hints
// (a tool's tip also names its short-cut, its name does not).
TEST_F(MainFormTest, ToolButtonsAreNamedByTheirHints) {
  TMainForm& form = Start();
  form.show();
  QCoreApplication::processEvents();
  for (const char* name : {"FileToolBar", "EditToolBar", "DrawToolBar"}) {
    auto* bar = Child<QToolBar>(name);
    for (QAction* action : bar->actions()) {
      if (action->isSeparator()) continue;
      EXPECT_TRUE(action->toolTip().startsWith(AccessibleName(bar->widgetForAction(action))))
          << action->objectName().toStdString();
    }
  }
  EXPECT_EQ(AccessibleName(Child<QToolBar>("EditToolBar")->widgetForAction(form.Action("Cut2"))).toStdString(),
            "ausschneiden");
}

// Each tool comes from its table row alone: the window must make its action and its button.
TEST_F(MainFormTest, EveryToolBecomesACheckableActionWithADrawToolBarButton) {
  TMainForm& form = Start();
  form.show();
  QCoreApplication::processEvents();
  auto* bar = Child<QToolBar>("DrawToolBar");
  for (const ToolDeclaration& declared : ToolTable()) {
    QAction* action = form.Action(declared.name);
    EXPECT_EQ(action, form.Action(declared.id)) << declared.name;
    EXPECT_EQ(action->text(), QString::fromUtf8(declared.caption)) << declared.name;
    EXPECT_EQ(action->toolTip(), QStringLiteral("%1 (%2)").arg(QString::fromUtf8(declared.hint),
                                                               action->shortcut().toString(QKeySequence::NativeText)))
        << declared.name;
    EXPECT_FALSE(action->shortcut().isEmpty()) << declared.name;
    EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << declared.name;
    ASSERT_NE(bar->widgetForAction(action), nullptr) << declared.name;
    EXPECT_EQ(AccessibleName(bar->widgetForAction(action)), QString::fromUtf8(declared.hint)) << declared.name;
    Session().SetMarkRect({1, 1, 3, 3});
    action->trigger();
    EXPECT_EQ(Session().Tool(), declared.id) << declared.name;
    for (const ToolDeclaration& other : ToolTable())
      EXPECT_EQ(form.Action(other.id)->isChecked(), other.id == declared.id) << declared.name << " " << other.name;
    EXPECT_EQ(Session().MarkRect() == (TMarkRect{1, 1, 3, 3}), declared.id == ToolId::Mark) << declared.name;
  }
}

// Alt and a letter open each menu; the names read out stay without the marks.
TEST_F(MainFormTest, EveryMenuHasAMnemonicAndKeepsItsName) {
  Start();
  auto* bar = Child<QMenuBar>("MainMenu");
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(bar);
  ASSERT_NE(accessible, nullptr);
  QStringList names, keys;
  for (int i = 0; i < accessible->childCount(); ++i) names << accessible->child(i)->text(QAccessible::Name);
  for (QAction* menu : bar->actions()) keys << QKeySequence::mnemonic(menu->text()).toString();
  EXPECT_EQ(names, (QStringList{"Datei", "Bearbeiten", "Ansicht", "Extras", "Hilfe"}));
  EXPECT_EQ(keys, (QStringList{"Alt+D", "Alt+B", "Alt+A", "Alt+X", "Alt+H"}));
}

}  // namespace
