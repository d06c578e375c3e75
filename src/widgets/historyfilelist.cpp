#include "historyfilelist.h"

#include <QWidget>
#include <algorithm>
#include <stdexcept>

namespace {

constexpr int kMinSize = 1;
constexpr int kMaxSize = 99;
constexpr char kTagProperty[] = "tag";

QString ValueName(const QString& identHead, int position) {
  return identHead + QStringLiteral("%1").arg(position, 2, 10, QLatin1Char('0'));
}

// Without this an '&' in a path would turn into an accelerator.
QString EscapeAccelerators(QString caption) { return caption.replace('&', QStringLiteral("&&")); }

QString StripAccelerators(const QString& caption) {
  QString result;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    result += caption[i];
  }
  return result;
}

// The item shown for an empty list, or a separator between two lists.
void AddNonEntryItem(QMenu* dest, const QString& caption) {
  auto* item = new QAction(caption, dest);
  item->setSeparator(caption == QStringLiteral("-"));
  item->setEnabled(false);
  item->setProperty(kTagProperty, 0);
  dest->addAction(item);
}

// The last submenu, at any depth, whose item caption contains caption.
QMenu* FindSubmenu(const QWidget* menu, const QString& caption) {
  QMenu* found = nullptr;
  for (QAction* item : menu->actions()) {
    QMenu* submenu = item->menu();
    if (submenu == nullptr) continue;
    if (StripAccelerators(item->text()).contains(caption)) found = submenu;
    if (QMenu* deeper = FindSubmenu(submenu, caption)) found = deeper;
  }
  return found;
}

}  // namespace

TKVHistoryFileList::TKVHistoryFileList(QObject* owner) : QObject(owner) {}

TKVHistoryFileList::~TKVHistoryFileList() = default;

int TKVHistoryFileList::Add(const QString& path) {
  if (path.isEmpty()) return -1;
  flist.removeIf([&path](const QString& entry) { return entry.compare(path, Qt::CaseInsensitive) == 0; });
  while (flist.size() >= fmaxsize) flist.removeFirst();
  flist.append(path);
  const int position = static_cast<int>(flist.size()) - 1;
  ListChanged(this);
  return position;
}

void TKVHistoryFileList::LoadList(const ValueReader& read, const QString& identHead) {
  flist.clear();
  for (int position = 0; position < fmaxsize; ++position) {
    const QString entry = read(ValueName(identHead, position));
    const bool valid = !fOnItemValidate || fOnItemValidate(*this, entry);
    if (valid && !entry.isEmpty()) flist.append(entry);
  }
  ListChanged(this);
}

void TKVHistoryFileList::SaveList(const ValueWriter& write, const QString& identHead) const {
  for (int position = 0; position < fmaxsize; ++position)
    write(ValueName(identHead, position), position < flist.size() ? flist.at(position) : QString());
}

void TKVHistoryFileList::AddToMenu(QMenu* dest) {
  if (flist.isEmpty()) {
    AddNonEntryItem(dest, fNonItemText);
    return;
  }
  for (auto entry = flist.crbegin(); entry != flist.crend(); ++entry) AddEntryItem(dest, *entry);
}

void TKVHistoryFileList::AssignMenu(QMenu* dest) {
  dest->clear();
  AddToMenu(dest);
}

void TKVHistoryFileList::AddToActionMenu(QWidget* dest) {
  QMenu* found = FindActionMenuItem(dest);
  if (found == nullptr) return;
  for (auto entry = flist.crbegin(); entry != flist.crend(); ++entry) AddEntryItem(found, *entry);
}

void TKVHistoryFileList::AssignActionMenu(QWidget* dest) {
  if (QMenu* found = FindActionMenuItem(dest)) found->clear();
  AddToActionMenu(dest);
}

void TKVHistoryFileList::SetMaxSize(int value) {
  value = std::clamp(value, kMinSize, kMaxSize);
  if (value == fmaxsize) return;
  fmaxsize = value;
  while (flist.size() > fmaxsize) flist.removeFirst();
}

