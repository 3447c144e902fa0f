#include "AttributeImport.h"

#include "AttributeExport.h"
#include "CStringListePlus.h"
#include "CsvFileReader.h"
#include "ExportRun.h"
#include "ImportTransaction.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemWorkProduct.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "ProjectLog.h"
#include "StdOption.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>

namespace {

using Fields = std::vector<CString>;

// Field n (from 1) when the line has it.
const CString* fieldAt(const Fields& fields, size_t n) {
    return n <= fields.size() ? &fields[n - 1] : nullptr;
}

// How many "|"-separated pieces the export wrote for the steps that the
// activity inherits in the language: each inherited step is one piece, and
// one more for every "|" it holds.
int inheritedPieces(ItemActivity& activity, int language) {
    CStringListePlus* all = language == 0 ? activity.getSteps(1) : activity.getStepsL2(1);
    const int inherited = all->count() - activity.getOwnSteps(language)->count();
    int pieces = 0;
    for (int s = 1; s <= inherited; ++s) {
        const std::string& step = all->at(s)->str();
        pieces += 1 + static_cast<int>(std::count(step.begin(), step.end(), '|'));
    }
    return pieces;
}

// Replaces an activity's own steps of the language by those of an exported
// field: none for an empty field, else one per "|"-separated piece after
// the first inherited pieces, which are the steps the activity inherits
// and not its own.
void storeSteps(ItemActivity& activity, int language, const CString& field, int inherited) {
    CStringListePlus* own = activity.getOwnSteps(language);
    own->deleteAll();
    if (field.IsEmpty())
        return;
    CStringListePlus pieces;
    pieces.split(field, "|", 0);
    for (int p = inherited + 1; p <= pieces.count(); ++p)
        own->append(new CString(*pieces.at(p)));
    pieces.deleteAll();
}

// The item's description as itemDescription.csv shows it and the reader
// gives the field back: without the quotes around one holding a line feed.
CString descriptionField(ProcessItem& item, int language) {
    CString form = item.getDescriptionForCsv(language);
    if (form.Find('\n') >= 0)
        form = form.Mid(1, form.GetLength() - 2);
    return form;
}

// Stores a description, unless the field is the one the file shows for the
// item's description (a spreadsheet's CR LF counting as the file's line
// feed): the file's form has lost the description's carriage returns, ";"
// and double quotes, so storing it would change a description nobody
// edited. So an empty field of an item without description makes no file.
bool storeDescription(ProcessItem& item, const CString& text, int language) {
    CString value = text;
    value.Replace("\r\n", "\n");
    if (value == descriptionField(item, language))
        return true;
    return item.getExtension()->writeDescription(text, language) != 0;
}

// The state and the version from the fields of those columns.
void storeStateAndVersion(ProcessItem& item, const Fields& fields, size_t stateColumn) {
    if (const CString* state = fieldAt(fields, stateColumn))
        item.setStateFromText(*state);
    if (const CString* version = fieldAt(fields, stateColumn + 1))
        item.setVersion(*version);
}

void showCount(int count) {
    CString message;
    message.Format(loadString(32983), std::to_string(count).c_str());
    ui::AfxMessageBox(message);
}

void showCannotRead(const CString& path) {
    CString message;
    message.Format(loadString(32984), platform::shownPath(path).GetString());
    ui::AfxMessageBox(message);
}

// "The file %s cannot be imported: line %d holds a value over several lines ..."
constexpr UINT kIdsValueOverLines = 33450;

// Whether a value holds a line break, which a data file cannot keep.
bool spansLines(const CString& value) {
    return value.Find('\n') >= 0 || value.Find('\r') >= 0;
}

// Refuses, with the message naming the line and the column (by the header's
// name for it, or its number), a value the lines would store over several
// lines. True when there is none.
bool noValueOverLines(const CString& path, const std::vector<std::vector<CString>>& records,
                      const std::vector<int>& lineNumbers, const std::vector<size_t>& matchedRecords,
                      size_t firstStored, size_t lastStored) {
    for (const size_t r : matchedRecords) {
        const Fields& fields = records[r];
        for (size_t column = firstStored; column <= std::min(lastStored, fields.size()); ++column) {
            if (!spansLines(fields[column - 1]))
                continue;
            const Fields& header = records.front();
            CString name;
            if (column <= header.size() && !header[column - 1].IsEmpty() && !spansLines(header[column - 1]))
                name = "'" + header[column - 1] + "'";
            else
                name.Format("%d", static_cast<int>(column));
            CString message;
            message.Format(loadString(kIdsValueOverLines), path.GetString(), lineNumbers[r],
                           name.GetString());
            ui::AfxMessageBox(message, MB_OK | MB_ICONSTOP);
            return false;
        }
    }
    return true;
}

} // namespace

