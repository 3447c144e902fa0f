#include "ItemFolderCopy.h"

#include "FileSystem.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

#include <filesystem>

ItemFolderCopy askBeforeCopyInto(const CString& chosenPath, const CString& target, const CString& fileName) {
    if (target.IsEmpty() || !platform::pathExists(target))
        return ItemFolderCopy::Copy;
    auto ask = [&](int id) {
        CString question;
        question.Format(loadString(id), fileName.GetString());
        return ui::AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
    };
    std::error_code error;
    if (std::filesystem::equivalent(platform::diskPath(chosenPath.GetString()),
                                    platform::diskPath(target.GetString()), error))
        return ask(33483) ? ItemFolderCopy::UseAsIs : ItemFolderCopy::Declined;
    return ask(33484) ? ItemFolderCopy::Copy : ItemFolderCopy::Declined;
}
