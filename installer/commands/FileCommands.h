#pragma once
// The file commands of the installer script: MKDIR, FLMOVE, FLCOPY, LZCOPY, XFLCOPY, XLZCOPY, MERGE,
// SETATTRIBUTE, RMDIR, REMOVE and XREMOVE. Each handler runs one script line: it reads its arguments (escapes
// and macros applied), shows its status line, asks its questions, and returns ABORT when the user abandons the
// installation, GO_ON otherwise. Failing file operations are written to the log and the run goes on.

#include <cstdint>
#include <string_view>

#include "installer/script/CommandEntry.h"

namespace installer {

/// MKDIR dir: creates the directory (one level), asking while that fails.
StepResult runMakeDirectory(CommandContext& context, std::string_view arguments);
/// FLCOPY src dst: copies every file matching src to the name dst maps it to.
StepResult runFileCopy(CommandContext& context, std::string_view arguments);
/// LZCOPY src dst: as FLCOPY, expanding compressed files and taking the name recorded in them.
StepResult runExpandCopy(CommandContext& context, std::string_view arguments);
/// XFLCOPY srcdir dstdir: copies a whole tree.
StepResult runTreeCopy(CommandContext& context, std::string_view arguments);
/// XLZCOPY srcdir dstdir: copies a whole tree, expanding compressed files.
StepResult runExpandTreeCopy(CommandContext& context, std::string_view arguments);
/// FLMOVE src dst: moves every file or directory matching src, keeping its modification time.
StepResult runFileMove(CommandContext& context, std::string_view arguments);
/// MERGE dst part1 part2 ...: joins the parts into dst and deletes them.
StepResult runMerge(CommandContext& context, std::string_view arguments);
/// SETATTRIBUTE pattern words: gives the matching files the attributes the words name.
StepResult runSetAttribute(CommandContext& context, std::string_view arguments);
/// RMDIR dir: removes the directory when it is empty.
StepResult runRemoveDirectory(CommandContext& context, std::string_view arguments);
/// REMOVE pattern: deletes the matching files of one directory.
StepResult runRemove(CommandContext& context, std::string_view arguments);
/// XREMOVE dir: deletes a whole tree, trying up to kTreeRemoveAttempts times.
StepResult runTreeRemove(CommandContext& context, std::string_view arguments);

/// The attribute bits SETATTRIBUTE's words name (ARCHIVE, NORMAL, HIDDEN, READONLY, SYSTEM, TEMPORARY), found
/// anywhere in text without regard to case.
[[nodiscard]] uint32_t attributesNamedIn(std::string_view text);

/// How often XREMOVE goes through a tree that will not go away before it gives up.
inline constexpr int kTreeRemoveAttempts = 32;

}  // namespace installer
