#include "WorkProductDocuments.h"

#include "ItemClasses.h"
#include "ItemWorkProduct.h"
#include "ProcessItem.h"

bool hasFirstFormatExample(const ItemWorkProduct& product) {
    return !product.getExampleNameL1F1().IsEmpty() || !product.getExampleNameL2F1().IsEmpty();
}

bool hasFirstFormatDocument(const ItemWorkProduct& product) {
    return hasFirstFormatExample(product) || !product.getTemplateNameL1F1().IsEmpty() ||
           !product.getTemplateNameL2F1().IsEmpty();
}

bool hasTemplate(const ItemWorkProduct& product) {
    return !product.getTemplateNameL1F1().IsEmpty() || !product.getTemplateNameL2F1().IsEmpty() ||
           !product.getTemplateNameL1F2().IsEmpty() || !product.getTemplateNameL2F2().IsEmpty() ||
           !product.isArchiveEmpty();
}

ProcessItem* parentWorkProduct(const ProcessItem& product) {
    Item* parent = product.getParent();
    auto* processParent =
        classKindOf(parent) == kWorkProductClass ? static_cast<ProcessItem*>(parent) : nullptr;
    return processParent && processParent->getItemWorkProduct() ? processParent : nullptr;
}
