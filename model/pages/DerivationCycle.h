#pragma once

// Items derive from others (an activity from one activity, a work product
// from up to two work products), and what they inherit is followed from
// item to item; a choice that would close a cycle is refused when made.

#include "CString.h"

#include <functional>
#include <vector>

class ProcessItem;
class Project;

// Whether `candidate`, or an item it derives from directly or through
// others, is `item`. basesOf gives the uids an item derives from; every
// item is visited once, so a cycle already stored ends the walk.
bool derivesFrom(Project* project, ProcessItem* candidate, ProcessItem* item,
                 const std::function<std::vector<CString>(ProcessItem*)>& basesOf);
