#pragma once

// Every class extension, for the code that makes or tests them all.

#include "ItemActivity.h"
#include "ItemDiscipline.h"
#include "ItemDomain.h"
#include "ItemGenericProcedure.h"
#include "ItemGenericProcedureGroup.h"
#include "ItemGlossary.h"
#include "ItemGlossaryEntry.h"
#include "ItemMacroActivity.h"
#include "ItemMeasure.h"
#include "ItemPhase.h"
#include "ItemProcessOverview.h"
#include "ItemQualityCriteria.h"
#include "ItemRole.h"
#include "ItemRoleGroup.h"
#include "ItemSiteMap.h"
#include "ItemTemplateAccess.h"
#include "ItemWorkProduct.h"
#include "ItemWorkProductGroup.h"
#include "ItemWorkProductOverview.h"
#include "ItemWorkflow.h"
