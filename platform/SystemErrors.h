#pragma once
// The codes that the system layer puts in Error::code. They are the Windows system error codes (winerror.h)
// that the original calls returned in the same situations, so a caller that shows "ERRCODE = %d" shows what
// Windows showed.

#include <cstdint>

namespace platform {

/// The system cannot find the file specified: a registry key or value that does not exist.
inline constexpr int32_t ERROR_FILE_NOT_FOUND = 2;
/// Access is denied: a file that may not be read, written or replaced, or that is no file.
inline constexpr int32_t ERROR_ACCESS_DENIED = 5;
/// The data is invalid: a text that is not valid in its encoding.
inline constexpr int32_t ERROR_INVALID_DATA = 13;
/// The system cannot write to the specified device: a file that could not be written.
inline constexpr int32_t ERROR_WRITE_FAULT = 29;
/// The system cannot read from the specified device: a file or /proc entry that could not be read.
inline constexpr int32_t ERROR_READ_FAULT = 30;
/// The file exists: a file or directory that is already there.
inline constexpr int32_t ERROR_FILE_EXISTS = 80;
/// The parameter is incorrect: an empty key name, an unknown code page, a text a file cannot hold.
inline constexpr int32_t ERROR_INVALID_PARAMETER = 87;
/// The directory is not empty: a directory that still holds entries.
inline constexpr int32_t ERROR_DIR_NOT_EMPTY = 145;
/// The system could not find the environment option that was entered: no home folder is known.
inline constexpr int32_t ERROR_ENVVAR_NOT_FOUND = 203;
/// The configuration registry database is corrupt: a malformed line in the registry file.
inline constexpr int32_t ERROR_BADDB = 1009;
/// The configuration registry key could not be read: the registry file exists but cannot be read.
inline constexpr int32_t ERROR_CANTREAD = 1012;
/// The configuration registry key could not be written: the registry file could not be replaced.
inline constexpr int32_t ERROR_CANTWRITE = 1013;
/// No mapping for the Unicode character exists in the target multi-byte code page.
inline constexpr int32_t ERROR_NO_UNICODE_TRANSLATION = 1113;
/// The data type is not supported: a DWORD read of a text value, or the other way round.
inline constexpr int32_t ERROR_UNSUPPORTED_TYPE = 1630;

}  // namespace platform
