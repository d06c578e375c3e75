#include "views/textpreviewview.h"

#include "document.h"
#include "editsession.h"
#include "render/imagefiles.h"
#include "setting.h"
#include "views/picturebox.h"
#include "views/zoomkeys.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int kLargestDisplay = 2048;
constexpr int kLargestSpacing = 64;

struct DisplayPreset {
  int Width;
  int Height;
};
constexpr std::array<DisplayPreset, 8> kDisplays = {
    {{128, 32}, {128, 64}, {96, 16}, {96, 64}, {160, 80}, {240, 135}, {320, 240}, {400, 240}}};
// The entry after the presets.
constexpr int kCustomDisplay = static_cast<int>(kDisplays.size());
const QString kCustomKey = QStringLiteral("eigene");

QString DisplayKey(const DisplayPreset& display) {
  return QStringLiteral("%1x%2").arg(display.Width).arg(display.Height);
}

struct LookEntry {
  const char* Key;
  const char* Caption;
  textpreview::Look Colours;
};
constexpr TColor kOledBlue = 0x2FA8FF;
const std::array<LookEntry, 6> kLooks = {{
    {"OLED weiss", QT_TRANSLATE_NOOP("TTextPreviewView", "OLED weiß"), {0x000000, 0xF4F8FF, 0xF4F8FF, 0}},
    {"OLED blau", QT_TRANSLATE_NOOP("TTextPreviewView", "OLED blau"), {0x000000, kOledBlue, kOledBlue, 0}},
    {"OLED gelb blau", QT_TRANSLATE_NOOP("TTextPreviewView", "OLED gelb/blau"), {0x000000, kOledBlue, 0xFFD21F, 16}},
    {"LCD", QT_TRANSLATE_NOOP("TTextPreviewView", "LCD schwarz auf grün"), {0xA3BE4C, 0x1C2410, 0x1C2410, 0}},
    {"E-Paper", QT_TRANSLATE_NOOP("TTextPreviewView", "E-Paper schwarz auf weiß"), {0xECECE4, 0x1A1A1A, 0x1A1A1A, 0}},
    {"TFT", QT_TRANSLATE_NOOP("TTextPreviewView", "TFT (eigene Farben)"), {}},
}};
constexpr int kTftLook = static_cast<int>(kLooks.size()) - 1;

const Setting<QString> kDisplaySetting{kOptionsSection, "VorschauAnzeige", DisplayKey(kDisplays[1])};
const Setting<int> kWidthSetting{kOptionsSection, "VorschauBreite", kDisplays[1].Width};
const Setting<int> kHeightSetting{kOptionsSection, "VorschauHoehe", kDisplays[1].Height};
const Setting<QString> kLookSetting{kOptionsSection, "VorschauAussehen", kLooks[0].Key};
const Setting<QString> kTftInkSetting{kOptionsSection, "VorschauTFTVordergrund", QStringLiteral("#FFFFFF")};
const Setting<QString> kTftPaperSetting{kOptionsSection, "VorschauTFTHintergrund", QStringLiteral("#000080")};
const Setting<int> kZoomSetting{kOptionsSection, "VorschauZoom", 4};
const Setting<int> kXSetting{kOptionsSection, "VorschauX", 0};
const Setting<int> kYSetting{kOptionsSection, "VorschauY", 0};
const Setting<int> kSpacingSetting{kOptionsSection, "VorschauZeilenabstand", 1};
const Setting<bool> kWrapSetting{kOptionsSection, "VorschauUmbruch", true};
const Setting<bool> kEditorGlyphSetting{kOptionsSection, "VorschauEditorZeichen", false};

Setting<QString> TextSetting() {
  return {kOptionsSection, "Vorschautext",
          TTextPreviewView::tr("Falsches Üben von Xylophonmusik quält jeden größeren Zwerg 0123456789")};
}

QSpinBox* NewSpinBox(QWidget* parent, const char* name, const QString& accessibleName, int minimum, int maximum) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setAccessibleName(accessibleName);
  box->setRange(minimum, maximum);
  return box;
}

QString ColourName(TColor colour) { return QColor::fromRgb(colour).name(); }

}  // namespace

TTextPreviewView::TTextPreviewView(const FontDocument& document, const EditSession& session, Settings& settings,
                                   UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), fdocument(document), fsession(session), fsettings(settings), fdialogs(dialogs), fguard(dialogs) {
  setObjectName("TextPreviewPage");
  fsaveChoice.Title = tr("Anzeige als Bild speichern");
  fsaveChoice.Filters = {tr("PNG-Bild (*.png)")};
  fsaveChoice.DefaultExt = QStringLiteral("png");
  fsaveChoice.FileName = tr("Textvorschau.png");
  CreateControls();
  ReadSettings();
  ConnectControls();
}

