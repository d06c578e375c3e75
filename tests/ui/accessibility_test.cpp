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

// The tool bars show icons only, so their buttons are named by their hints.
TEST_F(MainFormTest, ToolButtonsAreNamedByTheirHints) {
  TMainForm& form = Start();
  form.show();
  QCoreApplication::processEvents();
  for (const char* name : {"FileToolBar", "EditToolBar", "DrawToolBar"}) {
    auto* bar = Child<QToolBar>(name);
    for (QAction* action : bar->actions()) {
      if (action->isSeparator()) continue;
      EXPECT_EQ(AccessibleName(bar->widgetForAction(action)).toStdString(), action->toolTip().toStdString());
    }
  }
  EXPECT_EQ(AccessibleName(Child<QToolBar>("EditToolBar")->widgetForAction(form.Action("Cut2"))).toStdString(),
            "ausschneiden");
}

}  // namespace
