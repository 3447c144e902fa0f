#pragma once

// The system's stock cursors an entity asks for over its hit codes; the
// canvas turns them into the toolkit's cursors.
enum class DiagramCursor {
    none,     // no cursor of the entity's own
    sizeAll,  // the body: moves
    sizeNWSE, // top-left and bottom-right corners
    sizeNS,   // top and bottom edges
    sizeNESW, // top-right and bottom-left corners
    sizeWE,   // left and right edges
};
