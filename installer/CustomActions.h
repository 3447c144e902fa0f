#pragma once

// The functions that the installer calls as custom actions, with C linkage:
// each takes the installation handle and answers an installer result (0
// success, 1603 failure). The immediate actions pack installer properties
// and table rows and schedule the deferred, rollback and commit actions,
// which receive that data as their "CustomActionData".

#include "Msi.h"

#define TARNWICK_EXPORT extern "C" __attribute__((visibility("default")))

// Immediate, at installation: packs the properties and the rows of
// FW_XmlFile, FW_XmlElement and FW_XmlAttribute whose components are being
// installed, and schedules FW_XmlRollback, FW_XmlCommit and FW_XmlConfig
// (each followed by "." and the module id in a merge module). 1603 when the
// installer refuses to schedule one.
TARNWICK_EXPORT UINT OnXmlInstall(MSIHANDLE install);
// Immediate, at removal: the same with the rows of components being
// removed, scheduling FW_XmlRemove.
TARNWICK_EXPORT UINT OnXmlUninstall(MSIHANDLE install);
// Deferred FW_XmlConfig: creates and patches the files; 1603 when a file
// failed without asking to continue, and the installation then rolls back.
TARNWICK_EXPORT UINT OnXmlConfig(MSIHANDLE install);
// Deferred FW_XmlRemove: deletes the files the installation created and
// patches the others for removal; always 0.
TARNWICK_EXPORT UINT OnXmlRemove(MSIHANDLE install);
// Rollback FW_XmlRollback: puts back every file as it was before the run.
TARNWICK_EXPORT UINT OnXmlRollback(MSIHANDLE install);
// Commit FW_XmlCommit: deletes the run's backups.
TARNWICK_EXPORT UINT OnXmlCommit(MSIHANDLE install);
// Immediate: reads values of existing XML files into properties, as
// FW_XmlLocatorElement and FW_XmlLocator say; always 0.
TARNWICK_EXPORT UINT OnXmlLocator(MSIHANDLE install);
// Packs the data that the install action hands on (properties and the three
// update tables, no row filter) and stores it in the property
// "CustomActionData" of the running installation, so the deferred actions
// can then run as immediate actions on it.
TARNWICK_EXPORT UINT TestXmlUpdateDataReader(MSIHANDLE install);
