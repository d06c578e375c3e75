#include "placement.h"

#include <gtest/gtest.h>

namespace {

TEST(Placement, StoredWindowPositionIsUsedOnlyWhenTheWindowFitsOnTheScreen) {
  struct Row {
    QPoint stored;
    std::optional<QPoint> expected;
  };
  const QSize window(640, 480);
  const QSize screen(1920, 1080);
  const Row rows[] = {
      {{100, 50}, QPoint(100, 50)}, {{0, 0}, QPoint(0, 0)},     {{1280, 600}, QPoint(1280, 600)},
      {{-1, -1}, std::nullopt},     {{-1, 50}, std::nullopt},   {{100, -1}, std::nullopt},
      {{5000, 50}, std::nullopt},   {{1281, 50}, std::nullopt}, {{100, 601}, std::nullopt},
  };
  for (const Row& row : rows)
    EXPECT_EQ(StoredWindowPosition(row.stored, window, screen), row.expected)
        << row.stored.x() << "," << row.stored.y();
}

TEST(Placement, StoredWindowSizeIsUsedOnlyWhenItFitsTheScreen) {
  const QSize screen(1920, 1040);
  const std::pair<QSize, std::optional<QSize>> rows[] = {
      {{700, 500}, QSize(700, 500)}, {{1920, 1040}, QSize(1920, 1040)}, {{1921, 500}, std::nullopt},
      {{700, 1041}, std::nullopt},   {{-1, -1}, std::nullopt},          {{0, 500}, std::nullopt},
  };
  for (const auto& [stored, expected] : rows)
    EXPECT_EQ(StoredWindowSize(stored, screen), expected) << stored.width() << "x" << stored.height();
}

TEST(Placement, DialogIsCentredOverTheWindowAndKeptOnTheScreen) {
  struct Row {
    QRect window;
    QSize dialog;
    QPoint expected;
  };
  const QSize screen(1920, 1080);
  const Row rows[] = {
      {{100, 100, 600, 400}, {200, 100}, {300, 250}},
      // 250 - 300 = -50: a negative coordinate becomes 1.
      {{0, 0, 500, 400}, {600, 300}, {1, 50}},
      // Past the right and bottom edges: moved back onto the screen.
      {{1700, 900, 400, 300}, {300, 200}, {1620, 880}},
      {{-400, -300, 200, 200}, {100, 100}, {1, 1}},
  };
  for (const Row& row : rows) EXPECT_EQ(CenteredDialogPosition(row.window, row.dialog, screen), row.expected);
}

}  // namespace
