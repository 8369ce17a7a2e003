#include "installer/commands/FileCommands.h"

namespace installer {
namespace {

constexpr CommandEntry kFileCommands[] = {
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
};

}  // namespace

std::span<const CommandEntry> fileCommandTable() { return kFileCommands; }

}  // namespace installer
