#include "dialogs/about.h"

#include "kvlabel.h"
#include "programinfo.h"
#include "version.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 96;

TKVLabel* Caption(const char* text, int pixelSize) { return new TKVLabel(QString::fromUtf8(text), pixelSize); }

}  // namespace

QString VersionLine(std::uint64_t fileVersion, std::uint64_t productVersion, bool preRelease) {
  QString line = QStringLiteral("Version ") + VersionText(fileVersion, 4);
  const auto wordSize = productVersion & 0xFFFFu;
  if (wordSize == 32 || wordSize == 64) line += QStringLiteral(" %1 bit").arg(wordSize);
  if (preRelease) line += QStringLiteral(" Beta");
  return line;
}

TAbout::TAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      fVersion(new TKVLabel(
          VersionLine(GetFileVersion(ProgramFile()), GetProductVersion(ProgramFile()), IsPreRelease(ProgramFile())),
          13)),
      fOKButton(new QPushButton(tr("OK"))) {
  setObjectName("About");
  setWindowTitle(tr("Information"));
  fVersion->setObjectName("Version");
  fOKButton->setObjectName("OKButton");
  fOKButton->setDefault(true);

  TKVLabel* maker = Caption(kMakerName, 23);
  TKVLabel* title = Caption(kProgramTitle, 48);
  auto* notice = new TKVLabel(QCoreApplication::translate("ProgramInfo", kNoticeText), 13);
  TKVLabel* freeware = Caption("FreeWare", 16);
  freeware->setObjectName("FreeWare");
  freeware->SetAngle(25);
  for (TKVLabel* label : {maker, title, fVersion, notice})
    connect(label, &TKVLabel::clicked, this, &TAbout::VersionClick);
  connect(fOKButton, &QPushButton::clicked, this, &TAbout::VersionClick);

  auto* texts = new QVBoxLayout;
  texts->addWidget(maker, 0, Qt::AlignLeft);
  texts->addWidget(title, 0, Qt::AlignLeft);
  texts->addWidget(fVersion, 0, Qt::AlignLeft);
  texts->addWidget(notice, 0, Qt::AlignLeft);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(freeware);
  bottom->addStretch();
  bottom->addWidget(fOKButton, 0, Qt::AlignBottom);
  texts->addLayout(bottom);

  auto* panel = new QFrame;
  panel->setObjectName("Panel3");
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(2);
  auto* inside = new QHBoxLayout(panel);
  inside->addWidget(CreateIconPanel(), 0, Qt::AlignTop);
  inside->addSpacing(12);
  inside->addLayout(texts);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(panel);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TAbout::CreateIconPanel() {
  auto* frame = new QFrame;
  frame->setObjectName("IconPanel");
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* icon = new QLabel(frame);
  icon->setObjectName("ProgramIcon");
  icon->setAccessibleName(QString::fromUtf8(kApplicationTitle));
  icon->setPixmap(QIcon(QStringLiteral(":/icons/program.svg")).pixmap(kIconSize, kIconSize));
  auto* layout = new QVBoxLayout(frame);
  layout->addWidget(icon);
  return frame;
}

void TAbout::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      accept();
      break;
    default:
      QDialog::keyPressEvent(event);
  }
}

// Clicks on the panel and the icon reach the box; the captions pass theirs
// on through clicked, all but "FreeWare".
void TAbout::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) accept();
}