void TTextPreviewView::CreateControls() {
  fTextEdit = new QPlainTextEdit(this);
  fTextEdit->setObjectName("PreviewTextEdit");
  fTextEdit->setAccessibleName(tr("Vorschautext"));
  fTextEdit->setTabChangesFocus(true);
  fTextEdit->setFixedHeight(fTextEdit->fontMetrics().lineSpacing() * 2 + 12);
  fDisplayBox = new QComboBox(this);
  fDisplayBox->setObjectName("PreviewDisplayBox");
  fDisplayBox->setAccessibleName(tr("Anzeige"));
  for (const DisplayPreset& display : kDisplays)
    fDisplayBox->addItem(tr("%1 x %2").arg(display.Width).arg(display.Height));
  fDisplayBox->addItem(tr("Eigene Größe"));
  fWidthEdit = NewSpinBox(this, "PreviewWidthEdit", tr("Breite der Anzeige"), 1, kLargestDisplay);
  fHeightEdit = NewSpinBox(this, "PreviewHeightEdit", tr("Höhe der Anzeige"), 1, kLargestDisplay);
  fLookBox = new QComboBox(this);
  fLookBox->setObjectName("PreviewLookBox");
  fLookBox->setAccessibleName(tr("Aussehen der Anzeige"));
  fLookBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  for (const LookEntry& look : kLooks) fLookBox->addItem(tr(look.Caption));
  fInkButton = new QPushButton(tr("&Vordergrund..."), this);
  fInkButton->setObjectName("PreviewInkButton");
  fPaperButton = new QPushButton(tr("Hinter&grund..."), this);
  fPaperButton->setObjectName("PreviewPaperButton");
  fZoomEdit = NewSpinBox(this, "PreviewZoomEdit", tr("Zoom"), textpreview::kMinZoom, textpreview::kMaxZoom);
  fXEdit = NewSpinBox(this, "PreviewXEdit", tr("Abstand vom linken Rand"), 0, kLargestDisplay);
  fYEdit = NewSpinBox(this, "PreviewYEdit", tr("Abstand vom oberen Rand"), 0, kLargestDisplay);
  fLineSpacingEdit = NewSpinBox(this, "PreviewLineSpacingEdit", tr("Zeilenabstand"), 0, kLargestSpacing);
  fWrapBox = new QCheckBox(tr("Zeilen &umbrechen"), this);
  fWrapBox->setObjectName("PreviewWrapBox");
  fEditorGlyphBox = new QCheckBox(tr("&Editor-Zeichen vorab zeigen"), this);
  fEditorGlyphBox->setObjectName("PreviewEditorGlyphBox");
  fSaveButton = new QPushButton(tr("Als Bild s&peichern"), this);
  fSaveButton->setObjectName("PreviewSaveButton");
  fScrollBox = new QScrollArea(this);
  fScrollBox->setObjectName("PreviewScrollBox");
  fScrollBox->setAccessibleName(tr("Simulierte Anzeige"));
  fScrollBox->setFocusPolicy(Qt::StrongFocus);
  fScrollBox->setBackgroundRole(QPalette::Window);
  fPaint = new TPictureBox;
  fPaint->setObjectName("PreviewPaint");
  fPaint->setAccessibleName(tr("Text auf der Anzeige"));
  fScrollBox->setWidget(fPaint);
  fStatus = new QLabel(this);
  fStatus->setObjectName("PreviewStatus");

  auto* grid = new QGridLayout;
  const auto add = [&](int row, int column, const QString& caption, QWidget* field, int span = 1) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    grid->addWidget(label, row, 2 * column);
    grid->addWidget(field, row, 2 * column + 1, 1, span);
  };
  add(0, 0, tr("&Text"), fTextEdit, 7);
  add(1, 0, tr("A&nzeige"), fDisplayBox);
  add(1, 1, tr("&Breite"), fWidthEdit);
  add(1, 2, tr("&Höhe"), fHeightEdit);
  add(2, 0, tr("Aus&sehen"), fLookBox);
  grid->addWidget(fInkButton, 2, 2, 1, 2);
  grid->addWidget(fPaperButton, 2, 4, 1, 2);
  add(3, 0, tr("&Zoom"), fZoomEdit);
  add(3, 1, tr("&X"), fXEdit);
  add(3, 2, tr("&Y"), fYEdit);
  add(4, 0, tr("Zeilen&abstand"), fLineSpacingEdit);
  grid->addWidget(fWrapBox, 4, 2, 1, 2);
  grid->addWidget(fEditorGlyphBox, 4, 4, 1, 3);
  grid->addWidget(fSaveButton, 3, 6);
  grid->setColumnStretch(7, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(fScrollBox, 1);
  layout->addWidget(fStatus);
}

