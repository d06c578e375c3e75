#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// A short list of recently used files, oldest first, kept in the settings as
// <IdentHead>00, <IdentHead>01, ... and shown as menu entries newest first.
// Entry items carry the path as data() and the tag property 1; the item shown
// for an empty list and separators carry tag 0. Captions show the path
// exactly (an '&' is not taken as an accelerator).
//
// A slave list shares its parent's menus: the parent's entries, a separator,
// then the slave's entries.
class TKVHistoryFileList : public QObject {
  Q_OBJECT
 public:
  // Asked about each entry while loading; false skips the entry.
  using TKVHistoryItemValidate = std::function<bool(TKVHistoryFileList& list, const QString& item)>;

  explicit TKVHistoryFileList(QObject* owner = nullptr);
  ~TKVHistoryFileList() override;

  // Adds the path as newest entry, replacing an entry equal to it ignoring
  // case; gives its position. An empty path is not added (-1).
  int Add(const QString& path);
  // Values are stored as <identHead>00, <identHead>01, ...; the store is the caller's.
  using ValueReader = std::function<QString(const QString& name)>;
  using ValueWriter = std::function<void(const QString& name, const QString& value)>;
  void LoadList(const ValueReader& read, const QString& identHead);
  // Writes MaxSize values; positions without an entry get "".
  void SaveList(const ValueWriter& write, const QString& identHead) const;

  void AddToMenu(QMenu* dest);
  void AssignMenu(QMenu* dest);
  // Menu bar or menu: entries go into the submenu of the last item whose
  // caption contains RecentAction's caption (accelerators ignored).
  void AddToActionMenu(QWidget* dest);
  void AssignActionMenu(QWidget* dest);

  // Oldest first.
  const QStringList& Items() const { return flist; }

  int MaxSize() const { return fmaxsize; }
  // Clamped to 1..99; drops the oldest entries beyond it without rebuilding
  // the menus.
  void SetMaxSize(int value);
  const QString& NonItemText() const { return fNonItemText; }
  void SetNonItemText(const QString& value) { fNonItemText = value; }
  bool Enabled() const { return fenabled; }
  void SetEnabled(bool value);

  QWidget* ActionMainMenu() const { return fActionMainMenu; }
  void SetActionMainMenu(QWidget* value);
  QMenu* PopupMenu() const { return fPopupMenu; }
  void SetPopupMenu(QMenu* value);
  QMenu* MainMenuItem() const { return fMainMenuItem; }
  void SetMainMenuItem(QMenu* value);
  QAction* RecentAction() const { return fRecentAction; }
  void SetRecentAction(QAction* value);
  TKVHistoryFileList* SlaveList() const { return fSlaveList; }
  // Throws std::invalid_argument for a list that would chain to itself.
  void SetSlaveList(TKVHistoryFileList* value);
  TKVHistoryFileList* ParentList() const { return fparent; }
  void SetOnItemValidate(TKVHistoryItemValidate value) { fOnItemValidate = std::move(value); }

 signals:
  // An entry was chosen; item is the menu entry.
  void OnClick(QAction* item, const QString& path);
  // After every change; changed is the list that changed (this or the parent).
  void OnChange(TKVHistoryFileList* changed);

 private:
  void ListChanged(TKVHistoryFileList* changed);
  void RebuildOwnMenus();
  void AppendToParentMenus();
  QMenu* FindActionMenuItem(QWidget* dest);
  void AddEntryItem(QMenu* dest, const QString& path);
  bool IsInChainOf(const TKVHistoryFileList* other) const;

  int fmaxsize = 10;
  TKVHistoryItemValidate fOnItemValidate;
  QStringList flist;
  QString fNonItemText = "-";
  QPointer<QMenu> fPopupMenu;
  QPointer<QWidget> fActionMainMenu;
  QPointer<QMenu> fMainMenuItem;
  QPointer<QMenu> fActionMenuItem;
  QPointer<QAction> fRecentAction;
  QPointer<TKVHistoryFileList> fparent;
  QPointer<TKVHistoryFileList> fSlaveList;
  bool fenabled = true;
};