void TKVHistoryFileList::SetEnabled(bool value) {
  if (value == fenabled) return;
  fenabled = value;
  ListChanged(this);
}

void TKVHistoryFileList::SetActionMainMenu(QWidget* value) {
  if (fparent) value = fparent->fActionMainMenu;
  if (value != fActionMainMenu) fActionMenuItem = nullptr;
  fActionMainMenu = value;
  if (fSlaveList) fSlaveList->SetActionMainMenu(value);
}

void TKVHistoryFileList::SetPopupMenu(QMenu* value) {
  if (fparent) value = fparent->fPopupMenu;
  fPopupMenu = value;
  if (fSlaveList) fSlaveList->SetPopupMenu(value);
}

void TKVHistoryFileList::SetMainMenuItem(QMenu* value) {
  if (fparent) value = fparent->fMainMenuItem;
  fMainMenuItem = value;
  if (fSlaveList) fSlaveList->SetMainMenuItem(value);
}

void TKVHistoryFileList::SetRecentAction(QAction* value) {
  if (value != fRecentAction) fActionMenuItem = nullptr;
  fRecentAction = value;
}

void TKVHistoryFileList::SetSlaveList(TKVHistoryFileList* value) {
  if (value == fSlaveList) return;
  if (value != nullptr && IsInChainOf(value))
    throw std::invalid_argument("a recent-files list cannot be the slave of itself");
  if (fSlaveList) fSlaveList->fparent = nullptr;
  fSlaveList = value;
  if (value == nullptr) return;
  if (value->fparent) value->fparent->fSlaveList = nullptr;
  value->fparent = this;
  value->SetActionMainMenu(fActionMainMenu);
  value->SetPopupMenu(fPopupMenu);
  value->SetMainMenuItem(fMainMenuItem);
}

void TKVHistoryFileList::ListChanged(TKVHistoryFileList* changed) {
  if (fparent) {
    if (changed == this) fparent->ListChanged(changed);
    AppendToParentMenus();
  } else {
    RebuildOwnMenus();
  }
  if (changed == this && fSlaveList) fSlaveList->ListChanged(this);
  emit OnChange(changed);
}

void TKVHistoryFileList::RebuildOwnMenus() {
  if (fMainMenuItem) AssignMenu(fMainMenuItem);
  if (fPopupMenu) AssignMenu(fPopupMenu);
  if (fActionMainMenu) AssignActionMenu(fActionMainMenu);
}

void TKVHistoryFileList::AppendToParentMenus() {
  for (QMenu* menu : {fparent->fMainMenuItem.data(), fparent->fPopupMenu.data()}) {
    if (menu == nullptr) continue;
    AddNonEntryItem(menu, QStringLiteral("-"));
    AddToMenu(menu);
  }
  if (fparent->fActionMainMenu == nullptr) return;
  if (QMenu* found = FindActionMenuItem(fparent->fActionMainMenu)) {
    AddNonEntryItem(found, QStringLiteral("-"));
    AddToActionMenu(fparent->fActionMainMenu);
  }
}

QMenu* TKVHistoryFileList::FindActionMenuItem(QWidget* dest) {
  if (fparent) return fparent->FindActionMenuItem(dest);
  if (fActionMenuItem == nullptr && fRecentAction != nullptr && dest == fActionMainMenu)
    fActionMenuItem = FindSubmenu(dest, StripAccelerators(fRecentAction->text()));
  return fActionMenuItem;
}

void TKVHistoryFileList::AddEntryItem(QMenu* dest, const QString& path) {
  auto* item = new QAction(EscapeAccelerators(path), dest);
  item->setData(path);
  item->setEnabled(fenabled);
  item->setProperty(kTagProperty, 1);
  connect(item, &QAction::triggered, this, [this, item] { emit OnClick(item, item->data().toString()); });
  dest->addAction(item);
}

bool TKVHistoryFileList::IsInChainOf(const TKVHistoryFileList* other) const {
  for (const TKVHistoryFileList* list = this; list != nullptr; list = list->fparent)
    if (list == other) return true;
  return false;
}