void TTextPreviewView::ReadSettings() {
  fTextEdit->setPlainText(TextSetting().Read(fsettings));
  const QString display = kDisplaySetting.Read(fsettings);
  int index = kCustomDisplay;
  for (int i = 0; i < kCustomDisplay; ++i)
    if (DisplayKey(kDisplays[i]) == display) index = i;
  fDisplayBox->setCurrentIndex(index);
  fWidthEdit->setValue(kWidthSetting.Read(fsettings));
  fHeightEdit->setValue(kHeightSetting.Read(fsettings));
  DisplayChanged();
  const QString look = kLookSetting.Read(fsettings);
  fLookBox->setCurrentIndex(0);
  for (int i = 0; i < static_cast<int>(kLooks.size()); ++i)
    if (look == QLatin1String(kLooks[i].Key)) fLookBox->setCurrentIndex(i);
  ftftInk = QColor(kTftInkSetting.Read(fsettings)).rgb() & 0xFFFFFFu;
  ftftPaper = QColor(kTftPaperSetting.Read(fsettings)).rgb() & 0xFFFFFFu;
  LookChanged();
  fZoomEdit->setValue(kZoomSetting.Read(fsettings));
  fXEdit->setValue(kXSetting.Read(fsettings));
  fYEdit->setValue(kYSetting.Read(fsettings));
  fLineSpacingEdit->setValue(kSpacingSetting.Read(fsettings));
  fWrapBox->setChecked(kWrapSetting.Read(fsettings));
  fEditorGlyphBox->setChecked(kEditorGlyphSetting.Read(fsettings));
}

void TTextPreviewView::ConnectControls() {
  connect(fTextEdit, &QPlainTextEdit::textChanged, this, [this] {
    TextSetting().Write(fsettings, fTextEdit->toPlainText());
    RequestRedraw();
  });
  connect(fDisplayBox, &QComboBox::currentIndexChanged, this, [this](int index) {
    kDisplaySetting.Write(fsettings, index == kCustomDisplay ? kCustomKey : DisplayKey(kDisplays[index]));
    DisplayChanged();
  });
  connect(fLookBox, &QComboBox::currentIndexChanged, this, [this](int index) {
    kLookSetting.Write(fsettings, kLooks[index].Key);
    LookChanged();
  });
  const auto follow = [this](QSpinBox* box, const Setting<int>& setting) {
    connect(box, &QSpinBox::valueChanged, this, [this, &setting](int value) {
      setting.Write(fsettings, value);
      RequestRedraw();
    });
  };
  follow(fZoomEdit, kZoomSetting);
  follow(fXEdit, kXSetting);
  follow(fYEdit, kYSetting);
  follow(fLineSpacingEdit, kSpacingSetting);
  // Only a custom size is the user's own; the presets keep theirs.
  for (auto [box, setting] : {std::pair{fWidthEdit, &kWidthSetting}, std::pair{fHeightEdit, &kHeightSetting}}) {
    connect(box, &QSpinBox::valueChanged, this, [this, setting = setting](int value) {
      if (fDisplayBox->currentIndex() == kCustomDisplay) setting->Write(fsettings, value);
      RequestRedraw();
    });
  }
  const auto followSwitch = [this](QCheckBox* box, const Setting<bool>& setting) {
    connect(box, &QCheckBox::toggled, this, [this, &setting](bool checked) {
      setting.Write(fsettings, checked);
      RequestRedraw();
    });
  };
  followSwitch(fWrapBox, kWrapSetting);
  followSwitch(fEditorGlyphBox, kEditorGlyphSetting);
  connect(fInkButton, &QPushButton::clicked, this,
          [this] { ChooseTftColour(ftftInk, kTftInkSetting.Key, tr("Vordergrundfarbe")); });
  connect(fPaperButton, &QPushButton::clicked, this,
          [this] { ChooseTftColour(ftftPaper, kTftPaperSetting.Key, tr("Hintergrundfarbe")); });
  connect(fSaveButton, &QPushButton::clicked, this, [this] { fguard.Run([this] { SaveAsPicture(); }); });
  auto* zoom = new TZoomKeys(*fScrollBox, *this);
  connect(zoom, &TZoomKeys::Step, this,
          [this](int step) { fZoomEdit->setValue(TZoomKeys::Stepped(fZoomEdit->value(), step)); });
  connect(&fdocument, &FontDocument::FontReplaced, this, &TTextPreviewView::RequestRedraw);
  connect(&fdocument, &FontDocument::MetricsChanged, this, &TTextPreviewView::RequestRedraw);
  connect(&fdocument, &FontDocument::GlyphChanged, this, &TTextPreviewView::RequestRedraw);
  // The editor's glyph shows only while it differs from the stored one.
  const auto editorChanged = [this] {
    if (fEditorGlyphBox->isChecked()) RequestRedraw();
  };
  connect(&fsession, &EditSession::PictureChanged, this, editorChanged);
  connect(&fsession, &EditSession::EditSizeChanged, this, editorChanged);
  connect(&fsession, &EditSession::CharRequestChanged, this, editorChanged);
}

