#pragma once

// What the template table's callers ask of a work product before they list
// it: which of its documents it has, and the work product it is an element
// of. The template pages and the activity pages choose their rows by these.

class ItemWorkProduct;
class ProcessItem;

// A first-format example in either language.
bool hasFirstFormatExample(const ItemWorkProduct& product);
// A first-format template or example in either language.
bool hasFirstFormatDocument(const ItemWorkProduct& product);
// A template in either language and format, or an example library.
bool hasTemplate(const ItemWorkProduct& product);
// The parent of a work product when it is a work product itself (the
// product is one of its elements); null otherwise.
ProcessItem* parentWorkProduct(const ProcessItem& product);
