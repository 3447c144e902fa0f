#include "MeasurePage.h"

#include "CStringListe.h"
#include "ItemMeasure.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "TextOutStream.h"

#include <algorithm>
#include <cmath>
#include <locale.h>
#include <stdlib.h>

namespace {

CString orBlank(const CString& text) {
    return text.IsEmpty() ? CString("&nbsp;") : text;
}

} // namespace

double MeasureStatistics::mean() const {
    double sum = 0;
    for (double value : m_values)
        sum += value;
    return m_values.empty() ? 0 : sum / count();
}

double MeasureStatistics::standardDeviation() const {
    if (count() < 2)
        return 0;
    const double average = mean();
    double squares = 0;
    for (double value : m_values)
        squares += (value - average) * (value - average);
    return std::sqrt(squares / (count() - 1));
}

double MeasureStatistics::median() const {
    if (m_values.empty())
        return 0;
    std::vector<double> sorted = m_values;
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    return n % 2 == 1 ? sorted[(n - 1) / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

double MeasureStatistics::parse(const CString& text) {
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text.GetString(), nullptr, cLocale);
}

MeasurePage::MeasurePage(ProcessManager& manager, ProcessItem& item, int language)
    : m_manager(manager), m_item(item), m_language(language), m_rootPrefix(upPrefix(item.getLevel() + 2)),
      m_links(manager.getProjectDirectory() + item.getFolder(1, 1)) {}

CString MeasurePage::label(const char* key) {
    return m_manager.getLabel(m_language, key);
}

CString MeasurePage::heading(const char* key) {
    return "<H4>" + label(key) + " <a href=\"#Top\"><IMG alt=\"To top of page\" src=\"" +
           m_links.get(m_rootPrefix + "images/top.gif") + "\" border=0></a></H4>\n";
}

std::vector<MeasurePage::DataPoint> MeasurePage::readDataPoints() {
    std::vector<DataPoint> points;
    ItemMeasure* measure = m_item.getItemMeasure();
    CStringListe* files = measure->listMeasureDataFiles();
    for (int i = 1; i <= files->count(); ++i) {
        DataPoint& point = points.emplace_back();
        measure->readMeasureData(*files->at(i), point.projectName, point.projectType, point.department,
                                 point.value, point.comment, point.plannedValue);
    }
    files->deleteAll();
    delete files;
    return points;
}

bool MeasurePage::write() {
    TextOutStream out;
    if (const PageOpening opening = openItemPage(m_manager, m_item, m_language, out);
        opening != PageOpening::Opened)
        return opening == PageOpening::NoPage;
    const ItemMeasure& measure = *m_item.getItemMeasure();
    const CString name = m_item.getNameByLanguage(m_language);
    out << styledPageHeadStart(m_manager, &m_item, name, m_links, m_rootPrefix) << "</head>\n\n"
        << "<body>\n"
        << m_manager.getPageBanner(name, m_rootPrefix, m_item.getPageHeaderImage(), 1, "", &m_links);
    out << heading("Description") << m_item.getDescription(m_language) << "<br><br>\n";
    if (!measure.getUnit().IsEmpty())
        out << label("Unit") << " " << measure.getUnit() << "<br>\n";
    if (!measure.getPicturePath().IsEmpty())
        out << "<br><img alt=\"\" src=\"" << m_links.get("./" + measure.getPicturePath()) << "\"><br>\n";
    if (!measure.getHyperlink().IsEmpty())
        out << "<br><a href=\"" << measure.getHyperlink() << "\">" << measure.getHyperlink() << "</a><br>\n";
    const std::vector<DataPoint> points = readDataPoints();
    if (!points.empty())
        writeMeasures(out, points);
    m_manager.writePageFooter(&m_item, out, 0, m_language, 0, "");
    out << "</body>\n"
        << "</html>\n";
    return out.close();
}

void MeasurePage::writeMeasures(TextOutStream& out, const std::vector<DataPoint>& points) {
    const ItemMeasure& measure = *m_item.getItemMeasure();
    const bool planned = measure.m_includePlannedValue;
    const char* width = planned ? "13" : "15";
    const char* commentWidth = planned ? "36" : "40";
    auto cell = [&](const char* w, const CString& text) {
        out << "<td width=\"" << w << "%\">" << orBlank(text) << "</td>\n";
    };
    auto boldCell = [&](const char* w, const CString& text) {
        out << "<td width=\"" << w << "%\"><b><center>" << orBlank(text) << "</center></b></td>\n";
    };

    out << heading("Measures") << "<table border=\"1\" width=\"100%\">\n"
        << "<tr>\n";
    for (const char* key : {"Project", "ProjectType", "Departement"})
        cell(width, "<b>" + label(key) + "</b>");
    if (planned)
        cell("12", "<b>" + label("PlannedValue") + "</b>");
    cell(width, "<b>" + label("Values") + "</b>");
    cell(commentWidth, "<b>" + label("InterpratationComment") + "</b>");
    out << "</tr>\n";

    const bool average = measure.m_calculateAverage;
    const bool deviation = measure.m_calculateStandardDeviation;
    const bool median = measure.m_calculateMedian;
    MeasureStatistics statistics;
    for (const DataPoint& point : points) {
        out << "<tr>\n";
        cell(width, point.projectName);
        cell(width, point.projectType);
        cell(width, point.department);
        if (planned)
            boldCell("12", point.plannedValue);
        boldCell(width, point.value);
        cell(commentWidth, point.comment);
        out << "</tr>\n";
        if (!point.value.IsEmpty())
            statistics.add(MeasureStatistics::parse(point.value));
    }
    out << "</table><br>\n";

    if (statistics.count() == 0)
        return;
    if (average)
        out << "<b>" << label("Average") << " " << statistics.mean() << "</b><br>\n";
    if (deviation)
        out << "<b>" << label("StandardDeviation") << " " << statistics.standardDeviation() << "</b><br>\n";
    if (median)
        out << "<b>" << label("Median") << " " << statistics.median() << "</b><br>\n";
}
