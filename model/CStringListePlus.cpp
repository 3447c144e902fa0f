#include "CStringListePlus.h"

namespace {

CString comparable(const CString& text, const CString& separator) {
    CString key = text;
    if (!separator.IsEmpty()) {
        const int cut = key.Find(separator);
        if (cut >= 0)
            key = key.Left(cut);
    }
    key.MakeLower();
    return key;
}

} // namespace

int CStringListePlus::find(const CString& text, const CString& separator) const {
    const CString wanted = comparable(text, separator);
    int position = 1;
    Node* node = nullptr;
    for (void* e = nextNode(nullptr, node); node; e = nextNode(node, node), ++position)
        if (comparable(*static_cast<CString*>(e), separator) == wanted)
            return position;
    return 0;
}

int CStringListePlus::countCommon(CStringListe* other) const {
    int common = 0;
    CStringIterateur* it = other->createIterator();
    while (!it->isAtEnd()) {
        const CString* text = it->current();
        it->next();
        if (find(*text, "") != 0)
            ++common;
    }
    delete it;
    return common;
}

void CStringListePlus::addMissing(CStringListe* other) {
    CStringIterateur* it = other->createIterator();
    while (!it->isAtEnd()) {
        CString* text = it->current();
        it->next();
        if (find(*text, "") == 0)
            append(text);
    }
    delete it;
}

CString CStringListePlus::join(const CString& separator) const {
    CString result;
    Node* node = nullptr;
    for (void* e = nextNode(nullptr, node); node; e = nextNode(node, node)) {
        const CString& text = *static_cast<CString*>(e);
        if (result.IsEmpty())
            result = text;
        else
            result += separator + text;
    }
    return result;
}

void CStringListePlus::appendLowerCasedPieces(const CString& text) {
    CStringListePlus pieces;
    pieces.split(text, ",", 0);
    for (int i = 1; i <= pieces.count(); ++i) {
        CString piece = *pieces.at(i);
        if (piece.IsEmpty())
            continue;
        piece.MakeLower();
        append(new CString(piece));
    }
    pieces.deleteAll();
}

int CStringListePlus::split(const CString& text, const CString& separator, int skip) {
    if (separator.IsEmpty()) {
        // Outside the callers' use: the whole text is one piece.
        if (skip < 1)
            append(new CString(text));
        return 1;
    }
    CString rest = text;
    int piece = 0;
    do {
        ++piece;
        const int cut = rest.Find(separator);
        const CString part = cut < 0 ? rest : rest.Left(cut);
        if (piece > skip)
            append(new CString(part));
        rest = cut < 0 ? CString() : rest.Mid(cut + separator.GetLength());
    } while (!rest.IsEmpty());
    return 1;
}

void CStringListePlus::copyFrom(CStringListe* other) {
    Node* node = nullptr;
    for (void* e = other->nextNode(nullptr, node); node; e = other->nextNode(node, node))
        append(new CString(*static_cast<CString*>(e)));
}
