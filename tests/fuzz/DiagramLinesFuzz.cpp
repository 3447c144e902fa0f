// The lines of a diagram file as the diagram loader reads them: the paper
// record, entity records through the factory, link records. Every line a
// reader takes is written again as one line without a line break, which
// reads back as itself; the diagram the lines make, taken into an undo
// snapshot and emptied, comes back by undo with the same lines; and every
// entity draws at zoom 1 and 2, in both languages, without harm.

#include "CDiagramEntity.h"
#include "CFlowchartEntityContainer.h"
#include "DiagramDC.h"
#include "DiagramEntityFactory.h"
#include "FuzzProperty.h"
#include "RecordRoundTrip.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const CFlowchartEntityContainer& container) {
    std::vector<std::string> lines = {container.toPaperRecord().str()};
    for (int i = 0; i < container.getSize(); ++i)
        lines.push_back(container.getAt(i)->toRecordLine().str());
    for (int i = 0; i < container.getLinkCount(); ++i)
        lines.push_back(container.getLinkAt(i)->toRecordString().str());
    return lines;
}

// As the diagram loader takes a line: paper, else an entity, else a link.
void load(CFlowchartEntityContainer& container, const std::string& line) {
    if (container.parsePaperRecord(line))
        return;
    if (std::unique_ptr<CDiagramEntity> entity = createDiagramEntityFromRecord(line, nullptr)) {
        container.add(std::move(entity));
        return;
    }
    auto link = std::make_unique<CFlowchartLink>();
    if (link->loadFromRecord(line))
        container.addLink(std::move(link));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzzBytes(data, size);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string line(bytes.substr(start, end - start));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }

    CFlowchartEntityContainer container;
    container.setVirtualSize(CSize(1000, 1000));
    for (const std::string& line : lines) {
        const std::optional<std::string> written = rewriteDiagramLine(line);
        if (written) {
            fuzzRequire(written->find_first_of("\r\n") == std::string::npos, "a record holds no line break",
                        *written);
            const std::optional<std::string> again = rewriteDiagramLine(*written);
            fuzzRequire(again.has_value(), "a line written reads back", *written);
            fuzzRequire(*again == *written, "a line written reads back as itself", *written + " / " + *again);
        }
        load(container, line);
    }

    const std::vector<std::string> before = linesOf(container);
    container.snapshot();
    container.removeAll();
    container.clearLinks();
    container.setVirtualSize(CSize(20, 20));
    container.undo();
    fuzzRequire(linesOf(container) == before, "undo gives back the diagram's lines");

    DiagramPicture picture(240, 180, RGB(255, 255, 255));
    DiagramDC dc(picture);
    for (int i = 0; i < container.getSize(); ++i) {
        container.getAt(i)->select(i % 2);
        container.getAt(i)->drawObject(dc, 1.0, 0);
        container.getAt(i)->drawObject(dc, 2.0, 1);
    }
    return 0;
}
