#include "GridNotifyEvent.h"

wxDEFINE_EVENT(wxEVT_GRIDCTRL_NOTIFY, GridNotifyEvent);
wxDEFINE_EVENT(wxEVT_GRIDCTRL_COMMAND, wxCommandEvent);
