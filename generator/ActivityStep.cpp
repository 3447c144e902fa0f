#include "ActivityStep.h"

ActivityStep::ActivityStep(const CString& stored) {
    const int length = stored.GetLength();
    if (length >= 3 && stored[0] == '#' && stored[1] >= '0' && stored[1] <= '9')
        depth = stored[1] - '0';
    comment = length >= 4 && stored[0] == '#' && stored[2] == 'C';
    optional = length >= 4 && stored[0] == '#' && stored[2] == 'O';
    prefixed = length >= 3 && stored[0] == '#';
    const CString withoutPrefix = stored.Mid(comment || optional ? 4 : 3);
    detailText = depth > 0 ? withoutPrefix : stored;
    schemaText = prefixed ? withoutPrefix : stored;
}
