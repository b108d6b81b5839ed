// INI files with the semantics of the Windows profile-string functions.
#pragma once

#include <QString>
#include <optional>

// The value of `key` in `section` of the file, or `defaultValue` when the
// file, the section or the key is missing. Section and key names compare
// without regard to case; blanks around keys and values are trimmed and one
// pair of enclosing quotes ('' or "") is dropped. The result, default
// included, is cut to bufferSize - 1 characters (bufferSize >= 1).
QString ReadProfileString(const QString& fileName, const QString& section, const QString& key,
                          const QString& defaultValue, int bufferSize);

// Writes `key`=`value` into `section`, replacing the key's old value or
// adding the key at the end of the section (and the section at the end of
// the file). No value deletes the key; no key deletes the whole section.
// Creates the file, not its folder. The file is rewritten atomically.
// Returns false when the file cannot be written.
bool WriteProfileString(const QString& fileName, const QString& section, const std::optional<QString>& key,
                        const std::optional<QString>& value);
