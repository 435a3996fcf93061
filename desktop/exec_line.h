// The Exec line of a desktop entry, written by the Desktop Entry quoting rules so that any
// program path, however odd its characters, starts that program and nothing else; and the
// open command of the association ("program" "%1") converted to and from it.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ninefold {

// One word of a command: a literal argument, or the place of the file being opened.
struct ExecWord {
    bool isFile = false;
    QString text;
    bool operator==(const ExecWord&) const = default;
};
using ExecWords = std::vector<ExecWord>;

// The value of an Exec key before the general string escapes: every literal word in double
// quotes with ", `, $ and \ escaped and % doubled; the file as %f.
QString BuildExecLine(const ExecWords& words);
// The words of an Exec value (after the string escapes are undone); nullopt for an unclosed
// quote or a stray backslash. %f, %F, %u and %U give the file; other field codes are dropped.
std::optional<ExecWords> ParseExecLine(const QString& exec);

// GLib looks for the program under the Exec line's first word before it turns "%%" back into
// "%", so it refuses an entry whose program path holds a "%". Such a program is started
// through /bin/sh, which runs its first argument with the rest: the first word is then free of
// "%" and the line still follows the quoting rules. Other commands are left as they are.
ExecWords LaunchableWords(const ExecWords& words);
// Undoes LaunchableWords, so the command reads back as it was written.
ExecWords UnwrapLaunchableWords(const ExecWords& words);

// The general escapes of a desktop entry value: \\ \n \t \r, and \s for a leading blank.
QString EscapeEntryValue(const QString& value);
QString UnescapeEntryValue(const QString& raw);

// Words of an open command as the association rows write it. The form "P" "%1" is read as
// exactly the program P and the file, whatever P holds, quotes included; any other text is
// split at blanks outside double quotes, with %1 as the file.
ExecWords WordsFromOpenCommand(const QString& command);
// Every word in double quotes, the file as "%1", joined by blanks.
QString OpenCommandFromWords(const ExecWords& words);

}  // namespace ninefold
