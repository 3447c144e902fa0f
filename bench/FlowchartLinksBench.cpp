// One drag step of the first node of a chain of linked nodes, as the
// flowchart editor handles a mouse move, without paint: the move limit, the
// move, the picked bend points and the walk that carries the whole chain
// along (target for 500 nodes: at most 2 ms). The repaint with links and the
// clicks' picks are timed by bench_diagram_editor. Headless:
//   build/bin/bench_flowchart_links [nodes...]

#include "BenchReport.h"
#include "CFlowchartEntityContainer.h"
#include "CFlowchartLabel.h"
#include "FlowchartLinkMover.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

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

} // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {500};
    for (int size : sizes) {
        benchDrag(size);
    }
    return 0;
}
