#pragma once

// The system's stock cursors an entity asks for over its hit codes, and the
// editor's own (arrow, cross while placing, the link cursor); the canvas
// turns them into the toolkit's cursors.
enum class DiagramCursor {
    none,     // no cursor of the entity's own
    sizeAll,  // the body: moves
    sizeNWSE, // top-left and bottom-right corners
    sizeNS,   // top and bottom edges
    sizeNESW, // top-right and bottom-left corners
    sizeWE,   // left and right edges
    arrow,    // the editor's default
    cross,    // placing a new entity
    link,     // link mode: the next click picks the entity to link to
};
