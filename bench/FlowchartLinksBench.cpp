// A flowchart editor's busiest steps on a large diagram, headless: the full
// repaint of a 1000 x 1000 paper with its dotted grid, 500 shapes and 600
// links (targets: 16 ms); one drag step of the first node of a chain of 500
// linked nodes, with the walk that carries the chain along, without paint
// (2 ms); and a click's pick among the links (1 ms).
//   build/bin/bench_flowchart_links [nodes...]

#include "BenchReport.h"
#include "CFlowchartEditor.h"
#include "CFlowchartEntityCondition.h"
#include "CFlowchartEntityContainer.h"
#include "CFlowchartEntityTerminator.h"
#include "CFlowchartLabel.h"
#include "DiagramDC.h"
#include "FlowchartLinkGeometry.h"
#include "FlowchartLinkIndex.h"
#include "FlowchartLinkMover.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kPaper = 1000;

template <class Entity> CFlowchartEntity* put(CFlowchartEntityContainer& container, CRect rect) {
    auto entity = std::make_unique<Entity>();
    entity->setRect(rect.left, rect.top, rect.right, rect.bottom);
    CFlowchartEntity* raw = entity.get();
    container.add(std::move(entity));
    return raw;
}

CFlowchartLink* link(CFlowchartEntityContainer& container, const CFlowchartEntity* from,
                     const CFlowchartEntity* to, int fromSide, int toSide) {
    auto made = std::make_unique<CFlowchartLink>();
    made->setFromName(from->getName());
    made->setToName(to->getName());
    made->setFromSide(fromSide);
    made->setToSide(toSide);
    CFlowchartLink* raw = made.get();
    container.addLink(std::move(made));
    return raw;
}

// Shapes in rows of 25 on the paper, each linked to the next in its row
// (and the last of a row to the first of the next, with two bend points),
// and every fourth linked down to the one below with a label: 600 links for
// 500 shapes.
void buildDiagram(CFlowchartEntityContainer& container, int shapes) {
    std::vector<CFlowchartEntity*> nodes;
    for (int i = 0; i < shapes; ++i) {
        const int column = i % 25, row = i / 25;
        const CRect rect(5 + column * 40, 5 + row * 50, 5 + column * 40 + 30, 5 + row * 50 + 24);
        if (i % 7 == 3)
            nodes.push_back(put<CFlowchartEntityCondition>(container, rect));
        else if (i % 3 == 0)
            nodes.push_back(put<CFlowchartEntityTerminator>(container, rect));
        else
            nodes.push_back(put<CFlowchartLabel>(container, rect));
        nodes.back()->setTitle("Step " + std::to_string(i));
    }
    int links = 0;
    for (int i = 0; i + 1 < shapes; ++i, ++links) {
        CFlowchartLink* made = link(container, nodes[i], nodes[i + 1], LINK_RIGHT, LINK_LEFT);
        made->setLinkKind(i % 11);
        if (i % 25 == 24) {
            made->addIntermediaryPoint(nodes[i]->getLinkPosition(LINK_RIGHT) + CSize(4, 12));
            made->addIntermediaryPoint(nodes[i + 1]->getLinkPosition(LINK_LEFT) + CSize(-4, -12));
        }
    }
    for (int i = 0; i + 25 < shapes && links < shapes * 6 / 5; i += 4, ++links) {
        CFlowchartLink* made = link(container, nodes[i], nodes[i + 25], LINK_BOTTOM, LINK_TOP);
        made->setLabel("yes");
        made->setSelected(i % 50 == 0);
    }
}

void benchRepaint(int shapes) {
    CFlowchartEntityContainer container;
    container.setVirtualSize(CSize(kPaper, kPaper));
    buildDiagram(container, shapes);
    // The editor's own drawing of the paper: background, dotted grid,
    // entities, links.
    CFlowchartEditor editor;
    editor.setDiagramEntityContainer(&container);
    editor.showGrid(TRUE);
    DiagramPicture canvas(kPaper + 1, kPaper + 1, RGB(128, 128, 128));
    auto paint = [&] {
        BenchTimer timer;
        DiagramDC dc(canvas);
        editor.draw(dc, CRect(0, 0, kPaper + 1, kPaper + 1));
        dc.flush();
        return timer.seconds();
    };
    paint(); // fonts resolved, pictures and grid tiles drawn once
    const double frame = bestOf(5, paint);
    benchReport("full repaint with grid, " + std::to_string(container.getLinkCount()) + " links", shapes,
                frame, "shapes");
}

void benchDrag(int nodes) {
    CFlowchartEntityContainer container;
    std::vector<CFlowchartEntity*> chain;
    for (int i = 0; i < nodes; ++i) {
        chain.push_back(put<CFlowchartLabel>(container, CRect(i * 40, 400, i * 40 + 30, 424)));
        if (i > 0)
            link(container, chain[i - 1], chain[i], LINK_RIGHT, LINK_LEFT);
    }
    chain.front()->select(TRUE);
    // One mouse move as the editor handles it: the move limit, the move,
    // the picked bend points, then the links follow.
    const int steps = 200;
    const double total = bestOf(3, [&] {
        BenchTimer timer;
        for (int s = 0; s < steps; ++s) {
            double dx = 0;
            double dy = s % 2 ? 1 : -1;
            FlowchartLinkMover::constrainMove(container, dx, dy, CRect(0, 0, 100000, 100000));
            const auto before = FlowchartLinkMover::selectedPositions(container);
            chain.front()->moveRect(dx, dy);
            FlowchartLinkMover::dragPickedPoints(container, CPoint(10, 10));
            FlowchartLinkMover::followMovedEntities(container, &before);
        }
        return timer.seconds() / steps;
    });
    benchReport("drag step of the first node of a chain", nodes, total, "nodes");
}

void benchPick(int shapes) {
    CFlowchartEntityContainer container;
    buildDiagram(container, shapes);
    const int clicks = 200;
    const double each = bestOf(3, [&] {
        BenchTimer timer;
        int hits = 0;
        for (int c = 0; c < clicks; ++c) {
            const CPoint point((c * 37) % kPaper, (c * 53) % kPaper);
            const FlowchartLinkIndex index(container);
            for (int i = 0; i < container.getLinkCount(); ++i) {
                const CFlowchartLink& one = *container.getLinkAt(i);
                hits += FlowchartLinkGeometry::hitTest(container, one, index.from(one), index.to(one),
                                                       point) != 0;
            }
        }
        return timer.seconds() / clicks + hits * 0.0;
    });
    benchReport("click's pick among the links", shapes, each, "shapes");
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {500};
    for (int size : sizes) {
        benchRepaint(size);
        benchDrag(size);
        benchPick(size);
    }
    return 0;
}