void AttributeImport::importLines(const CString& path, int classKind, size_t firstStored, size_t lastStored,
                                  const std::function<void(ProcessItem&, const Fields&)>& store,
                                  const std::function<void(ProcessItem&)>& matched) {
    ExportRun run(m_manager);
    CsvFileReader reader;
    if (reader.read(path) != CsvFileReader::Result::Read) {
        showCannotRead(path);
        return;
    }
    const auto& records = reader.getRecords();
    if (records.empty())
        throw std::runtime_error("Missing header");
    // Every line is matched to its item before any item changes.
    std::vector<std::pair<ProcessItem*, const Fields*>> lines;
    std::vector<size_t> matchedRecords;
    for (size_t r = 1; r < records.size(); ++r) {
        const Fields& fields = records[r];
        if (fields.size() < 2)
            continue;
        auto* item = dynamic_cast<ProcessItem*>(m_manager.findItemByUid(fields[0]));
        // A shortcut or an external item has no data of its own to change.
        if (!item || item->getKind() != kDual || (classKind != 0 && item->getClassKind() != classKind))
            continue;
        lines.emplace_back(item, &fields);
        matchedRecords.push_back(r);
    }
    if (!noValueOverLines(path, records, reader.getLineNumbers(), matchedRecords, firstStored, lastStored))
        return;
    if (matched)
        for (const auto& line : lines)
            matched(*line.first);
    ImportTransaction transaction;
    int count = 0;
    for (const auto& [item, fields] : lines) {
        const bool saved = transaction.keep(item) && (store(*item, *fields), item->save() != 0);
        if (!saved) {
            CString message;
            message.Format(loadString(33021), item->getName().GetString());
            ui::AfxMessageBox(message, MB_OK | MB_ICONSTOP);
            transaction.rollBack();
            count = 0;
            break;
        }
        ++count;
    }
    showCount(count);
}

void AttributeImport::importActivitiesAttribute(const CString& path) {
    // What each activity inherits, as it stands before any line of the
    // file changed the activities it derives from.
    std::unordered_map<ProcessItem*, std::array<int, 2>> inherited;
    importLines(
        path, kActivityClass, 3, 7,
        [&](ProcessItem& item, const Fields& fields) {
            ItemActivity& activity = *item.getItemActivity();
            storeStateAndVersion(item, fields, 3);
            if (const CString* type = fieldAt(fields, 5))
                activity.setActivityType(*type);
            for (int language = 0; language <= 1; ++language)
                if (const CString* steps = fieldAt(fields, 6 + language))
                    storeSteps(activity, language, *steps, inherited[&item][language]);
        },
        [&](ProcessItem& item) {
            ItemActivity& activity = *item.getItemActivity();
            inherited.try_emplace(
                &item, std::array<int, 2>{inheritedPieces(activity, 0), inheritedPieces(activity, 1)});
        });
}

