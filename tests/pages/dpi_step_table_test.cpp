#include "pages/dpi_step_table.h"

#include <gtest/gtest.h>

#include "profile/sensor_model.h"

namespace pelorin {
namespace {

struct SensorCase {
  std::uint16_t model;
  int count;
  int firstDpi, lastDpi;
  bool extended;
};

class StepTable : public testing::TestWithParam<SensorCase> {};

TEST_P(StepTable, HasTheSensorsCountEndsAndFlag) {
  DpiStepTable table;
  ASSERT_TRUE(table.rebuild(GetParam().model));
  EXPECT_EQ(table.stepCount(), GetParam().count);
  EXPECT_EQ(table.dpiOfStep(0), GetParam().firstDpi);
  EXPECT_EQ(table.dpiOfStep(GetParam().count - 1), GetParam().lastDpi);
  EXPECT_EQ(table.dpiOfStep(GetParam().count), std::nullopt);
  EXPECT_EQ(table.extendedSensor(), GetParam().extended);
}

INSTANTIATE_TEST_SUITE_P(Sensors, StepTable,
                         testing::Values(SensorCase{0x3104, 48, 100, 8000, false},
                                         SensorCase{0x3212, 42, 200, 4800, false},
                                         SensorCase{0x3325, 59, 200, 10000, false},
                                         SensorCase{0x3327, 74, 200, 12400, false},
                                         SensorCase{0x3335, 160, 100, 16000, true},
                                         SensorCase{0x3360, 121, 100, 24000, true},
                                         SensorCase{0x3370, 290, 50, 19000, true},
                                         SensorCase{0x3389, 160, 100, 16000, true},
                                         SensorCase{0x3395, 520, 50, 26000, true},
                                         SensorCase{0x3399, 400, 50, 20000, true}));

// A profile reset to its defaults (a new profile, a factory reset) goes to the mouse as it is:
// a default past the table's end would name a resolution the sensor does not have.
TEST_P(StepTable, DefaultLevelsNameStepsOfTheTable) {
  DpiStepTable table;
  ASSERT_TRUE(table.rebuild(GetParam().model));
  const auto defaults = SensorModel{GetParam().model}.dpiStepDefaults();
  ASSERT_TRUE(defaults.has_value());
  for (const DpiStepIndex step : *defaults) EXPECT_LT(step, table.stepCount());
}

TEST(StepTableRebuild, UnknownSensorKeepsTheTable) {
  DpiStepTable table;
  table.rebuild(0x3325);
  EXPECT_FALSE(table.rebuild(0x1234));
  EXPECT_EQ(table.stepCount(), 59);
  EXPECT_EQ(table.dpiOfStep(49), 5500);  // the first step after the run of twos: 110 x 50
  EXPECT_EQ(table.dpiOfStep(-1), std::nullopt);
}

struct TypedCase {
  std::uint16_t model;
  int typed;
  int step;
};

class TypedValue : public testing::TestWithParam<TypedCase> {};

// A typed resolution selects the first step not below it, the last one past the table.
TEST_P(TypedValue, SnapsUpToTheTable) {
  DpiStepTable table;
  ASSERT_TRUE(table.rebuild(GetParam().model));
  EXPECT_EQ(table.stepAtLeast(GetParam().typed), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Values, TypedValue,
                         testing::Values(TypedCase{0x3325, 1234, 11}, TypedCase{0x3325, 0, 0},
                                         TypedCase{0x3325, 200, 0}, TypedCase{0x3325, 201, 1},
                                         TypedCase{0x3325, 9999, 58}, TypedCase{0x3325, 10001, 58},
                                         TypedCase{0x3360, 12001, 120},
                                         TypedCase{0x3360, 12000, 119}, TypedCase{0x3370, 50, 0},
                                         TypedCase{0x3370, 10050, 200}));

TEST(LevelOfOrdinal, CountsOnlyEnabledLevels) {
  EXPECT_EQ(levelOfOrdinal(0b00010110, 0), 1);
  EXPECT_EQ(levelOfOrdinal(0b00010110, 2), 4);
  EXPECT_EQ(levelOfOrdinal(0b00010110, 3), std::nullopt);
  EXPECT_EQ(levelOfOrdinal(0, 0), std::nullopt);
  EXPECT_EQ(levelOfOrdinal(0xFF, 7), 7);
}

}  // namespace
}  // namespace pelorin
