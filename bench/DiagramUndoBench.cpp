// Edits a large synthetic flowchart the way the editor does, headless, and
// measures what undo costs: 1,000 moves of one entity, each after its
// snapshot, with the memory the snapshots hold; the time of one snapshot and
// of one undo; and reading and writing every line of the diagram as a load
// and a save do.
//   build/bin/bench_diagram_undo [entities links]
// Targets on 500 entities and 600 links: the moves hold at most 16 MB, a
// snapshot takes at most 1 ms, an undo at most 20 ms, all lines read and
// written in at most 50 ms.

#include "BenchReport.h"
#include "CDiagramLine.h"
#include "CFlowchartEntityBox.h"
#include "CFlowchartEntityCondition.h"
#include "CFlowchartEntityContainer.h"
#include "CFlowchartEntityTerminator.h"
#include "CFlowchartLabel.h"
#include "DiagramEntityFactory.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

// The bytes this process holds from operator new, counted as it allocates:
// what the snapshots keep, whatever the allocator's pools hold back.
namespace {
std::atomic<long long> g_heapBytes{0};
}

void* operator new(size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    g_heapBytes += static_cast<long long>(malloc_usable_size(block));
    return block;
}
void operator delete(void* block) noexcept {
    if (block)
        g_heapBytes -= static_cast<long long>(malloc_usable_size(block));
    std::free(block);
}
void operator delete(void* block, size_t) noexcept {
    operator delete(block);
}

namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;

// A flowchart of a process page: mostly labelled nodes (terminators,
// labels, gateways), some boxes and free lines, and links between the
// linkable nodes of neighbouring columns.
void buildDiagram(CFlowchartEntityContainer& diagram, int entities, int links) {
    diagram.setVirtualSize(CSize(4000, 3000));
    std::vector<CFlowchartEntity*> linkables;
    for (int i = 0; i < entities; ++i) {
        const double left = 20 + (i % 25) * 160, top = 20 + (i / 25) * 140;
        std::unique_ptr<CDiagramEntity> entity;
        switch (i % 6) {
        case 0:
        case 3: {
            auto label = std::make_unique<CFlowchartLabel>();
            label->setTitle("Review the design of component " + CString(std::to_string(i)));
            label->setTitleL2("Revue de la conception du composant " + CString(std::to_string(i)));
            label->setRect(left, top, left + 120, top + 40);
            linkables.push_back(label.get());
            entity = std::move(label);
            break;
        }
        case 1: {
            auto condition = std::make_unique<CFlowchartEntityCondition>();
            condition->setGatewayKind(1 + i % 7);
            condition->setTitle("Approved?");
            condition->setRect(left, top, left + 40, top + 50);
            linkables.push_back(condition.get());
            entity = std::move(condition);
            break;
        }
        case 2: {
            auto terminator = std::make_unique<CFlowchartEntityTerminator>();
            terminator->setTitleL2("D\xe9"
                                   "but / Fin");
            terminator->setRect(left, top, left + 128, top + 32);
            linkables.push_back(terminator.get());
            entity = std::move(terminator);
            break;
        }
        case 4: {
            auto box = std::make_unique<CFlowchartEntityBox>();
            box->setFillColor(255, 220, 240);
            box->setRect(left, top, left + 100, top + 60);
            entity = std::move(box);
            break;
        }
        default: {
            auto line = std::make_unique<CDiagramLine>();
            line->setEndArrow(1);
            line->setRect(left, top, left + 90, top + 70);
            entity = std::move(line);
            break;
        }
        }
        diagram.add(std::move(entity));
    }
    // Each linkable node links to the next ones in the list, to the right or
    // below, until there are enough links.
    for (size_t step = 1; diagram.getLinkCount() < links && step < linkables.size(); ++step)
        for (size_t i = 0; i + step < linkables.size() && diagram.getLinkCount() < links; ++i) {
            auto link = std::make_unique<CFlowchartLink>();
            link->setFromName(linkables[i]->getName());
            link->setToName(linkables[i + step]->getName());
            link->setFromSide(2);
            link->setToSide(1);
            link->setLabel(i % 3 ? "" : "yes");
            if (i % 4 == 0)
                link->addIntermediaryPoint(CPoint(static_cast<int>(linkables[i]->getRight()) + 10,
                                                  static_cast<int>(linkables[i]->getTop())));
            link->setNew(0);
            diagram.addLink(std::move(link));
        }
}

std::vector<CString> linesOf(const CFlowchartEntityContainer& diagram) {
    std::vector<CString> lines = {diagram.toPaperRecord()};
    for (int i = 0; i < diagram.getSize(); ++i)
        lines.push_back(diagram.getAt(i)->toRecordLine());
    for (int i = 0; i < diagram.getLinkCount(); ++i)
        lines.push_back(diagram.getLinkAt(i)->toRecordString());
    return lines;
}