void TTextPreviewView::DisplayChanged() {
  const int index = fDisplayBox->currentIndex();
  const bool custom = index == kCustomDisplay;
  fWidthEdit->setEnabled(custom);
  fHeightEdit->setEnabled(custom);
  if (custom) {
    fWidthEdit->setValue(kWidthSetting.Read(fsettings));
    fHeightEdit->setValue(kHeightSetting.Read(fsettings));
  } else {
    fWidthEdit->setValue(kDisplays[index].Width);
    fHeightEdit->setValue(kDisplays[index].Height);
  }
  RequestRedraw();
}

void TTextPreviewView::LookChanged() {
  const bool tft = fLookBox->currentIndex() == kTftLook;
  fInkButton->setEnabled(tft);
  fPaperButton->setEnabled(tft);
  RequestRedraw();
}

void TTextPreviewView::ChooseTftColour(TColor& colour, const char* key, const QString& title) {
  const QColor chosen = QColorDialog::getColor(QColor::fromRgb(colour), this, title);
  if (!chosen.isValid()) return;
  colour = chosen.rgb() & 0xFFFFFFu;
  fsettings.WriteString(kOptionsSection, QString::fromLatin1(key), ColourName(colour));
  RequestRedraw();
}

int TTextPreviewView::Zoom() const { return fZoomEdit->value(); }

textpreview::Scene TTextPreviewView::CurrentScene() const {
  textpreview::Scene scene;
  scene.DisplayWidth = fWidthEdit->value();
  scene.DisplayHeight = fHeightEdit->value();
  scene.OffsetX = fXEdit->value();
  scene.OffsetY = fYEdit->value();
  const int look = fLookBox->currentIndex();
  scene.DisplayLook = look == kTftLook ? textpreview::Look{ftftPaper, ftftInk, ftftInk, 0} : kLooks[look].Colours;
  return scene;
}

void TTextPreviewView::RequestRedraw() {
  fdirty = true;
  if (isVisible()) Redraw();
}

void TTextPreviewView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (fdirty) Redraw();
}

void TTextPreviewView::Redraw() {
  fdirty = false;
  const TFontHandler* font = &fdocument.EditFont();
  std::optional<TFontHandler> withEditorGlyph;
  if (fEditorGlyphBox->isChecked() && fsession.CharRequest()) {
    fsession.WriteEditCharInto(withEditorGlyph.emplace(*font));
    font = &*withEditorGlyph;
  }
  fscene = CurrentScene();
  textlayout::Options options;
  options.LineSpacing = fLineSpacingEdit->value();
  if (fWrapBox->isChecked()) options.WrapWidth = fscene.DisplayWidth - fscene.OffsetX;
  flayout = textlayout::LayoutText(*font, textlayout::GlyphCodes(fTextEdit->toPlainText().toStdU32String()), options);
  fraster.emplace(*font, flayout, fscene);
  const TColor outside = fScrollBox->palette().color(QPalette::Window).rgb() & 0xFFFFFFu;
  textpreview::ComposePicture(*fraster, Zoom(), textpreview::PaletteFor(fscene.DisplayLook, outside), fpicture);
  fPaint->SetPicture(fpicture);
  fStatus->setText(StatusText(textpreview::Overflowing(flayout, fscene)));
}

QString TTextPreviewView::StatusText(const textpreview::Overflow& overflow) const {
  QStringList parts = {tr("Text: %1 x %2 Pixel").arg(flayout.Width).arg(flayout.Height)};
  if (overflow.TooWide > 0) parts << tr("%1 Pixel zu breit").arg(overflow.TooWide);
  if (overflow.TooHigh > 0) parts << tr("%1 Pixel zu hoch").arg(overflow.TooHigh);
  return parts.join(QStringLiteral(" – "));
}

void TTextPreviewView::SaveAsPicture() {
  if (!fdialogs.ChooseSaveFile(fsaveChoice)) return;
  if (fdirty || !fraster) Redraw();
  WritePng(QFile::encodeName(fsaveChoice.FileName).toStdString(),
           textpreview::DisplayImage(*fraster, Zoom(), textpreview::PaletteFor(fscene.DisplayLook, 0)));
}
