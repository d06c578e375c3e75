#include "commands/metafiles.h"

#include "editor/metafilesamples.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using metafile_samples::Emf;
using metafile_samples::Wmf;

bool IsBlack(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0; }
bool IsWhite(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF; }

// One line per row: '#' black, '.' white, '?' anything else. The ring of
// pixels around the bar, where the renderer smooths the edges, shows as '*'.
std::string Rows(const QImage& image, QRect bar) {
  const QRect ring = bar.adjusted(-1, -1, 1, 1);
  std::string rows;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const bool edge = ring.contains(x, y) && !bar.contains(x, y);
      rows += edge ? '*' : IsBlack(image, x, y) ? '#' : IsWhite(image, x, y) ? '.' : '?';
    }
    rows += '\n';
  }
  return rows;
}

// The picture shows the bar in black on white.
void ExpectBar(const QImage& image, QRect bar) {
  QImage expected(image.size(), QImage::Format_RGB32);
  expected.fill(Qt::white);
  for (int y = bar.top(); y <= bar.bottom(); ++y)
    for (int x = bar.left(); x <= bar.right(); ++x) expected.setPixel(x, y, 0xFF000000u);
  EXPECT_EQ(Rows(image, bar), Rows(expected, bar));
}

TEST(MetafilesTest, DrawsEmfAndWmfAtTheirOwnSizeOnWhite) {
  const QRect bar(2, 1, 3, 4);
  struct Row {
    const char* name;
    QByteArray data;
    MetafileKind kind;
    QSize size;
  };
  const Row rows[] = {
      {"EMF", Emf(QSize(10, 8), bar), MetafileKind::Emf, QSize(10, 8)},
      {"WMF at 96 units per inch", Wmf(QSize(10, 8), 96, bar), MetafileKind::Wmf, QSize(10, 8)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DetectMetafile(row.data), row.kind);
    const QImage image = RenderMetafile(row.data, QSize(64, 64));
    ASSERT_EQ(image.size(), row.size);
    ExpectBar(image, bar);
  }
}

TEST(MetafilesTest, PlaceableWmfIsMeasuredAtScreenResolution) {
  // 150 twips are a tenth of an inch: 9.6, so 10 pixels at 96 per inch.
  const QImage image = RenderMetafile(Wmf(QSize(150, 120), 1440, QRect(30, 30, 45, 45)), QSize(64, 64));
  EXPECT_EQ(image.size(), QSize(10, 8));
  EXPECT_TRUE(IsBlack(image, 3, 3));
  EXPECT_TRUE(IsWhite(image, 0, 0));
  EXPECT_TRUE(IsWhite(image, 9, 7));
}

TEST(MetafilesTest, WmfWithoutPlaceableHeaderShowsItsDrawing) {
  const QByteArray data = Wmf(QSize(10, 8), 96, QRect(2, 1, 3, 4)).mid(22);
  EXPECT_EQ(DetectMetafile(data), MetafileKind::Wmf);
  const QImage image = RenderMetafile(data, QSize(64, 64));
  ASSERT_FALSE(image.isNull());
  bool inked = false;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) inked = inked || IsBlack(image, x, y);
  EXPECT_TRUE(inked);
}

TEST(MetafilesTest, OnlyTheTopLeftPartWithinTheLimitIsDrawn) {
  const QImage image = RenderMetafile(Emf(QSize(300, 200), QRect(2, 2, 296, 196)), QSize(16, 12));
  ASSERT_EQ(image.size(), QSize(16, 12));
  ExpectBar(image, QRect(2, 2, 14, 10));
}

TEST(MetafilesTest, DataThatIsNoReadableMetafileGivesNoPicture) {
  QByteArray truncatedEmf = Emf(QSize(10, 8), QRect(1, 1, 2, 2)).left(90);
  QByteArray emptyEmf = Emf(QSize(0, 0), QRect(1, 1, 2, 2));
  QByteArray brokenWmf = Wmf(QSize(10, 8), 96, QRect(1, 1, 2, 2));
  brokenWmf.truncate(30);
  QByteArray zeroUnitsWmf = Wmf(QSize(10, 8), 0, QRect(1, 1, 2, 2));
  const QByteArray rows[] = {
      QByteArray("\x89PNG\r\n\x1a\n"), QByteArray(100, '\0'), truncatedEmf, emptyEmf, brokenWmf, zeroUnitsWmf};
  for (const QByteArray& data : rows)
    EXPECT_TRUE(RenderMetafile(data, QSize(64, 64)).isNull()) << data.toHex().left(40).constData();
}

}  // namespace
