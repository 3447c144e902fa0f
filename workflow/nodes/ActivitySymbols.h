#pragma once

// The symbols of the BPMN activities, drawn by code as black line drawings
// on transparent pixels (what the platform combined with the fill by AND:
// white shows the fill). Each is drawn once and kept.
//   task types 1-7, 22 x 16 (the service task 24 x 24): 1 send, a black
//     envelope; 2 receive, an open envelope; 3 user, a bust; 4 manual, a
//     hand; 5 business rule, a table with a grey header row; 6 service, two
//     gear wheels; 7 script, a scroll with lines;
//   event triggers 1-16, 24 x 24: the start event's circle, dashed for the
//     non-interrupting odd values 1-13, around the trigger's sign: message,
//     timer, conditional, signal, multiple, parallel multiple, escalation,
//     error (15), compensation (16);
//   activity markers, 13 x 13.

#include "DiagramPicture.h"

class ActivitySymbols {
public:
    enum Marker { kCollapsed, kLoop, kSequential, kParallel, kAdHoc, kCompensation };
    static constexpr int kMarkerSize = 13;
    static constexpr int kTriggerSize = 24;

    // A null picture for a type or trigger outside 1-7 and 1-16.
    static const DiagramPicture& taskIcon(int taskType);
    static const DiagramPicture& eventTrigger(int trigger);
    static const DiagramPicture& marker(Marker marker);
    // Whether a trigger's circle is dashed (it does not interrupt).
    static bool isNonInterrupting(int trigger);
};
