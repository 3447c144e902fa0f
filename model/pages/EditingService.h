#pragma once

// How the headless model opens a property sheet: through a service that the
// GUI installs at start-up. Without one, every sheet answers IDCANCEL, so
// nothing is written.

class PropertySheet;

class EditingService {
public:
    virtual ~EditingService() = default;
    // Runs the sheet modally; IDOK when the user confirmed it.
    virtual int runSheet(PropertySheet& sheet) = 0;

    // Installs the service used from now on (null: none); the caller keeps it.
    static void install(EditingService* service);
    static EditingService* current();
};
