// Desktop Entry quoting for Exec lines and the open command's word splitting.
#include "desktop/exec_line.h"

#include <algorithm>

namespace ninefold {

namespace {

const QString kFileMark = QStringLiteral("%1");
const QString kOpenCommandTail = QStringLiteral("\" \"%1\"");
const ExecWords kShellLauncher = {{false, QStringLiteral("/bin/sh")},
                                  {false, QStringLiteral("-c")},
                                  {false, QStringLiteral("exec \"$0\" \"$@\"")}};

bool isFieldCodeForFile(QChar code) {
    return code == 'f' || code == 'F' || code == 'u' || code == 'U';
}

// Reads one double-quoted word starting after its opening quote; advances i past the close.
std::optional<QString> readQuoted(const QString& exec, qsizetype& i) {
    QString word;
    while (i < exec.size()) {
        const QChar c = exec[i++];
        if (c == '"') {
            return word;
        }
        if (c == '\\') {
            if (i >= exec.size()) {
                return std::nullopt;
            }
            word += exec[i++];
        } else if (c == '%' && i < exec.size() && exec[i] == '%') {
            word += '%';
            ++i;
        } else {
            word += c;
        }
    }
    return std::nullopt;
}

// Reads one bare word; a lone field code of the file marks the word as the file, and the
// field codes the program has no use for (%i, %c, %k) drop out.
ExecWord readBare(const QString& exec, qsizetype& i) {
    ExecWord word;
    while (i < exec.size() && exec[i] != ' ' && exec[i] != '\t') {
        const QChar c = exec[i++];
        if (c != '%' || i == exec.size()) {
            word.text += c;
            continue;
        }
        const QChar code = exec[i++];
        if (code == '%') {
            word.text += '%';
        } else if (isFieldCodeForFile(code)) {
            word.isFile = true;
        }
    }
    return word;
}

}  // namespace

QString BuildExecLine(const ExecWords& words) {
    QStringList parts;
    for (const ExecWord& word : words) {
        if (word.isFile) {
            parts << QStringLiteral("%f");
            continue;
        }
        QString quoted = QStringLiteral("\"");
        for (const QChar c : word.text) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') {
                quoted += '\\';
            } else if (c == '%') {
                quoted += '%';
            }
            quoted += c;
        }
        parts << quoted + '"';
    }
    return parts.join(' ');
}

std::optional<ExecWords> ParseExecLine(const QString& exec) {
    ExecWords words;
    qsizetype i = 0;
    while (i < exec.size()) {
        if (exec[i] == ' ' || exec[i] == '\t') {
            ++i;
        } else if (exec[i] == '"') {
            ++i;
            std::optional<QString> word = readQuoted(exec, i);
            if (!word) {
                return std::nullopt;
            }
            words.push_back({false, *word});
        } else {
            ExecWord word = readBare(exec, i);
            if (word.isFile || !word.text.isEmpty()) {
                words.push_back(word);
            }
        }
    }
    return words;
}

ExecWords LaunchableWords(const ExecWords& words) {
    if (words.empty() || words[0].isFile || !words[0].text.contains('%')) {
        return words;
    }
    ExecWords launched = kShellLauncher;
    launched.insert(launched.end(), words.begin(), words.end());
    return launched;
}

ExecWords UnwrapLaunchableWords(const ExecWords& words) {
    if (words.size() > kShellLauncher.size() &&
        std::equal(kShellLauncher.begin(), kShellLauncher.end(), words.begin())) {
        return ExecWords(words.begin() + static_cast<std::ptrdiff_t>(kShellLauncher.size()),
                         words.end());
    }
    return words;
}

QString EscapeEntryValue(const QString& value) {
    QString raw;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == '\\') {
            raw += QStringLiteral("\\\\");
        } else if (c == '\n') {
            raw += QStringLiteral("\\n");
        } else if (c == '\t') {
            raw += QStringLiteral("\\t");
        } else if (c == '\r') {
            raw += QStringLiteral("\\r");
        } else if (c == ' ' && i == 0) {
            raw += QStringLiteral("\\s");
        } else {
            raw += c;
        }
    }
    return raw;
}

QString UnescapeEntryValue(const QString& raw) {
    QString value;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            value += raw[i];
            continue;
        }
        const QChar code = raw[++i];
        if (code == 's') {
            value += ' ';
        } else if (code == 'n') {
            value += '\n';
        } else if (code == 't') {
            value += '\t';
        } else if (code == 'r') {
            value += '\r';
        } else if (code == '\\') {
            value += '\\';
        } else {
            // Not one of the value escapes: kept for the Exec quoting rules to read.
            value += '\\';
            value += code;
        }
    }
    return value;
}

ExecWords WordsFromOpenCommand(const QString& command) {
    if (command.size() > kOpenCommandTail.size() && command.startsWith('"') &&
        command.endsWith(kOpenCommandTail)) {
        const qsizetype length = command.size() - 1 - kOpenCommandTail.size();
        return {{false, command.mid(1, length)}, {true, QString()}};
    }
    ExecWords words;
    qsizetype i = 0;
    while (i < command.size()) {
        if (command[i] == ' ') {
            ++i;
            continue;
        }
        QString word;
        if (command[i] == '"') {
            const qsizetype close = command.indexOf('"', i + 1);
            const qsizetype end = close < 0 ? command.size() : close;
            word = command.mid(i + 1, end - i - 1);
            i = end + 1;
        } else {
            const qsizetype blank = command.indexOf(' ', i);
            const qsizetype end = blank < 0 ? command.size() : blank;
            word = command.mid(i, end - i);
            i = end;
        }
        words.push_back(word == kFileMark ? ExecWord{true, QString()} : ExecWord{false, word});
    }
    return words;
}

QString OpenCommandFromWords(const ExecWords& words) {
    QStringList parts;
    for (const ExecWord& word : words) {
        parts << '"' + (word.isFile ? kFileMark : word.text) + '"';
    }
    return parts.join(' ');
}

}  // namespace ninefold
