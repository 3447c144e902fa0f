#include "PageText.h"

#include "StringTable.h"
#include "ui/UserInterface.h"

CString upPrefix(int steps) {
    CString prefix;
    for (int i = 0; i < steps; ++i)
        prefix += "../";
    return prefix;
}

void reportUnknownFailure(const CString& operation) {
    CString message;
    message.Format(loadString(33042), operation.GetString());
    ui::AfxMessageBox(message);
}
