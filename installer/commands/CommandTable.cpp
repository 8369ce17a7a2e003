#include "installer/commands/CommandTable.h"

#include "installer/commands/FileCommands.h"

namespace installer {
namespace {

// One line per command. System changes arrive in a later build; until then their steps are counted and reported
// as not available.
// clang-format off
constexpr CommandEntry kCommands[] = {
    {"MKDIR", runMakeDirectory},
    {"FLMOVE", runFileMove},
    {"FLCOPY", runFileCopy},
    {"LZCOPY", runExpandCopy},
    {"XFLCOPY", runTreeCopy},
    {"XLZCOPY", runExpandTreeCopy},
    {"MERGE", runMerge},
    {"SETATTRIBUTE", runSetAttribute},
    {"RMDIR", runRemoveDirectory},
    {"REMOVE", runRemove},
    {"XREMOVE", runTreeRemove},
    {"SNDPRG", runNotAvailable},
    {"REGSVR", runNotAvailable},
    {"UNREGSVR", runNotAvailable},
    {"WINEXEC", runNotAvailable},
    {"WINEXECSYNC", runNotAvailable},
    {"ADDCONF", runNotAvailable},
    {"ADDAUTO", runNotAvailable},
    {"ADDPATH", runNotAvailable},
    {"ADDWSYS", runNotAvailable},
    {"ADDWINI", runNotAvailable},
    {"ADDINIT", runWithoutEffect},
    {"DELCONF", runNotAvailable},
    {"DELAUTO", runNotAvailable},
    {"DELPATH", runNotAvailable},
    {"DELWSYS", runNotAvailable},
    {"DELWINI", runNotAvailable},
    {"DELINIT", runWithoutEffect},
    {"REGOPEN", runNotAvailable},
    {"REGCREATE", runNotAvailable},
    {"REGCLOSE", runNotAvailable},
    {"REGDELETE", runNotAvailable},
    {"REGSETVALDW", runNotAvailable},
    {"REGSETVALSZ", runNotAvailable},
};
// clang-format on

}  // namespace

std::span<const CommandEntry> commandTable() { return kCommands; }

}  // namespace installer
