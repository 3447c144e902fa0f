#include "MeasurePage.h"

#include "Golden.h"
#include "PagesProject.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <vector>

namespace {

struct StatisticsCase {
    std::vector<double> values;
    double mean;
    double deviation;
    double median;
};

// Computed by hand: the deviation is the sample one (divided by n - 1).
const StatisticsCase kStatisticsCases[] = {
    {{1, 2, 3, 4}, 2.5, 1.2909944487, 2.5},
    {{4, 3, 2, 1}, 2.5, 1.2909944487, 2.5},
    {{5}, 5, 0, 5},
    {{30, 4.5, 12, 7, 25}, 15.7, 11.2449988884, 12},
    {{-2, 8, 3}, 3, 5, 3},
};

TEST(MeasureStatisticsTest, MeanDeviationAndMedianAsComputedByHand) {
    for (const auto& c : kStatisticsCases) {
        MeasureStatistics statistics;
        for (double value : c.values)
            statistics.add(value);
        EXPECT_NEAR(statistics.mean(), c.mean, 1e-9);
        EXPECT_NEAR(statistics.standardDeviation(), c.deviation, 1e-9);
        EXPECT_DOUBLE_EQ(statistics.median(), c.median);
    }
}

// A table of a fixed size would lose the values past its end (or write
// past it): the median is that of every value.
TEST(MeasureStatisticsTest, TheMedianTakesEveryValue) {
    for (int count : {500, 501, 1200, 1201}) {
        std::vector<double> values(count);
        std::iota(values.begin(), values.end(), 1.0);
        // The large values first, as an archive in name order may hold them.
        std::reverse(values.begin(), values.end());
        std::shuffle(values.begin() + count / 2, values.end(), std::mt19937(7));
        MeasureStatistics statistics;
        for (double value : values)
            statistics.add(value);
        EXPECT_DOUBLE_EQ(statistics.median(), (count + 1) / 2.0) << count;
    }
}

TEST(MeasureStatisticsTest, ReadsValuesAsTheCLibraryDoesWhateverTheLocale) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"12", 12}, {"4.5", 4.5}, {"2.5e1h", 25},  {" 7", 7},
                 {"abc", 0}, {"3,5", 3},   {"-1.25", -1.25}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(MeasureStatistics::parse(c.text), c.value) << c.text;
}

// A measure with six archived data files (one without value, one whose
// value carries its unit) shows their table and statistics; one without
// data files shows neither.
TEST(MeasurePageTest, PagesOfTheFixtureInBothLanguages) {
    PagesProject project;
    ProcessManager& manager = project.open();
    manager.updateLinks(1, 0);
    manager.generateMeasure(0);
    manager.generateMeasure(1);
    EXPECT_TRUE(project.ui.messages.empty());
    expectGoldenPages(project, {
                                   {"site/Measures/Effort/overview.htm", "Effort.htm"},
                                   {"site/Measures/Effort/overviewL2.htm", "EffortL2.htm"},
                                   {"site/Measures/Defects/overview.htm", "Defects.htm"},
                               });
    const std::string effort = project.read("site/Measures/Effort/overview.htm");
    // 12, 4.5, 30, 7 and 25: mean 15.7, sample deviation 11.245, median 12.
    EXPECT_TRUE(contains(effort, "<b>Average: 15.7</b><br>\r\n"));
    EXPECT_TRUE(contains(effort, "<b>Standard deviation: 11.245</b><br>\r\n"));
    EXPECT_TRUE(contains(effort, "<b>Median: 12</b><br>\r\n"));
    const std::string defects = project.read("site/Measures/Defects/overview.htm");
    EXPECT_FALSE(contains(defects, "<table"));
    EXPECT_FALSE(contains(defects, "Average"));
}

// The flags choose what is computed; the planned value column narrows the
// others; a page without any value shows no statistic.
TEST(MeasurePageTest, FlagsChooseTheStatisticsAndColumns) {
    PagesProject project;
    project.write("site/Measures/Effort/process.data",
                  "[PROCESSUS]\r\nClass=MEASURE\r\nCalculateMedian=yes\r\n");
    ProcessManager& manager = project.open();
    manager.updateLinks(1, 0);
    manager.generateMeasure(0);
    std::string page = project.read("site/Measures/Effort/overview.htm");
    EXPECT_TRUE(contains(page, "<b>Median: 12</b>"));
    EXPECT_FALSE(contains(page, "Average"));
    EXPECT_FALSE(contains(page, "Standard deviation"));
    EXPECT_EQ(countOf(page, "<td width=\"15%\">"), 4 * 7);
    EXPECT_EQ(countOf(page, "<td width=\"40%\">"), 7);
    EXPECT_FALSE(contains(page, "width=\"12%\""));

    for (const char* file : {"Alpha", "Beta", "Delta", "Epsilon", "Zeta"})
        project.write(std::string("site/Measures/Effort/am/") + file + ".dat", "[DATA]\r\nProjectName=x\r\n");
    manager.generateMeasure(0);
    page = project.read("site/Measures/Effort/overview.htm");
    EXPECT_TRUE(contains(page, "<table"));
    EXPECT_FALSE(contains(page, "Median"));
}

} // namespace
