// The settings store on a real settings file: the test run's own config folder, emptied first.
#include "platform/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include "model/cp932.h"
#include "support/core/temp_folder.h"

namespace {

class QtSettingsStoreTest : public ::testing::Test {
 protected:
  QtSettingsStoreTest() {
    QSettings settings(QStringLiteral("Kelvado"), QStringLiteral("Mevrolin"));
    settings.clear();
    settings.sync();
  }
};

TEST_F(QtSettingsStoreTest, MissingValuesAreWrittenWithTheirDefaultAndStoredOnesWin) {
  {
    QtSettingsStore store;
    EXPECT_FALSE(store.HasSetting("SizeX"));
    EXPECT_EQ(store.ReadSettingStr("SizeX", "-99"), "-99");
    EXPECT_EQ(store.ReadSettingInt("FontSizeV", 12), 12);
    EXPECT_TRUE(store.HasSetting("SizeX"));
    EXPECT_FALSE(store.HasSetting("FontSize")) << "asking does not create";
    store.WriteSettingStr("StartX", ToCp932("－２"));
    store.WriteSettingInt("ScaleNumberX", 7);
    store.WriteSettingBool("chkXY", false);
    EXPECT_TRUE(store.SaveSettings());
  }
  QtSettingsStore again;
  EXPECT_EQ(again.ReadSettingStr("SizeX", "0"), "-99");
  EXPECT_EQ(again.ReadSettingStr("StartX", "0"), ToCp932("－２"));
  EXPECT_EQ(again.ReadSettingInt("ScaleNumberX", 5), 7);
  EXPECT_EQ(again.ReadSettingInt("chkXY", 1), 0);
  EXPECT_EQ(again.ReadSettingInt("SizeX", 3), -99) << "a number kept as text reads as a number";
}

TEST_F(QtSettingsStoreTest, ValuesThatAreNo32BitIntegersReadAsTheDefault) {
  QSettings settings(QStringLiteral("Kelvado"), QStringLiteral("Mevrolin"));
  settings.setValue("A", "abc");
  settings.setValue("B", "4294967296");
  settings.sync();
  QtSettingsStore store;
  EXPECT_EQ(store.ReadSettingInt("A", 5), 5);
  EXPECT_EQ(store.ReadSettingInt("B", 5), 5);
}

TEST_F(QtSettingsStoreTest, AFileThatCannotBeWrittenIsReportedAndTheValuesStayInForce) {
  // A file where the settings folder should be: nothing can be written below it.
  TempFolder folder;
  TempFolder::Write(folder / "Kelvado", "not a folder");
  const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromStdString(folder.Path().string()));
  {
    QtSettingsStore store;
    EXPECT_EQ(store.ReadSettingStr("SizeX", "-99"), "-99");
    store.WriteSettingStr("SizeX", "256");
    EXPECT_FALSE(store.SaveSettings());
    EXPECT_EQ(store.ReadSettingStr("SizeX", "-99"), "256");
  }
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home);
}

}  // namespace
