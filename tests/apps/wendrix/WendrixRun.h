#pragma once
// Test support for runs of the wendrix program: starting it (as an unprivileged user where the test runs as
// root) and taking a snapshot of a folder, so that a test can tell that nothing in it changed.

#include <filesystem>
#include <map>
#include <string>

#include "tests/platform/TestSupport.h"

namespace wendrix::test {

using ProgramRun = platform::test::CommandRun;

/// A path in single quotes for the shell.
[[nodiscard]] std::string quoted(const std::filesystem::path& path);

/// Runs the program with arguments (stderr joined to stdout); prefix goes before it (setpriv ...).
[[nodiscard]] ProgramRun runProgram(const std::filesystem::path& program, const std::string& arguments,
                                    const std::string& prefix = {});

/// The command prefix that runs a program as an unprivileged user. As root it hands folder (and all in it) to
/// user nobody and returns a setpriv command for that user, so that only the installer's own rules, not file
/// permissions, keep a run inside its folders; as any other user it returns nothing. nothing either when the
/// test runs as root but setpriv is missing (the caller decides whether that run still means something).
[[nodiscard]] std::string unprivilegedPrefix(const std::filesystem::path& folder);

/// True when runs through unprivilegedPrefix do not have root's rights.
[[nodiscard]] bool runsUnprivileged();

/// Every entry below folder by relative path: its type, content or link target, permission bits and stored
/// attributes.
[[nodiscard]] std::map<std::string, std::string> folderSnapshot(const std::filesystem::path& folder);

}  // namespace wendrix::test