void AttributeImport::importWPAttribute(const CString& path) {
    importLines(path, kWorkProductClass, 3, 8, [](ProcessItem& item, const Fields& fields) {
        ItemWorkProduct& product = *item.getItemWorkProduct();
        void (ItemWorkProduct::*const setters[])(const CString&) = {
            &ItemWorkProduct::setWPName, &ItemWorkProduct::setLocation, &ItemWorkProduct::setCMPolicy,
            &ItemWorkProduct::setImage,  &ItemWorkProduct::setWPType,   &ItemWorkProduct::setTiming};
        for (size_t s = 0; s < std::size(setters); ++s)
            if (const CString* value = fieldAt(fields, s + 3))
                (product.*setters[s])(*value);
    });
}

void AttributeImport::ImportVersionAndApprovalStatus(const CString& path) {
    importLines(path, 0, 6, 20, [](ProcessItem& item, const Fields& fields) {
        storeStateAndVersion(item, fields, 6);
        if (const CString* editor = fieldAt(fields, 8))
            item.setEditor(*editor);
        for (int n = 1; n <= 6; ++n) {
            if (const CString* approval = fieldAt(fields, 7 + 2 * n))
                item.setAppro(n, *approval);
            // A date the export did not show keeps the one stored.
            const CString* date = fieldAt(fields, 8 + 2 * n);
            if (date && *date != AttributeExport::kHiddenDate)
                item.setApproDate(n, *date);
        }
    });
}

void AttributeImport::ImportArtifactDescription(const CString& path) {
    ExportRun run(m_manager);
    const bool twoLanguages = StdOption::instance().getTwoLanguages();
    int errors = 0;
    ProjectLog log(m_manager);
    log << "Load and save all item description\n";
    try {
        CsvFileReader reader;
        const CsvFileReader::Result result = reader.read(path);
        if (result != CsvFileReader::Result::Read) {
            log << (result == CsvFileReader::Result::CannotOpen
                        ? "Can not open file " + path + "\n"
                        : "Can not read file " + path + ": it ends inside a quoted description\n");
            ++errors;
        } else {
            const auto& records = reader.getRecords();
            std::vector<std::pair<ProcessItem*, const Fields*>> lines;
            int imported = 0;
            for (size_t r = 1; r < records.size(); ++r) {
                const Fields& fields = records[r];
                if (fields.size() < 2)
                    continue;
                auto* item = dynamic_cast<ProcessItem*>(m_manager.findItemByUid(fields[0]));
                if (!item || item->getKind() != kDual) {
                    log << "Item " + fields[1] + " not found\n";
                    ++errors;
                    continue;
                }
                ProcessItemExtension* extension = item->getExtension();
                if (!extension || extension->getDescriptionFileName(0).IsEmpty()) {
                    log << "Item " + fields[1] + " : description not supported on this class\n";
                } else {
                    log << "Load " + item->getName() + " description: " + fields[1] + "\n";
                    lines.emplace_back(item, &fields);
                }
                ++imported;
            }
            ImportTransaction transaction;
            for (const auto& [item, fields] : lines) {
                ProcessItemExtension& extension = *item->getExtension();
                const CString* second = twoLanguages ? fieldAt(*fields, 4) : nullptr;
                const bool written =
                    transaction.keep(
                        item, {extension.getDescriptionFileName(0), extension.getDescriptionFileName(1)}) &&
                    storeDescription(*item, fields->size() >= 3 ? (*fields)[2] : CString(), 0) &&
                    (!second || storeDescription(*item, *second, 1));
                if (!written) {
                    log << "Error writing the description of " + item->getName() +
                               ": no description imported\n";
                    transaction.rollBack();
                    ++errors;
                    imported = 0;
                    break;
                }
            }
            showCount(imported);
        }
    } catch (const std::exception& error) {
        log << CString(error.what()).Left(1000) + "\n";
        ui::AfxMessageBox(CString(error.what()).Left(1000));
    }
    log.close();
    if (errors)
        ui::AfxMessageBox(loadString(33050));
}