// As the diagram loader takes a line: paper, else an entity, else a link.
void load(CFlowchartEntityContainer& diagram, const CString& line) {
    if (diagram.parsePaperRecord(line))
        return;
    if (std::unique_ptr<CDiagramEntity> entity = createDiagramEntityFromRecord(line, nullptr)) {
        diagram.add(std::move(entity));
        return;
    }
    auto link = std::make_unique<CFlowchartLink>();
    if (link->loadFromRecord(line))
        diagram.addLink(std::move(link));
}

// Times of one step: their average, the worst and the 99th percentile (a
// shared machine makes single runs slower now and then).
struct Spread {
    std::vector<double> times;
    void add(double seconds) { times.push_back(seconds); }
    double average() const {
        double sum = 0;
        for (double t : times)
            sum += t;
        return times.empty() ? 0 : sum / static_cast<double>(times.size());
    }
    double percentile(double p) const {
        if (times.empty())
            return 0;
        std::vector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::min(sorted.size() - 1,
                               static_cast<size_t>(p * static_cast<double>(sorted.size())))];
    }
    void report(const std::string& step, long objects) const {
        benchReport(step + ", average", objects, average(), "objects");
        benchReport(step + ", 99th percentile", objects, percentile(0.99), "objects");
        benchReport(step + ", worst", objects, percentile(1.0), "objects");
    }
};

void run(int entities, int links) {
    std::printf("diagram of %d entities and %d links\n", entities, links);

    // The moves, each after its snapshot, as the editor moves one entity.
    {
        // Code and allocator warmed once, as in a running program.
        CFlowchartEntityContainer warm;
        buildDiagram(warm, entities, links);
        warm.snapshot();
    }
    const long long heapBefore = g_heapBytes;
    CFlowchartEntityContainer diagram;
    buildDiagram(diagram, entities, links);
    // The first snapshot makes every object's line; the later ones make the
    // lines of what changed.
    const double first = bestOf(1, [&] {
        BenchTimer timer;
        diagram.snapshot();
        return timer.seconds();
    });
    benchReport("first snapshot, every line made", entities + links, first, "objects");
    diagram.clearUndo();
    const long long heapDiagram = g_heapBytes - heapBefore;
    const std::vector<CString> linesBefore = linesOf(diagram); // to check the undos by
    const long long heapBuilt = g_heapBytes;

    constexpr int kMoves = 1000;
    Spread snapshot;
    BenchTimer moves;
    for (int m = 0; m < kMoves; ++m) {
        BenchTimer timer;
        diagram.snapshot();
        snapshot.add(timer.seconds());
        diagram.getAt((m * 37) % entities)->moveRect(3.0, -2.0);
    }
    const double movesSeconds = moves.seconds();
    const long long held = g_heapBytes - heapBuilt;
    benchReport("moves, each after its snapshot", kMoves, movesSeconds, "moves");
    snapshot.report("one snapshot", entities + links);
    std::printf("%-40s %10.2f MB (diagram itself %.2f MB; target 16 MB)\n", "held by the snapshots",
                held / kMegabyte, heapDiagram / kMegabyte);

    // Undo them all, each building the diagram again from its lines.
    Spread undo;
    const int undos = diagram.getUndoCount();
    for (int u = 0; u < undos; ++u) {
        BenchTimer timer;
        diagram.undo();
        undo.add(timer.seconds());
    }
    undo.report("one undo", entities + links);
    if (linesOf(diagram) != linesBefore)
        std::printf("undoing all did not give back the diagram as it was\n");

    // A load and a save of every line, from objects that have made no line yet.
    const std::vector<CString> lines = linesOf(diagram);
    std::string written;
    for (const CString& line : lines) {
        written += line.str();
        written += "\r\n";
    }
    const double readWrite = bestOf(5, [&] {
        BenchTimer timer;
        CFlowchartEntityContainer loaded;
        for (const CString& line : lines)
            load(loaded, line);
        std::string file;
        file.reserve(written.size());
        for (const CString& line : linesOf(loaded)) {
            file += line.str();
            file += "\r\n";
        }
        const double seconds = timer.seconds();
        if (file != written)
            std::printf("the lines read and written differ from the lines written before\n");
        return seconds;
    });
    benchReport("all lines read and written", static_cast<long>(lines.size()), readWrite, "lines");
}

} // namespace

int main(int argc, char** argv) {
    const int entities = argc > 1 ? std::atoi(argv[1]) : 500;
    const int links = argc > 2 ? std::atoi(argv[2]) : 600;
    run(entities, links);
    return 0;
}
