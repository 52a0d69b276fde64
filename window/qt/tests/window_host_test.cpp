#include "window/qt/window_host.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "expected_texts.h"
#include "window_test_support.h"

namespace window {
namespace {

using testing_support::kExpectedDone;
using testing_support::kExpectedMakingLists;
using testing_support::kExpectedReading;
using window_testing::FakeDesktop;
using window_testing::PaintRecorder;
using Journal = std::vector<std::string>;

std::string Paint(std::string_view status) { return "paint: " + std::string(status); }

TEST(WindowHostTest, StatusIsPaintedBeforeShowStatusReturnsWithoutAnEventLoop) {
  QWidget form;
  auto* button = new QPushButton(QStringLiteral("Go"), &form);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  Journal journal;
  FakeDesktop desktop("/programs/minimal pairs", journal);
  WindowHost host(*button, form, desktop);
  PaintRecorder recorder(*button, journal);

  host.ShowStatus(kExpectedReading);
  host.ShowStatus(kExpectedMakingLists);
  host.ShowMessage(" 0 words have  P ,  0 words have  T .  Click OK to continue.");
  host.ShowStatus("Completed  100 /  200 words containing  P .");
  host.ShowStatus(kExpectedDone);

  // The progress text may be left to the text after it (PaintThrottle).
  std::erase(journal, "paint: Completed  100 /  200 words containing  P .");
  EXPECT_EQ(journal, (Journal{
                         Paint(kExpectedReading),
                         Paint(kExpectedMakingLists),
                         "message:  0 words have  P ,  0 words have  T .  Click OK to continue.",
                         Paint(kExpectedDone),
                     }));
  EXPECT_EQ(button->text().toStdString(), kExpectedDone);
  EXPECT_EQ(host.ApplicationDirectory(), "/programs/minimal pairs");
}

}  // namespace
}  // namespace window
