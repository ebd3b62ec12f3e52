#include <gtest/gtest.h>

#include <QCheckBox>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

#include "AutosavePreferencesDialog.h"
#include "AutosaveSettings.h"

namespace {

struct Stored {
  const char* name;
  QVariant enabled;  // invalid: not stored
  QVariant delay;
  AutosaveSettings expected;
};
void PrintTo(const Stored& c, std::ostream* os) { *os << c.name; }
class StoredSettings : public ::testing::TestWithParam<Stored> {};

TEST_P(StoredSettings, ReadWithDefaultsAndLimits) {
  QTemporaryDir dir;
  QSettings settings(dir.filePath(QStringLiteral("kedrin.ini")), QSettings::IniFormat);
  if (GetParam().enabled.isValid()) settings.setValue(QStringLiteral("autosave/enabled"), GetParam().enabled);
  if (GetParam().delay.isValid()) settings.setValue(QStringLiteral("autosave/delaySeconds"), GetParam().delay);
  EXPECT_EQ(AutosaveSettings::Load(settings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    AutosaveSettings, StoredSettings,
    ::testing::Values(Stored{"Nothing", {}, {}, {true, 5}},
                      Stored{"SwitchedOff", false, {}, {false, 5}},
                      Stored{"NoDelay", {}, 0, {true, 1}},
                      Stored{"HugeDelay", {}, 100000, {true, 600}},
                      Stored{"DelayNotANumber", {}, QStringLiteral("soon"), {true, 5}}),
    [](const ::testing::TestParamInfo<Stored>& info) { return std::string(info.param.name); });

TEST(AutosaveSettings, SavedSettingsReadBackThroughAFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("kedrin.ini"));
  {
    QSettings settings(path, QSettings::IniFormat);
    AutosaveSettings{false, 42}.Save(settings);
  }
  QSettings settings(path, QSettings::IniFormat);
  EXPECT_EQ(AutosaveSettings::Load(settings), (AutosaveSettings{false, 42}));
}

TEST(AutosavePreferencesDialog, ShowsAndReturnsTheEditedOptions) {
  AutosavePreferencesDialog dialog({true, 5});
  EXPECT_TRUE(dialog.EnabledBox()->isChecked());
  EXPECT_EQ(dialog.DelayBox()->value(), 5);
  dialog.DelayBox()->setValue(20);
  EXPECT_EQ(dialog.Settings(), (AutosaveSettings{true, 20}));

  dialog.EnabledBox()->setChecked(false);
  EXPECT_FALSE(dialog.DelayBox()->isEnabled());
  EXPECT_EQ(dialog.Settings(), (AutosaveSettings{false, 20}));
  dialog.DelayBox()->setValue(5000);
  EXPECT_EQ(dialog.Settings().delaySeconds, 600);
}

}  // namespace
